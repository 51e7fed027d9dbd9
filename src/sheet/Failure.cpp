// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/Failure.h"

#include "sheet/Catalogue.h"

#include <utility>

namespace zifferon {

FailureArg::FailureArg(std::string words) : words(std::move(words)) {}

FailureArg::FailureArg(const char* words) : words(words) {}

FailureArg::FailureArg(std::string_view words) : words(words) {}

FailureArg::FailureArg(Failure sentence) : sentence{std::move(sentence)} {}

Failure inQuotes(std::string name) {
    return {Msg::Quoted, {std::move(name)}};
}

std::string failureText(const Failure& failure) {
    std::vector<std::string> args;
    args.reserve(failure.args.size());
    for (const FailureArg& arg : failure.args) {
        args.push_back(arg.sentence.empty() ? arg.words : failureText(arg.sentence.front()));
    }
    return sayUtf8Args(failure.what, args);
}

std::string problemText(const Problem& problem) {
    return problem ? failureText(*problem) : std::string();
}

} // namespace zifferon
