// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "input/KeyCodes.h"
#include "sheet/Form1.h"

namespace zifferon {

// The change rule of the work cells, with the character of the cell that
// changed last (LastCellChar, NUL at start).
class CellChangeRule {
  public:
    // After cell `column` of work row `row` (0..9) changed: a cell keeps
    // one character, the one typed last.
    void keepOneCharacter(Form1& form, int row, int column);
    char32_t lastCellChar() const { return lastCellChar_; }

  private:
    char32_t lastCellChar_ = U'\0';
};

// A key went down in cell `column` of work row `row` (0..9): Enter checks
// the row, the arrows move the focus, any other key moves it on to the
// next cell to the right.
void checkOrMoveInWorkRow(Form1& form, int row, int column, int keyCode);

// A key went down in a box of the Überschlag or the Probe: Enter moves on to
// the line's next box, or in its last box checks the line.
void checkOrMoveInCheckBox(Form1& form, ControlId box, int keyCode);

// What a box of the Überschlag or the Probe keeps of an edit: its digits.
Text digitsOnly(TextView text);

// A key went down in resultat(step): Enter moves the focus to where the
// step's product starts.
void goToProductOnEnter(Form1& form, int step, int keyCode);

// What a key's edit leaves in a quotient or work cell that held `before`:
// the characters it added replace what the cell held, wherever the caret
// stood, so a digit typed into a cell always takes its place. Any other edit
// (a deletion, a selection typed over) stays as it is.
Text typedIntoCell(TextView before, TextView after);

} // namespace zifferon
