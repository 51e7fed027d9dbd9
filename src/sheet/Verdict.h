// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The verdict beside a work row, and the one place that turns it into the
// label's caption and colour. The task file keeps the verdict as a letter of
// its own (see TaskRecords); everything else reads the verdict, never the
// caption.

#include "sheet/Text.h"

#include <cstdint>

namespace zifferon {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// Palette entries of the classic 16-colour text modes, and the fixed colours.
namespace colors {
inline constexpr Rgb LightGreen{0, 255, 0}; // 10
inline constexpr Rgb LightRed{255, 0, 0};   // 12
inline constexpr Rgb Yellow{255, 255, 0};   // 14
inline constexpr Rgb LightCyan{128, 255, 255};
} // namespace colors

enum class Verdict : std::uint8_t {
    None,    // no verdict written since the window opened
    Pending, // "korrekt?": written, waiting for the check
    Korrekt, // judged right, the row locked
    Fehler,  // judged wrong (also the hidden label of a fresh sheet)
};

// The window's words for the verdicts.
namespace texts {
inline constexpr TextView Korrekt = U"korrekt";
inline constexpr TextView Pending = U"korrekt?";
inline constexpr TextView Fehler = U"Fehler";
} // namespace texts

// The caption of a row label showing `verdict` ("" for None).
constexpr TextView verdictCaption(Verdict verdict) {
    switch (verdict) {
    case Verdict::Pending:
        return texts::Pending;
    case Verdict::Korrekt:
        return texts::Korrekt;
    case Verdict::Fehler:
        return texts::Fehler;
    case Verdict::None:
        break;
    }
    return {};
}

// The background of a row label showing `verdict`: yellow while it waits,
// light green when right, light red when wrong.
constexpr Rgb verdictColour(Verdict verdict) {
    switch (verdict) {
    case Verdict::Pending:
        return colors::Yellow;
    case Verdict::Fehler:
        return colors::LightRed;
    case Verdict::Korrekt:
    case Verdict::None:
        break;
    }
    return colors::LightGreen;
}

} // namespace zifferon
