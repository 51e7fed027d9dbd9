// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "task/TaskKind.h"

namespace zifferon {

namespace {

struct KindNames {
    std::string_view name;
    std::string_view key;
};

constexpr std::array<KindNames, kTaskKinds> kKindNames = {{
    {"gemischt", "gemischt"},
    {"ohne Rest", "ohne-rest"},
    {"mit Rest", "mit-rest"},
    {"Null im Ergebnis", "null-im-ergebnis"},
    {"einstelliger Divisor", "einstelliger-divisor"},
    {"schwer zu sch\u00E4tzen", "schwer-zu-schaetzen"},
    {"viele Entb\u00FCndelungen", "viele-entbuendelungen"},
}};

constexpr std::array<std::string_view, kMistakeKinds> kMistakeKeys = {
    "einmaleins", "abziehen", "ziffer-zu-gross", "ziffer-zu-klein", "stellenwert"};

} // namespace

std::string_view taskKindName(TaskKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)].name;
}

std::string_view taskKindKey(TaskKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)].key;
}

std::optional<TaskKind> taskKindFromKey(std::string_view key) {
    for (TaskKind kind : kAllTaskKinds) {
        if (taskKindKey(kind) == key) {
            return kind;
        }
    }
    return std::nullopt;
}

int lowestDividendDigits(TaskKind kind) {
    switch (kind) {
    case TaskKind::Gemischt:
    case TaskKind::EinstelligerDivisor:
        return 1;
    case TaskKind::NullImErgebnis:
        return 3;
    default:
        // Not below a divisor from 11.
        return 2;
    }
}

TaskKind practiceKindFor(MistakeKind mistake) {
    switch (mistake) {
    case MistakeKind::Einmaleins:
        // The small multiplication table itself.
        return TaskKind::EinstelligerDivisor;
    case MistakeKind::Abziehen:
        return TaskKind::VieleEntbuendelungen;
    case MistakeKind::ZifferZuGross:
    case MistakeKind::ZifferZuKlein:
        return TaskKind::SchwerZuSchaetzen;
    case MistakeKind::Stellenwert:
        // A zero step is where a product or remainder slips a column.
        return TaskKind::NullImErgebnis;
    }
    return TaskKind::Gemischt;
}

std::string_view mistakeKindKey(MistakeKind mistake) {
    return kMistakeKeys[static_cast<std::size_t>(mistake)];
}

std::optional<MistakeKind> mistakeKindFromKey(std::string_view key) {
    for (std::size_t i = 0; i < kMistakeKeys.size(); ++i) {
        if (kMistakeKeys[i] == key) {
            return static_cast<MistakeKind>(i);
        }
    }
    return std::nullopt;
}

} // namespace zifferon
