// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for the running-program figures: a Qt Widgets main window with
// one line edit and nothing else, the size of Zifferon's client area.

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("bare_window");
    window.setCentralWidget(new QLineEdit(&window));
    window.resize(531, 431);
    window.show();
    return QApplication::exec();
}
