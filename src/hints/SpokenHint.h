// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A hint in words for a pupil who cannot see the sheet: the frames become
// the names of the framed cells, and a press of "Tipp" is read aloud.

#include "hints/HintSteps.h"

namespace zifferon {

// "Markiert: " and the names of the framed cells; "" without frames.
Text outlinedCells(const Form1& form, const Hint& hint);

// What a press of "Tipp" says: when the press added a stage (it was counted),
// that stage alone (the instruction with the framed cells, then the question,
// then the divisor's multiples or the way to
// the answer); else the whole hint (a press beyond the last
// stage, no step to help with).
Text spokenHint(const Form1& form, const Hint& now, bool added);

} // namespace zifferon
