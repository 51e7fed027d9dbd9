// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace zifferon::bench {

// Number of calls to any global operator new (all forms) since the program
// started. This binary replaces the global allocation functions with counting
// ones; the count is meant for single-threaded use.
std::uint64_t allocationCount();

} // namespace zifferon::bench
