// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The written calculation of a task, step by step, in the sheet's columns:
// what an answer key shows, and what the judge accepts row by row.
//
// The first number the divisor is taken from is the shortest leading part of
// the dividend that is not below the divisor (the whole dividend when none
// is: one step with the digit 0, 47 : 96 = 0 Rest 47). Its units column is
// where the first product and remainder end; each later step brings the next
// dividend digit down right beside them and ends one column further right. A
// later digit 0 has "0" under every digit of the number above as its product.

#include "sheet/Form1.h"

#include <array>
#include <optional>
#include <string_view>

namespace zifferon {

// The cells of a work row by column (0 = rightmost), '\0' for an empty cell.
using WorkedRow = std::array<char, kRowCells>;

// Where a worked row starts: its leftmost written column, the cell its first
// digit goes into (-1 for an empty row). Its units column is the step's.
int startColumn(const WorkedRow& row);

struct WorkedStep {
    int column = 0;           // units column of the partial dividend, its product and remainder
    long partial = 0;         // the number the divisor is taken from
    long digit = 0;           // the quotient digit
    long product = 0;         // divisor x digit
    long remainder = 0;       // partial - product
    int bringDown = -1;       // column the next dividend digit comes down into; -1 on the last step
    WorkedRow productRow{};   // row 2k as written
    WorkedRow remainderRow{}; // row 2k + 1 with the brought-down digit
};

// The steps of one solution: at most one per dividend digit, kept in place so
// that the tracker's pass can work the task out without allocating.
class WorkedSteps {
  public:
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const WorkedStep& operator[](std::size_t i) const { return steps_[i]; }
    const WorkedStep& back() const { return steps_[size_ - 1]; }
    const WorkedStep* begin() const { return steps_.data(); }
    const WorkedStep* end() const { return steps_.data() + size_; }
    WorkedStep& emplace_back() { return steps_[size_++]; }

  private:
    std::array<WorkedStep, kDividendCells> steps_{};
    std::size_t size_ = 0;
};

struct WorkedSolution {
    WorkedSteps steps;
    long quotient = 0;
    long remainder = 0;
    // At most five quotient digits: the grid has room for the whole work.
    bool fitsGrid() const { return steps.size() <= static_cast<std::size_t>(kResultatCells); }
    // Work row `row` (0..9); empty beyond the last step.
    WorkedRow row(int row) const;
};

// The solution of the dividend given as its decimal digits (1 to 6, as the
// top line holds them, leading zeros kept) divided by `divisor` (> 0); nullopt
// for anything else.
std::optional<WorkedSolution> workedSolution(std::string_view dividendDigits, long divisor);

// Writes the quotient digits and every work row of `solution` onto a sheet
// that holds its task (after "Eingabe"); rows and quotient cells beyond the
// last step are emptied. Labels are left alone.
void writeWorkedSolution(Form1& form, const WorkedSolution& solution);

} // namespace zifferon
