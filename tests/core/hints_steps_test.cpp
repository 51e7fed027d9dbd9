// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetText.h"

#include "check/CheckLines.h"
#include "check/RowCheck.h"
#include "hints/HintCoach.h"
#include "hints/HintPlacement.h"
#include "hints/ReadAloud.h"
#include "hints/SpokenHint.h"
#include "taskfile/TaskRecords.h"
#include "tracker/ProgressTracker.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace zifferon {
namespace {

using Event = std::function<void(Form1&)>;

Event digit(int k, const char32_t* d) {
    return [=](Form1& f) { f.setText(ctl::resultat(k), d); };
}

// Writes row n and presses Enter in it (twice for a row the zero fill writes:
// the tracker shows its label as pending first).
Event row(int n, const char* cells, int enters = 1) {
    return [=](Form1& f) {
        test::writeRow(f, n, cells);
        for (int i = 0; i < enters; ++i) {
            trackProgress(f);
            CheckRow(f, n - 1);
        }
    };
}

Event focus(ControlId box) {
    return [=](Form1& f) {
        trackProgress(f); // the pass shows the boxes
        f.setFocus(box);
    };
}

// Writes the Probe's boxes of `line` and checks it.
Event probe(CheckLine line, std::vector<const char32_t*> numbers) {
    return [=](Form1& f) {
        int box = line == CheckLine::ProbeMal ? 0 : 1;
        for (const char32_t* n : numbers) {
            f.setText(ctl::probe(box++), n);
        }
        checkLine(f, line);
    };
}

std::vector<ControlId> cells(int n, int from, int to) {
    std::vector<ControlId> out;
    for (int c = from; c >= to; --c) {
        out.push_back(ctl::workRow(n - 1, c));
    }
    return out;
}

struct Stop {
    Event event; // what the pupil did to get here
    StepKind kind;
    int step;
    std::vector<ControlId> outline;
    const char* question;
    const char* explanation = ""; // stage 3 of the Überschlag and the Probe
};

// Walks a task; at each stop four presses give stages 1, 2, 3 and 3 again,
// and neither pressing nor reading the hint changes the sheet or its file.
void walk(std::u32string_view dividend, const std::vector<Stop>& stops) {
    std::vector<std::string> multiples;
    for (int i = 1; i <= 9; ++i) {
        multiples.push_back("13 · " + std::to_string(i) + " = " + std::to_string(13 * i));
    }
    Form1 form;
    HintCoach coach;
    EXPECT_EQ(coach.press(form).stage, 0); // no task yet
    test::enterTask(form, dividend, U"13");
    coach.restart();
    int used = 0;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        const Stop& s = stops[i];
        SCOPED_TRACE(i);
        if (s.event) {
            s.event(form);
            trackProgress(form);
        }
        const HintStep step = currentStep(form);
        ASSERT_EQ(step.kind, s.kind);
        EXPECT_EQ(step.step, s.step);
        const std::uint64_t revision = form.revision();
        const TaskFileBytes file = writeTaskRecords(form);
        const Hint left = coach.shown(form);
        EXPECT_EQ(left.stage, 0); // the last step's hint is gone
        // Once finished, a shown hint says so and nothing of a next step.
        EXPECT_EQ(left.instruction.empty(), s.kind != StepKind::Finished || i == 0);
        for (int press = 1; press <= kHintStages + 1; ++press) {
            const Hint h = coach.press(form);
            const int stage = s.kind == StepKind::Finished ? 0 : std::min(press, kHintStages);
            ASSERT_EQ(h.stage, stage);
            EXPECT_EQ(coach.shown(form).stage, stage);
            if (stage > 0) {
                EXPECT_EQ(h.outline, s.outline);
                EXPECT_EQ(test::utf8(h.question), stage >= 2 ? s.question : "");
                std::vector<std::string> shown;
                for (const Text& line : h.multiples) {
                    shown.push_back(test::utf8(line));
                }
                EXPECT_EQ(shown,
                          stage == 3 && isRowStep(s.kind) ? multiples : std::vector<std::string>{});
                EXPECT_EQ(test::utf8(h.explanation), stage == 3 ? s.explanation : "");
            }
        }
        used += s.kind == StepKind::Finished ? 0 : kHintStages;
        EXPECT_EQ(coach.hintsUsed(), used);
        EXPECT_EQ(form.revision(), revision);
        EXPECT_EQ(writeTaskRecords(form), file);
    }
    coach.restart();
    EXPECT_EQ(coach.hintsUsed(), 0);
}

