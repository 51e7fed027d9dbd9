// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A short text for the screen reader, spoken without moving the keyboard
// focus: a verdict after a row check, a hint.
//
// Qt 6.4's AT-SPI bridge on Linux forwards neither QAccessible::Alert nor an
// announcement event, and Orca 43 reads the name or description changes of
// an object only while that object holds the focus (and Qt 6.4 sends those
// changes with the object instead of the new text, so Orca cannot read them
// even then). What Orca 43 does read aloud at any time is an object of the
// role "notification" that becomes showing: it says the role and the
// object's name. So say() hides this widget, takes the new text as its
// accessible name and shows it again, which Qt sends on as
// object:state-changed:showing.
//
// From Qt 6.8 on, Qt has an announcement event of its own, which its AT-SPI
// bridge sends as object:announcement; say() uses that there instead.
//
// The widget is never painted, takes no mouse and no focus, and lies in no
// layout.

#include <QString>
#include <QWidget>

namespace zifferon {

class ScreenReaderNotice : public QWidget {
    Q_OBJECT
  public:
    explicit ScreenReaderNotice(QWidget* parent);

    // Has a screen reader speak text, also when it is the same as last time.
    void say(const QString& text);
    QString text() const { return text_; }

  private:
    QString text_;
};

} // namespace zifferon
