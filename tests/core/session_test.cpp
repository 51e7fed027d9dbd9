// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryTaskFiles.h"
#include "Pupil.h"
#include "SheetText.h"

#include "input/KeyCodes.h"
#include "session/CommandLine.h"
#include "session/Worksheet.h"
#include "sheet/ControlNames.h"

#include <gtest/gtest.h>

#include <functional>

namespace zifferon {
namespace {

// Each entry point runs the tracker pass after its handler, exactly while
// Timer1 is enabled. The sheet holds a digit in kontrolle1 although
// resultat(0) is empty: the pass that follows an event empties the row.
TEST(SessionEntryPoints, RunThePassExactlyWhileTimer1IsOn) {
    struct Case {
        const char* event;
        std::function<void(Worksheet&, test::MemoryTaskFiles&)> run;
    };
    const Case cases[] = {
        {"key in a cell",
         [](Worksheet& w, auto&) {
             w.keyDown(ctl::resultat(2), vk::Left);
             w.keyDone();
         }},
        {"key typed into a number box",
         [](Worksheet& w, auto&) {
             w.keyDown(ctl::Text1, '1');
             w.edited(ctl::Text1, U"94341");
             w.keyDone();
         }},
        {"paste", [](Worksheet& w, auto&) { w.edited(ctl::Text2, U"17"); }},
        {"nächste Aufgabe", [](Worksheet& w, auto&) { w.click(ctl::Command2); }},
        {"digit limit", [](Worksheet& w, auto&) { w.click(ctl::label3(1)); }},
        {"row label", [](Worksheet& w, auto&) { w.click(ctl::info(5)); }},
        {"focus change", [](Worksheet& w, auto&) { w.focusChanged(ctl::workRow(6, 2)); }},
        {"save",
         [](Worksheet& w, test::MemoryTaskFiles& f) {
             f.answer("/prog/a");
             w.save(f.services());
         }},
        {"load cancelled",
         [](Worksheet& w, test::MemoryTaskFiles& f) {
             f.answer(std::nullopt);
             w.load(f.services());
         }},
        {"tick", [](Worksheet& w, auto&) { w.tick(); }},
    };
    for (const Case& c : cases) {
        for (bool timer : {true, false}) {
            SCOPED_TRACE(std::string(c.event) + (timer ? ", Timer1 on" : ", Timer1 off"));
            Worksheet sheet;
            test::MemoryTaskFiles files;
            test::enterTask(sheet.form, U"9434", U"13");
            sheet.form.setTimer1Enabled(timer);
            sheet.form.setText(ctl::workRow(0, 3), U"5");
            c.run(sheet, files);
            EXPECT_EQ(test::rowText(sheet.form, 1), timer ? "......" : "..5...");
        }
    }
}

// Within a key, the pass waits for the key's own character: the digit typed
// into a cell is judged by the pass as it stands after the key.
TEST(SessionEntryPoints, AKeysPassFollowsItsCharacter) {
    Worksheet sheet;
    test::enterTask(sheet.form, U"9434", U"13");
    sheet.form.setText(ctl::workRow(0, 3), U"5");
    sheet.keyDown(ctl::resultat(0), '7');
    sheet.edited(ctl::resultat(0), U"7");
    EXPECT_EQ(test::rowText(sheet.form, 1), "..5...");
    sheet.keyDone();
    // resultat(0) now holds the digit: the product row is open and kept.
    EXPECT_EQ(test::rowText(sheet.form, 1), "..5...");
    EXPECT_TRUE(sheet.form.visible(ctl::info(0)));
}

} // namespace
} // namespace zifferon

