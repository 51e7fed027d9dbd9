// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// MODULE11: the row solver.

#include "check/RowJudge.h"

namespace zifferon {

// Judges work row `row` (0..9) and writes "korrekt" on light green or
// "Fehler" on light red into info(row), with the reason of a "Fehler" as the
// label's tooltip; rows 2, 4, 6, 8 get the zero fill when the quotient digit
// is 0. The label's visibility is left to the caller. Only a Judged outcome
// writes anything; the others leave the sheet as it was.
JudgeResult SolveRow(Form1& form, int row);

} // namespace zifferon
