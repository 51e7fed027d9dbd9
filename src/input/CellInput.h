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
    // kontrolle1_Change ... kontrolle10_Change: n is the array number 1..10.
    void kontrolle_Change(Form1& form, int n, int index);
    char32_t lastCellChar() const { return lastCellChar_; }

  private:
    char32_t lastCellChar_ = U'\0';
};

// kontrolle1_KeyDown ... kontrolle10_KeyDown: a key went down in kontrolleN(index).
void kontrolle_KeyDown(Form1& form, int n, int index, int keyCode);

// A key went down in resultat(index).
void resultat_KeyDown(Form1& form, int index, int keyCode);

// What a key's edit leaves in a quotient or work cell that held `before`:
// the characters it added replace what the cell held, wherever the caret
// stood, so a digit typed into a cell always takes its place. Any other edit
// (a deletion, a selection typed over) stays as it is.
Text typedIntoCell(TextView before, TextView after);

} // namespace zifferon