namespace zifferon {
namespace {

// Unsaved work: what a save would write differs from what the sheet was last
// entered, loaded or saved as.
TEST(SessionUnsavedWork, FollowsEntryLoadAndSave) {
    struct Step {
        const char* what;
        std::function<void(test::Pupil&, test::MemoryTaskFiles&)> run;
        bool unsaved;
    };
    const Step steps[] = {
        {"fresh window", [](auto&, auto&) {}, false},
        {"task entered with Enter in Text2",
         [](test::Pupil& p, auto&) {
             p.click(ctl::Text2);
             p.press(vk::Return);
         },
         false},
        {"a quotient digit", [](test::Pupil& p, auto&) { p.type(U'7'); }, true},
        {"save cancelled", [](test::Pupil& p, auto& f) { p.save(f, std::nullopt); }, true},
        {"saved", [](test::Pupil& p, auto& f) { p.save(f, "/prog/a"); }, false},
        {"digit typed and deleted",
         [](test::Pupil& p, auto&) {
             p.click(ctl::resultat(1));
             p.type(U'3');
             p.backspace();
         },
         false},
        {"a product digit",
         [](test::Pupil& p, auto&) {
             p.click(ctl::workRow(0, 5));
             p.type(U'9');
         },
         true},
        {"loaded", [](test::Pupil& p, auto& f) { p.load(f, "/prog/a.AUF"); }, false},
        // A save keeps the hints asked for, on the row the step writes next.
        {"a hint", [](test::Pupil& p, auto&) { p.sheet().askForHint(); }, true},
        {"typed, then Eingabe",
         [](test::Pupil& p, auto&) {
             p.click(ctl::workRow(0, 5));
             p.type(U'9');
             p.click(ctl::Command1);
         },
         false},
    };
    Worksheet sheet;
    test::Pupil pupil(sheet);
    test::MemoryTaskFiles files;
    for (const Step& step : steps) {
        step.run(pupil, files);
        EXPECT_EQ(sheet.hasUnsavedWork(), step.unsaved) << step.what;
    }
    EXPECT_EQ(test::dividendText(sheet.form), "9434..") << "Enter in Text2 entered the task";
}

} // namespace
} // namespace zifferon

namespace zifferon {
namespace {

TEST(SessionCommandLine, FileHelpVersionAndWrongOptions) {
    using Action = CommandLine::Action;
    struct Case {
        std::vector<std::string> args;
        Action action;
        std::string file;
        std::string folder = {};
    };
    const Case cases[] = {
        {{}, Action::Window, ""},
        {{"klasse/anna.AUF"}, Action::Window, "klasse/anna.AUF"},
        {{"--help"}, Action::Help, ""},
        {{"datei.auf", "-h"}, Action::Help, "datei.auf"},
        {{"--version"}, Action::Version, ""},
        // The toolkit's own options, with their values, are left to it.
        {{"-platform", "offscreen", "a.AUF"}, Action::Window, "a.AUF"},
        {{"--style=fusion", "-reverse", "a.AUF"}, Action::Window, "a.AUF"},
        {{"--", "-seltsam.AUF"}, Action::Window, "-seltsam.AUF"},
        {{"--bunt"}, Action::Wrong, ""},
        {{"-x"}, Action::Wrong, ""},
        {{"a.AUF", "b.AUF"}, Action::Wrong, ""},
        {{"--report", "7b"}, Action::Report, "", "7b"},
        {{"--report=/schule/7b", "-platform", "offscreen"}, Action::Report, "", "/schule/7b"},
        {{"--report"}, Action::Wrong, ""},
        {{"--report", "7b", "a.AUF"}, Action::Wrong, ""},
        // An option is no folder; a name that is not UTF-8 stays as it is.
        {{"--report", "--help"}, Action::Wrong, ""},
        {{"latin1 \xE4.AUF"}, Action::Window, "latin1 \xE4.AUF"},
    };
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.args);
        EXPECT_EQ(line.action, c.action) << testing::PrintToString(c.args);
        EXPECT_EQ(line.file, c.file) << testing::PrintToString(c.args);
        EXPECT_EQ(line.folder, c.folder) << testing::PrintToString(c.args);
        EXPECT_EQ(!line.error, c.action != Action::Wrong);
    }
    EXPECT_NE(commandLineHelp().find("Aufruf: zifferon [DATEI]"), std::string::npos);
    // Only limits that are taken are offered; a wrong line says where the help is.
    EXPECT_NE(commandLineHelp().find("im Dividenden (2 bis 6)"), std::string::npos);
    EXPECT_NE(commandLineHelp().find("[--ueberschlag] [--probe]"), std::string::npos);
    EXPECT_EQ(wrongUsageText({Msg::UnknownOption, {"--bunt"}}),
              "zifferon: Unbekannte Option: --bunt\nMehr: zifferon --help\n");
}

