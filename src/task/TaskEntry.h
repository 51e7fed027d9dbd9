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

// "Eingabe": hides Label4, then EnterTask.
void Command1_Click(Form1& form);

} // namespace zifferon
