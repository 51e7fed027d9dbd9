#pragma once

// Helpers shared by the core tests: text fixtures for rows and tasks.

#include "input/Worksheet.h"
#include "sheet/Form1.h"

#include <string>

namespace zifferon::test {

// Writes a row of six cells from a fixture such as "91...." read left to right
// (leftmost character = column 5); '.' leaves a cell empty, '_' writes a space.
void writeRow(Form1& form, int n, std::string_view cells);
// The six cells of kontrolleN as such a fixture ('.' empty, '_' a space).
std::string rowText(const Form1& form, int n);
// The dividend cells as a fixture, leftmost first.
std::string dividendText(const Form1& form);
std::string divisorText(const Form1& form);

// Puts a task into Text1/Text2 and presses "Eingabe".
void enterTask(Form1& form, std::u32string_view dividend, std::u32string_view divisor);

std::string utf8(const Text& t);

} // namespace zifferon::test
