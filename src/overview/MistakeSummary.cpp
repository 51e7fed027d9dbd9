// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview/MistakeSummary.h"

#include "overview/ClassOverview.h"
#include "sheet/Catalogue.h"

#include <algorithm>

namespace zifferon {

namespace {

std::string kindName(int kind) {
    static constexpr Msg kNames[kMistakeKinds] = {
        Msg::MistakeEinmaleins, Msg::MistakeAbziehen, Msg::MistakeZifferZuGross,
        Msg::MistakeZifferZuKlein, Msg::MistakeStellenwert};
    return sayUtf8(kNames[kind]);
}

} // namespace

std::string mistakeSummary(const std::optional<RowTally>& tally) {
    if (!tally) {
        return sayUtf8(Msg::SummaryNoKinds);
    }
    const auto& counts = tally->mistakes;
    std::uint64_t total = 0;
    std::string list;
    for (int k = 0; k < kMistakeKinds; ++k) {
        const std::uint64_t n = counts[static_cast<std::size_t>(k)];
        total += n;
        list += (k > 0 ? ", " : "") + sayUtf8(Msg::SummaryCount, {kindName(k), std::to_string(n)});
    }
    const std::string out = sayUtf8(Msg::SummaryCounts, {list});
    if (total == 0) {
        return sayUtf8(Msg::SummaryNone, {out});
    }
    // Every kind that shares the top count, as the chart sets them in bold.
    const std::uint64_t most = *std::max_element(counts.begin(), counts.end());
    std::string top;
    for (int k = 0; k < kMistakeKinds; ++k) {
        if (counts[static_cast<std::size_t>(k)] == most) {
            top = top.empty() ? kindName(k) : sayUtf8(Msg::SummaryAnd, {top, kindName(k)});
        }
    }
    return sayUtf8(Msg::SummaryMost, {out, std::to_string(total), top});
}

} // namespace zifferon
