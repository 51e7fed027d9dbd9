// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pupil.h"
#include "SheetText.h"

#include "check/RowCheck.h"
#include "task/TaskEntry.h"
#include "tracker/ProgressTracker.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zifferon {
namespace {

using test::enterTask;
using test::rowText;
using test::writeRow;

// Passes of the tracker on the model, between writes made behind its back.
void tick(Form1& form, int count = 1) {
    for (int i = 0; i < count; ++i) {
        trackProgress(form);
    }
}

// A label in the state the row check leaves for a right row.
void markRight(Form1& form, int row) {
    form.setVerdict(row, Verdict::Korrekt);
    form.setBackground(ctl::info(row), colors::LightGreen);
    form.setVisible(ctl::info(row), true);
}

void expectPending(const Form1& form, int row) {
    EXPECT_TRUE(form.visible(ctl::info(row))) << "info(" << row << ")";
    EXPECT_EQ(form.caption(ctl::info(row)), texts::Pending) << "info(" << row << ")";
    EXPECT_EQ(form.background(ctl::info(row)), colors::Yellow) << "info(" << row << ")";
}

// ---------------------------------------------------------------- guard step

TEST(TrackerGuard, EachRowStaysEmptyUntilItMayBeWritten) {
    // Product rows open with their quotient digit, remainder rows once the
    // product above reads "korrekt". kontrolle9 is guarded like the others.
    struct Case {
        int n;
        std::optional<int> quotient;   // product row: resultat cell that opens it
        std::optional<int> productRow; // remainder row: label that opens it
    };
    const std::vector<Case> cases = {
        {1, 0, {}}, {3, 1, {}}, {5, 2, {}}, {7, 3, {}}, {9, 4, {}},
        {2, {}, 0}, {4, {}, 2}, {6, {}, 4}, {8, {}, 6}, {10, {}, 8},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE("kontrolle" + std::to_string(tc.n));
        Worksheet sheet;
        Form1& form = sheet.form;
        enterTask(form, U"9434", U"13");

        form.setText(ctl::workRow(tc.n - 1, 3), U"5");
        ASSERT_EQ(rowText(form, tc.n), "..5...");
        tick(form);
        EXPECT_EQ(rowText(form, tc.n), "......");
        EXPECT_FALSE(form.visible(ctl::info(tc.n - 1)));

        if (tc.quotient) {
            form.setText(ctl::resultat(*tc.quotient), U"1");
        } else {
            form.setText(ctl::resultat(*tc.productRow / 2), U"1");
            writeRow(form, tc.n - 1, "91....");
            markRight(form, *tc.productRow);
        }
        writeRow(form, tc.n, "..5...");
        tick(form);
        EXPECT_EQ(rowText(form, tc.n), "..5...");
        expectPending(form, tc.n - 1);
    }
}

TEST(TrackerGuard, RemainderRowOpensOnlyForTheVerdictKorrekt) {
    struct Case {
        Verdict verdict;
        bool visible;
        bool kept;
    };
    const Case cases[] = {
        {Verdict::Korrekt, true, true},  {Verdict::Korrekt, false, true},
        {Verdict::Pending, true, false}, {Verdict::Fehler, true, false},
        {Verdict::Fehler, false, false}, {Verdict::None, true, false},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(test::utf8(Text(verdictCaption(tc.verdict))) +
                     (tc.visible ? " visible" : " hidden"));
        Worksheet sheet;
        Form1& form = sheet.form;
        enterTask(form, U"9434", U"13");
        form.setText(ctl::resultat(0), U"7");
        writeRow(form, 1, "91....");
        form.setVerdict(0, tc.verdict);
        form.setVisible(ctl::info(0), tc.visible);
        writeRow(form, 2, ".3....");
        tick(form);
        EXPECT_EQ(rowText(form, 2), tc.kept ? ".3...." : "......");
        EXPECT_EQ(form.visible(ctl::info(1)), tc.kept);
    }
}

TEST(TrackerGuard, QuotientCellCountsAsWrittenUnlessExactlyEmpty) {
    struct Case {
        std::u32string_view quotient;
        bool kept;
    };
    const Case cases[] = {{U"", false}, {U" ", true}, {U"7", true}, {U"x", true}, {U"  ", true}};
    for (const Case& tc : cases) {
        SCOPED_TRACE("resultat(1) = '" + test::utf8(Text(tc.quotient)) + "'");
        Worksheet sheet;
        Form1& form = sheet.form;
        enterTask(form, U"9434", U"13");
        form.setText(ctl::resultat(1), tc.quotient);
        writeRow(form, 3, ".26...");
        tick(form);
        EXPECT_EQ(rowText(form, 3), tc.kept ? ".26..." : "......");
    }
}

TEST(TrackerGuard, EmptyingARowSetsTheRememberedCharToASpace) {
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"9434", U"13");
    writeRow(form, 5, "....7.");
    ASSERT_EQ(sheet.rule.lastCellChar(), U'7');
    tick(form);
    EXPECT_EQ(sheet.rule.lastCellChar(), U' ');
}

