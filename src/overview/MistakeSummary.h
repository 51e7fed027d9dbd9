// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class's mistakes by kind in one sentence: what the overview's bar
// chart shows, for a teacher who does not see it and for the screen reader.

#include "sheet/RowTally.h"

#include <optional>
#include <string>

namespace zifferon {

// "Fehler der Klasse nach Art: Einmaleins 3, Abziehen 5, ... (zusammen 11).
// Am häufigsten: Abziehen." (UTF-8); without a tagged file, that the kinds are
// not known.
std::string mistakeSummary(const std::optional<RowTally>& tally);

} // namespace zifferon
