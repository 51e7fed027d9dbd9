// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HandoutOutput.h"
#include "platform/SheetWindow.h"
#include "session/CommandLine.h"
#include "session/ReportCommand.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
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
        std::fprintf(stderr, "zifferon: %s\n\n%s", command.error.c_str(),
                     zifferon::commandLineHelp().c_str());
        return zifferon::kWrongUsage;
    case zifferon::CommandLine::Action::Handout: {
        // Pages are drawn without a window: no display is needed.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QGuiApplication app(argc, argv);
        return zifferon::runHandoutCommand(command.handout);
    }
    case zifferon::CommandLine::Action::Window:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("zifferon");
    QApplication::setApplicationDisplayName("Schriftliche Zifferon");
    QApplication::setApplicationVersion(QString::fromStdString(zifferon::versionLine()).trimmed());
    QApplication::setDesktopFileName("de.zifferon.Zifferon");

    // The program speaks German: Qt's own dialogs and buttons too.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(), "qtbase", "_",
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslator);
    }

    zifferon::SheetWindow window;
    window.show();
    if (!command.file.empty()) {
        // Once the window stands: a refused file's message shows over it.
        QTimer::singleShot(0, &window, [&window, &command] { window.openFile(command.file); });
    }
    return QApplication::exec();
}