const char* const kFirstFits = "In welche Zahl am Anfang des Dividenden passt 13 zuerst?";

TEST(HintStages, EveryStepOf9434By13) {
    const auto Q = StepKind::Quotient, P = StepKind::Product, R = StepKind::Remainder;
    const auto U = StepKind::Ueberschlag, Probe = StepKind::Probe;
    const char* const back =
        "Rechne 725 · 13 und zähle dann den Rest 9 dazu: Das Ergebnis muss 9434 sein.";
    // clang-format off
    walk(U"9434",
         {
             {nullptr, Q, 0, {ctl::resultat(0)}, "Wie oft passt 13 in 94?"},
             {focus(ctl::stellen), U, 0, {ctl::dividend(5), ctl::dividend(4)}, kFirstFits,
              "13 passt zuerst in 94. Über der 4 steht die erste Ziffer des Ergebnisses: zähle, "
              "wie viele Ziffern des Dividenden von dort bis zum Ende stehen."},
             {digit(0, U"7"), P, 0, cells(1, 5, 4), "Was ist 13 · 7?"},
             {row(1, "91...."), R, 0, cells(2, 5, 4), "Was bleibt, wenn du 91 von 94 abziehst?"},
             {row(2, ".3...."), Q, 1, {ctl::resultat(1)}, "Wie oft passt 13 in 33?"},
             {digit(1, U"2"), P, 1, cells(3, 4, 3), "Was ist 13 · 2?"},
             {row(3, ".26..."), R, 1, cells(4, 4, 3), "Was bleibt, wenn du 26 von 33 abziehst?"},
             {row(4, "..7..."), Q, 2, {ctl::resultat(2)}, "Wie oft passt 13 in 74?"},
             {digit(2, U"5"), P, 2, cells(5, 3, 2), "Was ist 13 · 5?"},
             {row(5, "..65.."), R, 2, cells(6, 3, 2), "Was bleibt, wenn du 65 von 74 abziehst?"},
             {row(6, "...9.."), Probe, 0, {ctl::probe(0)}, "Was ist 725 · 13?", back},
             {probe(CheckLine::ProbeMal, {U"9425"}), Probe, 1, {ctl::probe(1), ctl::probe(2)},
              "Was ist 9425 + 9?", back},
             {probe(CheckLine::ProbePlus, {U"9425", U"9434"}), StepKind::Finished, 0, {}, ""},
         });
    // clang-format on
}

TEST(HintStages, EveryStepOf1313By13WithTheZeroDigit) {
    const auto Q = StepKind::Quotient, P = StepKind::Product, R = StepKind::Remainder;
    // A sheet that asks for the Überschlag starts with it; a quotient 0 has one digit.
    const Event asked = [](Form1& f) { f.setDemands({.ueberschlag = true, .probe = false}); };
    // clang-format off
    walk(U"12", {{asked, StepKind::Ueberschlag, 0, {ctl::dividend(5), ctl::dividend(4)}, kFirstFits,
                  "13 passt nicht in 12: das Ergebnis ist 0, und das ist eine Stelle."}});
    walk(U"1313",
         {
             {nullptr, Q, 0, {ctl::resultat(0)}, "Wie oft passt 13 in 13?"},
             {digit(0, U"1"), P, 0, cells(1, 5, 4), "Was ist 13 · 1?"},
             {row(1, "13...."), R, 0, cells(2, 5, 4), "Was bleibt, wenn du 13 von 13 abziehst?"},
             {row(2, ".0...."), Q, 1, {ctl::resultat(1)}, "Wie oft passt 13 in 1?"},
             {digit(1, U"0"), P, 1, cells(3, 4, 3), "Was ist 13 · 0?"},
             {row(3, "......", 2), R, 1, cells(4, 4, 3), "Was bleibt, wenn du 0 von 1 abziehst?"},
             {row(4, "..1..."), Q, 2, {ctl::resultat(2)}, "Wie oft passt 13 in 13?"},
             {digit(2, U"1"), P, 2, cells(5, 3, 2), "Was ist 13 · 1?"},
             {row(5, "..13.."), R, 2, cells(6, 3, 2), "Was bleibt, wenn du 13 von 13 abziehst?"},
             {row(6, "...0.."), StepKind::Probe, 0, {ctl::probe(0)}, "Was ist 101 · 13?",
              "Rechne 101 · 13 und zähle dann den Rest 0 dazu: Das Ergebnis muss 1313 sein."},
         });
    // clang-format on
}

