// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "task/FixedSeedRandom.h"

#include <chrono>

namespace zifferon {

double FixedSeedRandom::next() {
    // The top 53 bits as a fraction: exactly representable, always below 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

std::uint32_t seedFromClock(std::uint32_t highest) {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint64_t>(now)};
    std::mt19937 engine(seq);
    return highest == 0 ? 0 : 1 + engine() % highest;
}

} // namespace zifferon
