// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every sentence the rules make, in one table: the rules name a message and
// its numbers, the table holds its German source text with "%1", "%2" for
// the numbers. A language other than German comes from the binding, which
// installs a translation of the source texts (Qt's .qm files); without one,
// and in the tests, the German source is said.

#include "sheet/Messages.h"
#include "sheet/Text.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zifferon {

// The message's text in the installed language, its "%n" filled with args.
Text say(Msg id, std::initializer_list<TextView> args = {});
std::string sayUtf8(Msg id, std::initializer_list<std::string_view> args = {});
// The same with arguments counted at run time.
std::string sayUtf8Args(Msg id, const std::vector<std::string>& args);

// The German source text filled with args, whatever language is installed.
Text german(Msg id, std::initializer_list<TextView> args = {});

// The table as the translation tools see it: a context and the German source.
struct MessageSource {
    const char* context;
    const char* source;
};
MessageSource messageSource(Msg id);

// Turns a context and German source text into the text of the chosen
// language; empty stands for "no translation" (the German is said).
using Translation = std::function<std::string(const char* context, const char* source)>;
void useTranslation(Translation translation);

// A caption of the window's model as shown and spoken: the model keeps the
// German words that files store ("korrekt", "Fehler"), the window shows
// them in the chosen language. Any other text is returned as it is.
Text shownWords(TextView caption);

} // namespace zifferon
