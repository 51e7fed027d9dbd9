// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The few widget classes the sheet is built from: cells that report a key
// before they handle it, labels that report clicks, and the page that draws
// the underlines.

#include "sheet/Layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace zifferon {

// A one-line text box that reports each key before it takes effect, so that a
// handler can move the focus while the key's character still lands here.
//
// A quotient or work cell selects its text whenever the focus arrives, by
// whatever way (a key, the program, Tab, a click), and on every click into
// it: the character typed then replaces the digit there. (The sheet's rules
// make a typed character replace the cell's digit in any case; the selection
// shows it.) Tab selects the text of any box, as in every Qt window.
//
// The selection waits until a screen reader has been told of the focus. Qt
// tells it after focusInEvent, and a selection made in there moves the caret
// first: Orca then takes the caret for the focus move and does not say where
// the focus went. So whoever moves the focus calls selectArrived() after
// setFocus(); a click selects after it has placed the caret, and a key that
// finds the selection still due makes it before it takes effect.
class CellEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit CellEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}

    std::function<void(QKeyEvent*)> onKeyDown;
    std::function<void()> afterKey;
    bool selectOnArrival = false;

    // Makes the selection due since the focus arrived, if any.
    void selectArrived();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    bool selectionDue_ = false;
    bool arrivedByClick_ = false;
};

// A push button that Return and Enter press as well as Space, as a focused
// button is pressed in dialogs.
class SheetButton : public QPushButton {
    Q_OBJECT
  public:
    explicit SheetButton(QWidget* parent = nullptr) : QPushButton(parent) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableLabel(QWidget* parent = nullptr) : QLabel(parent) {}

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The client area: paints the underlines below the product rows.
class SheetPage : public QWidget {
    Q_OBJECT
  public:
    explicit SheetPage(QWidget* parent = nullptr) : QWidget(parent) {}
    void setZoom(double zoom);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double zoom_ = 1.0;
};

} // namespace zifferon
