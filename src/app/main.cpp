// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HandoutOutput.h"
#include "platform/Language.h"
#include "platform/SheetWindow.h"
#include "session/CommandLine.h"
#include "session/ReportCommand.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

// A folder Qt takes as the runtime folder: ours, and only ours (0700).
bool isPrivateFolder(const std::string& folder) {
    struct stat info = {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 07777) == 0700;
}

// Qt asks for the runtime folder at start; without XDG_RUNTIME_DIR (a
// terminal outside a desktop session, cron) it warns in English and makes
// one in /tmp. The worksheet needs none: it is pointed at the folder the
// system keeps for the user, else at a private folder in the user's cache.
void provideRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return;
    }
    const std::string system = "/run/user/" + std::to_string(::geteuid());
    if (isPrivateFolder(system)) {
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(system));
        return;
    }
    std::string cache = qEnvironmentVariable("XDG_CACHE_HOME").toStdString();
    if (cache.empty() || cache[0] != '/') {
        const std::string home = qEnvironmentVariable("HOME").toStdString();
        if (home.empty()) {
            return;
        }
        cache = home + "/.cache";
    }
    const std::string own = cache + "/zifferon";
    ::mkdir(cache.c_str(), 0700);
    ::mkdir(own.c_str(), 0700);
    if (isPrivateFolder(own)) {
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(own));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    // The language first: the command line's answers are sentences too.
    const QString language = zifferon::pickLanguage(
        zifferon::keptLanguage(), QLocale::system().uiLanguages(), zifferon::availableLanguages());
    zifferon::installLanguage(language);
    // The command line is read before any window exists: --help, --version
    // and --report answer without a display.
    const zifferon::CommandLine command =
        zifferon::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
    case zifferon::CommandLine::Action::Help:
        std::fputs(zifferon::commandLineHelp().c_str(), stdout);
        return 0;
    case zifferon::CommandLine::Action::Version:
        std::fputs(zifferon::versionLine().c_str(), stdout);
        return 0;
    case zifferon::CommandLine::Action::Report:
        return zifferon::runReport(command.folder, std::cout, std::cerr);
    case zifferon::CommandLine::Action::Wrong:
        std::fputs(zifferon::wrongUsageText(*command.error).c_str(), stderr);
        return zifferon::kWrongUsage;
    case zifferon::CommandLine::Action::Handout: {
        // Pages are drawn without a window: no display is needed.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        provideRuntimeFolder();
        QGuiApplication app(argc, argv);
        zifferon::installLanguage(language);
        return zifferon::runHandoutCommand(command.handout);
    }
    case zifferon::CommandLine::Action::Window:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("zifferon");
    QApplication::setApplicationDisplayName(zifferon::programName());
    QApplication::setApplicationVersion(QString::fromStdString(zifferon::versionLine()).trimmed());
    QApplication::setDesktopFileName("de.zifferon.Zifferon");

    // Installed again now that the application exists: for the widgets and
    // Qt's own dialogs and buttons.
    zifferon::installLanguage(language);

    zifferon::SheetWindow window;
    window.show();
    if (!command.file.empty()) {
        // Once the window stands: a refused file's message shows over it.
        QTimer::singleShot(0, &window, [&window, &command] { window.openFile(command.file); });
    }
    return QApplication::exec();
}