// ---------------------------------------------------------------- label step

TEST(TrackerLabel, LoneSpaceWritesRowsZeroToTwoOnly) {
    // Every row open: quotient digits written, every product row right.
    for (int row = 0; row < kWorkRows; ++row) {
        for (const char* fixture : {"....._", ".....4"}) {
            SCOPED_TRACE("row " + std::to_string(row) + " " + fixture);
            Worksheet sheet;
            Form1& form = sheet.form;
            enterTask(form, U"9434", U"13");
            for (int j = 0; j < kResultatCells; ++j) {
                form.setText(ctl::resultat(j), U"1");
            }
            for (int p = 0; p < kWorkRows; p += 2) {
                form.setVerdict(p, Verdict::Korrekt);
            }
            writeRow(form, row + 1, fixture);
            tick(form);
            const bool written = fixture[5] != '_' || row <= 2;
            // A product row reads "korrekt": its label stays shown all the same.
            EXPECT_EQ(form.visible(ctl::info(row)), written || row % 2 == 0);
            if (written) {
                expectPending(form, row);
            }
            EXPECT_EQ(rowText(form, row + 1), fixture);
        }
    }
}

TEST(TrackerLabel, VerdictStaysWhileTheRowIsCorrectedUntilTheRowWasEmptyAtAPass) {
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"9434", U"13");
    form.setText(ctl::resultat(0), U"7");
    writeRow(form, 1, "92....");
    tick(form);
    expectPending(form, 0);

    form.setVerdict(0, Verdict::Fehler);
    form.setBackground(ctl::info(0), colors::LightRed);
    auto expectWrong = [&](bool visible) {
        EXPECT_EQ(form.visible(ctl::info(0)), visible);
        EXPECT_EQ(form.caption(ctl::info(0)), texts::Fehler);
        EXPECT_EQ(form.background(ctl::info(0)), colors::LightRed);
    };

    writeRow(form, 1, "91....");
    tick(form);
    expectWrong(true);

    // Emptied and written again between two passes: the pass never saw it empty.
    writeRow(form, 1, "......");
    writeRow(form, 1, "9.....");
    tick(form);
    expectWrong(true);

    writeRow(form, 1, "......");
    tick(form);
    expectWrong(false);

    writeRow(form, 1, "9.....");
    tick(form);
    expectPending(form, 0);
}

