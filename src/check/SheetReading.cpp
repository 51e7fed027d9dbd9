// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/SheetReading.h"

#include <cmath>
#include <iomanip>
#include <sstream>

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

double anchoredValue(const Form1& form, Kind array, int anchor) {
    double value = 0.0;
    double scale = 1.0;
    for (int c = anchor; c < kRowCells; ++c) {
        value += leadingNumber(form.text({array, c})) * scale;
        scale *= 10.0;
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

Text numberText(double value) {
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 1e15) {
        return decimalText(static_cast<long long>(value));
    }
    std::ostringstream out;
    out << std::setprecision(6) << value;
    std::string s = out.str();
    for (char& c : s) {
        if (c == '.') {
            c = ',';
        }
    }
    return fromUtf8(s);
}

} // namespace zifferon
