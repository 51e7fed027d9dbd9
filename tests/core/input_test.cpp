// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pupil.h"
#include "SheetText.h"

#include "input/CellInput.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace zifferon {
namespace {

using test::Caret;
using test::enterTask;
using test::rowText;

std::string name(ControlId id) {
    std::string s;
    if (isKontrolle(id.kind)) {
        s = "kontrolle" + std::to_string(kontrolleNumber(id.kind));
    } else if (id.kind == Kind::Resultat) {
        s = "resultat";
    } else if (id.kind == Kind::Dividend) {
        s = "dividend";
    } else {
        s = "control" + std::to_string(static_cast<int>(id.kind));
    }
    return s + "(" + std::to_string(id.index) + ")";
}

// A sheet with a task entered and the focus in `cell`. Timer1 is off: the
// keys alone, without the passes that follow them in the window.
struct Sheet {
    explicit Sheet(ControlId cell = ctl::resultat(0)) {
        enterTask(ws.form, U"9434", U"13");
        ws.form.setTimer1Enabled(false);
        EXPECT_TRUE(ws.form.setFocus(cell)) << name(cell);
    }
    Worksheet ws;
    Form1& form = ws.form;
    test::Pupil pupil{ws};
};

// ----------------------------------------------------------------- change rule

TEST(CellInputRule, RememberedCharStartsAsNul) {
    Worksheet ws;
    EXPECT_EQ(ws.rule.lastCellChar(), U'\0');
    // Entering a task into an untouched grid empties no cell: nothing changes.
    enterTask(ws.form, U"9434", U"13");
    EXPECT_EQ(ws.rule.lastCellChar(), U'\0');
}

TEST(CellInputRule, KeepsOneOfTheFirstTwoCharacters) {
    struct Case {
        const char* what;
        std::u32string_view before; // the cell's text before the write
        std::u32string_view other;  // then written into another cell ("" = none)
        std::u32string_view written;
        std::u32string_view after;
    };
    const Case cases[] = {
        {"start state, two chars", U"", U"", U"12", U"1"},
        {"same cell again, behind", U"3", U"", U"35", U"5"},
        {"same cell again, in front", U"3", U"", U"53", U"5"},
        {"same digit twice", U"3", U"", U"33", U"3"},
        {"older cell, behind", U"4", U"7", U"49", U"4"},
        {"older cell, in front", U"4", U"7", U"94", U"9"},
        {"older cell holding the remembered char", U"7", U"7", U"79", U"9"},
        {"paste, first char remembered", U"", U"1", U"123", U"2"},
        {"paste, first char not remembered", U"", U"9", U"123", U"1"},
        {"umlaut kept", U"", U"5", U"\u00e45", U"\u00e4"},
        {"space then digit, space remembered", U" ", U"", U" 5", U"5"},
        {"emptied", U"4", U"", U"", U""},
        {"single char replaced", U"4", U"7", U"8", U"8"},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.what);
        Worksheet ws;
        const ControlId cell = ctl::workRow(3, 2);
        ws.form.setText(cell, tc.before);
        if (!tc.other.empty()) {
            ws.form.setText(ctl::workRow(8, 5), tc.other);
        }
        ws.form.setText(cell, tc.written);
        EXPECT_EQ(ws.form.text(cell), tc.after);
        const char32_t remembered = tc.after.empty() ? U' ' : tc.after[0];
        EXPECT_EQ(ws.rule.lastCellChar(), remembered);
    }
}

// Also when another cell changed in between (the 3 is no longer
// LastCellChar: the change rule alone would keep it).
TEST(CellInputRule, TypingTwiceInTheRightmostCellReplacesWhereverTheCaretStands) {
    for (bool otherWrite : {false, true}) {
        for (Caret caret : {Caret::End, Caret::Start}) {
            SCOPED_TRACE(std::string(caret == Caret::End ? "caret at end" : "caret at start") +
                         (otherWrite ? ", another cell written between" : ""));
            Sheet s(ctl::workRow(1, 0));
            s.pupil.type(U'3');
            if (otherWrite) {
                s.form.setText(ctl::workRow(8, 5), U"7");
            }
            s.pupil.type(U'5', caret);
            EXPECT_EQ(s.form.text(ctl::workRow(1, 0)), U"5");
            EXPECT_EQ(s.form.focus(), ctl::workRow(1, 0));
        }
    }
}

