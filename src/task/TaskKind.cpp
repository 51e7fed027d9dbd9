// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "task/TaskKind.h"

#include "sheet/Catalogue.h"

namespace zifferon {

namespace {

struct KindNames {
    Msg name;
    std::string_view key;
};

constexpr std::array<KindNames, kTaskKinds> kKindNames = {{
    {Msg::KindGemischt, "gemischt"},
    {Msg::KindOhneRest, "ohne-rest"},
    {Msg::KindMitRest, "mit-rest"},
    {Msg::KindNullImErgebnis, "null-im-ergebnis"},
    {Msg::KindEinstelligerDivisor, "einstelliger-divisor"},
    {Msg::KindSchwerZuSchaetzen, "schwer-zu-schaetzen"},
    {Msg::KindVieleEntbuendelungen, "viele-entbuendelungen"},
}};

constexpr std::array<std::string_view, kMistakeKinds> kMistakeKeys = {
    "einmaleins", "abziehen", "ziffer-zu-gross", "ziffer-zu-klein", "stellenwert"};

} // namespace

std::string taskKindName(TaskKind kind) {
    return sayUtf8(kKindNames[static_cast<std::size_t>(kind)].name);
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
