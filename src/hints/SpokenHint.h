// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A hint in words for a pupil who cannot see the sheet: the frames become
// the names of the framed cells, and a press of "Tipp" is read aloud.

#include "hints/HintSteps.h"

namespace zifferon {

// "Markiert: " and the names of the framed cells; "" without frames.
Text outlinedCells(const Form1& form, const Hint& hint);

// What a press of "Tipp" says: what the press added to the hint shown before
// it (the instruction with the framed cells, then the question, then the
// divisor's multiples), or the whole hint when it added nothing (a press
// beyond the last stage, no step to help with).
Text spokenHint(const Form1& form, const Hint& before, const Hint& now);

} // namespace zifferon
