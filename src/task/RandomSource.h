// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zifferon {

// A uniform pseudo-random source on [0, 1) that can be reseeded from the clock.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    virtual double next() = 0; // 0 <= r < 1
};

} // namespace zifferon
