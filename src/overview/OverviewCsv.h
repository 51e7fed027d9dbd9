// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class overview as CSV for spreadsheets: the column titles first, one
// line per file, fields separated by semicolons, lines ended by "\n", UTF-8.
// After the columns of the table come the failed checks of the Überschlag
// and of the Probe as numbers.

#include "overview/ClassOverview.h"

#include <string>
#include <string_view>
#include <vector>

namespace zifferon {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The rows in the order given; the summary line last when asked for.
std::string overviewCsv(const std::vector<OverviewRow>& rows, bool withSummary);

// One field: quoted when it holds a semicolon, a quote or a line break; a
// field a spreadsheet would take for a formula (=, +, -, @ first) gets an
// apostrophe in front, so that a file name cannot run as one.
std::string csvField(std::string_view text);

} // namespace zifferon
