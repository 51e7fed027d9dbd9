// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Long division as taught: the worked solution of the core, the reference the
// tests (and the fuzzer's seed generator) write correct work from. The
// property test holds it against the judge and the tracker for every task
// up to 9999 : 99.

#include "check/WorkedSolution.h"

#include <string>
#include <vector>

namespace zifferon::test {

using Step = WorkedStep;

// The steps of `dividend` (decimal digits, at most six) divided by `divisor`
// (> 0).
inline std::vector<Step> divide(const std::string& dividend, long divisor) {
    const WorkedSolution solution = workedSolution(dividend, divisor).value();
    return {solution.steps.begin(), solution.steps.end()};
}

} // namespace zifferon::test
