// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/SheetReading.h"

namespace zifferon {

std::optional<int> lowestWrittenColumn(const Form1& form, Kind array) {
    for (int c = 0; c < kRowCells; ++c) {
        if (!isBlank(form.text({array, c}))) {
            return c;
        }
    }
    return std::nullopt;
}

int highestWrittenColumn(const Form1& form, Kind array, int from) {
    for (int c = kRowCells - 1; c > from; --c) {
        if (!isBlank(form.text({array, c}))) {
            return c;
        }
    }
    return from;
}

long long anchoredValue(const Form1& form, Kind array, int anchor) {
    long long value = 0;
    long long scale = 1;
    for (int c = anchor; c < kRowCells; ++c) {
        value += leadingWhole(form.text({array, c})) * scale;
        scale *= 10;
    }
    return value;
}

Kind upperArray(int row) {
    const int productRow = row - row % 2;
    return productRow == 0 ? Kind::Dividend : workRowKind(productRow - 1);
}

std::vector<ControlId> cellsBetween(Kind array, int from, int to) {
    std::vector<ControlId> cells;
    for (int c = from; c >= to; --c) {
        cells.push_back({array, c});
    }
    return cells;
}

Text numberText(long long value) {
    return decimalText(value);
}

} // namespace zifferon
