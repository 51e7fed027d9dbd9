// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "task/RandomSource.h"

#include <cstdint>
#include <random>

namespace zifferon {

// A uniform source on [0, 1) whose draws follow a seed alone: reseeding from
// the clock keeps the sequence, so the same seed gives the same tasks on
// every machine (the engine is fully specified, the scaling is done here).
class FixedSeedRandom final : public RandomSource {
  public:
    explicit FixedSeedRandom(std::uint64_t seed) : engine_(seed) {}
    void reseedFromClock() override {}
    double next() override;

  private:
    std::mt19937_64 engine_;
};

// A seed from the clock, 1 to `highest`, for a draw that need not repeat.
std::uint32_t seedFromClock(std::uint32_t highest);

} // namespace zifferon
