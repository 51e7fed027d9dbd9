// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one judgement rule of a work row. It reads the sheet and writes
// nothing: the solver writes its verdict (and the zero fill), the sentences
// explain it, the hints find the next step's cells with it.
//
// Every row is held against its step of the worked solution of the task in
// the top line (SheetTask), and only once every row above it is "korrekt":
// so the number it is taken from is the step's partial dividend, whatever
// else the sheet holds.
//
// A product row (even row, step k = row / 2) is right when its quotient
// digit is the step's and the row holds exactly the step's product, its
// units digit under the partial dividend's units, with no gap; a 0 left of
// it may only stand under a digit of the number above. A later row whose
// digit is 0 is read as if "0" stood under every digit of the number above.
//
// A remainder row is right when it holds the step's remainder with its units
// under the product's units (leading zeros allowed under the number above,
// a remainder of 0 may be left blank) and, in the column right beside it, at
// most the dividend digit that comes down there. Any other written cell is in
// the way. A remainder row with nothing written is judged only when a
// remainder of 0 is right: an empty row is no attempt.

#include "check/SheetTask.h"
#include "sheet/Form1.h"
#include "sheet/RowTally.h"

#include <array>
#include <optional>

namespace zifferon {

// Where a Stellenwert mistake lies: the number's units column, a written cell
// where nothing belongs, a blank cell inside the number, a wrong digit in
// the bring-down column.
enum class Misplaced { Units, Stray, Gap, BroughtDown };

struct RowJudgement {
    int row = 0;
    bool productRow = false;
    bool right = false;
    // A wrong row's kind of mistake: what the sentence beside it names and
    // what the check tallies. None on a right row and on one with a sign
    // among its digits (`notADigit`), which counts only in the error count.
    std::optional<MistakeKind> mistake;
    int anchor = 0;             // s: the units column of the product
    long long W = 0;            // written product (product row) / product above (remainder row)
    long long N = 0;            // upper number, read down to column s
    long long P = 0;            // divisor x quotient digit
    long long D = 0;            // written remainder (remainder rows)
    long long divisor = 0;      // the task's divisor
    long long digit = 0;        // the quotient digit
    int expectedUnits = -1;     // where the units digit belongs (-1: unknown)
    long long upperAtUnits = 0; // the number the product is taken from, read down to there
    // Product rows: which of the conditions held.
    bool notAboveUpper = true;   // W <= N
    bool differenceSmall = true; // N - W < divisor
    bool equalsProduct = true;   // W == P
    bool zeroFilled = false;     // digit 0 on a later row: "0" read under the upper number
    std::array<bool, kRowCells> zeroColumns{}; // the columns that get the "0"
    // Remainder rows: writing right of the product's units column, unread.
    bool writingRightOfAnchor = false;
    // A written cell where nothing belongs (-1: none) and what it holds.
    int strayColumn = -1;
    char32_t stray = 0;
    // A blank cell between the digits of the number written.
    bool gap = false;
    // Remainder rows: the bring-down column holds another digit than the
    // dividend's `broughtDown`.
    bool wrongBroughtDown = false;
    char32_t broughtDown = 0;
    // The name of the column of `strayColumn` or of the bring-down cell.
    Text place;
    Misplaced misplaced = Misplaced::Units; // with MistakeKind::Stellenwert
    // The first character read in the row that is neither a digit nor blank.
    char32_t notADigit = 0;
};

enum class JudgeOutcome {
    Judged,     // a verdict is due
    NoQuotient, // quotient cell blank (or row outside 0..9): no verdict
    Failed,     // cannot be judged: not a digit, nothing to anchor on, an empty remainder row
    NotYet,     // a row above is not "korrekt" yet (`waitFor`): no verdict
    Locked,     // judged "korrekt" and locked: never judged again
    Finished,   // the task ends above this row: nothing belongs here
    NoTask,     // the top line holds no task that can be worked (`problem`)
};

struct JudgeResult {
    JudgeOutcome outcome = JudgeOutcome::NoQuotient;
    RowJudgement judgement;                  // valid when Judged
    int waitFor = -1;                        // NotYet: the first row above that is not "korrekt"
    TaskProblem problem = TaskProblem::None; // NoTask
};

JudgeResult judgeRow(const Form1& form, int row);

// What a check that gave no verdict tells the pupil ("" for nothing):
// which row comes first, that the task is finished, why it cannot be worked.
Text noVerdictText(const JudgeResult& result);

// The units column of the first number the divisor is taken from: the
// shortest leading part of the dividend that is not below the divisor, or
// the whole dividend when none is. -1 without a workable task.
int firstUnitsColumn(const Form1& form);

// The column the next dividend digit comes down into once step k (0..4) is
// done: right beside the units digit of its product. -1 on the last step
// (the task is complete), beyond it, or without a workable task.
int bringDownColumn(const Form1& form, int step);

} // namespace zifferon
