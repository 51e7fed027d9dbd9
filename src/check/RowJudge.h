// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one judgement rule of a work row. It reads the sheet and writes
// nothing: the solver writes its verdict (and the zero fill), the sentences
// explain it, the hints and the tracker find the next step's columns with it.
//
// A product row (even row, step k = row / 2) with the quotient digit q is
// right when the product written there, W, read from its units column s
// leftwards, equals P = divisor x q, is not above the number N it is taken
// from (read from the same column) and leaves N - W below the divisor. A
// later row whose digit is 0 is judged as if "0" stood under every digit of
// the number above. The first digit may only be 0 when the whole dividend is
// below the divisor; its product 0 then stands under the dividend's last digit.
//
// A remainder row is right when, read from the product's units column, it is
// N - W. A remainder row with nothing written is judged only when a
// remainder of 0 is right: an empty row is no attempt. A letter or sign among
// the digits a row is read from makes it wrong, although it reads as 0.

#include "sheet/Form1.h"

#include <array>

namespace zifferon {

// The kind of a mistake, as the sentence beside a wrong row names it.
enum class Mistake {
    None,
    Einmaleins,    // the product is not divisor x digit
    Abziehen,      // the remainder is not the difference
    ZifferZuGross, // the quotient digit is too big
    ZifferZuKlein, // the quotient digit is too small
    Stellenwert,   // a product or remainder in the wrong columns
    KeinDivisor,   // nothing can be divided by the number in Text2
    KeineZiffer,   // a character other than a digit among the numbers read
};

struct RowJudgement {
    int row = 0;
    bool productRow = false;
    bool right = false;
    Mistake mistake = Mistake::None;
    int anchor = 0;          // s: the units column of the product
    double W = 0;            // written product (product row) / product above (remainder row)
    double N = 0;            // upper number, read down to column s
    double P = 0;            // divisor x quotient digit
    double D = 0;            // written remainder (remainder rows)
    double divisor = 0;      // leading number of Text2
    double digit = 0;        // the quotient digit
    int expectedUnits = -1;  // where the units digit belongs (-1: unknown)
    double upperAtUnits = 0; // the number the product is taken from, read down to there
    // Product rows: which of the conditions held.
    bool notAboveUpper = true;   // W <= N
    bool differenceSmall = true; // N - W < divisor
    bool equalsProduct = true;   // W == P
    bool zeroFilled = false;     // digit 0 on a later row: "0" read under the upper number
    std::array<bool, kRowCells> zeroColumns{}; // the columns that get the "0"
    // Remainder rows: writing right of the product's units column, unread.
    bool writingRightOfAnchor = false;
    // The first character read in the row that is neither a digit nor blank.
    char32_t notADigit = 0;
};

enum class JudgeOutcome {
    Judged,     // a verdict is due
    NoQuotient, // quotient cell blank (or row outside 0..9): no verdict
    Failed,     // cannot be judged: not a digit, nothing to anchor on, an empty remainder row
};

struct JudgeResult {
    JudgeOutcome outcome = JudgeOutcome::NoQuotient;
    RowJudgement judgement; // valid when Judged
};

JudgeResult judgeRow(const Form1& form, int row);

// The units column of the first number the divisor is taken from: the
// shortest leading part of the dividend that is not below the divisor, or
// the whole dividend when none is. -1 without a dividend.
int firstUnitsColumn(const Form1& form);

// The column the next dividend digit comes down into once step k (0..4) is
// done: right beside the units digit of its product row. -1 when no dividend
// digit is left there (the task is complete) or the product row is empty.
int bringDownColumn(const Form1& form, int step);

// The whole dividend, its cells read as one number.
double wholeDividend(const Form1& form);

} // namespace zifferon