TEST(TrackerLabel, ZeroFilledRowJudgedRightStaysKorrekt) {
    // 1313 : 13 = 101. The second quotient digit is 0: Enter in the empty
    // product row fills in the zeros and judges it right; the verdict shows
    // at once and the remainder row below opens.
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"1313", U"13");
    form.setText(ctl::resultat(0), U"1");
    writeRow(form, 1, "13....");
    tick(form);
    CheckRow(form, 0);
    writeRow(form, 2, ".0....");
    tick(form);
    CheckRow(form, 1);
    tick(form);
    ASSERT_EQ(rowText(form, 2), ".01...");
    ASSERT_EQ(form.focus(), ctl::resultat(1));

    test::Pupil pupil(sheet);
    pupil.type(U'0');
    pupil.press(vk::Return);
    ASSERT_EQ(form.focus(), ctl::workRow(2, 4));
    pupil.press(vk::Return);
    ASSERT_EQ(rowText(form, 3), ".00...");
    EXPECT_TRUE(form.visible(ctl::info(2)));
    tick(form, 2);
    EXPECT_TRUE(form.visible(ctl::info(2)));
    EXPECT_EQ(form.caption(ctl::info(2)), texts::Korrekt);
    EXPECT_FALSE(form.enabled(ctl::resultat(1)));
    writeRow(form, 4, "..1...");
    tick(form);
    EXPECT_EQ(rowText(form, 4), "..1...");
}

// A remainder of 0 left unwritten is right, and its label stays when the
// next digit comes down into the row.
TEST(TrackerLabel, BlankRemainderJudgedRightKeepsItsVerdict) {
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"1313", U"13");
    form.setText(ctl::resultat(0), U"1");
    writeRow(form, 1, "13....");
    CheckRow(form, 0);
    tick(form);
    CheckRow(form, 1);
    tick(form, 2);
    EXPECT_EQ(rowText(form, 2), "..1...");
    EXPECT_TRUE(form.visible(ctl::info(1)));
    EXPECT_EQ(form.caption(ctl::info(1)), texts::Korrekt);
    EXPECT_EQ(form.focus(), ctl::resultat(1));
}

// ----------------------------------------------------------- bring-down step

TEST(TrackerBringDown, BringsTheDigitDownBesideTheProductsUnitsDigit) {
    // The step's digit comes down into the column right of its units, as the
    // written calculation has it; "Berechnung beendet" only under the right
    // quotient and last remainder.
    struct Case {
        std::u32string_view dividend, divisor, quotient;
        int n;              // remainder row kontrolleN, every row above it right
        const char* before; // the remainder row as judged right
        const char* after;  // after the pass ("" = Label4 instead)
    };
    const Case cases[] = {
        {U"9434", U"13", U"725", 2, ".3....", ".33..."},
        {U"9434", U"99", U"95", 2, ".52...", ".524.."},
        {U"943", U"99", U"9", 2, ".52...", ""},
        {U"123456", U"7", U"17636", 8, "....4.", "....46"},
        {U"123456", U"7", U"17636", 10, ".....4", ""},
        // 455585 : 723 = 630 R 95: after the zero step no digit is left.
        {U"455585", U"723", U"630", 6, "....95", ""},
        // A file may mark a wrong remainder or digit right: not finished.
        {U"943", U"99", U"9", 2, ".51...", "-"},
        {U"943", U"99", U"8", 2, ".52...", "-"},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(test::utf8(Text(tc.dividend)) + " kontrolle" + std::to_string(tc.n) + " " +
                     tc.before);
        Worksheet sheet;
        Form1& form = sheet.form;
        enterTask(form, tc.dividend, tc.divisor);
        for (std::size_t j = 0; j < tc.quotient.size(); ++j) {
            form.setText(ctl::resultat(static_cast<int>(j)), tc.quotient.substr(j, 1));
        }
        for (int row = 0; row < tc.n; ++row) {
            markRight(form, row);
        }
        writeRow(form, tc.n, tc.before);
        tick(form);
        const bool complete = std::string(tc.after).empty();
        const bool stays = std::string(tc.after) == "-";
        EXPECT_EQ(rowText(form, tc.n), complete || stays ? tc.before : tc.after);
        EXPECT_EQ(form.visible(ctl::Label4), complete);
    }
}

