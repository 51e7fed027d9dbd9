// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetText.h"

#include "session/Worksheet.h"

#include "task/RandomTask.h"
#include "task/TaskEntry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <random>

namespace zifferon {
namespace {

using test::dividendText;
using test::divisorText;
using test::enterTask;
using test::rowText;

TEST(TaskEntry, SpreadsDividendFromTheLeftAndDivisorFromTheRight) {
    struct Case {
        std::u32string text1, text2;
        std::string dividend, divisor; // leftmost cell first, '.' empty, '_' space
    };
    const std::vector<Case> cases{
        {U"9434", U"13", "9434..", ".13"}, {U"123456", U"5", "123456", "..5"},
        {U"7", U"100", "7.....", "100"},   {U" 12", U"13", "12....", ".13"},
        {U"", U"", "......", "..."},       {U"a-ä", U"x", "a-ä...", "..x"},
    };
    for (const Case& c : cases) {
        Worksheet sheet;
        enterTask(sheet.form, c.text1, c.text2);
        EXPECT_EQ(dividendText(sheet.form), c.dividend) << test::utf8(c.text1);
        EXPECT_EQ(divisorText(sheet.form), c.divisor) << test::utf8(c.text2);
        EXPECT_EQ(sheet.form.focus(), ctl::resultat(0));
        EXPECT_TRUE(sheet.form.timer1Enabled());
    }
}

TEST(TaskEntry, ResetsEverythingAnEarlierTaskLeft) {
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"9434", U"13");
    // Leave the sheet as a worked, partly locked task would.
    form.setText(ctl::resultat(0), U"7");
    test::writeRow(form, 1, "91....");
    test::writeRow(form, 10, "....12");
    for (int c = 0; c < kRowCells; ++c) {
        form.setEnabled(ctl::kontrolle(1, c), false);
    }
    form.setEnabled(ctl::resultat(0), false);
    form.setCaption(ctl::info(0), texts::Korrekt);
    form.setVisible(ctl::info(0), true);
    form.setBackground(ctl::info(3), colors::LightRed);
    form.setCaption(ctl::fehler(3), U"3");
    form.setVisible(ctl::fehler(3), true);
    form.setVisible(ctl::fehler(10), true);
    form.setVisible(ctl::Label4, true);

    enterTask(form, U"1313", U"13");
    EXPECT_EQ(dividendText(form), "1313..");
    for (int j = 0; j < kResultatCells; ++j) {
        EXPECT_TRUE(form.text(ctl::resultat(j)).empty());
        EXPECT_TRUE(form.enabled(ctl::resultat(j)));
    }
    for (int n = 1; n <= kWorkRows; ++n) {
        EXPECT_EQ(rowText(form, n), "......") << n;
        for (int c = 0; c < kRowCells; ++c) {
            EXPECT_TRUE(form.enabled(ctl::kontrolle(n, c)));
        }
    }
    for (int i = 0; i < kWorkRows; ++i) {
        EXPECT_FALSE(form.visible(ctl::info(i)));
        EXPECT_EQ(form.caption(ctl::info(i)), U"Fehler");
        EXPECT_EQ(form.background(ctl::info(i)), colors::LightGreen);
    }
    for (int i = 0; i < kFehlerLabels; ++i) {
        EXPECT_FALSE(form.visible(ctl::fehler(i)));
        EXPECT_EQ(form.caption(ctl::fehler(i)), U"0");
    }
    EXPECT_FALSE(form.visible(ctl::Label4));
    EXPECT_EQ(form.focus(), ctl::resultat(0));
}

TEST(TaskEntry, EnterTaskAloneLeavesLabel4AndTheNumberBoxes) {
    Worksheet sheet;
    sheet.form.setVisible(ctl::Label4, true);
    EnterTask(sheet.form);
    EXPECT_TRUE(sheet.form.visible(ctl::Label4));
    EXPECT_EQ(sheet.form.text(ctl::Text1), U"9434");
    EXPECT_EQ(sheet.form.text(ctl::Text2), U"13");
}

TEST(TaskEntry, NumberBoxesKeepOnlyWhatTheGridCanHold) {
    Worksheet sheet;
    sheet.form.setText(ctl::Text1, U"12345678");
    sheet.form.setText(ctl::Text2, U"12345");
    EXPECT_EQ(sheet.form.text(ctl::Text1), U"123456");
    EXPECT_EQ(sheet.form.text(ctl::Text2), U"123");
    Command1_Click(sheet.form);
    EXPECT_EQ(dividendText(sheet.form), "123456");
    EXPECT_EQ(divisorText(sheet.form), "123");
}

TEST(DigitLimits, ClicksStepThroughTheirCycles) {
    Form1 form;
    const std::vector<std::u32string> dividendCycle{U"5", U"6", U"1", U"2", U"3", U"4", U"5"};
    for (const auto& expected : dividendCycle) {
        Label3_Click(form, 0);
        EXPECT_EQ(form.caption(ctl::label3(0)), expected);
    }
    const std::vector<std::u32string> divisorCycle{U"3", U"2", U"3"};
    for (const auto& expected : divisorCycle) {
        Label3_Click(form, 1);
        EXPECT_EQ(form.caption(ctl::label3(1)), expected);
    }
    EXPECT_EQ(form.background(ctl::label3(0)), colors::LightCyan);
    EXPECT_EQ(form.background(ctl::label3(1)), colors::Yellow);
    EXPECT_EQ(form.text(ctl::Text1), U"9434");
}

// Plays back given draws, then a seeded generator; counts reseeds.
class ScriptedRandom : public RandomSource {
  public:
    std::deque<double> script;
    int reseeds = 0;
    void reseedFromClock() override { ++reseeds; }
    double next() override {
        if (!script.empty()) {
            double r = script.front();
            script.pop_front();
            return r;
        }
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    }

