// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The zoom of the whole sheet: the steps that fit the screen the window is
// on, followed when the window moves or the screen's free room changes.

#include "platform/SheetWindow.h"

#include "platform/SheetWidgets.h"
#include "sheet/Layout.h"

#include <QAction>
#include <QScreen>

#include <algorithm>

namespace zifferon {

void SheetWindow::setZoom(double zoom) {
    zoom = std::clamp(zoom, kZoomSteps.front(), kZoomSteps.back());
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    applyFonts();
    applyGeometry();
    adjustSize();
    updateZoomChoices();
}

void SheetWindow::stepZoom(int direction) {
    // The next step above (or below) the current zoom.
    double target = zoom_;
    if (direction > 0) {
        for (double step : kZoomSteps) {
            if (step > zoom_ + 1e-9) {
                target = step;
                break;
            }
        }
    } else {
        for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it) {
            if (*it < zoom_ - 1e-9) {
                target = *it;
                break;
            }
        }
    }
    setZoom(target);
}

QSize SheetWindow::nonScalingSize() const {
    // Menu bar and window frame; before the window manager framed the window
    // its frame is not known yet, so a title bar's height is assumed.
    QSize extra = frameGeometry().size() - page_->size();
    if (frameGeometry() == geometry()) {
        extra += QSize(0, 32);
    }
    return extra;
}

bool SheetWindow::zoomFitsScreen(double zoom) const {
    const QScreen* s = screen();
    if (!s) {
        return true;
    }
    const QRect room = s->availableGeometry();
    const QSize extra = nonScalingSize();
    return zoomFits(zoom, room.width(), room.height(), extra.width(), extra.height());
}

void SheetWindow::fitZoomToScreen() {
    const QScreen* s = screen();
    if (s && !zoomFitsScreen(zoom_)) {
        const QSize extra = nonScalingSize();
        const QRect room = s->availableGeometry();
        setZoom(largestFittingZoom(room.width(), room.height(), extra.width(), extra.height()));
    }
    updateZoomChoices();
}

void SheetWindow::updateZoomChoices() {
    for (std::size_t i = 0; i < zoomStepActions_.size(); ++i) {
        zoomStepActions_[i]->setEnabled(zoomFitsScreen(kZoomSteps[i]));
        zoomStepActions_[i]->setChecked(kZoomSteps[i] == zoom_);
    }
    if (zoomInAction_) {
        const auto next = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                       [this](double step) { return step > zoom_ + 1e-9; });
        zoomInAction_->setEnabled(next != kZoomSteps.end() && zoomFitsScreen(*next));
        zoomOutAction_->setEnabled(zoom_ > kZoomSteps.front() + 1e-9);
    }
}

void SheetWindow::watchScreen(QScreen* s) {
    // A move to another screen, or a panel that takes room: a zoom that no
    // longer fits falls back to the largest one that does.
    disconnect(screenConnection_);
    if (s) {
        screenConnection_ =
            connect(s, &QScreen::availableGeometryChanged, this, &SheetWindow::fitZoomToScreen);
    }
    fitZoomToScreen();
}

} // namespace zifferon
