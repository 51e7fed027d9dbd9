// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Long division as taught, in plain integer arithmetic: the reference the
// tests (and the fuzzer's seed generator) write correct work from. It shares
// no code with the solver it checks.

#include <string>
#include <vector>

namespace zifferon::test {

// One step of the written method. The partial dividend ends in `column`
// (0 = rightmost of the six); the product and the remainder are written with
// their units digit there.
struct Step {
    int column;
    long partial;
    long digit;
    long product;
    long remainder;
};

// The first partial dividend is the shortest leading part of the dividend
// (decimal digits, at most six) that is not below the divisor, or the whole
// dividend when it is below the divisor (one step with the digit 0); each
// further step brings the next digit down. Needs divisor > 0.
inline std::vector<Step> divide(const std::string& dividend, long divisor) {
    std::vector<Step> steps;
    std::size_t used = 0;
    long partial = 0;
    while (partial < divisor && used < dividend.size()) {
        partial = partial * 10 + (dividend[used++] - '0');
    }
    int column = 6 - static_cast<int>(used); // the dividend starts in column 5
    for (;;) {
        const long digit = partial / divisor;
        const long remainder = partial - digit * divisor;
        steps.push_back({column, partial, digit, digit * divisor, remainder});
        if (used == dividend.size()) {
            return steps;
        }
        partial = remainder * 10 + (dividend[used++] - '0');
        --column;
    }
}

} // namespace zifferon::test