// However the focus arrives in a filled cell, the first digit typed there
// replaces the old one, on either side of it: also where the old digit is
// not LastCellChar (the change rule alone would keep it) and where the new
// digit is LastCellChar.
TEST(CellInputRule, TheFirstDigitAfterTheFocusArrivesReplacesTheOldOne) {
    struct Arrival {
        const char* how;
        std::function<void(test::Pupil&)> arrive; // ends with the focus in kontrolle3(4)
    };
    const Arrival arrivals[] = {{"Left twice",
                                 [](test::Pupil& p) {
                                     p.press(vk::Left);
                                     p.press(vk::Left);
                                 }},
                                {"click", [](test::Pupil& p) { p.click(ctl::workRow(2, 4)); }},
                                {"click into the focused cell",
                                 [](test::Pupil& p) {
                                     p.click(ctl::workRow(2, 4));
                                     p.click(ctl::workRow(2, 4));
                                 }},
                                {"advance after a digit typed left of it",
                                 [](test::Pupil& p) {
                                     p.click(ctl::workRow(2, 5));
                                     p.type(U'0');
                                 }},
                                {"Enter in resultat(1)",
                                 [](test::Pupil& p) {
                                     p.click(ctl::resultat(1));
                                     p.press(vk::Return);
                                 }},
                                {"Down from kontrolle2", [](test::Pupil& p) {
                                     p.click(ctl::workRow(1, 4));
                                     p.press(vk::Down);
                                 }}};
    for (const Arrival& a : arrivals) {
        for (char32_t digit : {U'9', U'7'}) {
            for (Caret caret : {Caret::End, Caret::Start}) {
                SCOPED_TRACE(std::string(a.how) + ", typed " + test::utf8(Text(1, digit)) +
                             (caret == Caret::End ? " behind" : " in front"));
                Sheet s(ctl::workRow(2, 4));
                s.pupil.type(U"47"); // kontrolle3 ".47...", LastCellChar 7
                a.arrive(s.pupil);
                ASSERT_EQ(s.form.focus(), ctl::workRow(2, 4));
                s.pupil.type(digit, caret);
                EXPECT_EQ(s.form.text(ctl::workRow(2, 4)), Text(1, digit));
                EXPECT_EQ(s.form.focus(), ctl::workRow(2, 3));
            }
        }
    }
}

TEST(CellInputRule, ProgramWritesSetTheRememberedChar) {
    Sheet s(ctl::workRow(5, 1));
    s.pupil.type(U'8');
    EXPECT_EQ(s.ws.rule.lastCellChar(), U'8');
    s.form.setText(ctl::workRow(0, 5), U"6");
    EXPECT_EQ(s.ws.rule.lastCellChar(), U'6');
    // The reset empties the written cells; the last of them leaves a space.
    enterTask(s.form, U"9434", U"13");
    EXPECT_EQ(s.ws.rule.lastCellChar(), U' ');
    EXPECT_EQ(rowText(s.form, 1), "......");
    EXPECT_EQ(rowText(s.form, 6), "......");
}

TEST(CellInputRule, TypedDigitStaysWhereItWasTypedAndTheFocusMovesRight) {
    Sheet s(ctl::workRow(2, 4));
    s.pupil.type(U'2');
    EXPECT_EQ(rowText(s.form, 3), ".2....");
    EXPECT_EQ(s.form.focus(), ctl::workRow(2, 3));
}

// ---------------------------------------------------------------- arrow keys

