// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "WorkedSheets.h"

#include "SheetText.h"

#include "input/KeyCodes.h"

namespace zifferon::bench {

using test::Pupil;
using test::rowText;

namespace {

void require(bool condition, const std::string& what) {
    if (!condition) {
        throw SheetError("987654 : 12: " + what);
    }
}

void requireRow(const Form1& form, int n, const std::string& expected) {
    const std::string actual = rowText(form, n);
    require(actual == expected,
            "kontrolle" + std::to_string(n) + " is " + actual + ", expected " + expected);
}

void requireCaption(const Form1& form, ControlId label, TextView expected,
                    const std::string& what) {
    require(form.caption(label) == expected, what);
}

} // namespace

void makeFresh(Worksheet& sheet) {
    Pupil pupil(sheet);
    pupil.enterTask(kDividend, kDivisor);
    const Form1& form = sheet.form;
    require(form.focus() == ctl::resultat(0), "the focus is not in resultat(0) after Eingabe");
    require(form.timer1Enabled(), "Timer1 is not enabled after Eingabe");
}

// Step 0 (8: 98 - 96 = 2, 7 comes down) and step 1 (2: 27 - 24 = 3 after a
// wrong 4, 6 comes down).
void makeTwoStepsDone(Worksheet& sheet) {
    makeFresh(sheet);
    Pupil pupil(sheet);
    const Form1& form = sheet.form;

    pupil.type(U"8");
    pupil.press(vk::Return); // to kontrolle1(5)
    pupil.type(U"96");
    require(form.caption(ctl::info(0)) == texts::Pending && form.visible(ctl::info(0)),
            "info(0) does not ask \"korrekt?\" for 96");
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(0), texts::Korrekt, "96 is not judged korrekt");
    pupil.click(ctl::workRow(1, 4));
    pupil.type(U"2");
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(1), texts::Korrekt, "remainder 2 is not judged korrekt");
    requireRow(form, 2, ".27...");
    require(form.focus() == ctl::resultat(1), "the focus did not move to resultat(1)");

    pupil.type(U"2");
    pupil.press(vk::Return); // to kontrolle3(4)
    pupil.type(U"24");
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(2), texts::Korrekt, "24 is not judged korrekt");
    pupil.click(ctl::workRow(3, 3));
    pupil.type(U"4");
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(3), texts::Fehler, "remainder 4 is not judged Fehler");
    requireCaption(form, ctl::fehler(3), U"1", "the error count of row 3 is not 1");
    pupil.click(ctl::workRow(3, 3));
    pupil.type(U"3"); // replaces the 4
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(3), texts::Korrekt, "remainder 3 is not judged korrekt");
    requireRow(form, 4, "..36..");
    require(form.focus() == ctl::resultat(2), "the focus did not move to resultat(2)");
}

void makeHalfWorked(Worksheet& sheet) {
    makeTwoStepsDone(sheet);
    Pupil pupil(sheet);
    pupil.type(U"3");
    pupil.press(vk::Return); // to kontrolle5(3)
    pupil.type(U"3");
    const Form1& form = sheet.form;
    requireRow(form, 5, "..3...");
    require(form.visible(ctl::info(4)) && form.caption(ctl::info(4)) == texts::Pending,
            "info(4) does not ask \"korrekt?\"");
    require(!form.visible(ctl::Label4), "Label4 shown half-way");
}

void makeFinished(Worksheet& sheet) {
    makeHalfWorked(sheet);
    Pupil pupil(sheet);
    const Form1& form = sheet.form;

    pupil.type(U"6");
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(4), texts::Korrekt, "36 is not judged korrekt");
    pupil.click(ctl::workRow(5, 2));
    pupil.type(U"0");
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(5), texts::Korrekt, "remainder 0 is not judged korrekt");
    requireRow(form, 6, "...05.");

    // Quotient digit 0: Enter in the empty product row has the check write
    // the zeros and judge them; the pupil clicks the label once more.
    pupil.type(U"0");
    pupil.press(vk::Return); // to kontrolle7(2)
    pupil.press(vk::Return);
    requireRow(form, 7, "...00.");
    requireCaption(form, ctl::info(6), texts::Korrekt, "the zero row is not judged korrekt");
    pupil.click(ctl::info(6));
    requireCaption(form, ctl::info(6), texts::Korrekt, "the zero row is not judged korrekt");
    pupil.click(ctl::workRow(7, 1));
    pupil.type(U"5");
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(7), texts::Korrekt, "remainder 5 is not judged korrekt");
    requireRow(form, 8, "....54");

    pupil.type(U"4");
    pupil.press(vk::Return); // to kontrolle9(1)
    pupil.type(U"48");
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(8), texts::Korrekt, "48 is not judged korrekt");
    pupil.click(ctl::workRow(9, 0));
    pupil.type(U"6");
    pupil.press(vk::Return);
    requireCaption(form, ctl::info(9), texts::Korrekt, "remainder 6 is not judged korrekt");

    for (int j = 0; j < kResultatCells; ++j) {
        require(form.text(ctl::resultat(j)) == Text(1, U"82304"[j]), "quotient is not 82304");
    }
    require(form.visible(ctl::Label4), "\"Berechnung beendet\" is not shown");
}

} // namespace zifferon::bench
