// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/CommandLine.h"

#include "sheet/Catalogue.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace zifferon {

namespace {

// Options the toolkit takes itself, with and without a value; given with one
// or two dashes.
constexpr std::array<std::string_view, 20> kToolkitOptionsWithValue = {"platform",
                                                                       "platformpluginpath",
                                                                       "platformtheme",
                                                                       "plugin",
                                                                       "qwindowgeometry",
                                                                       "qwindowtitle",
                                                                       "qwindowicon",
                                                                       "style",
                                                                       "stylesheet",
                                                                       "session",
                                                                       "display",
                                                                       "geometry",
                                                                       "name",
                                                                       "title",
                                                                       "fn",
                                                                       "bg",
                                                                       "fg",
                                                                       "btn",
                                                                       "visual",
                                                                       "inputstyle"};
constexpr std::array<std::string_view, 5> kToolkitFlags = {"reverse", "widgetcount", "sync",
                                                           "nograb", "dograb"};

std::string_view withoutDashes(std::string_view arg) {
    while (!arg.empty() && arg.front() == '-') {
        arg.remove_prefix(1);
    }
    return arg.substr(0, arg.find('='));
}

bool contains(const auto& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

CommandLine wrong(Failure error) {
    CommandLine c;
    c.action = CommandLine::Action::Wrong;
    c.error = std::move(error);
    return c;
}

constexpr std::array<std::string_view, 7> kHandoutOptionsWithValue = {
    "--worksheet", "--digits", "--seed", "--pdf", "--task-files", "--kind", "--for-mistake"};

// The worksheet's options without a value.
constexpr std::array<std::string_view, 3> kHandoutFlags = {"--answers", "--ueberschlag", "--probe"};

bool isHandoutFlag(std::string_view arg) {
    return std::find(kHandoutFlags.begin(), kHandoutFlags.end(), arg) != kHandoutFlags.end();
}

Failure quoted(std::string_view text) {
    return inQuotes(std::string(text));
}

// A whole number of at most six digits, nothing else.
std::optional<int> smallNumber(std::string_view text) {
    if (text.empty() || text.size() > 6 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return std::stoi(std::string(text));
}

// Takes the value of a worksheet option into `request`; why not when the
// value is not one the option takes.
Problem takeHandoutOption(std::string_view name, std::string_view value, HandoutRequest& request) {
    HandoutSettings& s = request.settings;
    if (name == "--worksheet") {
        const std::optional<int> n = smallNumber(value);
        if (!n || *n < kHandoutMinTasks || *n > kHandoutMaxTasks) {
            return Failure{Msg::OptionWorksheet, {quoted(value)}};
        }
        s.tasks = *n;
    } else if (name == "--digits") {
        const std::size_t comma = value.find(',');
        // -1 for a number that is missing or not one.
        const int d = smallNumber(value.substr(0, comma)).value_or(-1);
        const int e = comma == std::string_view::npos
                          ? -1
                          : smallNumber(value.substr(comma + 1)).value_or(-1);
        // A dividend limit of 1 is named with its reason by handoutProblem.
        if (d < 1 || d > 6 || e < 2 || e > 3) {
            return Failure{Msg::OptionDigits, {quoted(value)}};
        }
        s.dividendDigits = d;
        s.divisorDigits = e;
        request.digitsGiven = true;
    } else if (name == "--seed") {
        const std::optional<int> seed = smallNumber(value);
        if (!seed) {
            return Failure{Msg::OptionSeed, {quoted(value)}};
        }
        s.seed = static_cast<std::uint32_t>(*seed);
        request.seedGiven = true;
    } else if (name == "--kind") {
        const std::optional<TaskKind> kind = taskKindFromKey(value);
        if (!kind) {
            return Failure{Msg::OptionKind, {quoted(value)}};
        }
        s.kind = *kind;
        request.kindGiven = true;
    } else if (name == "--for-mistake") {
        request.forMistake = mistakeKindFromKey(value);
        if (!request.forMistake) {
            return Failure{Msg::OptionForMistake, {quoted(value)}};
        }
    } else if (value.empty()) {
        return Failure{name == "--pdf" ? Msg::OptionWantsFile : Msg::OptionWantsFolder, {name}};
    } else if (name == "--pdf") {
        request.pdf = value;
    } else {
        request.taskFolder = value;
    }
    return std::nullopt;
}

// An option's value given as the next argument must not be another option:
// "--pdf --answers" lacks its file name. A name that starts with "--" is
// given as --pdf=--name or ./--name.
bool looksLikeOption(const std::string& value) {
    return value.starts_with("--") || value == "-h" || value == "-v";
}

Failure missingValue(const std::string& option, const std::string& next) {
    return Failure{Msg::OptionValueIsOption, {option, quoted(next)}};
}

// Takes worksheet option `name` at args[i] into `c`, with its value from
// "=value" or from the next argument (moving `i` past it); why not when it
// cannot be taken.
Problem takeHandoutArgument(const std::vector<std::string>& args, std::size_t& i,
                            std::string_view name, CommandLine& c) {
    const std::string& arg = args[i];
    if (isHandoutFlag(arg)) {
        c.handout.answers = c.handout.answers || arg == "--answers";
        c.handout.demands.ueberschlag = c.handout.demands.ueberschlag || arg == "--ueberschlag";
        c.handout.demands.probe = c.handout.demands.probe || arg == "--probe";
        return std::nullopt;
    }
    std::string value;
    if (name.size() < arg.size()) {
        value = arg.substr(name.size() + 1);
    } else if (i + 1 < args.size()) {
        if (looksLikeOption(args[i + 1])) {
            return missingValue(arg, args[i + 1]);
        }
        value = args[++i];
    } else {
        return Failure{Msg::OptionNoValue, {arg}};
    }
    return takeHandoutOption(name, value, c.handout);
}

// Checks the options together once all are read: --report stands alone, the
// worksheet's options need --worksheet and --pdf, and make it the command.
CommandLine finishedCommandLine(CommandLine c, bool worksheet, const std::string& handoutOption) {
    if (c.action == CommandLine::Action::Report) {
        if (!c.file.empty()) {
            return wrong(Failure{Msg::ReportOpensNoFile});
        }
        if (!handoutOption.empty()) {
            return wrong(Failure{Msg::ReportAndOption, {handoutOption}});
        }
    }
    if (!handoutOption.empty() && c.action == CommandLine::Action::Window) {
        if (!worksheet) {
            return wrong(Failure{Msg::OptionOnlyWithWorksheet, {handoutOption}});
        }
        if (!c.file.empty()) {
            return wrong(Failure{Msg::WorksheetOpensNoFile});
        }
        if (c.handout.pdf.empty()) {
            return wrong(Failure{Msg::WorksheetNeedsPdf});
        }
        if (c.handout.forMistake) {
            if (c.handout.kindGiven) {
                return wrong(Failure{Msg::KindAndForMistake});
            }
            // Limits given are kept (and refused if too small for the kind).
            const HandoutSettings given = c.handout.settings;
            c.handout.settings = practiceSettings(given, *c.handout.forMistake);
            if (c.handout.digitsGiven) {
                c.handout.settings.dividendDigits = given.dividendDigits;
            }
        }
        if (const Problem problem = handoutProblem(c.handout.settings)) {
            return wrong(*problem);
        }
        c.action = CommandLine::Action::Handout;
    }
    return c;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    bool onlyFiles = false;
    bool worksheet = false;
    std::string handoutOption; // the first worksheet option given
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            if (!c.file.empty()) {
                return wrong(Failure{Msg::OnlyOneFile});
            }
            c.file = arg;
            continue;
        }
        const std::string_view name = std::string_view(arg).substr(0, arg.find('='));
        if (contains(kHandoutOptionsWithValue, name) || isHandoutFlag(arg)) {
            worksheet = worksheet || name == "--worksheet";
            if (handoutOption.empty() || name == "--worksheet") {
                handoutOption = name;
            }
            if (Problem reason = takeHandoutArgument(args, i, name, c)) {
                return wrong(std::move(*reason));
            }
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--help" || arg == "-h") {
            c.action = CommandLine::Action::Help;
            return c;
        } else if (arg == "--version" || arg == "-v") {
            c.action = CommandLine::Action::Version;
            return c;
        } else if (arg == "--report" || arg.starts_with("--report=")) {
            if (arg == "--report" && i + 1 >= args.size()) {
                return wrong(Failure{Msg::ReportNeedsFolder});
            }
            if (arg == "--report" && looksLikeOption(args[i + 1])) {
                return wrong(missingValue(arg, args[i + 1]));
            }
            c.action = CommandLine::Action::Report;
            c.folder = arg == "--report" ? args[++i] : arg.substr(arg.find('=') + 1);
        } else if (const std::string_view name = withoutDashes(arg);
                   contains(kToolkitOptionsWithValue, name)) {
            if (arg.find('=') == std::string::npos) {
                ++i; // its value
            }
        } else if (!contains(kToolkitFlags, name)) {
            return wrong(Failure{Msg::UnknownOption, {arg}});
        }
    }
    return finishedCommandLine(std::move(c), worksheet, handoutOption);
}

std::string commandLineHelp() {
    return sayUtf8(Msg::CommandLineHelp);
}

std::string wrongUsageText(const Failure& error) {
    return sayUtf8(Msg::WrongUsage, {failureText(error)});
}

std::string versionLine() {
    return "zifferon " ZIFFERON_VERSION "\n";
}

} // namespace zifferon
