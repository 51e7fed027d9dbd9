// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SheetWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace zifferon {

void CellEdit::keyPressEvent(QKeyEvent* event) {
    selectArrived();
    if (onKeyDown) {
        onKeyDown(event);
    }
    QLineEdit::keyPressEvent(event);
    if (afterKey) {
        afterKey();
    }
}

void CellEdit::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    const bool tab = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    selectionDue_ = selectOnArrival || tab;
    arrivedByClick_ = reason == Qt::MouseFocusReason;
    // Without its Tab reason QLineEdit does not select the text itself.
    QFocusEvent quiet(event->type(), tab ? Qt::OtherFocusReason : reason);
    QLineEdit::focusInEvent(&quiet);
}

void CellEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    // A click into a quotient or work cell selects its digit, also in the
    // cell that had the focus already: the digit typed next replaces it.
    // A number box keeps the caret where the click placed it.
    selectionDue_ = selectOnArrival || (selectionDue_ && arrivedByClick_);
    arrivedByClick_ = false;
    selectArrived();
}

void CellEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    // Under a dark, high-contrast palette the style draws the frame as dark as
    // the window around it, and the empty cells of the grid vanish: their
    // edge is drawn in the grey of locked digits instead.
    const QPalette& p = palette();
    if (p.color(QPalette::Base).lightness() < 128 && p.color(QPalette::Window).lightness() < 128) {
        QPainter painter(this);
        painter.setPen(p.color(QPalette::Disabled, QPalette::Text));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void CellEdit::selectArrived() {
    if (selectionDue_ && hasFocus()) {
        selectionDue_ = false;
        selectAll();
    }
}

void SheetButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void SheetPage::setZoom(double zoom) {
    zoom_ = zoom;
    update();
}

void SheetPage::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QPen pen(palette().color(QPalette::WindowText));
    pen.setWidthF(std::max(1.0, zoom_));
    painter.setPen(pen);
    const double scale = zoom_ / kTwipsPerPixel;
    for (const LineGeometry& line : lines()) {
        if (line.visible) {
            painter.drawLine(QPointF(line.x1 * scale, line.y1 * scale),
                             QPointF(line.x2 * scale, line.y2 * scale));
        }
    }
}

} // namespace zifferon
