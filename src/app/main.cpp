// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SheetWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("zifferon");
    QApplication::setApplicationDisplayName("Schriftliche Zifferon");
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
    return QApplication::exec();
}
