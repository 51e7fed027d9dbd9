// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's command line: a task file to open, a worksheet to write or a
// class overview to print without a window, or a request for the help or the
// version. Options of the toolkit (-platform, -style, ...) are left to it.
// Read before any window exists, so that --help, --worksheet and --report work
// without a display.

#include "handout/HandoutTasks.h"
#include "sheet/Failure.h"

#include <optional>
#include <string>
#include <vector>

namespace zifferon {

// --worksheet N [--digits D,E] [--seed S] [--kind K | --for-mistake M] --pdf FILE
// [--answers] [--ueberschlag] [--probe] [--task-files FOLDER]
struct HandoutRequest {
    HandoutSettings settings;
    bool seedGiven = false; // otherwise the sheet's number is drawn from the clock
    bool answers = false;
    std::string pdf;
    std::string taskFolder; // empty: no task files
    bool digitsGiven = false;
    bool kindGiven = false;
    std::optional<MistakeKind> forMistake =
        std::nullopt; // the sheet practises this kind of mistake
    // Room for the Überschlag and the Probe beside each task, and task files
    // that ask for them.
    Form1::CheckDemands demands = {};
};

struct CommandLine {
    enum class Action {
        Window,  // start the window, opening `file` when one is given
        Help,    // print the help to standard output, exit 0
        Version, // print the version, exit 0
        Handout, // write the worksheet `handout` asks for, without a window
        Report,  // print the class overview of `folder` as CSV, no window
        Wrong,   // print `error` and where the help is to standard error, exit 2
    };
    Action action = Action::Window;
    std::string file;
    HandoutRequest handout;
    std::string folder; // Report
    Problem error;      // why, when Wrong
};

// `args` without the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);

// The German help text and the version line.
std::string commandLineHelp();
// What a wrong command line prints: its one-line reason and where the help is.
std::string wrongUsageText(const Failure& error);
std::string versionLine();

// Exit code for a command line that is wrong.
inline constexpr int kWrongUsage = 2;

} // namespace zifferon