TEST(CellInputKeys, UpAndDownForEveryRowAndColumn) {
    struct Case {
        int n;
        int up;   // kontrolleN above, 0: the dividend (the focus stays)
        int down; // kontrolleN below, 0: none (Down types like any other key)
    };
    const Case cases[] = {
        {1, 0, 2}, {2, 1, 3}, {3, 2, 4}, {4, 3, 5},  {5, 4, 6},
        {6, 5, 7}, {7, 6, 8}, {8, 7, 9}, {9, 8, 10}, {10, 9, 0},
    };
    for (const Case& tc : cases) {
        for (int c = 0; c < kRowCells; ++c) {
            const ControlId from = ctl::workRow(tc.n - 1, c);
            SCOPED_TRACE(name(from));
            Sheet s(from);
            s.pupil.press(vk::Up);
            EXPECT_EQ(s.form.focus(), tc.up ? ctl::workRow(tc.up - 1, c) : from);

            ASSERT_TRUE(s.form.setFocus(from));
            s.pupil.press(vk::Down);
            const ControlId advanced = c > 0 ? ctl::workRow(tc.n - 1, c - 1) : from;
            EXPECT_EQ(s.form.focus(), tc.down ? ctl::workRow(tc.down - 1, c) : advanced);
        }
    }
}

TEST(CellInputKeys, LeftAndRightStayInTheirRow) {
    struct Case {
        int column;
        int left;  // column after Left, -1: stays
        int right; // column after Right, -1: stays
    };
    const Case cases[] = {{5, -1, 4}, {4, 5, 3}, {3, 4, 2}, {2, 3, 1}, {1, 2, 0}, {0, 1, -1}};
    for (int n : {1, 6, 10}) {
        for (const Case& tc : cases) {
            const ControlId from = ctl::workRow(n - 1, tc.column);
            SCOPED_TRACE(name(from));
            Sheet s(from);
            s.pupil.press(vk::Left);
            EXPECT_EQ(s.form.focus(), tc.left < 0 ? from : ctl::workRow(n - 1, tc.left));
            ASSERT_TRUE(s.form.setFocus(from));
            s.pupil.press(vk::Right);
            EXPECT_EQ(s.form.focus(), tc.right < 0 ? from : ctl::workRow(n - 1, tc.right));
        }
    }
}

TEST(CellInputKeys, AnyOtherKeyAdvancesOneCellToTheRight) {
    struct Case {
        const char* key;
        int code;
    };
    const Case cases[] = {
        {"digit 5", '5'},    {"letter A", 'A'},   {"space", 32},  {"Backspace", 8},
        {"Delete", 46},      {"Shift alone", 16}, {"Tab", 9},     {"F1", 112},
        {"unmapped key", 0}, {"Home", 36},        {"Escape", 27},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.key);
        Sheet s(ctl::workRow(1, 3));
        s.pupil.press(tc.code);
        EXPECT_EQ(s.form.focus(), ctl::workRow(1, 2));
        ASSERT_TRUE(s.form.setFocus(ctl::workRow(1, 0)));
        s.pupil.press(tc.code);
        EXPECT_EQ(s.form.focus(), ctl::workRow(1, 0));
    }
}

// ------------------------------------------------------------------- Enter

