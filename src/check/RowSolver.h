// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// MODULE11: the row solver.

#include "check/RowJudge.h"

namespace zifferon {

enum class SolveOutcome {
    Judged,     // verdict written into info(row)
    NoQuotient, // quotient cell blank (or row outside 0..9): nothing written
    Failed,     // the row cannot be judged: nothing written, the check ends
    NoVerdict,  // not its turn, locked, after the end, no task: nothing written
};

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::NoQuotient;
    RowJudgement judgement; // valid when outcome is Judged
    Text reason;            // NoVerdict: what the pupil is told ("" for nothing)
};

// Judges work row `row` (0..9) and writes "korrekt" on light green or
// "Fehler" on light red into info(row), with the reason of a "Fehler" as the
// label's tooltip; rows 2, 4, 6, 8 get the zero fill when the quotient digit
// is 0. The label's visibility is left to the caller.
SolveResult SolveRow(Form1& form, int row);

} // namespace zifferon
