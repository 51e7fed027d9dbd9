// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pupil.h"
#include "SheetText.h"

#include "input/KeyCodes.h"
#include "session/Worksheet.h"

#include "task/FixedSeedRandom.h"
#include "task/RandomTask.h"
#include "task/TaskEntry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <iostream>
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
        form.setEnabled(ctl::workRow(0, c), false);
    }
    form.setEnabled(ctl::resultat(0), false);
    form.setVerdict(0, Verdict::Korrekt);
    form.setVisible(ctl::info(0), true);
    form.setBackground(ctl::info(3), colors::LightRed);
    form.setErrorCount(3, 3);
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
            EXPECT_TRUE(form.enabled(ctl::workRow(n - 1, c)));
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
    takeTaskIn(sheet.form);
    EXPECT_EQ(dividendText(sheet.form), "123456");
    EXPECT_EQ(divisorText(sheet.form), "123");
}

TEST(DigitLimits, ClicksStepThroughTheirCycles) {
    Form1 form;
    const std::vector<std::u32string> dividendCycle{U"5", U"6", U"1", U"2", U"3", U"4", U"5"};
    for (const auto& expected : dividendCycle) {
        cycleDigitLimit(form, 0);
        EXPECT_EQ(form.caption(ctl::label3(0)), expected);
    }
    const std::vector<std::u32string> divisorCycle{U"3", U"2", U"3"};
    for (const auto& expected : divisorCycle) {
        cycleDigitLimit(form, 1);
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
                drawNextTask(sheet.form, random);
                const double dividend = test::leadingNumber(sheet.form.text(ctl::Text1));
                const double divisor = test::leadingNumber(sheet.form.text(ctl::Text2));
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
    drawNextTask(form, random);
    EXPECT_EQ(form.text(ctl::Text1), U"250001");
    EXPECT_EQ(form.text(ctl::Text2), U"500");

    // 10^d has one digit more than the limit: drawn again; the largest
    // numbers within it are kept.
    form.setCaption(ctl::label3(0), U"4");
    form.setCaption(ctl::label3(1), U"2");
    random.script = {0.99995, 0.99985, 0.995, 0.985};
    drawNextTask(form, random);
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
    drawNextTask(sheet.form, random);
    EXPECT_EQ(dividendText(sheet.form), "9434..");
    EXPECT_EQ(sheet.form.text(ctl::resultat(0)), U"7");
    EXPECT_EQ(sheet.form.revision(), before + 2); // only Text1 and Text2 changed
}

// The steps of the written division as the test counts them: each partial
// dividend from the first not below the divisor, with its quotient digit.
std::vector<std::pair<long long, long long>> stepsOf(long long dividend, long long divisor) {
    std::vector<std::pair<long long, long long>> steps;
    long long partial = 0;
    for (char c : std::to_string(dividend)) {
        partial = partial * 10 + (c - '0');
        if (!steps.empty() || partial >= divisor) {
            steps.emplace_back(partial, partial / divisor);
            partial %= divisor;
        }
    }
    return steps;
}

bool borrows(long long top, long long bottom) {
    const std::string t = std::to_string(top), b = std::to_string(bottom);
    for (std::size_t i = 1; i <= b.size(); ++i) {
        if (t[t.size() - i] < b[b.size() - i]) {
            return true;
        }
    }
    return false;
}

// The kind's property, written out for the test.
bool hasProperty(TaskKind kind, long long a, long long b) {
    const std::string q = std::to_string(a / b);
    const std::string divisor = std::to_string(b);
    const long long unit = std::lround(std::pow(10, divisor.size() - 1));
    switch (kind) {
    case TaskKind::OhneRest:
        return a % b == 0;
    case TaskKind::MitRest:
        return a % b != 0;
    case TaskKind::NullImErgebnis:
        return q.find('0') != std::string::npos;
    case TaskKind::EinstelligerDivisor:
        return b >= 2 && b <= 9;
    case TaskKind::SchwerZuSchaetzen: {
        // 17..19, 27..29, ..., 170..199, ...: and the first digit's estimate
        // is wrong in some step.
        bool misled = false;
        for (const auto& [partial, digit] : stepsOf(a, b)) {
            misled = misled || std::min(9LL, partial / unit / (divisor[0] - '0')) != digit;
        }
        return b >= 10 && (b % unit) * 10 >= 7 * unit && misled;
    }
    case TaskKind::VieleEntbuendelungen: {
        int subtractions = 0;
        for (const auto& [partial, digit] : stepsOf(a, b)) {
            if (digit > 0 && !borrows(partial, digit * b)) {
                return false;
            }
            subtractions += digit > 0;
        }
        return subtractions > 0;
    }
    default:
        return true;
    }
}

// The task worked to its end through the pupil driver: each quotient digit,
// its product (a zero product left to the check's zero fill) and remainder
// right-aligned under the partial dividend, Enter after each.
bool finishedByAPupil(long long dividend, long long divisor) {
    Worksheet sheet;
    test::Pupil pupil(sheet);
    const std::string digits = std::to_string(dividend);
    pupil.enterTask(test::digitsOf(dividend), test::digitsOf(divisor));
    const auto steps = stepsOf(dividend, divisor);
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const auto [partial, digit] = steps[k];
        const int row = 2 * static_cast<int>(k);
        const int column = 5 - static_cast<int>(digits.size() - steps.size() + k);
        pupil.type(static_cast<char32_t>(U'0' + digit));
        pupil.press(vk::Return);
        if (digit > 0) {
            pupil.writeNumber(row, column, static_cast<long>(digit * divisor));
        }
        pupil.press(vk::Return);
        pupil.writeNumber(row + 1, column, static_cast<long>(partial - digit * divisor));
        pupil.press(vk::Return);
    }
    std::string quotient;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        quotient += test::utf8(sheet.form.text(ctl::resultat(static_cast<int>(k))));
    }
    return sheet.form.visible(ctl::Label4) && quotient == std::to_string(dividend / divisor);
}