TEST(CellInputKeys, EnterChecksTheRowOfItsCellAndLeavesTheFocus) {
    // On a fresh sheet no row has a quotient digit: the check of row i writes
    // no verdict and counts nothing, and the focus stays; a row after the
    // first only says that row 1 comes first.
    for (int n = 1; n <= kWorkRows; ++n) {
        for (int c = 0; c < kRowCells; ++c) {
            const ControlId from = ctl::workRow(n - 1, c);
            SCOPED_TRACE(name(from));
            Sheet s(from);
            const std::uint64_t revision = s.form.revision();
            s.pupil.press(vk::Return);
            EXPECT_EQ(s.form.focus(), from);
            EXPECT_EQ(s.form.revision(), revision + (n > 1 ? 1 : 0));
            EXPECT_EQ(s.form.notices(), n > 1 ? 1u : 0u);
            if (n > 1) {
                EXPECT_EQ(test::utf8(s.form.notice()),
                          "Zuerst muss Zeile 1 stimmen: diese Zeile kommt danach.");
            }
        }
    }
    // With a digit the check of kontrolle3's row judges row 2 and no other.
    Sheet s(ctl::workRow(2, 4));
    test::judgedRightAbove(s.form, 2);
    s.form.setText(ctl::resultat(1), U"3");
    s.pupil.type(U'9');
    s.form.setFocus(ctl::workRow(2, 4));
    s.pupil.press(vk::Return);
    for (int i = 0; i < kWorkRows; ++i) {
        EXPECT_EQ(s.form.visible(ctl::fehler(i)), i == 2) << "fehler(" << i << ")";
    }
}

// A right product row locks, and Enter sends the focus on to where the
// remainder's first digit belongs; the locked cells take no character.
TEST(CellInputKeys, ARightProductSendsTheFocusToTheRemainder) {
    Sheet s(ctl::resultat(0));
    s.pupil.type(U'7');
    s.pupil.press(vk::Return);
    s.pupil.type(U'9');
    s.pupil.type(U'1');
    ASSERT_EQ(s.form.focus(), ctl::workRow(0, 3));
    s.pupil.press(vk::Return);
    ASSERT_EQ(s.form.caption(ctl::info(0)), texts::Korrekt);
    EXPECT_EQ(s.form.focus(), ctl::workRow(1, 4)); // 94 - 91 = 3, under the 1
    s.pupil.type(U'3');
    EXPECT_EQ(rowText(s.form, 2), ".3....");
    EXPECT_EQ(rowText(s.form, 1), "91....");
    // A wrong product keeps the focus in its row for the correction.
    Sheet wrong(ctl::resultat(0));
    wrong.pupil.type(U'7');
    wrong.pupil.press(vk::Return);
    wrong.pupil.type(U'9');
    wrong.pupil.type(U'2');
    wrong.pupil.press(vk::Return);
    EXPECT_EQ(wrong.form.caption(ctl::info(0)), texts::Fehler);
    EXPECT_EQ(wrong.form.focus(), ctl::workRow(0, 3));
}

TEST(CellInputKeys, EnterInAQuotientCellJumpsToWhereItsProductStarts) {
    // Without a digit: one column further right per step.
    const ControlId blank[] = {ctl::workRow(0, 5), ctl::workRow(2, 4), ctl::workRow(4, 3),
                               ctl::workRow(6, 2), ctl::workRow(8, 1)};
    for (int j = 0; j < kResultatCells; ++j) {
        SCOPED_TRACE(name(ctl::resultat(j)));
        Sheet s(ctl::resultat(j));
        s.pupil.press(vk::Return);
        EXPECT_EQ(s.form.focus(), blank[j]);
    }
    // With a digit: the product typed from there ends under the units of the
    // number it is taken from (worked by hand).
    struct Case {
        const char32_t* dividend;
        const char32_t* divisor;
        const char32_t* digits; // the quotient digits written so far
        ControlId target;       // after Enter in the last of them
    };
    const Case cases[] = {
        {U"9434", U"13", U"7", ctl::workRow(0, 5)},     // 91 under 94
        {U"9434", U"13", U"8", ctl::workRow(0, 5)},     // 104 is too long: the first column
        {U"8254", U"14", U"58", ctl::workRow(2, 5)},    // 112 under 125
        {U"8254", U"14", U"589", ctl::workRow(4, 4)},   // 126 under 134
        {U"8254", U"14", U"582", ctl::workRow(4, 3)},   // 28 under 34
        {U"47", U"96", U"0", ctl::workRow(0, 4)},       // 0 under the 7
        {U"1313", U"13", U"10", ctl::workRow(2, 4)},    // 00 under 01
        {U"455585", U"723", U"63", ctl::workRow(2, 4)}, // 2169 under 2178
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(test::utf8(tc.dividend) + " : " + test::utf8(tc.divisor) + " = " +
                     test::utf8(tc.digits));
        Worksheet ws;
        enterTask(ws.form, tc.dividend, tc.divisor);
        const std::u32string_view digits = tc.digits;
        for (std::size_t k = 0; k < digits.size(); ++k) {
            ws.form.setText(ctl::resultat(static_cast<int>(k)), digits.substr(k, 1));
        }
        const int last = static_cast<int>(digits.size()) - 1;
        ws.form.setFocus(ctl::resultat(last));
        goToProductOnEnter(ws.form, last, vk::Return);
        EXPECT_EQ(name(ws.form.focus()), name(tc.target));
    }
}

