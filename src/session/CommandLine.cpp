#include "session/CommandLine.h"

#include <algorithm>
#include <array>
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

CommandLine wrong(std::string error) {
    CommandLine c;
    c.action = CommandLine::Action::Wrong;
    c.error = std::move(error);
    return c;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            if (!c.file.empty()) {
                return wrong("Es kann nur eine Aufgabendatei geöffnet werden.");
            }
            c.file = arg;
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
                return wrong("--report braucht einen Ordner.");
            }
            c.action = CommandLine::Action::Report;
            c.folder = arg == "--report" ? args[++i] : arg.substr(arg.find('=') + 1);
        } else if (const std::string_view name = withoutDashes(arg);
                   contains(kToolkitOptionsWithValue, name)) {
            if (arg.find('=') == std::string::npos) {
                ++i; // its value
            }
        } else if (!contains(kToolkitFlags, name)) {
            return wrong("Unbekannte Option: " + arg);
        }
    }
    if (c.action == CommandLine::Action::Report && !c.file.empty()) {
        return wrong("--report öffnet keine Aufgabendatei.");
    }
    return c;
}

std::string commandLineHelp() {
    return "Aufruf: zifferon [DATEI]\n"
           "       zifferon --report ORDNER\n"
           "Schriftliche Division üben, wie sie im Rechenheft steht.\n"
           "\n"
           "  DATEI        öffnet die Aufgabendatei (.AUF) gleich beim Start\n"
           "  --report ORDNER\n"
           "               schreibt die Klassenübersicht der Aufgabendateien im\n"
           "               ORDNER und seinen Unterordnern als CSV auf die Ausgabe\n"
           "  --help, -h   zeigt diese Hilfe\n"
           "  --version    zeigt die Version\n";
}

std::string versionLine() {
    return "zifferon " ZIFFERON_VERSION "\n";
}

} // namespace zifferon
