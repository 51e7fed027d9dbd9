// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/Layout.h"

#include <algorithm>
#include <cmath>

namespace zifferon {

namespace {
constexpr std::array<int, kWorkRows> kRowTops{1440, 1920, 2280, 2760, 3120,
                                              3600, 3960, 4440, 4800, 5280};
constexpr int kTopLine = 1080;
constexpr int kCheckBoxWidth = 780;
constexpr int kProbeTop = 3000;
constexpr int kProbeLineHeight = 360;
// The lines around the calculation: the question on a line of its own (a
// translation may be longer), then boxes in two columns, the captions ending
// at the boxes they lead to, so the numbers stand under each other.
constexpr int kCheckLeft = 4200;
constexpr int kCheckRightColumn = 5820;
constexpr int kCaptionGap = 30;
constexpr int kCaptionHeight = 255;
// A caption in the row whose boxes start at `top`, from `left` up to the
// right column.
constexpr Geometry captionBefore(int left, int top) {
    return {left, top + 15, kCheckRightColumn - kCaptionGap - left, kCaptionHeight};
}
// Top of the boxes of CheckLine `line`.
constexpr int checkLineTop(int line) {
    return line == 0 ? 2400 : kProbeTop + (line - 1) * kProbeLineHeight;
}
} // namespace

int rowTop(int row) {
    return row >= 0 && row < kWorkRows ? kRowTops[static_cast<std::size_t>(row)] : 0;
}

Geometry geometry(ControlId id) {
    if (!isValid(id)) {
        return {};
    }
    const int i = id.index;
    switch (id.kind) {
    case Kind::Command2:
        return {0, 360, 1815, 375};
    case Kind::Label1:
        return {960, 120, 1095, 255};
    case Kind::Label3:
        return i == 0 ? Geometry{2160, 120, 615, 255} : Geometry{3600, 120, 615, 255};
    case Kind::Text1:
        return {2040, 360, 1215, 375};
    case Kind::Text2:
        return {3600, 360, 735, 375};
    case Kind::Label2:
        return {4440, 120, 735, 255};
    case Kind::Command1:
        return {4560, 360, 975, 375};
    case Kind::Label4:
        return {4200, 1560, 2415, 375};
    case Kind::Label5:
        return {5640, 60, 2265, 960};
    case Kind::Info:
        return {0, rowTop(i), 1455, 255};
    case Kind::Fehler:
        return i < kWorkRows ? Geometry{1560, rowTop(i), 495, 255}
                             : Geometry{1560, 5760, 2415, 255};
    case Kind::Dividend:
        return {columnLeft(i), kTopLine, kCellWidth, kCellHeight};
    case Kind::Divisor:
        return {4680 - 240 * i, kTopLine, kCellWidth, kCellHeight};
    case Kind::Resultat:
        return {5400 + 240 * i, kTopLine, kCellWidth, kCellHeight};
    // The Überschlag and the Probe stand right of the work rows, under the
    // quotient, each line ending in its verdict and error count.
    case Kind::Label6:
        return {kCheckLeft, 2040, kClientWidth - 30 - kCheckLeft, kCaptionHeight};
    case Kind::Stellen:
        return {kCheckLeft, checkLineTop(0), kCellWidth, kCellHeight};
    case Kind::Label7:
        return captionBefore(kCheckLeft + kCellWidth + kCaptionGap, checkLineTop(0));
    case Kind::Etwa:
        return {kCheckRightColumn, checkLineTop(0), kCheckBoxWidth, kCellHeight};
    case Kind::Label8:
        return captionBefore(kCheckLeft, checkLineTop(1));
    case Kind::Label9:
        return captionBefore(kCheckLeft + kCheckBoxWidth + 15, checkLineTop(2));
    case Kind::Probe:
        return {i == 1 ? kCheckLeft : kCheckRightColumn, checkLineTop(i == 0 ? 1 : 2),
                kCheckBoxWidth, kCellHeight};
    case Kind::Pruefung:
        return {6720, checkLineTop(i) + 15, 900, 255};
    case Kind::PFehler:
        return {7680, checkLineTop(i) + 15, 255, 255};
    default:
        if (isKontrolle(id.kind)) {
            return {columnLeft(i), rowTop(workRowOf(id.kind)), kCellWidth, kCellHeight};
        }
        return {};
    }
}

const std::array<LineGeometry, 6>& lines() {
    static const std::array<LineGeometry, 6> table{{
        {"Line1", 2280, 1800, 3720, 1800, false},
        {"Line2", 2280, 2640, 3840, 2640, true},
        {"Line3", 2280, 3480, 3840, 3480, true},
        {"Line4", 2280, 4320, 3840, 4320, true},
        {"Line5", 2400, 5160, 3960, 5160, true},
        {"Line6", 2280, 1800, 3840, 1800, true},
    }};
    return table;
}

int tabIndex(ControlId id) {
    if (!isValid(id)) {
        return -1;
    }
    const int i = id.index;
    switch (id.kind) {
    case Kind::Command2:
        return 0;
    case Kind::Text1:
        return 2;
    case Kind::Text2:
        return 3;
    case Kind::Command1:
        return 5;
    case Kind::Dividend:
        return 11 + i;
    case Kind::Divisor:
        return 17 + i;
    case Kind::Resultat:
        return 20 + i;
    case Kind::Stellen:
        return 90;
    case Kind::Etwa:
        return 91;
    case Kind::Probe:
        return 92 + i;
    default:
        break;
    }
    if (!isKontrolle(id.kind)) {
        return -1;
    }
    switch (kontrolleNumber(id.kind)) {
    case 1:
        return i == 0 ? 25 : 26 + i;
    case 2:
        return i == 0 ? 26 : 31 + i;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
        return 37 + 6 * (kontrolleNumber(id.kind) - 3) + i;
    case 8:
        return 69 + i;
    case 9:
        return i == 5 ? 68 : 75 + i;
    case 10: {
        constexpr std::array<int, 6> k10{67, 10, 9, 6, 4, 1};
        return k10[static_cast<std::size_t>(i)];
    }
    default:
        return -1;
    }
}

const std::vector<ControlId>& allControls() {
    static const std::vector<ControlId> all = [] {
        std::vector<ControlId> v;
        for (int k = static_cast<int>(Kind::Text1); k <= static_cast<int>(Kind::PFehler); ++k) {
            const auto kind = static_cast<Kind>(k);
            for (int i = 0; i < arraySize(kind); ++i) {
                v.push_back({kind, i});
            }
        }
        return v;
    }();
    return all;
}

const std::vector<ControlId>& tabOrder() {
    static const std::vector<ControlId> order = [] {
        std::vector<ControlId> v;
        for (ControlId id : allControls()) {
            if (tabIndex(id) >= 0) {
                v.push_back(id);
            }
        }
        std::sort(v.begin(), v.end(),
                  [](ControlId a, ControlId b) { return tabIndex(a) < tabIndex(b); });
        return v;
    }();
    return order;
}

bool zoomFits(double zoom, int availableWidth, int availableHeight, int extraWidth,
              int extraHeight) {
    const auto pixels = [zoom](int twips) {
        return static_cast<int>(std::lround(twips * zoom / kTwipsPerPixel));
    };
    return pixels(kClientWidth) + extraWidth <= availableWidth &&
           pixels(kClientHeight) + extraHeight <= availableHeight;
}

double largestFittingZoom(int availableWidth, int availableHeight, int extraWidth,
                          int extraHeight) {
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it) {
        if (zoomFits(*it, availableWidth, availableHeight, extraWidth, extraHeight)) {
            return *it;
        }
    }
    return kZoomSteps.front();
}

} // namespace zifferon
