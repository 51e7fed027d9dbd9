// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SheetWidgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace zifferon {

void CellEdit::keyPressEvent(QKeyEvent* event) {
    if (onKeyDown) {
        onKeyDown(event);
    }
    QLineEdit::keyPressEvent(event);
    if (afterKey) {
        afterKey();
    }
}

void CellEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (selectOnArrival) {
        selectAll();
        // The click that brought the focus places the caret after this: the
        // selection is made again once it has.
        arrivedByClick_ = event->reason() == Qt::MouseFocusReason;
    }
}

void CellEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (arrivedByClick_) {
        arrivedByClick_ = false;
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
