// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetText.h"

#include "check/RowCheck.h"
#include "check/RowSolver.h"
#include "sheet/Layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <vector>

namespace zifferon {
namespace {

using Sheet = test::WrittenSheet;

void setUp(Form1& form, const Sheet& sheet) {
    test::writeSheet(form, sheet);
}

// Everything the window shows, to prove what a call did not touch.
struct Snapshot {
    std::vector<Text> texts, captions;
    std::vector<bool> enabled, visible;
    std::vector<std::optional<Rgb>> backgrounds;

    explicit Snapshot(const Form1& form) {
        for (ControlId id : allControls()) {
            texts.push_back(form.text(id));
            captions.push_back(form.caption(id));
            enabled.push_back(form.enabled(id));
            visible.push_back(form.visible(id));
            backgrounds.push_back(form.background(id));
        }
    }
};

// Compares two snapshots, ignoring the verdict of `row` and the texts of its cells.
void expectSameApartFrom(const Snapshot& before, const Snapshot& after, int row) {
    const auto& ids = allControls();
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const bool verdict = ids[i] == ctl::info(row);
        const bool rowCell = ids[i].kind == kontrolleKind(row + 1);
        EXPECT_TRUE(before.texts[i] == after.texts[i] || rowCell) << "text of control " << i;
        EXPECT_TRUE(before.captions[i] == after.captions[i] || verdict) << "caption " << i;
        EXPECT_TRUE(before.backgrounds[i] == after.backgrounds[i] || verdict) << "colour " << i;
        EXPECT_EQ(before.enabled[i], after.enabled[i]) << "enabled " << i;
        EXPECT_EQ(before.visible[i], after.visible[i]) << "visible " << i;
    }
}

enum class Expect { Korrekt, Fehler, NoQuotient, Failed };

struct Case {
    const char* name;
    Sheet sheet;
    int row;
    Expect expect;
    std::string rowAfter = {}; // the judged row afterwards; empty: as written
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

// Judges the row and checks the verdict, the colour and that nothing else moved.
JudgeResult judgeAndCheck(Form1& form, const Case& c) {
    test::judgedRightAbove(form, c.row);
    const std::string rowBefore =
        c.row >= 0 && c.row < kWorkRows ? test::rowText(form, c.row + 1) : "";
    const Snapshot before(form);
    const std::uint64_t revision = form.revision();
    const JudgeResult result = SolveRow(form, c.row);
    switch (c.expect) {
    case Expect::Korrekt:
    case Expect::Fehler: {
        const bool right = c.expect == Expect::Korrekt;
        EXPECT_EQ(result.outcome, JudgeOutcome::Judged);
        EXPECT_EQ(result.judgement.right, right);
        EXPECT_EQ(form.caption(ctl::info(c.row)), right ? texts::Korrekt : texts::Fehler);
        EXPECT_EQ(form.background(ctl::info(c.row)), right ? colors::LightGreen : colors::LightRed);
        EXPECT_EQ(test::rowText(form, c.row + 1), c.rowAfter.empty() ? rowBefore : c.rowAfter);
        expectSameApartFrom(before, Snapshot(form), c.row);
        break;
    }
    case Expect::NoQuotient:
    case Expect::Failed:
        EXPECT_EQ(result.outcome,
                  c.expect == Expect::Failed ? JudgeOutcome::Failed : JudgeOutcome::NoQuotient);
        EXPECT_EQ(form.revision(), revision) << "nothing may be written";
        break;
    }
    return result;
}

// --- The worked examples, with the values the rows are judged on ------------

struct Worked {
    Case c;
    int s;
    double W, N, P, D;
};

void PrintTo(const Worked& w, std::ostream* os) {
    *os << w.c.name;
}

const Sheet k9434{.quotient = {U"7", U"2", U"5"},
                  .rows = {"91....", ".33...", ".26...", "..74..", "..65..", "...9.."}};
const Sheet k1313{.dividend = U"1313",
                  .quotient = {U"1", U"0", U"1"},
                  .rows = {"13....", ".01...", "......", "..13..", "..13..", "...0.."}};
// The same after row 2 was judged: the zeros the solver wrote stand in kontrolle3.
const Sheet k1313Filled{.dividend = U"1313",
                        .quotient = {U"1", U"0", U"1"},
                        .rows = {"13....", ".01...", ".00...", "..13..", "..13..", "...0.."}};

class SolveRowWorkedExample : public testing::TestWithParam<Worked> {};

TEST_P(SolveRowWorkedExample, RowIsKorrektOnTheValuesOfTheWrittenMethod) {
    const Worked& w = GetParam();
    Form1 form;
    setUp(form, w.c.sheet);
    const JudgeResult r = judgeAndCheck(form, w.c);
    EXPECT_EQ(r.judgement.productRow, w.c.row % 2 == 0);
    EXPECT_EQ(r.judgement.anchor, w.s);
    EXPECT_EQ(r.judgement.W, w.W);
    EXPECT_EQ(r.judgement.N, w.N);
    EXPECT_EQ(r.judgement.P, w.P);
    EXPECT_EQ(r.judgement.D, w.D);
}

INSTANTIATE_TEST_SUITE_P(SolveRowTasks, SolveRowWorkedExample,
                         testing::Values(
                             // 9434 : 13 = 725 remainder 9
                             Worked{{"T9434Row0", k9434, 0, Expect::Korrekt}, 4, 91, 94, 91, 0},
                             Worked{{"T9434Row1", k9434, 1, Expect::Korrekt}, 4, 91, 94, 91, 3},
                             Worked{{"T9434Row2", k9434, 2, Expect::Korrekt}, 3, 26, 33, 26, 0},
                             Worked{{"T9434Row3", k9434, 3, Expect::Korrekt}, 3, 26, 33, 26, 7},
                             Worked{{"T9434Row4", k9434, 4, Expect::Korrekt}, 2, 65, 74, 65, 0},
                             Worked{{"T9434Row5", k9434, 5, Expect::Korrekt}, 2, 65, 74, 65, 9},
                             // 1313 : 13 = 101: the solver writes the zero product of the digit 0
                             Worked{{"T1313Row0", k1313, 0, Expect::Korrekt}, 4, 13, 13, 13, 0},
                             Worked{{"T1313Row1", k1313, 1, Expect::Korrekt}, 4, 13, 13, 13, 0},
                             Worked{
                                 {"T1313Row2", k1313, 2, Expect::Korrekt, ".00..."}, 3, 0, 1, 0, 0},
                             Worked{{"T1313Row3", k1313Filled, 3, Expect::Korrekt}, 3, 0, 1, 0, 1},
                             Worked{{"T1313Row4", k1313, 4, Expect::Korrekt}, 2, 13, 13, 13, 0},
                             Worked{{"T1313Row5", k1313, 5, Expect::Korrekt}, 2, 13, 13, 13, 0}),
                         [](const auto& info) { return std::string(info.param.c.name); });

// --- Edge groups ------------------------------------------------------------

class SolveRowEdge : public testing::TestWithParam<Case> {};

TEST_P(SolveRowEdge, VerdictAndWrites) {
    Form1 form;
    setUp(form, GetParam().sheet);
    judgeAndCheck(form, GetParam());
}

// Sheets of 9434 : 13 and 1313 : 13 up to a given row, with other contents.
Sheet sheet9434(std::vector<std::u32string> q, std::vector<std::string> rows) {
    return Sheet{.quotient = std::move(q), .rows = std::move(rows)};
}
Sheet sheet1313(std::vector<std::u32string> q, std::vector<std::string> rows) {
    return Sheet{.dividend = U"1313", .quotient = std::move(q), .rows = std::move(rows)};
}
Sheet withText2(Sheet s, std::u32string text2) {
    s.text2Later = std::move(text2);
    return s;
}

const std::u32string k40Digits = U"1234567890123456789012345678901234567890";
const std::u32string k40DigitSeven = std::u32string(39, U'0') + U"7";

INSTANTIATE_TEST_SUITE_P(
    SolveRowProductRows, SolveRowEdge,
    testing::Values(
        Case{"OneColumnTooFarRight", sheet9434({U"7"}, {".91..."}), 0, Expect::Fehler},
        Case{"WrongProduct", sheet9434({U"7"}, {"92...."}), 0, Expect::Fehler},
        // What is left must be below the divisor: 94 - 78 = 16 is not.
        Case{"DigitSixTooSmall", sheet9434({U"6"}, {"78...."}), 0, Expect::Fehler},
        Case{"DigitFourTooSmall", sheet9434({U"4"}, {"52...."}), 0, Expect::Fehler},
        Case{"LaterDigitZeroWhereTheDivisorFits", sheet9434({U"7", U"0"}, {"91....", ".33..."}), 2,
             Expect::Fehler, ".00..."},
        Case{"DigitThreeDifferenceTooBig", sheet9434({U"3"}, {"39...."}), 0, Expect::Fehler},
        Case{"AboveUpperNumber", sheet9434({U"7", U"3"}, {"91....", ".33...", ".39..."}), 2,
             Expect::Fehler},
        // A 0 left of the product stands where nothing is above it: in the way.
        Case{"ZeroLeftOfTheNumberAbove", sheet9434({U"7", U"2"}, {"91....", ".33...", "026..."}), 2,
             Expect::Fehler},
        Case{"ZeroUnderALeadingZeroAbove", sheet9434({U"7", U"2"}, {"91....", "033...", "026..."}),
             2, Expect::Korrekt},
        Case{"SpacesAreBlank", sheet9434({U"7"}, {"91____"}), 0, Expect::Korrekt},
        // A letter reads as 0, but it is no digit: 90 written as "9x" is wrong.
        Case{"LetterForAZero", Sheet{.divisor = U"15", .quotient = {U"6"}, .rows = {"9x...."}}, 0,
             Expect::Fehler},
        Case{"NoDigitFails", sheet9434({U"7"}, {"______"}), 0, Expect::Failed},
        Case{"FirstDigitZeroFehler", sheet9434({U"0"}, {"0....."}), 0, Expect::Fehler},
        // A first digit 0 only where the whole dividend is below the divisor.
        Case{"FirstDigitZeroOverALeadingZero",
             Sheet{.dividend = U"0434", .quotient = {U"0"}, .rows = {"0....."}}, 0, Expect::Fehler},
        Case{"FirstDigitZeroHasNoZeroFill", sheet9434({U"0"}, {}), 0, Expect::Failed},
        Case{"DividendBelowDivisor",
             Sheet{.dividend = U"12", .quotient = {U"0"}, .rows = {".0...."}}, 0, Expect::Korrekt},
        // ... with the 0 under the dividend's last digit.
        Case{"DividendBelowDivisorZeroTooFarLeft",
             Sheet{.dividend = U"12", .quotient = {U"0"}, .rows = {"0....."}}, 0, Expect::Fehler},
        Case{"DividendBelowDivisorDigitOne",
             Sheet{.dividend = U"12", .quotient = {U"1"}, .rows = {"13...."}}, 0, Expect::Fehler}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SolveRowZeroFill, SolveRowEdge,
    testing::Values(
        Case{"WritesZerosUnderTheRemainder", sheet1313({U"1", U"0"}, {"13....", ".01..."}), 2,
             Expect::Korrekt, ".00..."},
        // The fill writes over whatever stands under the upper number.
        Case{"OverwritesWrongDigits", sheet1313({U"1", U"0"}, {"13....", ".01...", ".97..."}), 2,
             Expect::Korrekt, ".00..."},
        Case{"KeepsDigitLeftOfUpper", sheet1313({U"1", U"0"}, {"13....", ".01...", "1....."}), 2,
             Expect::Fehler, "100..."},
        Case{"KeepsZeroLeftOfUpper", sheet1313({U"1", U"0"}, {"13....", ".01...", "0....."}), 2,
             Expect::Fehler, "000..."},
        Case{"KeepsDigitRightOfUpper", sheet1313({U"1", U"0"}, {"13....", ".01...", "...5.."}), 2,
             Expect::Fehler, ".005.."},
        Case{"DigitStringOfZeros", sheet1313({U"1", U"00"}, {"13....", ".01..."}), 2,
             Expect::Korrekt, ".00..."},
        Case{"NotOnRemainderRows", sheet1313({U"1", U"0"}, {"13....", ".01...", "......"}), 3,
             Expect::Failed},
        // The divisor is the top line's: an emptied Text2 changes nothing.
        Case{"EmptyText2ZeroFillsEveryDigit",
             withText2(sheet9434({U"7", U"2"}, {"91....", ".33...", ".26..."}), U""), 2,
             Expect::Korrekt},
        Case{"EmptyText2FirstRowFehler", withText2(sheet9434({U"7"}, {"91...."}), U""), 0,
             Expect::Korrekt},
        Case{"EmptyText2FirstRowZeroFehler", withText2(sheet9434({U"7"}, {"0....."}), U""), 0,
             Expect::Fehler}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SolveRowRemainderRows, SolveRowEdge,
    testing::Values(
        Case{"BlankRowWithNoDifference", sheet1313({U"1"}, {"13....", "......"}), 1,
             Expect::Korrekt},
        // An empty row is no attempt: judged only where 0 is right.
        Case{"BlankRowWithDifference", sheet9434({U"7"}, {"91....", "......"}), 1, Expect::Failed},
        Case{"LeadingZeroCounts3", sheet9434({U"7"}, {"91....", "03...."}), 1, Expect::Korrekt},
        Case{"LetterForARemainderOfZero", sheet1313({U"1"}, {"13....", ".x...."}), 1,
             Expect::Fehler},
        Case{"WrongRemainder", sheet9434({U"7"}, {"91....", ".4...."}), 1, Expect::Fehler},
        // Beside the remainder only the dividend digit that comes down.
        Case{"CellRightOfProductIgnored", sheet9434({U"7"}, {"91....", ".39..."}), 1,
             Expect::Fehler},
        Case{"DigitBroughtDownByThePupil", sheet9434({U"7"}, {"91....", ".33..."}), 1,
             Expect::Korrekt},
        Case{"TwoDigitsBroughtDown", sheet1313({U"1"}, {"13....", ".013.."}), 1, Expect::Fehler},
        Case{"DigitAfterTheLastRemainder",
             sheet9434({U"7", U"2", U"5"},
                       {"91....", ".33...", ".26...", "..74..", "..65..", "...95."}),
             5, Expect::Fehler},
        // The remainder is held against the step, whatever stands above it.
        Case{"DifferenceOfAWrongProduct", sheet9434({U"7"}, {"92....", ".2...."}), 1,
             Expect::Fehler},
        Case{"ProductRowEmptyFails", sheet9434({U"7"}, {"......", ".3...."}), 1, Expect::Korrekt}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SolveRowQuotientCell, SolveRowEdge,
    testing::Values(
        Case{"Letter", sheet9434({U"x"}, {"91...."}), 0, Expect::Failed},
        Case{"LetterOnRemainderRow", sheet9434({U"x"}, {"91....", ".3...."}), 1, Expect::Failed},
        // A quotient cell keeps the first character of a longer text.
        Case{"MinusOne", sheet9434({U"-1"}, {"91...."}), 0, Expect::Failed},
        Case{"Fraction", sheet9434({U"3.5"}, {"91...."}), 0, Expect::Fehler},
        Case{"Exponent", sheet9434({U"1e5"}, {"91...."}), 0, Expect::Fehler},
        Case{"DigitThenLetter", sheet9434({U"7a"}, {"91...."}), 0, Expect::Korrekt},
        Case{"SpacesAround", sheet9434({U" 7 "}, {"91...."}), 0, Expect::NoQuotient},
        Case{"FortyDigits", sheet9434({k40Digits}, {"91...."}), 0, Expect::Fehler},
        Case{"FortyDigitsWorthSeven", sheet9434({k40DigitSeven}, {"91...."}), 0, Expect::Fehler},
        Case{"FourHundredNines",
             withText2(sheet9434({std::u32string(400, U'9')}, {"91...."}), U"9e9"), 0,
             Expect::Fehler},
        Case{"Empty", sheet9434({U""}, {"91...."}), 0, Expect::NoQuotient},
        Case{"OnlySpaces", sheet9434({U"   "}, {"91....", ".4...."}), 1, Expect::NoQuotient},
        Case{"EmptyOverEmptyRow", sheet9434({}, {}), 0, Expect::NoQuotient}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SolveRowDivisor, SolveRowEdge,
    testing::Values(
        // The divisor cells are read at the check, not Text2.
        Case{"Text2ChangedNewProduct", withText2(sheet9434({U"7"}, {"84...."}), U"12"), 0,
             Expect::Fehler},
        Case{"Text2ChangedOldProduct", withText2(sheet9434({U"7"}, {"91...."}), U"12"), 0,
             Expect::Korrekt},
        Case{"FractionalText2", withText2(sheet9434({U"7"}, {"10...."}), U"1.5"), 0,
             Expect::Fehler},
        Case{"NegativeText2", withText2(sheet9434({U"7"}, {"91...."}), U"-13"), 0, Expect::Korrekt},
        Case{"RowMinusOne", sheet9434({U"7"}, {"91...."}), -1, Expect::NoQuotient},
        Case{"RowTen", sheet9434({U"7"}, {"91...."}), 10, Expect::NoQuotient},
        Case{"RowIntMin", sheet9434({U"7"}, {"91...."}), INT_MIN, Expect::NoQuotient}),
    [](const auto& info) { return std::string(info.param.name); });

// A blank quotient cell leaves every label state exactly as it was.
TEST(SolveRowBlankQuotient, LabelKeepsCaptionColourAndVisibility) {
    struct State {
        Verdict verdict;
        Rgb colour;
        bool visible;
    };
    const std::vector<State> states{{Verdict::Fehler, colors::LightGreen, false},
                                    {Verdict::Pending, colors::Yellow, true},
                                    {Verdict::Korrekt, colors::LightGreen, true},
                                    {Verdict::Fehler, colors::LightRed, true}};
    for (const State& st : states) {
        for (int row : {0, 1, 2, 9}) {
            Form1 form;
            setUp(form, sheet9434({}, {"91....", ".3....", "9....."}));
            form.setVerdict(row, st.verdict);
            form.setBackground(ctl::info(row), st.colour);
            form.setVisible(ctl::info(row), st.visible);
            test::judgedRightAbove(form, row);
            const std::uint64_t revision = form.revision();
            // Row 9 lies after the task's end: no verdict either.
            EXPECT_EQ(SolveRow(form, row).outcome,
                      row == 9 ? JudgeOutcome::Finished : JudgeOutcome::NoQuotient);
            EXPECT_EQ(form.revision(), revision)
                << test::utf8(Text(verdictCaption(st.verdict))) << " row " << row;
        }
    }
}

// What an explanation of a wrong product row is built from.
TEST(SolveRowJudgement, NamesTheConditionsThatFailed) {
    struct Row {
        Sheet sheet;
        int row;
        bool notAbove, differenceSmall, equalsProduct, zeroFilled;
        std::optional<MistakeKind> mistake; // also what the check adds to the row's tally
    };
    const std::vector<Row> rows{
        {sheet9434({U"7"}, {".91..."}), 0, true, false, true, false, MistakeKind::Stellenwert},
        {sheet9434({U"7", U"3"}, {"91....", ".33...", ".39..."}), 2, false, true, true, false,
         MistakeKind::ZifferZuGross},
        {sheet9434({U"7"}, {"92...."}), 0, true, true, false, false, MistakeKind::Einmaleins},
        {sheet9434({U"3"}, {"39...."}), 0, true, false, true, false, MistakeKind::ZifferZuKlein},
        {sheet9434({U"0"}, {".0...."}), 0, true, false, true, false, MistakeKind::ZifferZuKlein},
        {sheet1313({U"1", U"0"}, {"13....", ".01...", "1....."}), 2, false, true, false, true,
         MistakeKind::Einmaleins},
        {sheet9434({U"7", U"2"}, {"91....", ".33...", "26...."}), 2, false, true, true, false,
         MistakeKind::Stellenwert},
        {Sheet{.dividend = U"12", .quotient = {U"0"}, .rows = {"0....."}}, 0, true, true, true,
         false, MistakeKind::Stellenwert},
        {sheet1313({U"1"}, {"13....", ".013.."}), 1, true, true, true, false,
         MistakeKind::Stellenwert},
        {sheet9434({U"7"}, {"91....", ".4...."}), 1, true, true, true, false,
         MistakeKind::Abziehen},
        {sheet9434({U"7"}, {"91....", "..3..."}), 1, true, true, true, false,
         MistakeKind::Stellenwert},
        {sheet9434({U"7"}, {"91....", "3....."}), 1, true, true, true, false,
         MistakeKind::Stellenwert},
        {sheet1313({U"1"}, {"13....", ".x...."}), 1, true, true, true, false, std::nullopt},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.sheet.rows.back());
        Form1 form;
        setUp(form, r.sheet);
        test::judgedRightAbove(form, r.row);
        const RowJudgement j = SolveRow(form, r.row).judgement;
        EXPECT_EQ(j.notAboveUpper, r.notAbove);
        EXPECT_EQ(j.differenceSmall, r.differenceSmall);
        EXPECT_EQ(j.equalsProduct, r.equalsProduct);
        EXPECT_EQ(j.zeroFilled, r.zeroFilled);
        EXPECT_EQ(j.mistake, r.mistake);
        EXPECT_EQ(j.notADigit != 0, !r.mistake) << "no kind only for a sign among the digits";
        EXPECT_FALSE(j.right);
        Form1 checked;
        setUp(checked, r.sheet);
        test::judgedRightAbove(checked, r.row);
        CheckRow(checked, r.row);
        RowTally tally;
        if (r.mistake) {
            tally.of(*r.mistake) = 1;
        }
        EXPECT_EQ(checked.tally(r.row), tally);
    }
}

} // namespace
} // namespace zifferon