// A worksheet without a window: the options and their values, each wrong one
// refused (exit code 2) with a German reason before anything is written.
TEST(SessionCommandLine, WorksheetOptions) {
    using Action = CommandLine::Action;
    struct Case {
        std::vector<std::string> args;
        Action action;
        HandoutRequest want = {};
        std::string reason = "";
        Form1::CheckDemands demands = {};
    };
    const Case cases[] = {
        {{"--worksheet", "8", "--pdf", "b.pdf"},
         Action::Handout,
         {{8, 4, 2, 1}, false, false, "b.pdf", ""}},
        {{"--worksheet=20", "--digits", "6,3", "--seed=4711", "--pdf", "b.pdf", "--answers",
          "--task-files", "klasse"},
         Action::Handout,
         {{20, 6, 3, 4711}, true, true, "b.pdf", "klasse"}},
        {{"--worksheet", "8", "--probe", "--pdf", "b.pdf", "--ueberschlag"},
         Action::Handout,
         {{8, 4, 2, 1}, false, false, "b.pdf", ""},
         "",
         {true, true}},
        {{"--worksheet", "8", "--pdf", "b.pdf", "--probe"},
         Action::Handout,
         {{8, 4, 2, 1}, false, false, "b.pdf", ""},
         "",
         {false, true}},
        {{"--probe", "--pdf", "b.pdf"},
         Action::Wrong,
         {},
         "--probe gilt nur zusammen mit --worksheet"},
        {{"--worksheet", "8", "--pdf", "b.pdf", "--ueberschlag=ja"},
         Action::Wrong,
         {},
         "--ueberschlag=ja"},
        {{"--worksheet", "0", "--pdf", "b.pdf"}, Action::Wrong, {}, "1 bis 20, nicht „0“"},
        {{"--worksheet", "21", "--pdf", "b.pdf"}, Action::Wrong, {}, "1 bis 20"},
        {{"--worksheet", "acht", "--pdf", "b.pdf"}, Action::Wrong, {}, "1 bis 20"},
        {{"--worksheet", "8", "--digits", "7,2", "--pdf", "b.pdf"}, Action::Wrong, {}, "D,E"},
        {{"--worksheet", "8", "--digits", "4,4", "--pdf", "b.pdf"}, Action::Wrong, {}, "D,E"},
        {{"--worksheet", "8", "--digits", "4", "--pdf", "b.pdf"}, Action::Wrong, {}, "D,E"},
        {{"--worksheet", "8", "--digits", "1,2", "--pdf", "b.pdf"}, Action::Wrong, {}, "1 Stelle"},
        {{"--worksheet", "8", "--seed", "-1", "--pdf", "b.pdf"}, Action::Wrong, {}, "0 bis 999999"},
        {{"--worksheet", "8"}, Action::Wrong, {}, "fehlt --pdf"},
        {{"--worksheet", "8", "--pdf"}, Action::Wrong, {}, "Zu --pdf fehlt"},
        {{"--worksheet", "8", "--pdf", "--answers"},
         Action::Wrong,
         {},
         "--answers“ ist eine Option"},
        {{"--worksheet", "8", "--pdf=--answers"},
         Action::Handout,
         {{8, 4, 2, 1}, false, false, "--answers", ""}},
        {{"--worksheet", "8", "--pdf", "\xE4.pdf", "--task-files", "kl\xE4sse"},
         Action::Handout,
         {{8, 4, 2, 1}, false, false, "\xE4.pdf", "kl\xE4sse"}},
        {{"--worksheet", "8", "--pdf", ""}, Action::Wrong, {}, "Dateinamen"},
        {{"--pdf", "b.pdf"}, Action::Wrong, {}, "--pdf gilt nur zusammen mit --worksheet"},
        {{"--worksheet", "8", "--pdf", "b.pdf", "a.AUF"}, Action::Wrong, {}, "keine Aufgabendatei"},
    };
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.args);
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(line.action, c.action);
        EXPECT_NE(problemText(line.error).find(c.reason), std::string::npos)
            << problemText(line.error);
        if (c.action == Action::Handout) {
            const HandoutSettings& s = line.handout.settings;
            const HandoutSettings& w = c.want.settings;
            EXPECT_EQ(std::tuple(s.tasks, s.dividendDigits, s.divisorDigits),
                      std::tuple(w.tasks, w.dividendDigits, w.divisorDigits));
            EXPECT_EQ(line.handout.seedGiven, c.want.seedGiven);
            EXPECT_EQ(s.seed, c.want.seedGiven ? w.seed : HandoutSettings{}.seed);
            EXPECT_EQ(std::tuple(line.handout.answers, line.handout.pdf, line.handout.taskFolder),
                      std::tuple(c.want.answers, c.want.pdf, c.want.taskFolder));
            EXPECT_EQ(line.handout.demands, c.demands);
        }
    }
}

