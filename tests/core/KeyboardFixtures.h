#pragma once

// Keyboard helpers for the core tests: a keystroke as the window delivers it.
// The key-down handler of the focused cell runs first (it may already move
// the focus); then the key's own edit lands in the cell where the key went
// down, as a text write that runs that cell's change rule.

#include "input/Worksheet.h"
#include "sheet/Form1.h"

#include <string_view>

namespace zifferon::test {

inline constexpr int kVkBackspace = 8;
inline constexpr int kVkShift = 16;

// Where the caret stands in the cell when a character is typed.
enum class Caret { End, Start };

// Runs the key-down handler of `cell` (work cell or quotient cell; other
// controls have none).
void keyDown(Form1& form, ControlId cell, int keyCode, int shift = 0);

// A key without a character of its own (Enter, an arrow, Shift) pressed in
// the focused control.
void pressKey(Form1& form, int keyCode);

// Types one character into the focused control: key-down on it, then the
// character inserted at the caret of that same control.
void typeChar(Form1& form, char32_t ch, Caret caret = Caret::End);

// Types each character of `chars` in turn.
void typeChars(Form1& form, std::u32string_view chars);

// Backspace in the focused control with the caret at the end of its text.
void backspace(Form1& form);

// The virtual-key code of a typed character: digits and letters their ASCII
// (upper-case) code, space 32, anything else 0.
int keyCodeOf(char32_t ch);

// Runs `count` ticks of the timer.
void tick(Form1& form, int count = 1);

} // namespace zifferon::test
