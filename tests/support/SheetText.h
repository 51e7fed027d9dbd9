// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sheets as text, for tests, benchmarks and the fuzzer's seeds: rows and
// tasks written and read as fixtures like "91....", whole sheets as one line
// per control so that a difference names the control.

#include "sheet/Form1.h"

#include <optional>
#include <string>
#include <vector>

namespace zifferon::test {

// Writes kontrolleN from a fixture such as "91....", read left to right
// (leftmost character = column 5); '.' leaves a cell empty, '_' writes a space.
void writeRow(Form1& form, int n, std::string_view cells);
// The six cells of kontrolleN as such a fixture ('.' empty, '_' a space).
std::string rowText(const Form1& form, int n);
// The dividend and divisor cells as fixtures, leftmost first.
std::string dividendText(const Form1& form);
std::string divisorText(const Form1& form);

// Puts a task into Text1 and Text2 and runs "Eingabe" (no tracker pass); a
// task it refuses is spread into the top line as it stands, as a file can.
void enterTask(Form1& form, std::u32string_view dividend, std::u32string_view divisor);

// A sheet as the pupil left it: the task, the quotient cells from resultat(0)
// on, the work rows from kontrolle1 on (fixtures as writeRow takes them), and
// what Text2 was typed over with after "Eingabe", if anything.
struct WrittenSheet {
    std::u32string dividend = U"9434";
    std::u32string divisor = U"13";
    std::vector<std::u32string> quotient;
    std::vector<std::string> rows;
    std::optional<std::u32string> text2Later = std::nullopt;
};
void writeSheet(Form1& form, const WrittenSheet& sheet);

// Shows every row above `row` as judged "korrekt": a row is judged only in
// its turn, and a fixture stands for work judged right up to it.
void judgedRightAbove(Form1& form, int row);

std::string utf8(const Text& t);

// The leading number of a text, as a caption or cell shows it: leading
// blanks are skipped and the number at the start is taken (optional sign,
// digits, optional fraction and exponent); 0 when the text does not start
// with a number.
double leadingNumber(TextView t);
Text digitsOf(long value);

// "kontrolle3(2)", "Text1", ...
std::string controlName(ControlId id);
// Every property of the control as one line.
std::string describe(const Form1& form, ControlId id);
// Everything a handler can change on the sheet, one line per control.
std::vector<std::string> snapshot(const Form1& form);

} // namespace zifferon::test