TEST(TrackerBringDown, RemainderRowsAreHandledIndependently) {
    // Every step whose rows are right gets its digit, in the same pass.
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"123456", U"7");
    form.setText(ctl::resultat(0), U"1");
    form.setText(ctl::resultat(1), U"7");
    writeRow(form, 2, ".5....");
    writeRow(form, 4, "..4...");
    for (int row = 0; row < 4; ++row) {
        markRight(form, row);
    }
    ASSERT_TRUE(form.setFocus(ctl::Command2));
    tick(form);
    EXPECT_FALSE(form.visible(ctl::Label4));
    EXPECT_EQ(rowText(form, 2), ".53...");
    EXPECT_EQ(rowText(form, 4), "..44..");
    EXPECT_EQ(form.focus(), ctl::resultat(2));
}

TEST(TrackerBringDown, CellAlwaysGetsTheDividendDigitBack) {
    for (std::u32string_view held : {U" ", U"x", U"9", U"", U"3"}) {
        SCOPED_TRACE("'" + test::utf8(Text(held)) + "'");
        Worksheet sheet;
        Form1& form = sheet.form;
        enterTask(form, U"9434", U"13");
        form.setText(ctl::resultat(0), U"7");
        writeRow(form, 1, "91....");
        markRight(form, 0);
        writeRow(form, 2, ".3....");
        markRight(form, 1);
        tick(form);
        ASSERT_EQ(rowText(form, 2), ".33...");
        form.setText(ctl::workRow(1, 3), held);
        tick(form);
        EXPECT_EQ(rowText(form, 2), ".33...");
    }
}

TEST(TrackerBringDown, RewritingTheSameDigitRunsNoChangeRule) {
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"9434", U"13");
    form.setText(ctl::resultat(0), U"7");
    writeRow(form, 1, "91....");
    markRight(form, 0);
    writeRow(form, 2, ".3....");
    markRight(form, 1);
    tick(form);
    EXPECT_EQ(sheet.rule.lastCellChar(), U'3');

    // A digit typed elsewhere is what the rule remembers; the passes that
    // follow write the brought-down 3 again without disturbing that.
    form.setText(ctl::resultat(1), U"2");
    writeRow(form, 3, ".2....");
    ASSERT_EQ(sheet.rule.lastCellChar(), U'2');
    tick(form);
    EXPECT_EQ(sheet.rule.lastCellChar(), U'2');
    const auto revision = form.revision();
    tick(form, 3);
    EXPECT_EQ(sheet.rule.lastCellChar(), U'2');
    EXPECT_EQ(form.revision(), revision);
}

TEST(TrackerBringDown, Label4StaysOnceShown) {
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"943", U"99");
    form.setText(ctl::resultat(0), U"9");
    writeRow(form, 1, "891...");
    markRight(form, 0);
    writeRow(form, 2, ".52...");
    markRight(form, 1);
    tick(form);
    ASSERT_TRUE(form.visible(ctl::Label4));

    form.setVerdict(1, Verdict::Fehler);
    writeRow(form, 2, "......");
    tick(form, 5);
    EXPECT_TRUE(form.visible(ctl::Label4));
    EXPECT_EQ(form.caption(ctl::Label4), texts::Beendet);

    takeTaskIn(form);
    EXPECT_FALSE(form.visible(ctl::Label4));
}

// ----------------------------------------------------------------- focus pull

// Sets up remainder row kontrolleN as right, with the digit still to come down
// (into column 2, beside the product's 1 in column 3) and the next quotient
// cell `next` holding `quotient`. The remainder's own digit stands in column 5.
void readyToBringDown(Form1& form, int n, int next, std::u32string_view quotient) {
    enterTask(form, U"123456", U"7");
    const int productRow = n - 2;
    form.setText(ctl::resultat(productRow / 2), U"1");
    writeRow(form, n - 1, "..1...");
    writeRow(form, n, "7.....");
    markRight(form, productRow);
    markRight(form, n - 1);
    form.setText(ctl::resultat(next), quotient);
}