// The kind of task by name, and the practice sheet for each kind of mistake:
// the mistake -> kind table as the teacher's guide has it.
TEST(SessionCommandLine, KindsAndPracticeForAKindOfMistake) {
    struct Case {
        std::vector<std::string> args;
        std::string kind;   // command-line name; empty when refused
        int dividendDigits; // or the words of the refusal
        std::string reason = "";
    };
    const Case cases[] = {
        {{"--for-mistake", "einmaleins"}, "einstelliger-divisor", 4},
        {{"--for-mistake", "abziehen"}, "viele-entbuendelungen", 4},
        {{"--for-mistake", "ziffer-zu-gross"}, "schwer-zu-schaetzen", 4},
        {{"--for-mistake=ziffer-zu-klein"}, "schwer-zu-schaetzen", 4},
        {{"--for-mistake", "stellenwert"}, "null-im-ergebnis", 4},
        {{"--for-mistake", "stellenwert", "--digits", "5,3"}, "null-im-ergebnis", 5},
        {{"--kind", "ohne-rest", "--digits", "2,2"}, "ohne-rest", 2},
        {{"--kind", "gemischt"}, "gemischt", 4},
        {{"--digits", "2,2", "--for-mistake", "stellenwert"}, "", 0, "3 bis 6 Stellen"},
        {{"--kind", "null-im-ergebnis", "--digits", "2,3"}, "", 0, "3 bis 6 Stellen"},
        {{"--kind", "rest"}, "", 0, "--kind erwartet gemischt"},
        {{"--for-mistake", "komma"}, "", 0, "--for-mistake erwartet einmaleins"},
        {{"--kind", "mit-rest", "--for-mistake", "abziehen"}, "", 0, "nicht verbinden"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args{"--worksheet", "8", "--pdf", "b.pdf"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(testing::PrintToString(args));
        const CommandLine line = parseCommandLine(args);
        if (c.kind.empty()) {
            EXPECT_EQ(line.action, CommandLine::Action::Wrong);
            EXPECT_NE(problemText(line.error).find(c.reason), std::string::npos)
                << problemText(line.error);
            continue;
        }
        ASSERT_EQ(line.action, CommandLine::Action::Handout) << problemText(line.error);
        EXPECT_EQ(taskKindKey(line.handout.settings.kind), c.kind);
        EXPECT_EQ(line.handout.settings.dividendDigits, c.dividendDigits);
    }
    EXPECT_EQ(problemText(parseCommandLine({"--kind", "mit-rest"}).error),
              "--kind gilt nur zusammen mit --worksheet.");
}

// A screen reader is told once when a row can be checked, each verdict when
// it is written (for "Fehler" with the reason, the signs as words) and the
// end of the task once; the verdicts a load brings back are no news.
TEST(SessionNews, VerdictsAndTheEndOnceNothingFromALoad) {
    Worksheet sheet;
    test::Pupil pupil(sheet);
    test::MemoryTaskFiles files;
    const auto news = [&sheet] { return test::utf8(sheet.takeNews()); };
    pupil.enterTask(U"94", U"13");
    pupil.type(U"7");
    pupil.press(vk::Return);
    pupil.type(U"9");
    EXPECT_EQ(news(), "1. Produkt kann geprüft werden.");
    pupil.type(U"1");
    EXPECT_EQ(news(), ""); // said once, not on every digit
    pupil.press(vk::Return);
    EXPECT_EQ(news(), "korrekt.");
    pupil.writeNumber(1, 4, 4);
    EXPECT_EQ(news(), "1. Rest kann geprüft werden.");
    pupil.press(vk::Return);
    EXPECT_EQ(news(), "Fehler. 94 minus 91 ist nicht 4: rechne das Abziehen noch einmal nach.");
    pupil.writeNumber(1, 4, 3);
    pupil.press(vk::Return);
    EXPECT_EQ(news(), "korrekt. Berechnung beendet. Jetzt kommt die Probe.");
    pupil.save(files, "/prog/a");
    pupil.click(ctl::Command1);
    EXPECT_EQ(news(), "");
    pupil.load(files, "/prog/a.AUF");
    EXPECT_TRUE(sheet.form.visible(ctl::Label4));
    EXPECT_EQ(news(), "");
}

// The Überschlag and the Probe are told like the rows: ready once, each
// verdict with its reason (a "Fehler" again too), a right Probe with what it
// proved, the Probe's coming with the end; their names follow the sheet, and
// their hints count against no row.
TEST(SessionNews, TheUeberschlagAndTheProbeLikeTheRows) {
    Worksheet sheet;
    test::Pupil pupil(sheet);
    const auto news = [&sheet] { return test::utf8(sheet.takeNews()); };
    const auto name = [&sheet](ControlId id) { return test::utf8(accessibleName(sheet.form, id)); };
    const ControlId estimate = ctl::pruefung(CheckLine::Ueberschlag);
    pupil.enterTask(U"94", U"13");
    EXPECT_EQ(news(), "");
    EXPECT_EQ(name(ctl::probe(0)), "Probe: Ergebnis mal Divisor gleich"); // hidden
    ASSERT_TRUE(pupil.click(ctl::stellen));
    sheet.askForHint();
    EXPECT_EQ(sheet.hintsUsed(), 1);
    EXPECT_EQ(sheet.form.tally(0).hints, 0u);
    pupil.type(U"2");
    EXPECT_EQ(news(), "Der Überschlag kann geprüft werden.");
    EXPECT_EQ(name(estimate), "Prüfung Überschlag: korrekt?");
    pupil.press(vk::Return);
    pupil.press(vk::Return); // in "etwa", left empty
    const std::string why =
        "13 passt zuerst in 94. Die erste Ziffer des Ergebnisses gehört also zur Einerspalte.";
    EXPECT_EQ(news(), "Fehler. " + why);
    pupil.press(vk::Return);
    EXPECT_EQ(news(), "Fehler. " + why);
    EXPECT_EQ(test::utf8(shownToolTip(sheet.form, estimate)), why);
    EXPECT_EQ(name(ctl::pfehler(CheckLine::Ueberschlag)), "Fehler im Überschlag: 2");
    pupil.click(ctl::stellen);
    pupil.backspace();
    pupil.type(U"1");
    pupil.press(vk::Return);
    pupil.press(vk::Return);
    EXPECT_EQ(news(), "korrekt.");
    pupil.type(U"7");
    pupil.press(vk::Return);
    pupil.writeNumber(0, 4, 91);
    pupil.press(vk::Return);
    pupil.writeNumber(1, 4, 3);
    news();
    pupil.press(vk::Return);
    EXPECT_EQ(news(), "korrekt. Berechnung beendet. Jetzt kommt die Probe.");
    EXPECT_EQ(name(ctl::probe(0)), "Probe: 7 mal 13 gleich");
    EXPECT_EQ(name(ctl::probe(2)), "Probe: plus 3 gleich");
    pupil.click(ctl::probe(0));
    pupil.type(U"9");
    EXPECT_EQ(news(), "Die Probe kann geprüft werden.");
    pupil.type(U"1");
    pupil.press(vk::Return);
    EXPECT_EQ(news(), "korrekt.");
    pupil.type(U"91");
    pupil.press(vk::Return);
    pupil.type(U"95");
    news();
    pupil.press(vk::Return);
    EXPECT_EQ(news(),
              "Fehler. 91 plus 3 ist nicht 95: rechne das Zusammenzählen noch einmal nach.");
    pupil.backspace();
    pupil.type(U"4");
    pupil.press(vk::Return);
    EXPECT_EQ(news(), "korrekt. Die Probe ergibt 94, die Aufgabe heißt 94: stimmt.");
    EXPECT_EQ(name(ctl::pruefung(CheckLine::ProbePlus)), "Prüfung Probe, zweite Zeile: korrekt");
}

} // namespace
} // namespace zifferon
