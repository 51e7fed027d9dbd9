// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Reading numbers off the sheet the way the row solver reads them: a number
// ends in its units (anchor) column and runs leftwards; blank cells count 0.
// Only reads, never writes.

#include "sheet/Form1.h"

#include <optional>
#include <vector>

namespace zifferon {

// Lowest column (0 = rightmost) of `array` holding something other than
// spaces: the units column of the number written there.
std::optional<int> lowestWrittenColumn(const Form1& form, Kind array);

// Highest column from `from` up to 5 holding something other than spaces:
// where the number that ends in `from` starts.
int highestWrittenColumn(const Form1& form, Kind array, int from);

// The number read from column `anchor` leftwards (cells right of it do not
// count, blank cells count 0).
long long anchoredValue(const Form1& form, Kind array, int anchor);

// The array a row's product is taken from: the dividend for the first step,
// otherwise the remainder row (with its brought-down digit) above the step's
// product row. A remainder row uses the same upper array as its product.
Kind upperArray(int row);

// The cells of `array` in the columns `from` down to `to` (from >= to).
std::vector<ControlId> cellsBetween(Kind array, int from, int to);

// A number as the sentences write it: plain digits.
Text numberText(long long value);

} // namespace zifferon
