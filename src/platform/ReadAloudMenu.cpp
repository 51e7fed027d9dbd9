// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ReadAloudMenu.h"

#include "hints/ReadAloud.h"
#include "platform/SheetWindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QScreen>
#include <QToolTip>

#include <algorithm>

namespace zifferon {

namespace {

QString toQString(const Text& text) {
    return QString::fromStdU32String(text);
}

} // namespace

ReadingNote::ReadingNote(QWidget* parent) : QLabel(parent, Qt::ToolTip) {
    setObjectName("readingNote");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // Looks as a tooltip does, in the desktop's colours and font size, so it
    // follows high-contrast and large-font settings.
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(6);
    setWordWrap(true);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &QWidget::hide);
    // A move to another control ends the reading: it was about the old place.
    connect(qApp, &QApplication::focusChanged, this, [this] { hide(); });
}

void ReadingNote::showBelow(const QString& text, const QWidget* anchor) {
    setText(text);
    const QWidget* sheet = parentWidget();
    const QRect room = sheet->screen()->availableGeometry();
    const int wide = std::min(fontMetrics().averageCharWidth() * 60, room.width() - 16);
    resize(wide, heightForWidth(wide));
    const QPoint below = anchor ? anchor->mapToGlobal(QPoint(0, anchor->height() + 4))
                                : sheet->mapToGlobal(QPoint(8, 8));
    move(std::clamp(below.x(), room.left(), std::max(room.left(), room.right() - width())),
         std::clamp(below.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    show();
    raise();
    // Long enough to read it through, at about a word a third of a second.
    const auto words = static_cast<int>(text.count(' ')) + 1;
    hideTimer_.start(std::clamp(2000 + 330 * words, 4000, 30000));
}

ReadAloudMenu::ReadAloudMenu(SheetWindow& window, QMenu* hilfe)
    : QObject(&window), window_(window), note_(new ReadingNote(&window)) {
    QMenu* menu = hilfe->addMenu(QCoreApplication::translate("ReadAloudMenu", "&Vorlesen"));
    menu->setObjectName("mVorlesen");
    // Plain function keys beside F1 ("Tipp"): a shortcut's key never reaches
    // the cell, whereas Ctrl, Shift or Alt pressed in a work cell is a key
    // like any other there and moves the focus on. Orca's own commands go
    // with its Orca key and leave these alone.
    task_ = menu->addAction(QCoreApplication::translate("ReadAloudMenu", "&Aufgabe"));
    task_->setObjectName("mVorlesenAufgabe");
    task_->setShortcut(QKeySequence(Qt::Key_F2));
    row_ = menu->addAction(QCoreApplication::translate("ReadAloudMenu", "&Zeile"));
    row_->setObjectName("mVorlesenZeile");
    row_->setShortcut(QKeySequence(Qt::Key_F3));
    calculation_ =
        menu->addAction(QCoreApplication::translate("ReadAloudMenu", "&Rechnung bisher"));
    calculation_->setObjectName("mVorlesenRechnung");
    calculation_->setShortcut(QKeySequence(Qt::Key_F4));
    connect(task_, &QAction::triggered, this,
            [this] { read(toQString(taskReading(window_.form()))); });
    connect(row_, &QAction::triggered, this,
            [this] { read(toQString(rowReading(window_.form(), window_.form().focus()))); });
    connect(calculation_, &QAction::triggered, this,
            [this] { read(toQString(calculationReading(window_.form()))); });
}

void ReadAloudMenu::read(const QString& text) {
    window_.announce(text);
    note_->showBelow(text, window_.widget(window_.form().focus()));
}

} // namespace zifferon
