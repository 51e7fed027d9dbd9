// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "zifferon --report FOLDER": the class overview without a window.

#include <iosfwd>
#include <string>

namespace zifferon {

// Writes the overview of the folder's task files to `out` as CSV, the
// header line first and no summary line. Returns the exit code: 0; 2 with a
// German message on `err` when the folder is missing or cannot be read; 1
// when `out` does not take the table.
int runReport(const std::string& folder, std::ostream& out, std::ostream& err);

} // namespace zifferon