// Every kind at every digit limit, seeded: each task drawn by "nächste
// Aufgabe" has the kind's property, stays within the limits shown, is not
// below its divisor, and (every 20th) is finished on the sheet by a pupil.
TEST(TaskKinds, EveryDrawHasTheKindsPropertyAndCanBeFinished) {
    for (TaskKind kind : kAllTaskKinds) {
        if (kind == TaskKind::Gemischt) {
            continue;
        }
        int drawn = 0, right = 0, finished = 0, tried = 0;
        for (int d = 1; d <= 6; ++d) {
            for (int e = 2; e <= 3; ++e) {
                FixedSeedRandom random(static_cast<std::uint64_t>(100 * d + e));
                Worksheet sheet(&random);
                sheet.form.setCaption(ctl::label3(0), decimalText(d));
                sheet.form.setCaption(ctl::label3(1), decimalText(e));
                sheet.setTaskKind(kind);
                const int shown = std::max(d, kind == TaskKind::NullImErgebnis        ? 3
                                              : kind == TaskKind::EinstelligerDivisor ? 1
                                                                                      : 2);
                ASSERT_EQ(sheet.form.caption(ctl::label3(0)), decimalText(shown));
                for (int n = 0; n < 2000; ++n) {
                    sheet.click(ctl::Command2);
                    const long long a = std::stoll(test::utf8(sheet.form.text(ctl::Text1)));
                    const long long b = std::stoll(test::utf8(sheet.form.text(ctl::Text2)));
                    SCOPED_TRACE(std::to_string(a) + " : " + std::to_string(b));
                    ++drawn;
                    right += hasProperty(kind, a, b);
                    ASSERT_TRUE(hasProperty(kind, a, b));
                    ASSERT_GE(a, b);
                    ASSERT_LT(a, std::lround(std::pow(10, shown)));
                    ASSERT_LT(b, std::lround(std::pow(10, e)));
                    ASSERT_TRUE(kind == TaskKind::EinstelligerDivisor || b >= 11);
                    ASSERT_LT(a / b, 100000);
                    if (n % 20 == 0) {
                        ++tried;
                        finished += finishedByAPupil(a, b);
                    }
                }
            }
        }
        std::cout << taskKindKey(kind) << ": " << right << " of " << drawn
                  << " drawn tasks have the property; " << finished << " of " << tried
                  << " finished by the pupil\n";
        EXPECT_EQ(finished, tried) << taskKindKey(kind);
    }
}

// A kind that needs more dividend digits starts the limit's cycle there.
TEST(TaskKinds, DigitLimitCycleStartsAtTheKindsFewestDigits) {
    Worksheet sheet;
    sheet.form.setCaption(ctl::label3(0), U"6");
    sheet.setTaskKind(TaskKind::NullImErgebnis);
    for (const char32_t* expected : {U"3", U"4", U"5", U"6", U"3"}) {
        sheet.click(ctl::label3(0));
        EXPECT_EQ(sheet.form.caption(ctl::label3(0)), expected);
    }
}

} // namespace
} // namespace zifferon
