// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The task a sheet is worked on: the dividend and divisor cells of the top
// line, as "Eingabe" or a load wrote them. The number boxes Text1 and Text2
// only say what the next "Eingabe" takes. Every judgement, sentence, hint
// and brought-down digit follows this task's worked solution.

#include "check/WorkedSolution.h"
#include "sheet/Form1.h"

namespace zifferon {

// Why a task cannot be worked on the sheet.
enum class TaskProblem {
    None,
    NoDividend,      // nothing to divide
    DividendDigits,  // the dividend holds something other than digits
    NoDivisor,       // nothing to divide by
    DivisorDigits,   // the divisor holds something other than digits
    DivisorZero,     // nothing can be divided by 0
    DividendZero,    // 0 divided by anything is 0: nothing to work (refused when typed)
    QuotientTooLong, // the quotient needs more than the five quotient cells
};

struct SheetTask {
    TaskProblem problem = TaskProblem::NoDividend;
    long divisor = 0;
    WorkedSolution solution; // the worked solution when there is no problem
    bool workable() const { return problem == TaskProblem::None; }
};

// The task of the top line. A dividend of 0 written there (by a file) is
// workable: 0 : 7 = 0 Rest 0.
SheetTask sheetTask(const Form1& form);

// A task as typed into the number boxes, after surrounding spaces are taken
// off and leading zeros dropped (as a teacher writes "13" for "013"); the
// problem is None when "Eingabe" may take it, and `dividend` and `divisor`
// then hold the digits it takes.
struct TypedTask {
    TaskProblem problem = TaskProblem::None;
    Text dividend;
    Text divisor;
};
TypedTask typedTask(TextView dividend, TextView divisor);

// The short German reason shown beside the number boxes.
Text taskProblemText(TaskProblem problem);

} // namespace zifferon
