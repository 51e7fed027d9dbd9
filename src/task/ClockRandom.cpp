// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "task/ClockRandom.h"

#include <chrono>

namespace zifferon {

void ClockRandom::reseedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Mix in a counter: two reseeds within one clock tick still differ.
    std::seed_seq seq{static_cast<std::uint64_t>(now), ++reseeds_};
    engine_.seed(seq);
}

double ClockRandom::next() {
    return std::generate_canonical<double, 53>(engine_) * (1.0 - 1e-16);
}

} // namespace zifferon
