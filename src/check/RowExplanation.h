// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Why a row was judged "Fehler", in one short German sentence a pupil
// understands. The sentence names the numbers the judgement compared, never
// the right product, remainder or digit, and follows the judgement's kind of
// mistake: a divisor no one can divide by, then the columns, then a quotient
// digit too big or too small, then a slip in multiplying; for a remainder
// row the columns, then a slip in subtracting.

#include "check/RowJudge.h"

namespace zifferon {

// The reason for a wrong row; empty for a right one.
Text explainJudgement(const RowJudgement& judgement);

// After a load: each row shown as "Fehler" gets the reason its current
// content is wrong (none if the sheet, read now, finds it right); every other
// row label gets no tooltip.
void explainRestoredVerdicts(Form1& form);

} // namespace zifferon
