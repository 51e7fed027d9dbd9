// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/Catalogue.h"

#include <cstddef>
#include <vector>

namespace zifferon {

namespace {

Translation& installed() {
    static Translation translation;
    return translation;
}

// Fills "%1" ... "%9" with the arguments; a "%" before anything else stays.
template <typename String, typename View, typename Args>
String filled(View pattern, const Args& args) {
    String out;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const auto c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < args.size()) {
                out += View(*(args.begin() + n));
            }
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string pattern(Msg id) {
    const MessageSource source = messageSource(id);
    if (installed()) {
        std::string translated = installed()(source.context, source.source);
        if (!translated.empty()) {
            return translated;
        }
    }
    return source.source;
}

} // namespace

Text say(Msg id, std::initializer_list<TextView> args) {
    return filled<Text, TextView>(fromUtf8(pattern(id)), args);
}

std::string sayUtf8(Msg id, std::initializer_list<std::string_view> args) {
    return filled<std::string, std::string_view>(pattern(id), args);
}

std::string sayUtf8Args(Msg id, const std::vector<std::string>& args) {
    return filled<std::string, std::string_view>(pattern(id), args);
}

Text german(Msg id, std::initializer_list<TextView> args) {
    return filled<Text, TextView>(fromUtf8(messageSource(id).source), args);
}

void useTranslation(Translation translation) {
    installed() = std::move(translation);
}

Text shownWords(TextView caption) {
    static constexpr Msg kCaptions[] = {Msg::Caption,         Msg::Korrekt,   Msg::Pending,
                                        Msg::Fehler,          Msg::Beendet,   Msg::Eingabe,
                                        Msg::NaechsteAufgabe, Msg::Maximal,   Msg::Stellen,
                                        Msg::MenuDatei,       Msg::MenuLaden, Msg::MenuSpeichern};
    // Compared after every event for every label: the German made once.
    static const std::vector<Text> kGerman = [] {
        std::vector<Text> texts;
        for (const Msg id : kCaptions) {
            texts.push_back(german(id));
        }
        return texts;
    }();
    for (std::size_t i = 0; i < kGerman.size(); ++i) {
        if (caption == kGerman[i]) {
            return say(kCaptions[i]);
        }
    }
    return Text(caption);
}

} // namespace zifferon
