// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "task/RandomSource.h"

#include <random>

namespace zifferon {

// Uniform source on [0, 1), reseeded from the high-resolution clock, so two
// clicks within the same second still give different tasks.
class ClockRandom : public RandomSource {
  public:
    void reseedFromClock() override;
    double next() override;

  private:
    std::mt19937_64 engine_;
    std::uint64_t reseeds_ = 0;
};

} // namespace zifferon
