// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview/OverviewCsv.h"

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
    std::string field;
    if (!text.empty() &&
        std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
        field = "'";
    }
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
    std::string out;
    std::array<std::string, kColumns> fields;
    for (int c = 0; c < kColumns; ++c) {
        fields[static_cast<std::size_t>(c)] = std::string(columnTitle(static_cast<Column>(c)));
    }
    appendLine(out, fields);
    for (const OverviewRow& row : rows) {
        for (int c = 0; c < kColumns; ++c) {
            fields[static_cast<std::size_t>(c)] = cellText(row, static_cast<Column>(c));
        }
        appendLine(out, fields);
    }
    if (withSummary) {
        appendLine(out, summaryLine(rows));
    }
    return out;
}

} // namespace zifferon
