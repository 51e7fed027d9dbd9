// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Hilfe → Vorlesen": the task, the row the focus is in and the calculation
// so far, each on a shortcut that also works while a cell holds the focus.
// The texts come from the sheet (hints/ReadAloud); here they are spoken
// through the sheet's notice and shown beside the focused cell for a while,
// without taking the focus.

#include <QLabel>
#include <QObject>
#include <QTimer>

class QAction;
class QMenu;

namespace zifferon {

class SheetWindow;

// A small note beside the sheet that shows a reading. It takes no focus and no
// mouse, and a screen reader does not present it (it hears the reading
// through the notice already).
class ReadingNote : public QLabel {
    Q_OBJECT
  public:
    explicit ReadingNote(QWidget* parent);
    // Shows `text` below `anchor` (a widget of the sheet) until the focus
    // moves or the time to read it has passed.
    void showBelow(const QString& text, const QWidget* anchor);

  private:
    QTimer hideTimer_;
};

class ReadAloudMenu : public QObject {
    Q_OBJECT
  public:
    // Adds "&Vorlesen" to `hilfe`.
    ReadAloudMenu(SheetWindow& window, QMenu* hilfe);

    QAction* taskAction() const { return task_; }
    QAction* rowAction() const { return row_; }
    QAction* calculationAction() const { return calculation_; }
    ReadingNote* note() const { return note_; }

    // Says and shows a reading.
    void read(const QString& text);

  private:
    SheetWindow& window_;
    QAction* task_ = nullptr;
    QAction* row_ = nullptr;
    QAction* calculation_ = nullptr;
    ReadingNote* note_ = nullptr;
};

} // namespace zifferon