  private:
    std::mt19937_64 engine_{42};
};

TEST(RandomTask, DrawsStayInRangeForEveryLimit) {
    for (int d = 1; d <= 6; ++d) {
        for (int e = 2; e <= 3; ++e) {
            Worksheet sheet;
            sheet.form.setCaption(ctl::label3(0), decimalText(d));
            sheet.form.setCaption(ctl::label3(1), decimalText(e));
            ScriptedRandom random;
            for (int draw = 0; draw < 2000; ++draw) {
                Command2_Click(sheet.form, random);
                const double dividend = leadingNumber(sheet.form.text(ctl::Text1));
                const double divisor = leadingNumber(sheet.form.text(ctl::Text2));
                // Never more digits than the limits say.
                ASSERT_GE(dividend, 1);
                ASSERT_LT(dividend, std::pow(10.0, d));
                ASSERT_GE(divisor, 11);
                ASSERT_LT(divisor, std::pow(10.0, e));
                ASSERT_LE(sheet.form.text(ctl::Text1).size(), std::size_t(d));
                ASSERT_LE(sheet.form.text(ctl::Text2).size(), std::size_t(e));
            }
            EXPECT_EQ(random.reseeds, 2000);
        }
    }
}

TEST(RandomTask, RedrawsWhatWouldNotFitAndSmallDivisors) {
    Worksheet sheet;
    Form1& form = sheet.form;
    form.setCaption(ctl::label3(0), U"6");
    form.setCaption(ctl::label3(1), U"3");
    ScriptedRandom random;
    // 0.9999999 gives 10^6 (seven digits): drawn again. Divisor draws: 1000
    // (four digits), 10 and 1 (too small) are all drawn again before 500.
    random.script = {0.9999999, 0.25, 0.9999999, 0.0095, 0.0, 0.4995};
    Command2_Click(form, random);
    EXPECT_EQ(form.text(ctl::Text1), U"250001");
    EXPECT_EQ(form.text(ctl::Text2), U"500");

    // 10^d has one digit more than the limit: drawn again; the largest
    // numbers within it are kept.
    form.setCaption(ctl::label3(0), U"4");
    form.setCaption(ctl::label3(1), U"2");
    random.script = {0.99995, 0.99985, 0.995, 0.985};
    Command2_Click(form, random);
    EXPECT_EQ(form.text(ctl::Text1), U"9999");
    EXPECT_EQ(form.text(ctl::Text2), U"99");
}

TEST(RandomTask, LeavesTheSheetAlone) {
    Worksheet sheet;
    enterTask(sheet.form, U"9434", U"13");
    sheet.form.setText(ctl::resultat(0), U"7");
    const auto before = sheet.form.revision();
    ScriptedRandom random;
    random.script = {0.5, 0.5};
    Command2_Click(sheet.form, random);
    EXPECT_EQ(dividendText(sheet.form), "9434..");
    EXPECT_EQ(sheet.form.text(ctl::resultat(0)), U"7");
    EXPECT_EQ(sheet.form.revision(), before + 2); // only Text1 and Text2 changed
}

} // namespace
} // namespace zifferon
