// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview/MistakeSummary.h"

#include "overview/ClassOverview.h"

#include <algorithm>

namespace zifferon {

namespace {

std::string kindName(int kind) {
    return std::string(
        columnTitle(static_cast<Column>(static_cast<int>(Column::Einmaleins) + kind)));
}

} // namespace

std::string mistakeSummary(const std::optional<RowTally>& tally) {
    if (!tally) {
        return "Fehler der Klasse nach Art: keine Datei nennt die Art ihrer Fehler.";
    }
    const auto& counts = tally->mistakes;
    std::uint64_t total = 0;
    std::string out = "Fehler der Klasse nach Art: ";
    for (int k = 0; k < kMistakeKinds; ++k) {
        const std::uint64_t n = counts[static_cast<std::size_t>(k)];
        total += n;
        out += (k > 0 ? ", " : "") + kindName(k) + " " + std::to_string(n);
    }
    if (total == 0) {
        return out + ". Keine Fehler.";
    }
    out += " (zusammen " + std::to_string(total) + "). Am h\u00E4ufigsten: ";
    // Every kind that shares the top count, as the chart sets them in bold.
    const std::uint64_t most = *std::max_element(counts.begin(), counts.end());
    std::string top;
    for (int k = 0; k < kMistakeKinds; ++k) {
        if (counts[static_cast<std::size_t>(k)] == most) {
            top += (top.empty() ? "" : " und ") + kindName(k);
        }
    }
    return out + top + ".";
}

} // namespace zifferon
