// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/WorkedSolution.h"

#include <algorithm>

namespace zifferon {

namespace {

// `value` with its units digit in column `units`, without leading zeros.
void writeNumber(WorkedRow& row, int units, long value) {
    int column = units;
    do {
        row[static_cast<std::size_t>(column++)] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && column < kRowCells);
}

} // namespace

int startColumn(const WorkedRow& row) {
    for (int c = kRowCells - 1; c >= 0; --c) {
        if (row[static_cast<std::size_t>(c)] != '\0') {
            return c;
        }
    }
    return -1;
}

WorkedRow WorkedSolution::row(int row) const {
    const auto step = static_cast<std::size_t>(row / 2);
    if (row < 0 || step >= steps.size()) {
        return {};
    }
    return row % 2 == 0 ? steps[step].productRow : steps[step].remainderRow;
}

std::optional<WorkedSolution> workedSolution(std::string_view dividendDigits, long divisor) {
    const bool digitsOnly = std::all_of(dividendDigits.begin(), dividendDigits.end(),
                                        [](char c) { return c >= '0' && c <= '9'; });
    if (dividendDigits.empty() || dividendDigits.size() > kDividendCells || !digitsOnly ||
        divisor <= 0) {
        return std::nullopt;
    }
    WorkedSolution solution;
    std::size_t used = 0;
    long partial = 0;
    while (partial < divisor && used < dividendDigits.size()) {
        partial = partial * 10 + (dividendDigits[used++] - '0');
    }
    // The dividend starts in column 5.
    int column = kDividendCells - static_cast<int>(used);
    std::optional<WorkedRow> above; // the remainder row the next product is taken from
    for (;;) {
        WorkedStep& step = solution.steps.emplace_back();
        step.column = column;
        step.partial = partial;
        step.digit = partial / divisor;
        step.product = step.digit * divisor;
        step.remainder = partial - step.product;
        solution.quotient = solution.quotient * 10 + step.digit;
        if (step.digit == 0 && above) {
            for (int c = 0; c < kRowCells; ++c) {
                const auto i = static_cast<std::size_t>(c);
                step.productRow[i] = (*above)[i] != '\0' ? '0' : '\0';
            }
        } else {
            writeNumber(step.productRow, column, step.product);
        }
        writeNumber(step.remainderRow, column, step.remainder);
        if (used == dividendDigits.size()) {
            solution.remainder = step.remainder;
            return solution;
        }
        step.bringDown = column - 1;
        step.remainderRow[static_cast<std::size_t>(step.bringDown)] = dividendDigits[used];
        partial = step.remainder * 10 + (dividendDigits[used++] - '0');
        above = step.remainderRow;
        --column;
    }
}

void writeWorkedSolution(Form1& form, const WorkedSolution& solution) {
    for (int k = 0; k < kResultatCells; ++k) {
        const auto i = static_cast<std::size_t>(k);
        form.setText(ctl::resultat(k),
                     i < solution.steps.size() ? decimalText(solution.steps[i].digit) : Text());
    }
    for (int row = 0; row < kWorkRows; ++row) {
        const WorkedRow cells = solution.row(row);
        for (int c = 0; c < kRowCells; ++c) {
            const char ch = cells[static_cast<std::size_t>(c)];
            form.setText(ctl::workRow(row, c), ch == '\0' ? Text() : Text(1, char32_t(ch)));
        }
    }
}

} // namespace zifferon
