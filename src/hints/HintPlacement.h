// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the hint window stands on the screen: it must never hide the menu
// nor the row the pupil is writing, also on a small screen or a zoomed sheet.

#include <optional>

namespace zifferon {

// A rectangle in screen pixels.
struct ScreenRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; } // one past the last pixel
    int bottom() const { return top + height; }
    bool intersects(const ScreenRect& o) const {
        return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
    }
    bool contains(const ScreenRect& o) const {
        return o.left >= left && o.top >= top && o.right() <= right() && o.bottom() <= bottom();
    }
    bool operator==(const ScreenRect&) const = default;
};

struct HintPlaceInput {
    ScreenRect screen;         // the room the desktop leaves for windows
    ScreenRect window;         // the sheet's window with its frame
    ScreenRect menu;           // the menu bar
    ScreenRect row;            // the row being worked, across the whole sheet
    int width = 0, height = 0; // the hint window with its frame
    int gap = 8;
};

// Whether the hint window at `at` stays on the screen and off the menu and
// the row.
bool hintPlaceFree(const HintPlaceInput& in, const ScreenRect& at);

// Beside the sheet where the screen has room (right, then left); else over
// the sheet, below the row, then above it under the menu; else the screen's
// corner farthest from the row. The top-left corner of the frame.
ScreenRect placeHintWindow(const HintPlaceInput& in);

} // namespace zifferon