TEST(TrackerFocus, NextQuotientCellOfEachRemainderRow) {
    struct Case {
        int n;
        int next;
    };
    // The fifth remainder row ends the task: no quotient cell is next.
    const Case cases[] = {{2, 1}, {4, 2}, {6, 3}, {8, 4}, {10, -1}};
    for (const Case& tc : cases) {
        SCOPED_TRACE("kontrolle" + std::to_string(tc.n));
        Worksheet sheet;
        Form1& form = sheet.form;
        // For kontrolle10 the product row's quotient cell is the next one as
        // well: a space opens the product row and is still blank.
        readyToBringDown(form, tc.n, tc.next < 0 ? 4 : tc.next, tc.n == 10 ? U" " : U"");
        ASSERT_TRUE(form.setFocus(ctl::Command2));
        tick(form);
        EXPECT_EQ(form.focus(), tc.next < 0 ? ctl::Command2 : ctl::resultat(tc.next));
    }
}

TEST(TrackerBringDown, StopsOnceTheProductAboveIsJudgedWrongAgain) {
    // A right step, then Text2 changed: the task is the top line's, a locked
    // row is not judged again, and the digit stays down.
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"9434", U"13");
    form.setText(ctl::resultat(0), U"7");
    writeRow(form, 1, "91....");
    tick(form);
    CheckRow(form, 0);
    tick(form);
    writeRow(form, 2, ".3....");
    tick(form);
    CheckRow(form, 1);
    tick(form);
    ASSERT_EQ(rowText(form, 2), ".33...");
    ASSERT_EQ(form.focus(), ctl::resultat(1));

    form.setText(ctl::Text2, U"14");
    CheckRow(form, 0);
    ASSERT_EQ(form.caption(ctl::info(0)), texts::Korrekt);
    ASSERT_TRUE(form.setFocus(ctl::Command2));
    for (int pass = 0; pass < 3; ++pass) {
        tick(form);
        EXPECT_EQ(rowText(form, 2), ".33...");
        EXPECT_EQ(form.focus(), ctl::resultat(1));
    }
}

TEST(TrackerFocus, PullsFromEverywhereButTheTaskBoxesWhileTheQuotientCellIsBlank) {
    struct Case {
        ControlId from;
        std::u32string_view quotient;
        bool pulled;
    };
    const Case cases[] = {
        {ctl::Command2, U"", true},        {ctl::Command1, U"", true},
        {ctl::workRow(4, 0), U"", true},   {ctl::resultat(3), U"", true},
        {ctl::workRow(4, 0), U" ", true},  {ctl::Text1, U"", false},
        {ctl::Text2, U"", false},          {ctl::Text1, U" ", false},
        {ctl::workRow(4, 0), U"4", false}, {ctl::Command2, U"x", false},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "from kind " << static_cast<int>(tc.from.kind) << "(" << tc.from.index
                     << ") quotient '" << test::utf8(Text(tc.quotient)) << "'");
        Worksheet sheet;
        Form1& form = sheet.form;
        readyToBringDown(form, 4, 2, tc.quotient);
        ASSERT_TRUE(form.setFocus(tc.from));
        tick(form);
        EXPECT_EQ(form.focus(), tc.pulled ? ctl::resultat(2) : tc.from);
        EXPECT_EQ(rowText(form, 4), "7..4..") << "the digit comes down either way";
        // Every pass pulls again while the cell stays blank.
        if (tc.pulled) {
            ASSERT_TRUE(form.setFocus(tc.from));
            tick(form);
            EXPECT_EQ(form.focus(), ctl::resultat(2));
        }
    }
}

