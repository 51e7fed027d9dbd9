// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Why something could not be done: the name of its sentence and what fills
// it (numbers, file names, the system's own error text, a cause that is a
// sentence itself). The sentence is made only where it is shown, in the
// language installed then.

#include "sheet/Messages.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zifferon {

struct Failure;

// One filler of a sentence's "%n": words as they are, or a sentence.
struct FailureArg {
    FailureArg(std::string words);
    FailureArg(const char* words);
    FailureArg(std::string_view words);
    FailureArg(Failure sentence);
    std::string words;             // UTF-8
    std::vector<Failure> sentence; // the sentence in place of the words, if any
};

struct Failure {
    Msg what;
    std::vector<FailureArg> args = {};
};

// What a check gives: nothing when all is well, otherwise why not.
using Problem = std::optional<Failure>;

// A name in quotation marks, as the sentences show file and folder names.
Failure inQuotes(std::string name);

// The failure's sentence in the installed language.
std::string failureText(const Failure& failure);

// The sentence of a problem, empty when there is none.
std::string problemText(const Problem& problem);

} // namespace zifferon
