// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the reading commands ("Hilfe → Vorlesen") say: the task, the row the
// focus is in, and the calculation so far. A pupil who cannot see the sheet
// hears the grid cell by cell otherwise; these give it as numbers with their
// place, the way the sheet is read on paper. Sighted pupils get the same text
// on screen. Only reads the sheet.

#include "sheet/Form1.h"

namespace zifferon {

// "Aufgabe: 9434 geteilt durch 13." from the top line; without a task, how
// one is entered.
Text taskReading(const Form1& form);

// The row of `at`: a product row with the number it stands under ("1.
// Produkt: 91, unter 94, korrekt."), a remainder row with the digit brought
// down beside it ("1. Rest: 3, heruntergeholt: 3, korrekt."), a quotient
// cell as the quotient so far, a box of the Überschlag or the Probe as its
// line ("Probe: 725 mal 13 gleich 9425, korrekt."); any other control reads
// the task.
Text rowReading(const Form1& form, ControlId at);

// The task, the Überschlag once written, every row written so far, the
// quotient so far, the Probe once written and what comes next ("Als Nächstes: die 3. Ziffer des
// Ergebnisses.").
Text calculationReading(const Form1& form);

} // namespace zifferon
