// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetText.h"

#include "check/CheckLines.h"
#include "check/RowCheck.h"
#include "sheet/Layout.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <vector>

namespace zifferon {
namespace {

void setUp(Form1& form, std::u32string_view dividend, std::u32string_view divisor,
           const std::vector<std::u32string>& quotient, const std::vector<std::string>& rows) {
    test::writeSheet(form, {Text(dividend), Text(divisor), quotient, rows});
}

// 123456 : 12 = 10288, all ten rows written right (the zero product of the
// digit 0 already in kontrolle3).
void fullTask(Form1& form) {
    setUp(form, U"123456", U"12", {U"1", U"0", U"2", U"8", U"8"},
          {"12....", ".03...", ".00...", "..34..", "..24..", "..105.", "...96.", "....96", "....96",
           ".....0"});
}

// 9434 : 13 with a wrong remainder in row 1.
void wrongRemainder(Form1& form) {
    setUp(form, U"9434", U"13", {U"7"}, {"91....", ".4...."});
    test::judgedRightAbove(form, 1);
}

void expectCounter(const Form1& form, int row, TextView caption, bool visible) {
    EXPECT_EQ(test::utf8(form.caption(ctl::fehler(row))), test::utf8(Text(caption)));
    EXPECT_EQ(form.visible(ctl::fehler(row)), visible);
}

struct LockCase {
    int row;
    int quotientCell; // -1: none
};

void PrintTo(const LockCase& c, std::ostream* os) {
    *os << "row " << c.row;
}

class CheckRowLock : public testing::TestWithParam<LockCase> {};

TEST_P(CheckRowLock, RightRowLocksExactlyItsCellsAndQuotientCell) {
    const LockCase& c = GetParam();
    Form1 form;
    fullTask(form);
    ASSERT_TRUE(form.setFocus(ctl::workRow(c.row, 0)));
    test::judgedRightAbove(form, c.row);
    CheckRow(form, c.row);
    EXPECT_EQ(form.caption(ctl::info(c.row)), texts::Korrekt);
    EXPECT_EQ(form.background(ctl::info(c.row)), colors::LightGreen);
    EXPECT_TRUE(form.visible(ctl::info(c.row))) << "a verdict shows at once";
    EXPECT_EQ(form.focus(), ctl::workRow(c.row, 0)) << "the locked cell keeps the focus";
    for (ControlId id : allControls()) {
        if (!isCell(id.kind)) {
            continue;
        }
        const bool taskCell = id.kind == Kind::Dividend || id.kind == Kind::Divisor;
        const bool locked =
            id.kind == kontrolleKind(c.row + 1) || id == ctl::resultat(c.quotientCell);
        EXPECT_EQ(form.enabled(id), !taskCell && !locked)
            << "kind " << static_cast<int>(id.kind) << " index " << id.index;
    }
    expectCounter(form, c.row, U"0", false);
}

INSTANTIATE_TEST_SUITE_P(CheckRowAllRows, CheckRowLock,
                         testing::Values(LockCase{0, 0}, LockCase{1, -1}, LockCase{2, 1},
                                         LockCase{3, -1}, LockCase{4, 2}, LockCase{5, -1},
                                         LockCase{6, 3}, LockCase{7, -1}, LockCase{8, 4},
                                         LockCase{9, -1}),
                         [](const auto& info) { return "Row" + std::to_string(info.param.row); });

TEST(CheckRowCounter, CountBeforeGivesCaptionAfter) {
    struct Case {
        std::uint64_t before;
        char32_t mark; // a loaded mark that is no count, shown instead of it
        bool shownBefore;
        std::u32string after;
        bool shownAfter;
    };
    const std::vector<Case> cases{
        {0, 0, false, U"1", true},
        {0, U'x', true, U"1", true},
        {0, U' ', false, U"1", true},
        {99, 0, true, U"100", true},
        // Counted in whole numbers, up to the sixteen digits a task file holds.
        {9007199254740991, 0, true, U"9007199254740992", true},
        {9007199254740992, 0, true, U"9007199254740993", true},
        {UINT64_MAX, 0, true, U"9999999999999999", true},
        {9999999999999999, 0, true, U"9999999999999999", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.before));
        Form1 form;
        wrongRemainder(form);
        if (c.mark != 0) {
            form.setErrorMark(1, c.mark);
        } else {
            form.setErrorCount(1, c.before);
        }
        form.setVisible(ctl::fehler(1), c.shownBefore);
        CheckRow(form, 1);
        EXPECT_EQ(form.caption(ctl::info(1)), texts::Fehler);
        expectCounter(form, 1, c.after, c.shownAfter);
    }
}

TEST(CheckRowCounter, ThreeWrongChecksCountOneTwoThree) {
    Form1 form;
    wrongRemainder(form);
    for (TextView expected : {U"1", U"2", U"3"}) {
        CheckRow(form, 1);
        EXPECT_EQ(form.caption(ctl::info(1)), texts::Fehler);
        EXPECT_EQ(form.background(ctl::info(1)), colors::LightRed);
        expectCounter(form, 1, expected, true);
        EXPECT_TRUE(form.enabled(ctl::workRow(1, 4)));
    }
    expectCounter(form, 10, U"0", false);
}

TEST(CheckRowCounter, CorrectedRowIsLockedAndKeepsItsCount) {
    Form1 form;
    wrongRemainder(form);
    CheckRow(form, 1);
    CheckRow(form, 1);
    form.setText(ctl::workRow(1, 4), U"3");
    CheckRow(form, 1);
    EXPECT_EQ(form.caption(ctl::info(1)), texts::Korrekt);
    EXPECT_EQ(form.background(ctl::info(1)), colors::LightGreen);
    for (int c = 0; c < kRowCells; ++c) {
        EXPECT_FALSE(form.enabled(ctl::workRow(1, c))) << c;
    }
    expectCounter(form, 1, U"2", true);
    // Clicking the right row again runs the check again and changes nothing.
    const std::uint64_t revision = form.revision();
    CheckRow(form, 1);
    EXPECT_EQ(form.revision(), revision);
}

TEST(CheckRowCounter, LastRowCountsInItsOwnCounterOnly) {
    Form1 form;
    fullTask(form);
    test::writeRow(form, 10, ".....1");
    test::judgedRightAbove(form, 9);
    CheckRow(form, 9);
    EXPECT_EQ(form.caption(ctl::info(9)), texts::Fehler);
    expectCounter(form, 9, U"1", true);
    expectCounter(form, 10, U"0", false);
}

TEST(CheckRowClick, RightFirstProductLocksItAndItsDigitOnly) {
    Form1 form;
    setUp(form, U"9434", U"13", {U"7"}, {"91...."});
    ASSERT_TRUE(form.setFocus(ctl::workRow(1, 4)));
    CheckRow(form, 0);
    EXPECT_EQ(form.caption(ctl::info(0)), texts::Korrekt);
    EXPECT_EQ(form.background(ctl::info(0)), colors::LightGreen);
    for (int c = 0; c < kRowCells; ++c) {
        EXPECT_FALSE(form.enabled(ctl::workRow(0, c))) << c;
        EXPECT_TRUE(form.enabled(ctl::workRow(1, c))) << c;
    }
    EXPECT_FALSE(form.enabled(ctl::resultat(0)));
    EXPECT_TRUE(form.enabled(ctl::resultat(1)));
    EXPECT_EQ(form.focus(), ctl::workRow(1, 4));
}

// A check that writes no verdict is no attempt: whatever the label says (the
// hidden "Fehler" of the reset, the prompt, "korrekt"), nothing moves.
TEST(CheckRowBlankQuotient, ChangesNothingWhateverTheLabelSays) {
    struct Label {
        Verdict verdict;
        Rgb colour;
        bool visible;
    };
    for (const Label& l : {Label{Verdict::Fehler, colors::LightGreen, false},
                           Label{Verdict::Pending, colors::Yellow, true},
                           Label{Verdict::Korrekt, colors::LightGreen, true}}) {
        SCOPED_TRACE(test::utf8(Text(verdictCaption(l.verdict))));
        Form1 form;
        setUp(form, U"9434", U"13", {U"7"}, {"91....", ".33...", ".26..."});
        form.setVerdict(2, l.verdict);
        form.setBackground(ctl::info(2), l.colour);
        form.setVisible(ctl::info(2), l.visible);
        test::judgedRightAbove(form, 2);
        const std::uint64_t revision = form.revision();
        CheckRow(form, 2);
        CheckRow(form, 2);
        EXPECT_EQ(form.revision(), revision);
    }
}

// A row that cannot be evaluated ends the check: no verdict, lock or count,
// whatever the label said.
TEST(CheckRowFailure, NothingChanges) {
    struct Case {
        const char* what;
        std::vector<std::u32string> quotient;
        std::vector<std::string> rows;
        int row;
    };
    const std::vector<Case> cases{
        {"empty product row", {U"7"}, {}, 0},
        {"product row of spaces", {U"7"}, {"______"}, 0},
        {"remainder before its product is judged", {U"7"}, {"91....", ".3...."}, 1},
        // An empty remainder row is no attempt unless a remainder of 0 is right.
        {"empty remainder row", {U"7"}, {"91....", "......"}, 1},
        {"letter as quotient", {U"x"}, {"91...."}, 0},
        {"negative quotient", {U"-1"}, {"91....", ".3...."}, 1},
        {"row -1", {U"7"}, {"91...."}, -1},
        {"row 10", {U"7"}, {"91...."}, 10},
    };
    for (const Case& c : cases) {
        for (Verdict label : {Verdict::Fehler, Verdict::Pending, Verdict::Korrekt}) {
            SCOPED_TRACE(std::string(c.what) + " / " + test::utf8(Text(verdictCaption(label))));
            Form1 form;
            setUp(form, U"9434", U"13", c.quotient, c.rows);
            if (c.row >= 0 && c.row < kWorkRows) {
                form.setVerdict(c.row, label);
            }
            // The rows above are right, but for the one a remainder row waits for.
            if (std::string(c.what) != "remainder before its product is judged") {
                test::judgedRightAbove(form, c.row);
            }
            // Nothing changes but what the label waiting for the check says.
            const auto withoutTips = [](std::vector<std::string> lines) {
                for (std::string& line : lines) {
                    line = line.substr(0, line.find(" tip="));
                }
                return lines;
            };
            const auto before = withoutTips(test::snapshot(form));
            CheckRow(form, c.row);
            CheckRow(form, c.row);
            EXPECT_EQ(withoutTips(test::snapshot(form)), before);
        }
    }
}

} // namespace
} // namespace zifferon

