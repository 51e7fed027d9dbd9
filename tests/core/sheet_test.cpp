// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetText.h"

#include "sheet/Layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace zifferon {
namespace {

TEST(Sheet, StartStateIsAnEmptyGridWithTheDefaultTask) {
    Form1 form;
    EXPECT_EQ(form.text(ctl::Text1), U"9434");
    EXPECT_EQ(form.text(ctl::Text2), U"13");
    EXPECT_EQ(form.caption(ctl::label3(0)), U"4");
    EXPECT_EQ(form.caption(ctl::label3(1)), U"2");
    EXPECT_EQ(form.background(ctl::label3(0)), colors::LightCyan);
    EXPECT_EQ(form.background(ctl::label3(1)), colors::Yellow);
    EXPECT_FALSE(form.visible(ctl::Label4));
    EXPECT_EQ(form.caption(ctl::Label4), U"Berechnung beendet");
    EXPECT_FALSE(form.timer1Enabled());
    for (int i = 0; i < kWorkRows; ++i) {
        EXPECT_FALSE(form.visible(ctl::info(i))) << i;
    }
    for (int i = 0; i < kFehlerLabels; ++i) {
        EXPECT_FALSE(form.visible(ctl::fehler(i))) << i;
    }
    for (ControlId id : allControls()) {
        if (isCell(id.kind)) {
            EXPECT_TRUE(form.text(id).empty());
            const bool topLineTask = id.kind == Kind::Dividend || id.kind == Kind::Divisor;
            EXPECT_EQ(form.enabled(id), !topLineTask);
        }
    }
}

TEST(Sheet, TaskCellsNeverTakeTheFocus) {
    Form1 form;
    for (int c = 0; c < kDividendCells; ++c) {
        EXPECT_FALSE(form.setFocus(ctl::dividend(c)));
    }
    for (int c = 0; c < kDivisorCells; ++c) {
        EXPECT_FALSE(form.setFocus(ctl::divisor(c)));
    }
    EXPECT_EQ(form.focus(), ctl::Command2);
    EXPECT_FALSE(form.setFocus(ctl::info(0)));
    EXPECT_TRUE(form.setFocus(ctl::workRow(2, 2)));
    EXPECT_EQ(form.focus(), ctl::workRow(2, 2));
}

TEST(Sheet, DisablingTheFocusedCellLeavesTheFocusThere) {
    Form1 form;
    ASSERT_TRUE(form.setFocus(ctl::resultat(4)));
    form.setEnabled(ctl::resultat(4), false);
    EXPECT_EQ(form.focus(), ctl::resultat(4));
    EXPECT_FALSE(form.canTakeFocus(ctl::resultat(4)));
    EXPECT_TRUE(form.setFocus(ctl::resultat(3)));
    EXPECT_FALSE(form.setFocus(ctl::resultat(4)));
}

TEST(Layout, EveryWorkColumnLiesUnderItsDividendCell) {
    for (int n = 1; n <= kWorkRows; ++n) {
        for (int c = 0; c < kRowCells; ++c) {
            const Geometry cell = geometry(ctl::workRow(n - 1, c));
            const Geometry top = geometry(ctl::dividend(c));
            EXPECT_EQ(cell.left, top.left);
            EXPECT_EQ(cell.width, top.width);
            EXPECT_GT(cell.top, top.top);
        }
    }
    EXPECT_LT(geometry(ctl::resultat(0)).left, geometry(ctl::resultat(1)).left);
    EXPECT_EQ(geometry(ctl::dividend(5)).left, 2280);
    EXPECT_EQ(geometry(ctl::divisor(2)).left, 4200);
    EXPECT_EQ(geometry(ctl::resultat(4)).left, 6360);
    EXPECT_EQ(geometry(ctl::fehler(10)).width, 2415);
}

TEST(Layout, TabOrderIsUniqueAndStartsWithTheButtons) {
    const auto& order = tabOrder();
    std::set<int> seen;
    for (ControlId id : order) {
        EXPECT_TRUE(seen.insert(tabIndex(id)).second) << tabIndex(id);
    }
    // 4 task controls + 6 + 3 + 5 top-line cells + 60 work cells.
    EXPECT_EQ(order.size(), 78u);
    const std::vector<std::pair<ControlId, int>> expected{
        {ctl::Command2, 0},       {ctl::workRow(9, 5), 1},  {ctl::Text1, 2},
        {ctl::Text2, 3},          {ctl::Command1, 5},       {ctl::workRow(9, 1), 10},
        {ctl::dividend(0), 11},   {ctl::divisor(2), 19},    {ctl::resultat(4), 24},
        {ctl::workRow(0, 0), 25}, {ctl::workRow(1, 0), 26}, {ctl::workRow(0, 5), 31},
        {ctl::workRow(1, 5), 36}, {ctl::workRow(6, 5), 66}, {ctl::workRow(9, 0), 67},
        {ctl::workRow(8, 5), 68}, {ctl::workRow(7, 0), 69}, {ctl::workRow(8, 4), 79},
    };
    for (auto [id, index] : expected) {
        EXPECT_EQ(tabIndex(id), index);
    }
}

TEST(Sheet, FormLoadRecordsTheExecutablesFolder) {
    Form1 form;
    Form_Load(form, "/opt/zifferon/bin/zifferon");
    EXPECT_EQ(form.appPath(), "/opt/zifferon/bin");
}

TEST(Text, LeadingNumberAndDigitStrings) {
    struct Case {
        std::u32string text;
        double leading;
        long long whole;
        bool digits;
    };
    const std::vector<Case> cases{
        {U"13", 13, 13, true},   {U"  7 ", 7, 7, true},   {U"", 0, 0, false},
        {U" ", 0, 0, false},     {U"x", 0, 0, false},     {U"-1", -1, -1, false},
        {U"3.5", 3.5, 3, false}, {U"1e5", 1e5, 1, false}, {U"12ab", 12, 12, false},
        {U"+4", 4, 4, false},    {U"1 2", 1, 1, false},   {U"ä", 0, 0, false},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.leading) << toUtf8(c.text);
        EXPECT_EQ(leadingWhole(c.text), c.whole) << toUtf8(c.text);
        long long v = -1;
        EXPECT_EQ(parseDigitString(c.text, v), c.digits) << toUtf8(c.text);
    }
    // Hundreds of digits: a value no row of the grid holds, without overflow.
    long long big = 0;
    ASSERT_TRUE(parseDigitString(std::u32string(400, U'9'), big));
    EXPECT_GT(big, 999'999'999'999);
    EXPECT_EQ(leadingWhole(std::u32string(400, U'9')), 1'000'000'000'000);
}

// The window at a zoom step against a screen's available area, with 24
// pixels of menu bar and a frame of 2 x 30 pixels.
TEST(Layout, ZoomStepsThatFitAScreen) {
    struct Case {
        int width, height;
        double largest;
    };
    const Case cases[] = {
        {1280, 1024, 2.0}, {1920, 1080, 2.0}, {1366, 768, 1.5},
        {2560, 1440, 3.0}, {800, 600, 1.25},  {300, 200, 0.0}, // none fits: the smallest
    };
    for (const Case& c : cases) {
        EXPECT_EQ(largestFittingZoom(c.width, c.height, 2, 24 + 30), std::max(c.largest, 0.5))
            << c.width << "x" << c.height;
        for (double step : kZoomSteps) {
            EXPECT_EQ(zoomFits(step, c.width, c.height, 2, 54), step <= c.largest)
                << c.width << "x" << c.height << " at " << step;
        }
    }
}

} // namespace
} // namespace zifferon