TEST(TrackerFocus, DisabledBlankQuotientCellLeavesTheFocus) {
    Worksheet sheet;
    Form1& form = sheet.form;
    readyToBringDown(form, 2, 1, U"");
    form.setEnabled(ctl::resultat(1), false);
    ASSERT_TRUE(form.setFocus(ctl::workRow(6, 2)));
    tick(form);
    EXPECT_EQ(form.focus(), ctl::workRow(6, 2));
    EXPECT_EQ(rowText(form, 2), "7.3...");
}

// ------------------------------------------------------------ walk-throughs

void expectRowLocked(const Form1& form, int row) {
    EXPECT_EQ(form.caption(ctl::info(row)), texts::Korrekt) << row;
    EXPECT_EQ(form.background(ctl::info(row)), colors::LightGreen) << row;
    for (int c = 0; c < kRowCells; ++c) {
        EXPECT_FALSE(form.enabled(ctl::workRow(row, c))) << row << "," << c;
    }
}

TEST(Walkthrough, Task9434By13ToTheEnd) {
    Worksheet sheet;
    Form1& form = sheet.form;
    test::Pupil pupil(sheet);
    enterTask(form, U"9434", U"13");
    ASSERT_EQ(form.focus(), ctl::resultat(0));
    // The first pass shows the Überschlag line; after it the sheet is at rest.
    tick(form, 1);
    EXPECT_TRUE(form.visible(ctl::stellen));
    const auto fresh = form.revision();
    tick(form, 3);
    EXPECT_EQ(form.revision(), fresh) << "a pass over the fresh sheet wrote something";

    // Step 0: 7, product 91, remainder 3.
    pupil.type(U"7");
    EXPECT_EQ(form.focus(), ctl::resultat(0));
    pupil.press(vk::Return);
    EXPECT_EQ(form.focus(), ctl::workRow(0, 5));
    pupil.type(U"91");
    EXPECT_EQ(rowText(form, 1), "91....");
    EXPECT_EQ(form.focus(), ctl::workRow(0, 3));
    expectPending(form, 0);
    pupil.press(vk::Return);
    expectRowLocked(form, 0);
    EXPECT_FALSE(form.enabled(ctl::resultat(0)));
    EXPECT_FALSE(form.visible(ctl::info(1)));

    pupil.click(ctl::workRow(1, 4));
    pupil.type(U"3");
    expectPending(form, 1);
    pupil.press(vk::Return);
    expectRowLocked(form, 1);
    EXPECT_EQ(rowText(form, 2), ".33...");
    EXPECT_EQ(form.focus(), ctl::resultat(1));
    EXPECT_FALSE(form.visible(ctl::Label4));

    // While resultat(1) is blank the focus keeps coming back to it.
    ASSERT_TRUE(form.setFocus(ctl::workRow(5, 0)));
    tick(form);
    EXPECT_EQ(form.focus(), ctl::resultat(1));

    // Step 1: 2, product 26, remainder 7.
    pupil.type(U"2");
    pupil.press(vk::Return);
    EXPECT_EQ(form.focus(), ctl::workRow(2, 4));
    pupil.type(U"26");
    pupil.press(vk::Return);
    expectRowLocked(form, 2);
    pupil.click(ctl::workRow(3, 3));
    pupil.type(U"7");
    pupil.press(vk::Return);
    expectRowLocked(form, 3);
    EXPECT_EQ(rowText(form, 4), "..74..");
    EXPECT_EQ(form.focus(), ctl::resultat(2));

    // Step 2: 5, product 65, remainder 9; nothing left to bring down.
    pupil.type(U"5");
    pupil.press(vk::Return);
    EXPECT_EQ(form.focus(), ctl::workRow(4, 3));
    pupil.type(U"65");
    pupil.press(vk::Return);
    expectRowLocked(form, 4);
    pupil.click(ctl::workRow(5, 2));
    pupil.type(U"9");
    EXPECT_FALSE(form.visible(ctl::Label4));
    pupil.press(vk::Return);
    expectRowLocked(form, 5);
    EXPECT_TRUE(form.visible(ctl::Label4));
    EXPECT_EQ(rowText(form, 6), "...9..");

    tick(form, 10);
    EXPECT_TRUE(form.visible(ctl::Label4));
    for (int i = 0; i < kFehlerLabels; ++i) {
        EXPECT_FALSE(form.visible(ctl::fehler(i))) << i;
    }
    for (int i = 6; i < kWorkRows; ++i) {
        EXPECT_FALSE(form.visible(ctl::info(i))) << i;
    }
    EXPECT_EQ(test::dividendText(form), "9434..");

    // Neither line was asked for: the Überschlag closed with the first digit,
    // the Probe is offered without taking the focus, a click and Enter reach it.
    EXPECT_FALSE(form.enabled(ctl::stellen));
    EXPECT_TRUE(form.visible(ctl::probe(0)));
    EXPECT_EQ(form.focus(), ctl::workRow(5, 1));
    EXPECT_TRUE(pupil.click(ctl::probe(0)));
    pupil.type(U"9425");
    pupil.press(vk::Return);
    EXPECT_EQ(form.lineVerdict(CheckLine::ProbeMal), Verdict::Korrekt);
    EXPECT_EQ(form.focus(), ctl::probe(1));
}