namespace zifferon {
namespace {

// The Überschlag and the Probe against tasks worked by hand:
// 9434 : 13 = 725 Rest 9 (13 first fits into 94, a hundreds digit),
// 1211 : 7 = 173, 9434 : 99 = 95 Rest 29 (99 first fits into 943),
// 47 : 96 = 0 Rest 47.
//
// A case is "TASK LINE BOXES... [offen]": the line Ü (stellen, etwa), P1
// (probe(0)) or P2 (probe(1), probe(2); !P2 while the first line shows
// "Fehler"), "_" for an empty box, "offen" while "Berechnung beendet" is not
// shown; and what the judgement says: "korrekt", "Fehler", either followed by
// ": " and its sentence, or the outcome without a verdict.
struct LineCase {
    const char* sheet;
    const char* said;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.sheet;
}

class CheckLineJudgement : public testing::TestWithParam<LineCase> {};

TEST_P(CheckLineJudgement, VerdictAndSentence) {
    std::istringstream in(GetParam().sheet);
    std::string task, line, word;
    in >> task >> line;
    const std::size_t colon = task.find(':');
    Form1 form;
    test::enterTask(form, fromUtf8(task.substr(0, colon)), fromUtf8(task.substr(colon + 1)));
    form.setVisible(ctl::Label4, true);
    const CheckLine which = line == "Ü"    ? CheckLine::Ueberschlag
                            : line == "P1" ? CheckLine::ProbeMal
                                           : CheckLine::ProbePlus;
    const std::vector<ControlId> boxes =
        which == CheckLine::Ueberschlag ? std::vector{ctl::stellen, ctl::etwa}
        : which == CheckLine::ProbeMal  ? std::vector{ctl::probe(0)}
                                        : std::vector{ctl::probe(1), ctl::probe(2)};
    form.showLineVerdict(CheckLine::ProbeMal, line == "!P2" ? Verdict::Fehler : Verdict::Korrekt);
    for (std::size_t i = 0; in >> word;) {
        if (word == "offen") {
            form.setVisible(ctl::Label4, false);
        } else {
            form.setText(boxes.at(i++), fromUtf8(word == "_" ? "" : word));
        }
    }
    if (which == CheckLine::ProbeMal) {
        form.showLineVerdict(CheckLine::ProbeMal, Verdict::None);
    }
    const LineJudgement j = judgeLine(form, which);
    const std::map<LineOutcome, std::string> outcomes{{LineOutcome::Empty, "leer"},
                                                      {LineOutcome::NotYet, "nicht jetzt"},
                                                      {LineOutcome::NoTask, "keine Aufgabe"}};
    std::string said = j.outcome == LineOutcome::Judged ? (j.right ? "korrekt" : "Fehler")
                                                        : outcomes.at(j.outcome);
    if (!j.reason.empty()) {
        said += ": " + test::utf8(j.reason);
    }
    EXPECT_EQ(said, GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckLineJudgement,
    testing::Values(
        LineCase{"9434:13 Ü 3 _", "korrekt"}, LineCase{"9434:13 Ü 3 700", "korrekt"},
        LineCase{"9434:13 Ü 3 800", "korrekt"}, LineCase{"9434:13 Ü 3 625", "korrekt"},
        LineCase{"9434:13 Ü 3 624", "Fehler: 624 liegt zu weit weg. Runde so, dass du leicht "
                                    "teilen kannst, zum Beispiel 9100 : 13 = 700."},
        LineCase{"9434:13 Ü 4 700", "Fehler: 13 passt zuerst in 94. Die erste Ziffer des "
                                    "Ergebnisses gehört also zur Hunderterspalte."},
        LineCase{"9434:13 Ü _ 700", "leer"},
        LineCase{"1211:7 Ü 4 _", "Fehler: 7 passt zuerst in 12. Die erste Ziffer des "
                                 "Ergebnisses gehört also zur Hunderterspalte."},
        LineCase{"9434:99 Ü 2 100", "korrekt"},
        LineCase{"9434:99 Ü 2 80", "Fehler: 80 liegt zu weit weg. Runde so, dass du leicht "
                                   "teilen kannst, zum Beispiel 8910 : 99 = 90."},
        LineCase{"47:96 Ü 1 _", "korrekt"},
        LineCase{"47:96 Ü 2 _",
                 "Fehler: 96 passt nicht in 47: das Ergebnis ist 0, und das ist eine Stelle."},
        LineCase{":13 Ü 3 _", "keine Aufgabe"}, LineCase{"9434:13 P1 9425", "korrekt"},
        LineCase{"9434:13 P1 9435",
                 "Fehler: 725 · 13 ist nicht 9435: rechne das Malnehmen noch einmal nach."},
        LineCase{"9434:13 P1 9425 offen", "nicht jetzt"}, LineCase{"9434:13 P1 _", "leer"},
        LineCase{"9434:13 P2 9425 9434",
                 "korrekt: Die Probe ergibt 9434, die Aufgabe heißt 9434: stimmt."},
        LineCase{"9434:13 P2 9425 9435",
                 "Fehler: 9425 + 9 ist nicht 9435: rechne das Zusammenzählen noch einmal nach."},
        LineCase{"9434:13 P2 9426 9435",
                 "Fehler: Vor das Plus gehört das Ergebnis von 725 · 13 aus der Zeile darüber."},
        LineCase{"1211:7 P2 1211 1211",
                 "korrekt: Die Probe ergibt 1211, die Aufgabe heißt 1211: stimmt."},
        LineCase{"47:96 P2 0 47", "korrekt: Die Probe ergibt 47, die Aufgabe heißt 47: stimmt."},
        LineCase{"9434:13 P2 9425 _", "leer"}, LineCase{"9434:13 !P2 9425 9434", "nicht jetzt"}));

constexpr auto U = CheckLine::Ueberschlag;
constexpr auto P1 = CheckLine::ProbeMal;

// The check command: a wrong line counts and keeps its boxes open, a right
// one locks them; a line that gives no verdict only says why.
TEST(CheckLineCommand, CountsLocksAndExplains) {
    Form1 form;
    test::enterTask(form, U"9434", U"13");
    form.setText(ctl::stellen, U"4");
    checkLine(form, U);
    checkLine(form, U);
    EXPECT_EQ(form.lineVerdict(U), Verdict::Fehler);
    EXPECT_EQ(test::utf8(form.caption(ctl::pfehler(U))), "2");
    EXPECT_TRUE(form.visible(ctl::pfehler(U)));
    EXPECT_EQ(test::utf8(form.toolTip(ctl::pruefung(U))).substr(0, 22), "13 passt zuerst in 94.");
    form.setText(ctl::stellen, U"3");
    checkLine(form, U);
    EXPECT_EQ(form.caption(ctl::pruefung(U)), texts::Korrekt);
    EXPECT_EQ(form.background(ctl::pruefung(U)), colors::LightGreen);
    EXPECT_FALSE(form.enabled(ctl::stellen));
    EXPECT_FALSE(form.enabled(ctl::etwa));
    EXPECT_EQ(form.lineErrors(U), 2u) << "a right check keeps the count";

    const auto notices = form.notices();
    checkLine(form, P1);
    EXPECT_EQ(form.notices(), notices + 1);
    EXPECT_EQ(test::utf8(form.notice()), "Die Probe kommt, wenn die Aufgabe fertig gerechnet ist.");
    EXPECT_EQ(form.lineVerdict(P1), Verdict::None);
}

} // namespace
} // namespace zifferon
