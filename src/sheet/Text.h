// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zifferon {

// Control texts are kept as code points, so that "one character" means one
// character whatever the pupil types (umlauts and emoji included).
using Text = std::u32string;
using TextView = std::u32string_view;

// Empty: exactly "". Blank: empty once leading and trailing spaces are removed.
inline bool isEmpty(TextView t) {
    return t.empty();
}
bool isBlank(TextView t);

// The whole text as a whole number: digits with optional spaces around them.
// Returns false for anything else (signs, decimal points, letters, no digit).
// Any number of digits is accepted; a value beyond 10^15 is taken as 10^15,
// which no row of the grid can hold.
bool parseDigitString(TextView t, long long& value);

// The whole number a text starts with (optional sign and digits, after
// leading blanks; a fraction is not read): what a cell of one character
// holds is its digit, or 0 for anything else. Beyond 10^12 it is 10^12.
long long leadingWhole(TextView t);

// Plain decimal text of a whole number (no sign for values >= 0, no grouping).
Text decimalText(long long value);
// A decimal digit 0 to 9; the blanks a leading number may follow.
constexpr bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}
constexpr bool isLeadingBlank(char32_t c) {
    return c == U' ' || c == U'\t';
}
// The count of decimal digits of `value` >= 0 (0 has one).
int digitCount(long long value);
// 10 to the power `exponent` (0 to 18).
long long powerOfTen(int exponent);

std::string toUtf8(TextView t);
Text fromUtf8(std::string_view s);

} // namespace zifferon
