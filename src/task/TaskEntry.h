// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheet/Form1.h"

namespace zifferon {

// The one reset of the sheet: spreads Text1 (from the left) and Text2 (from the
// right) into the top line, empties and enables every quotient and work cell,
// hides and resets the row labels, focuses resultat(0) and enables Timer1.
// Characters beyond the grid's room (6 and 3) are not taken.
void EnterTask(Form1& form);

// "Eingabe": takes the task of the number boxes into the grid when it can be
// worked there (digits only, without surrounding spaces and leading zeros,
// a divisor above 0, a dividend above 0, at most five quotient digits):
// hides Label4 and Label5, then EnterTask. Otherwise the sheet stays as it
// was and Label5 says why. Returns whether the task was taken.
bool takeTaskIn(Form1& form);

// Label5 says why the task cannot be worked (and the screen reader says it);
// an empty message hides it.
void showTaskProblem(Form1& form, TextView message);

} // namespace zifferon
