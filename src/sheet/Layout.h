// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheet/ControlId.h"

#include <array>
#include <string_view>
#include <vector>

namespace zifferon {

// Positions and sizes in twips (1/1440 inch; 15 twips are one pixel at 96 dpi),
// measured from the top-left corner of the window's client area.
struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct LineGeometry {
    std::string_view name;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool visible = true;
};

inline constexpr int kClientWidth = 7965;
inline constexpr int kClientHeight = 6465;
inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kCellWidth = 255;
inline constexpr int kCellHeight = 285;

// Zoom steps of the whole sheet (1.0 = the designed size).
inline constexpr std::array<double, 8> kZoomSteps{0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

// Whether the window fits a screen's available area at `zoom`: the sheet's
// client area scaled, plus `extraWidth` x `extraHeight` pixels of menu bar and
// frame that do not scale.
bool zoomFits(double zoom, int availableWidth, int availableHeight, int extraWidth,
              int extraHeight);
// The largest step that fits, the smallest step when none does.
double largestFittingZoom(int availableWidth, int availableHeight, int extraWidth, int extraHeight);

// Top of work row i (0..9), the row of kontrolle(i + 1).
int rowTop(int row);
// Left edge of column c (0 = rightmost) of the dividend and every work row.
constexpr int columnLeft(int column) {
    return 3480 - 240 * column;
}

// Design-time geometry of a control (controls without one, None, give zeros).
Geometry geometry(ControlId id);

// The captions that lead to the box right of them ("etwa", "725 · 13 =",
// "+ 9 ="): their text ends at the label's right edge.
constexpr bool captionLeadsToBox(Kind k) {
    return k == Kind::Label7 || k == Kind::Label8 || k == Kind::Label9;
}

// Line1 ... Line6: the underlines below the product rows (Line1 is hidden).
const std::array<LineGeometry, 6>& lines();

// Tab index of a focusable control, or -1 for controls outside the tab order.
int tabIndex(ControlId id);
// The focusable controls, lowest tab index first.
const std::vector<ControlId>& tabOrder();

// Every control of the window, in declaration order (for building widgets).
const std::vector<ControlId>& allControls();

} // namespace zifferon