TEST(Walkthrough, Task9434By99BringsTheLastDigitDownAndPullsTheFocus) {
    Worksheet sheet;
    Form1& form = sheet.form;
    test::Pupil pupil(sheet);
    enterTask(form, U"9434", U"99");

    pupil.type(U"9");
    pupil.press(vk::Return);
    pupil.type(U"891");
    EXPECT_EQ(rowText(form, 1), "891...");
    pupil.press(vk::Return);
    expectRowLocked(form, 0);
    pupil.click(ctl::workRow(1, 4));
    pupil.type(U"52");
    pupil.press(vk::Return);
    expectRowLocked(form, 1);
    EXPECT_EQ(rowText(form, 2), ".524..");
    EXPECT_EQ(form.focus(), ctl::resultat(1));
    EXPECT_FALSE(form.visible(ctl::Label4));

    pupil.type(U"5");
    pupil.press(vk::Return);
    EXPECT_EQ(form.focus(), ctl::workRow(2, 4));
    pupil.type(U"495");
    pupil.press(vk::Return);
    expectRowLocked(form, 2);
    pupil.click(ctl::workRow(3, 3));
    pupil.type(U"29");
    EXPECT_FALSE(form.visible(ctl::Label4));
    pupil.press(vk::Return);
    expectRowLocked(form, 3);
    EXPECT_TRUE(form.visible(ctl::Label4));
    EXPECT_EQ(rowText(form, 4), "..29..");
}

TEST(Walkthrough, Task943By99EndsAtTheFirstRemainder) {
    Worksheet sheet;
    Form1& form = sheet.form;
    test::Pupil pupil(sheet);
    enterTask(form, U"943", U"99");

    pupil.type(U"9");
    pupil.press(vk::Return);
    pupil.type(U"891");
    pupil.press(vk::Return);
    pupil.click(ctl::workRow(1, 4));
    pupil.type(U"52");
    EXPECT_FALSE(form.visible(ctl::Label4));
    pupil.press(vk::Return);
    expectRowLocked(form, 1);
    EXPECT_TRUE(form.visible(ctl::Label4));
    EXPECT_EQ(rowText(form, 2), ".52...");
    // Nothing came down, so nothing pulls the focus into resultat(1).
    pupil.click(ctl::workRow(2, 0));
    EXPECT_EQ(form.focus(), ctl::workRow(2, 0));
    EXPECT_TRUE(form.text(ctl::resultat(1)).empty());
}

} // namespace
} // namespace zifferon
