// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the sheet remembers of a row's work beyond what the window shows: the
// failed checks of the row by kind of mistake, and the hints asked for while
// the row was the one to write. The full count of failed checks is the row's
// counter fehler(i) itself. Kept with the sheet so that every check reaches
// it; "Eingabe" and a load reset it like the counters.

#include <array>
#include <cstdint>

namespace zifferon {

// The kinds of mistake a teacher tells apart, in the order the class
// overview and the task file list them.
enum class MistakeKind {
    Einmaleins,    // the product is not divisor x digit
    Abziehen,      // the remainder is not the difference
    ZifferZuGross, // the quotient digit is too big
    ZifferZuKlein, // the quotient digit is too small
    Stellenwert,   // a product or remainder in the wrong columns
};
inline constexpr int kMistakeKinds = 5;

// Every count stops at the largest number a task file's 16 digits hold
// rather than wrap around.
inline constexpr std::uint64_t kLargestCount = 9'999'999'999'999'999;

struct RowTally {
    std::array<std::uint64_t, kMistakeKinds> mistakes{};
    std::uint64_t hints = 0;

    std::uint64_t& of(MistakeKind kind) { return mistakes[static_cast<std::size_t>(kind)]; }
    std::uint64_t of(MistakeKind kind) const { return mistakes[static_cast<std::size_t>(kind)]; }
    friend bool operator==(const RowTally&, const RowTally&) = default;
};

} // namespace zifferon
