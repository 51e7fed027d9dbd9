#pragma once

#include "sheet/Form1.h"

namespace zifferon {

// Virtual-key codes the cells react to.
namespace vk {
inline constexpr int Return = 13;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;
} // namespace vk

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
void kontrolle_KeyDown(Form1& form, int n, int index, int keyCode, int shift);

// A key went down in resultat(index).
void resultat_KeyDown(Form1& form, int index, int keyCode, int shift);

} // namespace zifferon
