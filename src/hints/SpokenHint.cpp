// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hints/SpokenHint.h"

#include "sheet/Announcements.h"
#include "sheet/Catalogue.h"
#include "sheet/ControlNames.h"

namespace zifferon {

namespace {

// Sentences one after the other; a cell's name holds a comma of its own
// ("1. Rest, Zehnerspalte"), so names are set apart by semicolons.
Text joined(const std::vector<Text>& parts, TextView separator) {
    Text out;
    for (const Text& part : parts) {
        if (part.empty()) {
            continue;
        }
        if (!out.empty()) {
            out += separator;
        }
        out += part;
    }
    return out;
}

Text multiplesText(const Hint& hint) {
    if (hint.multiples.empty()) {
        return {};
    }
    return say(Msg::HintMultiplesSpoken, {joined(hint.multiples, U"; ")});
}

} // namespace

Text outlinedCells(const Form1& form, const Hint& hint) {
    std::vector<Text> names;
    for (ControlId id : hint.outline) {
        names.push_back(accessibleName(form, id));
    }
    const Text list = joined(names, U"; ");
    return list.empty() ? list : say(Msg::HintOutlined, {list});
}

Text spokenHint(const Form1& form, const Hint& now, bool added) {
    const Text instruction = joined({now.instruction, outlinedCells(form, now)}, U" ");
    if (added) {
        switch (now.stage) {
        case 1:
            return spokenText(instruction);
        case 2:
            return spokenText(now.question);
        default:
            return spokenText(joined({multiplesText(now), now.explanation}, U" "));
        }
    }
    return spokenText(
        joined({instruction, now.question, multiplesText(now), now.explanation}, U" "));
}

} // namespace zifferon