TEST(CellInputKeys, OtherKeysInAQuotientCellDoNothing) {
    for (int code : {int{vk::Left}, int{vk::Up}, int{vk::Right}, int{vk::Down}, 16, 8, 46, 0}) {
        SCOPED_TRACE(code);
        Sheet s(ctl::resultat(2));
        s.pupil.press(code);
        EXPECT_EQ(s.form.focus(), ctl::resultat(2));
    }
    // Typing does not advance; a quotient cell holds one digit: a digit typed
    // beside it (either side) replaces it, a paste leaves its first character.
    struct Case {
        Caret caret;
        std::u32string_view typed;
        std::u32string_view after;
    };
    for (const Case& c : {Case{Caret::End, U"12", U"2"}, Case{Caret::Start, U"12", U"2"},
                          Case{Caret::End, U"55", U"5"}, Case{Caret::End, U"725", U"5"}}) {
        Sheet s(ctl::resultat(2));
        for (char32_t ch : c.typed) {
            s.pupil.type(ch, c.caret);
        }
        EXPECT_EQ(s.form.focus(), ctl::resultat(2));
        EXPECT_EQ(s.form.text(ctl::resultat(2)), c.after);
    }
    Sheet s(ctl::resultat(2));
    s.form.setText(ctl::resultat(2), U"3");
    s.form.setText(ctl::resultat(2), U"3725");
    EXPECT_EQ(s.form.text(ctl::resultat(2)), U"7");
    s.form.setText(ctl::resultat(2), U"");
    s.form.setText(ctl::resultat(2), U"725");
    EXPECT_EQ(s.form.text(ctl::resultat(2)), U"7");
}

// ---------------------------------------------------- moves onto locked cells

TEST(CellInputKeys, MoveAimedAtALockedCellLeavesTheFocus) {
    struct Case {
        ControlId from;
        int code;
        ControlId locked;
    };
    const Case cases[] = {
        {ctl::workRow(0, 3), vk::Up, ctl::dividend(3)},
        {ctl::workRow(3, 2), vk::Up, ctl::workRow(2, 2)},
        {ctl::workRow(1, 2), vk::Down, ctl::workRow(2, 2)},
        {ctl::workRow(2, 3), vk::Right, ctl::workRow(2, 2)},
        {ctl::workRow(2, 1), vk::Left, ctl::workRow(2, 2)},
        {ctl::workRow(2, 3), '7', ctl::workRow(2, 2)},
        {ctl::workRow(9, 3), vk::Down, ctl::workRow(9, 2)},
        {ctl::resultat(1), vk::Return, ctl::workRow(2, 4)},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(name(tc.from) + " towards " + name(tc.locked));
        Sheet s(tc.from);
        s.form.setEnabled(tc.locked, false);
        s.pupil.press(tc.code);
        EXPECT_EQ(s.form.focus(), tc.from);
    }
}

