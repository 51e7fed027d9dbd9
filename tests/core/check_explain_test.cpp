// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryTaskFiles.h"
#include "SheetText.h"

#include "check/RowCheck.h"
#include "check/RowExplanation.h"
#include "check/RowSolver.h"
#include "taskfile/TaskFileCommands.h"
#include "taskfile/TaskRecords.h"
#include "tracker/ProgressTracker.h"

#include <gtest/gtest.h>

#include <random>
#include <tuple>

namespace zifferon {
namespace {

// A sheet as the pupil left it (rows from kontrolle1 on, '.' empty), the row
// judged, and the reason expected beside it ("" for none).
struct Case {
    const char* name;
    std::u32string dividend;
    std::vector<std::u32string> quotient;
    std::vector<std::string> rows;
    int row;
    const char* reason;
    const char32_t* text2Later = nullptr; // typed into Text2 after "Eingabe"
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

class Reason : public ::testing::TestWithParam<Case> {};

TEST_P(Reason, OfTheCheckedRow) {
    const Case& c = GetParam();
    Form1 form;
    test::writeSheet(form, {c.dividend, U"13", c.quotient, c.rows,
                            c.text2Later ? std::optional<Text>(c.text2Later) : std::nullopt});
    form.setToolTip(ctl::info(c.row), U"from an earlier check");
    test::judgedRightAbove(form, c.row);
    CheckRow(form, c.row);
    EXPECT_EQ(form.caption(ctl::info(c.row)) == texts::Fehler, *c.reason != '\0');
    EXPECT_EQ(test::utf8(form.toolTip(ctl::info(c.row))), c.reason);
}

// Divisor 13; 9434 : 13 = 725 R 9 unless stated.
// clang-format off
const Case kCases[] = {
    {"RightProduct", U"9434", {U"7"}, {"91...."}, 0, ""},
    {"DigitTooBig", U"8734", {U"7"}, {"91...."}, 0, "91 ist größer als 87: die Ziffer 7 ist zu groß."},
    {"DigitTooSmall", U"9434", {U"2"}, {"26...."}, 0,
     "Wenn du 26 von 94 abziehst, bleibt 68 übrig. Das ist nicht kleiner als 13: die Ziffer 2 ist zu klein."},
    {"DigitSixTooSmall", U"9434", {U"6"}, {"78...."}, 0,
     "Wenn du 78 von 94 abziehst, bleibt 16 übrig. Das ist nicht kleiner als 13: die Ziffer 6 ist zu klein."},
    {"FirstDigitZero", U"9434", {U"0"}, {".0...."}, 0,
     "Die erste Ziffer ist nur dann 0, wenn der Divisor größer ist als der ganze Dividend. 13 passt in 94: die Ziffer 0 ist zu klein."},
    {"FirstZeroTooFarLeft", U"12", {U"0"}, {"0....."}, 0, "Die 0 steht zu weit links: sie gehört unter die letzte Ziffer von 12."},
    {"LaterDigitZeroWhereTheDivisorFits", U"9434", {U"7", U"0"}, {"91....", ".33..."}, 2,
     "Wenn du 0 von 33 abziehst, bleibt 33 übrig. Das ist nicht kleiner als 13: die Ziffer 0 ist zu klein."},
    {"LaterProductTooFarLeft", U"9434", {U"7", U"2"}, {"91....", ".33...", "26...."}, 2,
     "13 passt nicht in 3: das Produkt steht zu weit links."},
    {"SlipInMultiplying", U"9434", {U"7"}, {"92...."}, 0, "13 · 7 ist nicht 92: rechne das Malnehmen noch einmal nach."},
    // A wrong digit comes before the slip, without naming 104 or 26.
    {"DigitTooBigAndSlip", U"9434", {U"8"}, {"99...."}, 0, "13 · 8 ist größer als 94: die Ziffer 8 ist zu groß."},
    {"DigitTooSmallAndSlip", U"9434", {U"2"}, {"27...."}, 0,
     "Wenn du 13 · 2 von 94 abziehst, bleibt 68 übrig. Das ist nicht kleiner als 13: die Ziffer 2 ist zu klein."},
    {"ProductTooFarRight", U"9434", {U"7"}, {".91..."}, 0, "13 passt mehr als 9-mal in 943: das Produkt steht zu weit rechts."},
    {"LaterProductTooFarRight", U"9434", {U"7", U"2"}, {"91....", ".33...", "..26.."}, 2,
     "13 passt mehr als 9-mal in 330: das Produkt steht zu weit rechts."},
    {"FirstProductTooFarLeft", U"1313", {U"1"}, {"1....."}, 0, "13 passt nicht in 1: das Produkt steht zu weit links."},
    {"ZeroFillBesideAStrayDigit", U"1313", {U"1", U"0"}, {"13....", ".01...", "2....."}, 2,
     "13 · 0 ist nicht 200: rechne das Malnehmen noch einmal nach."},
    {"WrongDigitBroughtDown", U"9434", {U"7"}, {"91....", ".38..."}, 1,
     "In die Zehnerspalte kommt nur die nächste Ziffer des Dividenden herunter: die 3."},
    {"DigitAfterTheLastRemainder", U"9434", {U"7", U"2", U"5"},
     {"91....", ".33...", ".26...", "..74..", "..65..", "...95."}, 5,
     "In der Spalte 5 steht „5“ im Weg: dort gehört in dieser Zeile nichts hin."},
    {"SlipInSubtracting", U"9434", {U"7"}, {"91....", ".4...."}, 1, "94 − 91 ist nicht 4: rechne das Abziehen noch einmal nach."},
    {"RemainderTooFarRight", U"9434", {U"7"}, {"91....", "..3..."}, 1,
     "Der Rest steht zu weit rechts: seine letzte Ziffer gehört unter die letzte Ziffer von 91."},
    {"LetterInTheRemainder", U"1313", {U"1"}, {"13....", ".o...."}, 1, "In der Zeile steht „o“: hier gehören nur Ziffern hin."},
    {"RemainderTooFarLeft", U"9434", {U"7"}, {"91....", "3....."}, 1,
     "Der Rest steht zu weit links: seine letzte Ziffer gehört unter die letzte Ziffer von 91."},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Sheets, Reason, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Random digits, spaces, letters and gaps in every cell.
void randomSheet(Form1& form, std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    auto digits = [&](int count) {
        Text s;
        for (int i = 0; i < count; ++i) {
            s += static_cast<char32_t>(U'0' + pick(10));
        }
        return s;
    };
    test::enterTask(form, digits(1 + pick(6)), digits(1 + pick(3)));
    const Text chars = U"0123456789 a      ";
    auto cell = [&](int n) {
        const char32_t c = chars[static_cast<std::size_t>(pick(n))];
        return c == U' ' && pick(2) ? Text() : Text(1, c);
    };
    for (int j = 0; j < kResultatCells; ++j) {
        form.setText(ctl::resultat(j), cell(13));
    }
    for (int n = 1; n <= kWorkRows; ++n) {
        for (int c = 0; c < kRowCells; ++c) {
            form.setText(ctl::workRow(n - 1, c), cell(static_cast<int>(chars.size())));
        }
    }
    if (pick(8) == 0) {
        form.setText(ctl::Text2, digits(pick(4)));
    }
}

// The judgement reads a zero fill as if written: judging again after the
// solver wrote it must give the same verdict, or a reason read off a loaded
// sheet would not fit the verdict.
TEST(Reason, ReadOnlyJudgementAgreesWithTheSolver) {
    int judged = 0;
    for (std::uint32_t seed = 1; seed <= 400; ++seed) {
        for (int row = 0; row < kWorkRows; ++row) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " row " << row);
            Form1 form;
            randomSheet(form, seed);
            test::judgedRightAbove(form, row);
            const std::uint64_t revision = form.revision();
            const JudgeResult read = judgeRow(form, row);
            ASSERT_EQ(form.revision(), revision);
            const JudgeResult solved = SolveRow(form, row);
            ASSERT_EQ(read.outcome == JudgeOutcome::Judged, solved.outcome == JudgeOutcome::Judged);
            if (read.outcome != JudgeOutcome::Judged) {
                continue;
            }
            ++judged;
            const RowJudgement& r = read.judgement;
            const RowJudgement again = judgeRow(form, row).judgement;
            EXPECT_EQ(std::tie(r.right, r.mistake, r.anchor, r.W, r.N, r.P, r.D),
                      std::tie(again.right, again.mistake, again.anchor, again.W, again.N, again.P,
                               again.D));
            EXPECT_EQ(explainJudgement(r), form.toolTip(ctl::info(row)));
        }
    }
    EXPECT_GT(judged, 1000);
}

// A file keeps verdicts but no reasons: a row loaded as "Fehler" is explained
// from the loaded sheet, and the previous sheet's reasons are gone.
TEST(Reason, OfRowsLoadedAsFehler) {
    Form1 saved;
    test::enterTask(saved, U"9434", U"13");
    saved.setText(ctl::resultat(0), U"7");
    test::writeRow(saved, 1, "91....");
    trackProgress(saved);
    CheckRow(saved, 0);
    trackProgress(saved);
    test::writeRow(saved, 2, ".4....");
    trackProgress(saved);
    CheckRow(saved, 1);
    ASSERT_TRUE(saved.visible(ctl::info(1)) && saved.caption(ctl::info(1)) == texts::Fehler);
    test::MemoryTaskFiles file;
    const TaskFileBytes records = writeTaskRecords(saved);
    file.files["/a.AUF"].assign(records.begin(), records.end());
    file.answer("/a.AUF");

    Form1 form;
    test::enterTask(form, U"8734", U"13");
    form.setText(ctl::resultat(0), U"7");
    test::writeRow(form, 1, "91....");
    CheckRow(form, 0);
    ASSERT_FALSE(form.toolTip(ctl::info(0)).empty());

    loadTaskFileOntoSheet(form, file.services());
    EXPECT_EQ(test::utf8(form.toolTip(ctl::info(1))),
              "94 − 91 ist nicht 4: rechne das Abziehen noch einmal nach.");
    EXPECT_TRUE(form.toolTip(ctl::info(0)).empty()); // loaded as "korrekt"
}

} // namespace
} // namespace zifferon
