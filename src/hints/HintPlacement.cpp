// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hints/HintPlacement.h"

#include <algorithm>

namespace zifferon {

namespace {

// Moved into the screen as far as it can be (a window larger than the screen
// keeps its top-left corner on it).
ScreenRect onScreen(const ScreenRect& screen, ScreenRect r) {
    r.left = std::max(screen.left, std::min(r.left, screen.right() - r.width));
    r.top = std::max(screen.top, std::min(r.top, screen.bottom() - r.height));
    return r;
}

} // namespace

bool hintPlaceFree(const HintPlaceInput& in, const ScreenRect& at) {
    return in.screen.contains(at) && !at.intersects(in.menu) && !at.intersects(in.row);
}

ScreenRect placeHintWindow(const HintPlaceInput& in) {
    const int w = in.width;
    const int h = in.height;
    const ScreenRect candidates[] = {
        onScreen(in.screen, {in.window.right() + in.gap, in.window.top, w, h}),
        onScreen(in.screen, {in.window.left - in.gap - w, in.window.top, w, h}),
        onScreen(in.screen, {in.window.right() - w, in.row.bottom() + in.gap, w, h}),
        onScreen(in.screen, {in.window.right() - w, in.row.top - in.gap - h, w, h}),
    };
    for (const ScreenRect& at : candidates) {
        if (hintPlaceFree(in, at)) {
            return at;
        }
    }
    // No free place: the corner of the screen on the side away from the row.
    const bool rowInUpperHalf =
        in.row.top + in.row.height / 2 < in.screen.top + in.screen.height / 2;
    return onScreen(in.screen,
                    {in.screen.right() - w, rowInUpperHalf ? in.screen.bottom() - h : 0, w, h});
}

} // namespace zifferon