TEST(CellInputKeys, HandlersIgnoreCellsOutsideTheGrid) {
    Sheet s(ctl::workRow(4, 5));
    const auto revision = s.form.revision();
    for (int code : {int{vk::Return}, int{vk::Up}, int{vk::Down}, int{vk::Left}, int{'5'}}) {
        checkOrMoveInWorkRow(s.form, -1, 2, code);
        checkOrMoveInWorkRow(s.form, 10, 2, code);
        checkOrMoveInWorkRow(s.form, 4, -1, code);
        checkOrMoveInWorkRow(s.form, 4, 6, code);
        goToProductOnEnter(s.form, -1, code);
        goToProductOnEnter(s.form, 5, code);
    }
    EXPECT_EQ(s.form.revision(), revision);
    EXPECT_EQ(s.form.focus(), ctl::workRow(4, 5));
}

// ------------------------------------------------------------ digits and Enter

// Works `dividend : divisor` with digits and Enter alone, typed wherever the
// focus stands: each quotient digit, each product (a later zero product as
// its zeros, or left to the zero fill), each remainder. The steps come from
// integer division written here. Returns what went wrong, empty if nothing.
std::string workByKeys(long dividend, long divisor, bool typeZeros) {
    Worksheet ws;
    test::Pupil pupil{ws};
    const std::string digits = std::to_string(dividend);
    const std::string task = digits + " : " + std::to_string(divisor);
    pupil.enterTask(test::digitsOf(dividend), test::digitsOf(divisor));
    auto typeNumber = [&](const std::string& number) {
        for (char ch : number) {
            pupil.type(static_cast<char32_t>(ch));
        }
        pupil.press(vk::Return);
    };
    std::size_t used = 0;
    long partial = 0;
    while (partial < divisor && used < digits.size()) {
        partial = partial * 10 + (digits[used++] - '0');
    }
    long quotient = 0;
    for (int k = 0;; ++k) {
        if (ws.form.focus() != ctl::resultat(k)) {
            return task + ": step " + std::to_string(k) + " starts in " + name(ws.form.focus());
        }
        const long q = partial / divisor;
        quotient = quotient * 10 + q;
        typeNumber(std::to_string(q));
        if (q == 0 && k > 0) {
            // The number above is the remainder with the digit brought down.
            const std::size_t width = std::to_string(partial / 10).size() + 1;
            typeNumber(typeZeros ? std::string(width, '0') : "");
        } else {
            typeNumber(std::to_string(q * divisor));
        }
        typeNumber(std::to_string(partial % divisor));
        for (int row = 0; row <= 2 * k + 1; ++row) {
            if (ws.form.caption(ctl::info(row)) != texts::Korrekt ||
                ws.form.visible(ctl::fehler(row))) {
                return task + ": row " + std::to_string(row) + " not korrekt";
            }
        }
        if (used == digits.size()) {
            break;
        }
        partial = partial % divisor * 10 + (digits[used++] - '0');
    }
    if (!ws.form.visible(ctl::Label4) || quotient != dividend / divisor) {
        return task + ": not finished";
    }
    return {};
}

// Every task up to 9999 : 99 and random tasks of six by three digits: the
// focus always stands where the next digit belongs.
TEST(CellInputFlow, DigitsAndEnterAloneFinishEveryTaskWithoutAnError) {
    int failures = 0;
    auto expectWorked = [&failures](long dividend, long divisor, bool typeZeros) {
        const std::string e = workByKeys(dividend, divisor, typeZeros);
        if (!e.empty()) {
            ADD_FAILURE() << e;
            ++failures;
        }
        return failures < 10;
    };
    for (long divisor = 1; divisor <= 99; ++divisor) {
        for (long dividend = 1; dividend <= 9999; ++dividend) {
            if (!expectWorked(dividend, divisor, dividend % 2 == 0)) {
                return;
            }
        }
    }
    std::mt19937_64 rng(4711);
    for (int i = 0; i < 20000; ++i) {
        const long divisor = std::uniform_int_distribution<long>(1, 999)(rng);
        const long dividend = std::uniform_int_distribution<long>(1, 999999)(rng);
        if (dividend / divisor <= 99999 && !expectWorked(dividend, divisor, i % 2 == 0)) {
            return;
        }
    }
}

} // namespace
} // namespace zifferon