// Random tasks solved by filling the outlined cells with each answer (with
// leading zeros: the tracker brings the next digit down into the first blank
// product cell of its candidate range, so a short remainder above a zero
// product needs them). Every row must be "korrekt" and the quotient true.
TEST(HintStages, FollowingTheOutlinesSolvesRandomTasks) {
    std::mt19937 rng(7);
    for (int tasks = 0; tasks < 300;) {
        const long long divisor = std::uniform_int_distribution<long long>(1, 999)(rng);
        const long long dividend = std::uniform_int_distribution<long long>(1, 999999)(rng);
        const std::string ds = std::to_string(dividend);
        std::size_t m = 1; // digits of the first partial dividend
        while (m < ds.size() && std::stoll(ds.substr(0, m)) < divisor) {
            ++m;
        }
        if (dividend < divisor || ds.size() - m + 1 > kResultatCells) {
            continue; // the sheet has five quotient cells
        }
        ++tasks;
        SCOPED_TRACE(ds + " : " + std::to_string(divisor));
        Form1 form;
        test::enterTask(form, fromUtf8(ds), fromUtf8(std::to_string(divisor)));
        std::string quotient;
        int stops = 0;
        for (HintStep step = currentStep(form); step.kind != StepKind::Finished;
             step = currentStep(form)) {
            ASSERT_LT(++stops, 3 * kResultatCells + 3) << "the steps do not advance";
            const Hint h = hintFor(step, kHintStages);
            if (step.kind == StepKind::Probe) { // quotient x divisor, then the dividend
                const CheckLine line = step.step == 0 ? CheckLine::ProbeMal : CheckLine::ProbePlus;
                for (std::size_t i = 0; i < h.outline.size(); ++i) {
                    const long long n = i == 1 ? dividend : dividend / divisor * divisor;
                    form.setText(h.outline[i], fromUtf8(std::to_string(n)));
                }
                checkLine(form, line);
                ASSERT_EQ(form.lineVerdict(line), Verdict::Korrekt) << test::utf8(h.question);
                continue;
            }
            const auto upper = static_cast<long long>(step.upper);
            const long long answer = step.kind == StepKind::Quotient ? upper / divisor
                                     : step.kind == StepKind::Product
                                         ? divisor * static_cast<long long>(step.digit)
                                         : upper - static_cast<long long>(step.product);
            const std::string q = test::utf8(h.question);
            std::string digits = std::to_string(answer);
            ASSERT_LE(digits.size(), h.outline.size()) << q;
            if (step.kind == StepKind::Quotient) {
                quotient += digits;
            }
            digits.insert(0, h.outline.size() - digits.size(), '0');
            for (std::size_t i = 0; i < digits.size(); ++i) {
                form.setText(h.outline[i], Text(1, static_cast<char32_t>(digits[i])));
            }
            trackProgress(form);
            if (step.kind != StepKind::Quotient) {
                const int checked = 2 * step.step + (step.kind == StepKind::Remainder ? 1 : 0);
                CheckRow(form, checked);
                ASSERT_EQ(form.caption(ctl::info(checked)), texts::Korrekt) << q;
                trackProgress(form);
            }
        }
        EXPECT_TRUE(form.visible(ctl::Label4));
        EXPECT_EQ(std::stoll(quotient), dividend / divisor);
    }
}

