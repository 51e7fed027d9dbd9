// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Unusual input through the real way in: the task boxes and "Eingabe", keys
// in the cells, Enter, and a tracker pass after every event as the window
// runs one. The solver's and the counter's own rules on such texts are in the
// check tests; here the whole path must give the same outcome and never more
// than one character in a work cell.

#include "Pupil.h"
#include "SheetText.h"

#include "taskfile/TaskRecords.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace zifferon {
namespace {

using test::dividendText;
using test::divisorText;
using test::rowText;
using test::utf8;

// A pupil at the window: each key, click and command goes through the
// window's entry points, and so is followed by a pass.
struct Session {
    Worksheet sheet;
    Form1& form = sheet.form;
    test::Pupil pupil{sheet};

    // A box emptied, then filled either key by key or in one paste.
    void fillBox(ControlId box, std::u32string_view text, bool pasted) {
        pupil.click(box);
        pupil.paste(box, U"");
        if (pasted) {
            pupil.paste(box, text);
        } else {
            pupil.type(text);
        }
    }
};

// The state of a row's label as the pupil sees it.
std::string labelOf(const Form1& form, int row) {
    const ControlId info = ctl::info(row);
    return form.visible(info) ? utf8(form.caption(info)) : "hidden";
}

// The error counter: its caption, or "hidden".
std::string counterOf(const Form1& form, int row) {
    const ControlId fehler = ctl::fehler(row);
    return form.visible(fehler) ? utf8(form.caption(fehler)) : "hidden";
}

bool rowLocked(const Form1& form, int n) {
    for (int c = 0; c < kRowCells; ++c) {
        if (form.enabled(ctl::workRow(n - 1, c))) {
            return false;
        }
    }
    return true;
}

void expectOneCharacterPerWorkCell(const Form1& form) {
    for (int n = 1; n <= kWorkRows; ++n) {
        for (int c = 0; c < kRowCells; ++c) {
            EXPECT_LE(form.text(ctl::workRow(n - 1, c)).size(), 1u)
                << "kontrolle" << n << "(" << c << ")";
        }
    }
}

TEST(BadInput, TaskBoxesThroughEingabeAndTheFirstRowCheck) {
    struct Case {
        const char* what;
        std::u32string text1, text2;
        bool pasted;
        std::u32string refusal; // what Label5 says; empty: the task is taken
        std::u32string quotient = {};
        std::u32string product = {}; // typed from kontrolle1(5) on
        std::string dividend = {};   // the top line after "Eingabe", leftmost first
        std::string divisor = {};
        std::string label = {}; // info(0) after Enter in the row and a pass
        std::string counter = {};
        bool locked = false;
    };
    const std::u32string noDividend = U"Bitte zuerst den Dividenden eingeben.";
    const std::u32string dividendDigits = U"Der Dividend darf nur Ziffern haben, höchstens 6.";
    const std::u32string divisorDigits = U"Der Divisor darf nur Ziffern haben, höchstens 3.";
    const std::vector<Case> cases{
        {"the task typed", U"9434", U"13", false, U"", U"7", U"91", "9434..", ".13", "korrekt",
         "hidden", true},
        {"empty boxes", U"", U"", false, noDividend},
        {"spaces only", U"   ", U"  ", true, noDividend},
        {"no divisor", U"9434", U" ", false, U"Bitte auch den Divisor eingeben."},
        {"letters", U"abcdef", U"xyz", false, dividendDigits},
        {"signs", U"-943", U"+13", false, dividendDigits},
        {"negative divisor", U"9434", U"-13", true, divisorDigits},
        {"exponent divisor", U"9434", U"1e2", true, divisorDigits},
        {"divisor 0", U"9434", U"0", false, U"Durch 0 kann man nicht teilen."},
        {"divisor 000", U"9434", U"000", false, U"Durch 0 kann man nicht teilen."},
        {"dividend 0", U"000", U"7", false,
         U"0 geteilt durch eine Zahl ist immer 0: da gibt es nichts zu rechnen."},
        {"six quotient digits", U"600006", U"6", false,
         U"Das Ergebnis hätte mehr als 5 Stellen: dafür reicht der Platz nicht."},
        {"umlaut in the dividend", U"9ä34", U"13", false, dividendDigits},
        {"emoji in the dividend", U"\U0001F6009434", U"13", false, dividendDigits},
        // Leading zeros and surrounding spaces go, as a teacher writes the task.
        {"leading zeros", U"0013", U"013", false, U"", U"1", U"13", "13....", ".13", "korrekt",
         "hidden", true},
        {"seven and four digits typed", U"9999999", U"9999", false, U"", U"1", U"999", "999999",
         "999", "korrekt", "hidden", true},
        // Cut to the boxes' room: "13 Äpfel" leaves "13 ".
        {"long texts pasted", U"94340000000000", U"13 Äpfel", true, U"", U"7", U"91", "943400",
         ".13", "korrekt", "hidden", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        s.fillBox(ctl::Text1, c.text1, c.pasted);
        s.fillBox(ctl::Text2, c.text2, c.pasted);
        const ControlId focus = s.form.focus();
        s.pupil.click(ctl::Command1);
        EXPECT_EQ(s.form.visible(ctl::Label5), !c.refusal.empty());
        if (!c.refusal.empty()) {
            // Refused: the sheet stays as it was (here: fresh), the reason beside the boxes.
            EXPECT_EQ(test::utf8(s.form.caption(ctl::Label5)), test::utf8(c.refusal));
            EXPECT_EQ(dividendText(s.form), "......");
            EXPECT_FALSE(s.form.timer1Enabled());
            EXPECT_EQ(s.form.focus(), focus);
            continue;
        }
        EXPECT_EQ(dividendText(s.form), c.dividend);
        EXPECT_EQ(divisorText(s.form), c.divisor);
        ASSERT_EQ(s.form.focus(), ctl::resultat(0));

        s.pupil.type(c.quotient);
        s.pupil.press(vk::Return);
        ASSERT_EQ(s.form.focus(), ctl::workRow(0, 5));
        s.pupil.type(c.product);
        s.pupil.press(vk::Return);

        EXPECT_EQ(labelOf(s.form, 0), c.label);
        EXPECT_EQ(counterOf(s.form, 0), c.counter);
        EXPECT_EQ(rowLocked(s.form, 1), c.locked);
        EXPECT_EQ(s.form.enabled(ctl::resultat(0)), !c.locked);
        expectOneCharacterPerWorkCell(s.form);
    }
}

TEST(BadInput, QuotientTextsTypedThenTheProductRowChecked) {
    struct Case {
        const char* what;
        std::u32string typed;    // typed into resultat(0), which keeps one character
        std::u32string quotient; // what it holds then: the last character typed
        std::string row;         // kontrolle1 when Enter is pressed in it
        std::string label;
        std::string counter;
        bool locked;
    };
    const std::string forty = "7" + std::string(39, '0');
    const std::vector<Case> cases{
        // The guard empties the product row after every key; a check that
        // writes no verdict counts nothing.
        {"nothing", U"", U"", "......", "hidden", "hidden", false},
        // A space is written for the guard but blank for the check: no verdict.
        {"a space", U" ", U" ", "91....", "korrekt?", "hidden", false},
        {"digit and space", U"7 ", U" ", "91....", "korrekt?", "hidden", false},
        {"space and digit", U" 7", U"7", "91....", "korrekt", "hidden", true},
        {"leading zero", U"07", U"7", "91....", "korrekt", "hidden", true},
        // Not a number: the check ends at once; the label stays as the pass set it.
        {"letter", U"x", U"x", "91....", "korrekt?", "hidden", false},
        {"minus one", U"-1", U"1", "91....", "Fehler", "1", false},
        {"exponent", U"1e5", U"5", "91....", "Fehler", "1", false},
        {"decimal point", U"3.5", U"5", "91....", "Fehler", "1", false},
        {"full-width digit", U"\uFF17", U"\uFF17", "91....", "korrekt?", "hidden", false},
        // A first digit 0 is wrong while the divisor fits into the dividend.
        {"forty digits", Text(forty.begin(), forty.end()), U"0", "91....", "Fehler", "1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        s.pupil.click(ctl::Command1);
        s.pupil.type(c.typed);
        EXPECT_EQ(s.form.text(ctl::resultat(0)), c.quotient);
        EXPECT_EQ(s.form.focus(), ctl::resultat(0));
        s.pupil.press(vk::Return);
        // The product of a digit 0 has one digit: it starts under the 4 of 94.
        ASSERT_EQ(s.form.focus(), ctl::workRow(0, c.quotient == U"0" ? 4 : 5));
        s.pupil.click(ctl::workRow(0, 5));
        s.pupil.type(U"91");
        EXPECT_EQ(rowText(s.form, 1), c.row);
        s.pupil.press(vk::Return);

        EXPECT_EQ(labelOf(s.form, 0), c.label);
        EXPECT_EQ(counterOf(s.form, 0), c.counter);
        EXPECT_EQ(rowLocked(s.form, 1), c.locked);
        EXPECT_EQ(s.form.enabled(ctl::resultat(0)), !c.locked);
        // A remainder row opens only under a right product.
        s.pupil.click(ctl::workRow(1, 4));
        s.pupil.type(U"3");
        EXPECT_EQ(rowText(s.form, 2), c.locked ? ".3...." : "......");
        expectOneCharacterPerWorkCell(s.form);
    }
}

TEST(BadInput, CharactersTypedIntoTheProductRow) {
    struct Case {
        const char* what;
        std::u32string typed; // from kontrolle1(5) on
        std::string row;
        std::string label;
    };
    const std::vector<Case> cases{
        // Letters and umlauts count 0 but are not blank: they fix the units column.
        {"umlaut as units", U"9ä", "9ä....", "Fehler"},
        {"letter in front", U"x91", "x91...", "Fehler"},
        {"space between", U"9 1", "9_1...", "Fehler"},
        {"space in front", U" 91", "_91...", "Fehler"},
        {"emoji then the product", U"\U0001F60091", "\U0001F60091...", "Fehler"},
        {"the product itself", U"91", "91....", "korrekt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Session s;
        s.pupil.click(ctl::Command1);
        s.pupil.type(U"7");
        s.pupil.press(vk::Return);
        s.pupil.type(c.typed);
        EXPECT_EQ(rowText(s.form, 1), c.row);
        s.pupil.press(vk::Return);
        EXPECT_EQ(labelOf(s.form, 0), c.label);
        expectOneCharacterPerWorkCell(s.form);
    }
}

// An error mark comes from a file as any one byte; the next wrong check
// counts on from its leading number.
TEST(BadInput, ErrorMarksFromATaskFileCountOn) {
    struct Case {
        const char* what;
        std::uint8_t shown; // position 3 of the row's record
        std::uint8_t mark;  // position 4
        std::string loaded; // fehler(1) after the load
        std::string after;  // after one more wrong remainder
    };
    const std::vector<Case> cases{
        {"digit", '1', '9', "9", "10"},
        {"minus sign", '1', '-', "-", "1"},
        {"letter", '1', 'x', "x", "1"},
        {"space", '1', ' ', " ", "1"},
        {"umlaut", '1', 0xE4, "ä", "1"},
        {"control byte", '1', 0x00, std::string(1, '\0'), "1"},
        {"hidden mark", '0', '7', "hidden", "1"},
    };
    // 9434 : 13 with the first product right and a wrong remainder judged once.
    Session worked;
    worked.pupil.click(ctl::Command1);
    worked.pupil.type(U"7");
    worked.pupil.press(vk::Return);
    worked.pupil.type(U"91");
    worked.pupil.press(vk::Return);
    worked.pupil.click(ctl::workRow(1, 4));
    worked.pupil.type(U"4");
    worked.pupil.press(vk::Return);
    ASSERT_EQ(labelOf(worked.form, 1), "Fehler");
    ASSERT_EQ(counterOf(worked.form, 1), "1");
    const TaskFileBytes saved = writeTaskRecords(worked.form);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::MemoryTaskFiles io;
        std::vector<std::uint8_t> file(saved.begin(), saved.end());
        file[recordOffset(2) + 2] = c.shown;
        file[recordOffset(2) + 3] = c.mark;
        io.files["/prog/fehler.AUF"] = file;

        Session s;
        s.pupil.load(io, "/prog/fehler.AUF");
        EXPECT_EQ(counterOf(s.form, 1), c.loaded);
        ASSERT_EQ(labelOf(s.form, 1), "Fehler");
        s.pupil.click(ctl::workRow(1, 4));
        ASSERT_EQ(s.form.focus(), ctl::workRow(1, 4));
        s.pupil.type(U"5");
        s.pupil.press(vk::Return);
        EXPECT_EQ(labelOf(s.form, 1), "Fehler");
        EXPECT_EQ(counterOf(s.form, 1), c.after);
        expectOneCharacterPerWorkCell(s.form);
    }
}

} // namespace
} // namespace zifferon
