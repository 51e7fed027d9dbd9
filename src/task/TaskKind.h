// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Kinds of tasks ("Aufgabenart"): practice aimed at one difficulty of written
// division. "gemischt" is the plain random draw; every other kind draws only
// tasks with its property, within the digit limits, that the sheet can
// finish (dividend not below the divisor, at most five quotient digits).

#include "sheet/RowTally.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace zifferon {

enum class TaskKind {
    Gemischt,             // the plain draw
    OhneRest,             // the division leaves no remainder
    MitRest,              // it leaves a remainder
    NullImErgebnis,       // the quotient has a digit 0
    EinstelligerDivisor,  // divisor 2 to 9
    SchwerZuSchaetzen,    // a divisor just below a round number (19, 48, 197): the first
                          // digit misleads the estimate of at least one quotient digit
    VieleEntbuendelungen, // every subtraction of the work needs borrowing
};
inline constexpr int kTaskKinds = 7;

inline constexpr std::array<TaskKind, kTaskKinds> kAllTaskKinds = {TaskKind::Gemischt,
                                                                   TaskKind::OhneRest,
                                                                   TaskKind::MitRest,
                                                                   TaskKind::NullImErgebnis,
                                                                   TaskKind::EinstelligerDivisor,
                                                                   TaskKind::SchwerZuSchaetzen,
                                                                   TaskKind::VieleEntbuendelungen};

// "Null im Ergebnis" (UTF-8), as menus and pages name the kind.
std::string taskKindName(TaskKind kind);
// "null-im-ergebnis", as the command line names it.
std::string_view taskKindKey(TaskKind kind);
std::optional<TaskKind> taskKindFromKey(std::string_view key);

// The fewest dividend digits the kind can be drawn with: a quotient digit 0
// after the first needs a quotient of two digits, so a dividend of three.
int lowestDividendDigits(TaskKind kind);

// The kind of task that practises a kind of mistake.
TaskKind practiceKindFor(MistakeKind mistake);
// "ziffer-zu-gross", as the command line names a kind of mistake.
std::string_view mistakeKindKey(MistakeKind mistake);
std::optional<MistakeKind> mistakeKindFromKey(std::string_view key);

} // namespace zifferon