// Read aloud, each press of "Tipp" says what it added, the framed cells by
// name and the signs as words; a press that adds nothing says the whole hint.
TEST(HintSpeech, EachPressSaysWhatItAdded) {
    Form1 form;
    HintCoach coach;
    test::enterTask(form, U"94", U"13");
    std::vector<std::string> said;
    for (int press = 0; press < 4; ++press) {
        const int used = coach.hintsUsed();
        const Hint now = coach.press(form);
        said.push_back(test::utf8(spokenHint(form, now, coach.hintsUsed() > used)));
    }
    EXPECT_EQ(said[0], "Schreibe die nächste Ziffer des Ergebnisses in das markierte Kästchen. "
                       "Markiert: Ergebnis, 1. Ziffer.");
    EXPECT_EQ(said[1], "Wie oft passt 13 in 94?");
    EXPECT_TRUE(said[2].starts_with("Reihe des Divisors: 13 mal 1 ist 13; 13 mal 2 ist 26;"));
    EXPECT_EQ(said[3], said[0] + " " + said[1] + " " + said[2]);
}

// On a 1024 x 768 screen, a hint window of 280 x 200: beside the sheet at
// 100 %; over the zoomed sheet below the row, or above it under the menu.
TEST(HintPlacement, NeverOverTheMenuOrTheRow) {
    struct Case {
        const char* what;
        ScreenRect window, menu, row;
        int left, top;
    };
    const Case cases[] = {
        {"100 %", {0, 0, 540, 480}, {0, 30, 540, 25}, {0, 150, 540, 40}, 548, 0},
        {"150 %, row high", {0, 0, 810, 720}, {0, 30, 810, 25}, {0, 150, 810, 60}, 530, 218},
        {"150 %, row low", {0, 0, 810, 720}, {0, 30, 810, 25}, {0, 600, 810, 60}, 530, 392},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const HintPlaceInput in{{0, 0, 1024, 768}, c.window, c.menu, c.row, 280, 200, 8};
        const ScreenRect at = placeHintWindow(in);
        EXPECT_EQ(at, (ScreenRect{c.left, c.top, 280, 200}));
        EXPECT_TRUE(hintPlaceFree(in, at));
    }
}

