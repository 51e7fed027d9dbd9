// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Sheets for the benchmarks, worked the way a pupil works them (the tests'
// Pupil: keys into the focused cell, Enter, clicks on cells and labels,
// through the Worksheet's entry points). Nothing is written into the model
// behind the rules' back.
//
// The task is 987654 : 12 = 82304 remainder 6: six dividend digits, five
// quotient digits, and a quotient digit 0 whose product row the check fills
// with zeros.

#include "Pupil.h"

#include "session/Worksheet.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace zifferon::bench {

// Thrown when a sheet does not reach the state a step expects: the rules did
// something else than the fixture assumes, so the figures would be meaningless.
struct SheetError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr std::u32string_view kDividend = U"987654";
inline constexpr std::u32string_view kDivisor = U"12";

// Task entered, nothing written yet.
void makeFresh(Worksheet& sheet);
// Steps 0 and 1 done (the remainder of step 1 first written wrong, then
// corrected: fehler(3) reads "1"), 6 brought down, the focus in the blank
// quotient cell resultat(2).
void makeTwoStepsDone(Worksheet& sheet);
// makeTwoStepsDone, then quotient digit 3 of step 2 written and the first of
// its two product digits typed, so info(4) reads "korrekt?".
void makeHalfWorked(Worksheet& sheet);
// All five steps judged "korrekt" and "Berechnung beendet" shown.
void makeFinished(Worksheet& sheet);

} // namespace zifferon::bench
