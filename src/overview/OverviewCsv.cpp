// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview/OverviewCsv.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zifferon {

namespace {

void appendLine(std::string& out, const auto& fields) {
    bool first = true;
    for (const std::string& field : fields) {
        out += first ? "" : ";";
        out += csvField(field);
        first = false;
    }
    out += '\n';
}

} // namespace

std::string csvField(std::string_view text) {
    // A field a spreadsheet would take for a formula gets a leading "'".
    const bool formula =
        !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    std::string field(formula ? 1 : 0, '\'');
    field += text;
    if (field.find_first_of(";\"\r\n") == std::string::npos) {
        return field;
    }
    std::string quoted = "\"";
    for (char c : field) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

std::string overviewCsv(const std::vector<OverviewRow>& rows, bool withSummary) {
    // The table's columns, then the failed checks of the Überschlag and the
    // Probe as numbers for a spreadsheet to add up.
    constexpr std::array<Column, 2> kCounted = {Column::Ueberschlag, Column::Probe};
    std::string out;
    std::array<std::string, kColumns + kCounted.size()> fields;
    for (int c = 0; c < kColumns; ++c) {
        fields[static_cast<std::size_t>(c)] = std::string(columnTitle(static_cast<Column>(c)));
    }
    for (std::size_t i = 0; i < kCounted.size(); ++i) {
        fields[kColumns + i] = std::string(errorCountTitle(kCounted[i]));
    }
    appendLine(out, fields);
    std::array<std::uint64_t, kCounted.size()> sums{};
    for (const OverviewRow& row : rows) {
        for (int c = 0; c < kColumns; ++c) {
            fields[static_cast<std::size_t>(c)] = cellText(row, static_cast<Column>(c));
        }
        for (std::size_t i = 0; i < kCounted.size(); ++i) {
            const std::uint64_t errors = checkReport(row, kCounted[i]).errors;
            const bool taskFile = row.stand != Stand::KeineAufgabendatei;
            fields[kColumns + i] = taskFile ? std::to_string(errors) : "";
            sums[i] = errors > UINT64_MAX - sums[i] ? UINT64_MAX : sums[i] + errors;
        }
        appendLine(out, fields);
    }
    if (withSummary) {
        const auto summary = summaryLine(rows);
        std::copy(summary.begin(), summary.end(), fields.begin());
        for (std::size_t i = 0; i < kCounted.size(); ++i) {
            fields[kColumns + i] = std::to_string(sums[i]);
        }
        appendLine(out, fields);
    }
    return out;
}

} // namespace zifferon