// The reading commands over sheets worked to different points: the row the
// focus is in with the number it stands under or the digit brought down
// beside it, and the calculation so far with what comes next.
TEST(ReadAloud, TaskRowAndCalculationOfWorkedSheets) {
    const char* const task = "Aufgabe: 9434 geteilt durch 13.";
    struct Case {
        std::u32string dividend;
        std::vector<Event> work;
        ControlId focus;
        const char* row;
        const char* calculation; // after the task's sentence
    };
    // clang-format off
    const Case cases[] = {
        {U"9434", {}, ctl::resultat(0), "Ergebnis: noch keine Ziffer.",
         "Ergebnis: noch keine Ziffer. Als Nächstes: die 1. Ziffer des Ergebnisses."},
        {U"9434", {digit(0, U"7")}, ctl::workRow(0, 5), "1. Produkt: noch leer.",
         "Ergebnis bisher: 7. Als Nächstes: das 1. Produkt schreiben."},
        {U"9434", {digit(0, U"7"), row(1, "91....", 0)}, ctl::workRow(0, 4),
         "1. Produkt: 91, unter 94, noch nicht geprüft.",
         "1. Produkt: 91, unter 94, noch nicht geprüft. Ergebnis bisher: 7. "
         "Als Nächstes: das 1. Produkt prüfen."},
        // Written one column too far right: it stands under 943.
        {U"9434", {digit(0, U"7"), row(1, ".91...")}, ctl::workRow(0, 3),
         "1. Produkt: 91, unter 943, Fehler.",
         "1. Produkt: 91, unter 943, Fehler. Ergebnis bisher: 7. "
         "Als Nächstes: das 1. Produkt verbessern."},
        {U"9434", {digit(0, U"7"), row(1, "9_1...", 0)}, ctl::workRow(0, 3),
         "1. Produkt: 9, leer, 1, unter 943, noch nicht geprüft.", nullptr},
        {U"9434", {digit(0, U"7"), row(1, "91...."), row(2, ".4....")}, ctl::workRow(1, 4),
         "1. Rest: 4, Fehler.",
         "1. Produkt: 91, unter 94, korrekt. 1. Rest: 4, Fehler. Ergebnis bisher: 7. "
         "Als Nächstes: den 1. Rest verbessern."},
        // Half worked: the digit 3 came down, the second product is not checked.
        {U"9434", {digit(0, U"7"), row(1, "91...."), row(2, ".3...."), digit(1, U"2"),
                   row(3, ".26...", 0)}, ctl::workRow(1, 3),
         "1. Rest: 3, heruntergeholt: 3, korrekt.",
         "1. Produkt: 91, unter 94, korrekt. 1. Rest: 3, heruntergeholt: 3, korrekt. "
         "2. Produkt: 26, unter 33, noch nicht geprüft. Ergebnis bisher: 72. "
         "Als Nächstes: das 2. Produkt prüfen."},
        {U"9434", {digit(0, U"7"), row(1, "91...."), row(2, ".3...."), digit(1, U"2"),
                   row(3, ".26..."), row(4, "..7..."), digit(2, U"5"), row(5, "..65.."),
                   row(6, "...9..")}, ctl::resultat(2), "Ergebnis: 725 Rest 9.",
         "1. Produkt: 91, unter 94, korrekt. 1. Rest: 3, heruntergeholt: 3, korrekt. "
         "2. Produkt: 26, unter 33, korrekt. 2. Rest: 7, heruntergeholt: 4, korrekt. "
         "3. Produkt: 65, unter 74, korrekt. 3. Rest: 9, korrekt. "
         "Ergebnis: 725 Rest 9. Berechnung beendet. Als Nächstes: die Probe."},
        {U"9434", {[](Form1& f) { f.setText(ctl::stellen, U"3"); f.setText(ctl::etwa, U"700"); }},
         ctl::etwa, "Überschlag: 3 Stellen, etwa 700, noch nicht geprüft.",
         "Überschlag: 3 Stellen, etwa 700, noch nicht geprüft. Ergebnis: noch keine Ziffer. "
         "Als Nächstes: die 1. Ziffer des Ergebnisses."},
        {U"9434", {digit(0, U"7"), row(1, "91...."), row(2, ".3...."), digit(1, U"2"),
                   row(3, ".26..."), row(4, "..7..."), digit(2, U"5"), row(5, "..65.."),
                   row(6, "...9.."), probe(CheckLine::ProbeMal, {U"9425"})}, ctl::probe(0),
         "Probe: 725 mal 13 gleich 9425, korrekt.", nullptr},
        // The zero digit: its product is "0" under each digit of 01; a
        // remainder 0 left empty reads as 0.
        {U"1313", {digit(0, U"1"), row(1, "13...."), row(2, ".0...."), digit(1, U"0"),
                   row(3, "......", 2)}, ctl::workRow(2, 3),
         "2. Produkt: 00, unter 01, korrekt.", nullptr},
        {U"1313", {digit(0, U"1"), row(1, "13...."), row(2, "......")}, ctl::workRow(1, 4),
         "1. Rest: 0, heruntergeholt: 1, korrekt.", nullptr},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        Form1 form;
        test::enterTask(form, c.dividend, U"13");
        trackProgress(form);
        for (const Event& e : c.work) {
            e(form);
            trackProgress(form);
        }
        const std::string top = c.dividend == U"9434" ? task : "Aufgabe: 1313 geteilt durch 13.";
        EXPECT_EQ(test::utf8(taskReading(form)), top);
        EXPECT_EQ(test::utf8(rowReading(form, c.focus)), c.row);
        if (c.calculation) {
            EXPECT_EQ(test::utf8(calculationReading(form)), top + " " + c.calculation);
        }
        // Outside the grid the row command reads the task.
        EXPECT_EQ(test::utf8(rowReading(form, ctl::Text2)), top);
    }
    Form1 blank;
    const std::string none = "Noch keine Aufgabe: schreibe oben den Dividenden und den Divisor "
                             "hinein und wähle „Eingabe“.";
    EXPECT_EQ(test::utf8(taskReading(blank)), none);
    EXPECT_EQ(test::utf8(calculationReading(blank)), none);
}

} // namespace
} // namespace zifferon
