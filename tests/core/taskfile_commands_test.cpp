// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryTaskFiles.h"
#include "SheetText.h"

#include "TaskFileTestSupport.h"
#include "session/Worksheet.h"
#include "sheet/Layout.h"

#include "check/RowCheck.h"
#include "check/RowExplanation.h"
#include "taskfile/TaskFileCommands.h"
#include "taskfile/TaskRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace zifferon {
namespace {

using test::enterTask;
using test::rowText;
using Bytes = std::vector<std::uint8_t>;

using Services = test::MemoryTaskFiles;

Bytes toBytes(const TaskFileBytes& file) {
    return Bytes(file.begin(), file.end());
}

Bytes randomBytes(std::size_t size, std::uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes b(size);
    for (auto& x : b) {
        x = static_cast<std::uint8_t>(byte(rng));
    }
    return b;
}

// Random bytes with what the reader demands of a task file: "0" or "1" at
// the row states' positions 1 and 3, no control character in a cell.
Bytes randomTaskFile(std::size_t size, std::uint32_t seed) {
    Bytes b = randomBytes(size, seed);
    for (int k = 1; k <= kWorkRows; ++k) {
        for (std::size_t p : {0u, 2u}) {
            b[recordOffset(k) + p] = '0' + b[recordOffset(k) + p] % 2;
        }
    }
    for (int k = kDividendRecord; k <= static_cast<int>(kRecordCount); ++k) {
        for (std::size_t p = 0; p < kRecordChars; ++p) {
            std::uint8_t& byte = b[recordOffset(k) + p];
            byte = byte < 0x20 || byte == 0x7F ? byte ^ 0x40 : byte;
        }
    }
    return b;
}

// A sheet in the middle of 9434 : 13: first step locked, second pending,
// an error counted, the timer off so that any change to it shows.
void workedSheet(Worksheet& sheet) {
    Form1& form = sheet.form;
    form.setAppPath("/prog");
    enterTask(form, U"9434", U"13");
    form.setText(ctl::resultat(0), U"7");
    test::writeRow(form, 1, "91....");
    form.setVisible(ctl::info(0), true);
    form.setVerdict(0, Verdict::Korrekt);
    for (int c = 0; c < kRowCells; ++c) {
        form.setEnabled(ctl::workRow(0, c), false);
    }
    test::writeRow(form, 2, ".34...");
    form.setVisible(ctl::info(1), true);
    form.setVerdict(1, Verdict::Fehler);
    form.setBackground(ctl::info(1), colors::LightRed);
    form.setVisible(ctl::fehler(1), true);
    form.setErrorCount(1, 1);
    form.setVisible(ctl::Label4, true);
    form.setText(ctl::Text1, U"555");
    form.setTimer1Enabled(false);
}

TEST(TaskFileCommandsCancel, NeitherDialogChangesAnything) {
    for (const bool load : {true, false}) {
        SCOPED_TRACE(load ? "load" : "save");
        Worksheet sheet;
        workedSheet(sheet);
        const auto before = test::snapshot(sheet.form);
        const char32_t lastChar = sheet.rule.lastCellChar();
        Services s;
        s.files["/prog/a.AUF"] = toBytes(writeTaskRecords(sheet.form));
        const auto files = s.files;

        if (load) {
            loadTaskFileOntoSheet(sheet.form, s.services());
        } else {
            EXPECT_FALSE(saveSheetToTaskFile(sheet.form, s.services()));
        }

        EXPECT_EQ(s.openCalls.size() + s.saveCalls.size(), 1u);
        test::expectSameSheet(before, test::snapshot(sheet.form));
        EXPECT_EQ(sheet.rule.lastCellChar(), lastChar);
        EXPECT_FALSE(sheet.form.timer1Enabled());
        EXPECT_TRUE(s.messages.empty());
        EXPECT_TRUE(s.readLimits.empty());
        EXPECT_EQ(s.writes, 0);
        EXPECT_EQ(s.files, files);
    }
}

// A file the program wrote (9434 : 13, first step done), with one byte changed.
Bytes written(std::size_t at, std::uint8_t byte) {
    Worksheet sheet;
    workedSheet(sheet);
    Bytes file = toBytes(writeTaskRecords(sheet.form));
    file[at] = byte;
    return file;
}

Bytes pdfLike() {
    const std::string head = "%PDF-1.5\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\n";
    Bytes file = randomBytes(2944, 9);
    std::copy(head.begin(), head.end(), file.begin());
    return file;
}

TEST(TaskFileCommandsLoad, RefusedFilesLeaveTheSheetExactlyAsItWas) {
    struct Case {
        const char* what;
        std::optional<Bytes> content; // nullopt: no such file
        std::optional<Failure> fail;  // a read failure of the storage
        std::string reasonPart;
    };
    const std::vector<Case> cases{
        {"empty", Bytes{}, {}, "Die Datei ist zu kurz (0 Bytes, erwartet 2944)."},
        {"one byte", Bytes{'1'}, {}, "Die Datei ist zu kurz (1 Byte, erwartet 2944)."},
        {"one byte short", Bytes(randomBytes(2943, 7)), {}, "(2943 Bytes, erwartet 2944)"},
        {"record 23 cut", Bytes(2900, ' '), {}, "(2900 Bytes, erwartet 2944)"},
        {"missing", std::nullopt, {}, "Die Datei existiert nicht."},
        {"folder", std::nullopt, Failure{Msg::FileIsFolder}, "Das ist ein Ordner, keine Datei."},
        {"unreadable", Bytes(2944, ' '), Failure{Msg::FileUnreadable, {"Zugriff verweigert"}},
         "Die Datei kann nicht gelesen werden: Zugriff verweigert."},
        // The size of a task file, but something else.
        {"random bytes", randomBytes(2944, 8), {}, "keine Aufgabendatei"},
        // What is wrong in plain words first, then where.
        {"a PDF", pdfLike(), {}, "keine Aufgabendatei: Die Angabe, ob Rechenzeile 1 bewertet"},
        {"row state 2",
         written(recordOffset(3), '2'),
         {},
         "ob Rechenzeile 3 bewertet ist, ist weder \u201E0\u201C noch \u201E1\u201C (Byte 257, "
         "Datensatz 3, Stelle 1)."},
        {"error mark shown as y",
         written(recordOffset(2) + 2, 'y'),
         {},
         "ob die Fehlversuche der Rechenzeile 2 zu sehen sind, ist weder"},
        {"tab in a cell",
         written(recordOffset(16) + 4, '\t'),
         {},
         "In Rechenzeile 3 steht ein unsichtbares Steuerzeichen (0x09) (Byte 1925, Datensatz 16, "
         "Stelle 5)."},
        {"DEL in the divisor",
         written(recordOffset(12), 0x7F),
         {},
         "Im Divisor steht ein unsichtbares Steuerzeichen (0x7F)"},
    };
    for (const Case& c : cases) {
        Worksheet sheet;
        workedSheet(sheet);
        const auto before = test::snapshot(sheet.form);
        const char32_t lastChar = sheet.rule.lastCellChar();
        Services s;
        const std::string path = "/prog/kaputt.AUF";
        if (c.content) {
            s.files[path] = *c.content;
        }
        if (c.fail) {
            s.readFailures[path] = *c.fail;
        }
        const auto filesBefore = s.files;
        s.openAnswer = path;

        loadTaskFileOntoSheet(sheet.form, s.services());

        SCOPED_TRACE(c.what);
        test::expectSameSheet(before, test::snapshot(sheet.form));
        EXPECT_EQ(sheet.rule.lastCellChar(), lastChar);
        ASSERT_EQ(s.messages.size(), 1u);
        EXPECT_EQ(s.messages[0].first, "Laden fehlgeschlagen");
        EXPECT_NE(s.messages[0].second.find(path), std::string::npos) << s.messages[0].second;
        EXPECT_NE(s.messages[0].second.find(c.reasonPart), std::string::npos)
            << s.messages[0].second;
        EXPECT_EQ(s.files, filesBefore);
        EXPECT_EQ(s.writes, 0);
    }
}

TEST(TaskFileCommandsLoad, AnyFileOfAtLeast23RecordsIsTakenAndOnlyItsStartIsRead) {
    struct Case {
        const char* what;
        Bytes content;
    };
    const std::vector<Case> cases{
        {"random 2944", randomTaskFile(2944, 1)},
        {"random 2945", randomTaskFile(2945, 2)},
        {"random 5000", randomTaskFile(5000, 3)},
        {"10 MB", randomTaskFile(10 * 1024 * 1024, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Services s;
        s.files["/prog/gross.xyz"] = c.content;
        s.files["/prog/anfang.AUF"] = Bytes(c.content.begin(), c.content.begin() + 2944);

        Worksheet whole;
        workedSheet(whole);
        s.openAnswer = "/prog/gross.xyz";
        loadTaskFileOntoSheet(whole.form, s.services());

        Worksheet start;
        workedSheet(start);
        s.openAnswer = "/prog/anfang.AUF";
        loadTaskFileOntoSheet(start.form, s.services());

        EXPECT_TRUE(s.messages.empty());
        EXPECT_EQ(s.readLimits, (std::vector<std::size_t>{2944, 2944}));
        test::expectSameSheet(test::snapshot(start.form), test::snapshot(whole.form));
        EXPECT_TRUE(whole.form.timer1Enabled());
        EXPECT_LE(whole.form.text(ctl::Text1).size(), 6u);
        EXPECT_LE(whole.form.text(ctl::Text2).size(), 3u);
        for (ControlId id : allControls()) {
            if (isCell(id.kind)) {
                EXPECT_LE(whole.form.text(id).size(), 1u) << test::controlName(id);
            }
        }
    }
}

TEST(TaskFileCommandsLoad, TaskBoxesFollowTheLoadedCells) {
    struct Case {
        const char* what;
        Text dividend[6]; // dividend(0) ... dividend(5)
        Text divisor[3];
        Text text1, text2;
    };
    const std::vector<Case> cases{
        {"9434 : 13", {U"", U"", U"4", U"3", U"4", U"9"}, {U"3", U"1", U""}, U"9434", U"13"},
        {"six and three digits",
         {U"6", U"5", U"4", U"3", U"2", U"1"},
         {U"9", U"8", U"7"},
         U"123456",
         U"789"},
        {"leading space dropped", {U"", U"", U"", U"2", U"1", U" "}, {U"5", U"", U""}, U"12", U"5"},
        {"gap closed", {U"", U"7", U"", U"3", U"", U"9"}, {U"", U"4", U""}, U"937", U"4"},
        {"letters kept", {U"", U"", U"", U"", U"b", U"a"}, {U"x", U"", U""}, U"ab", U"x"},
        {"nothing", {U"", U"", U"", U"", U"", U""}, {U"", U"", U""}, U"", U""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Worksheet saved;
        for (int i = 0; i < kDividendCells; ++i) {
            saved.form.setText(ctl::dividend(i), c.dividend[i]);
        }
        for (int i = 0; i < kDivisorCells; ++i) {
            saved.form.setText(ctl::divisor(i), c.divisor[i]);
        }
        Services s;
        s.files["/prog/t.AUF"] = toBytes(writeTaskRecords(saved.form));
        s.openAnswer = "/prog/t.AUF";

        Worksheet sheet;
        workedSheet(sheet);
        loadTaskFileOntoSheet(sheet.form, s.services());
        EXPECT_EQ(test::utf8(sheet.form.text(ctl::Text1)), test::utf8(c.text1));
        EXPECT_EQ(test::utf8(sheet.form.text(ctl::Text2)), test::utf8(c.text2));
        // The top line is the file's, not a new spread of the task boxes.
        for (int i = 0; i < kDividendCells; ++i) {
            const Text want = c.dividend[i] == U" " ? Text() : c.dividend[i];
            EXPECT_EQ(test::utf8(sheet.form.text(ctl::dividend(i))), test::utf8(want)) << i;
        }
    }
}

// The reset's focus in resultat(0) may be locked by the file: the focus goes
// where the work goes on instead.
TEST(TaskFileCommandsLoad, FocusGoesWhereTheWorkGoesOn) {
    struct Case {
        const char* what;
        std::u32string quotient;
        std::vector<std::string> rows; // judged one after another
        ControlId focus;
    };
    const std::vector<Case> cases{
        {"fresh", U"", {}, ctl::resultat(0)},
        {"digit written", U"7", {}, ctl::workRow(0, 5)},
        {"product right", U"7", {"91...."}, ctl::workRow(1, 5)},
        {"step done", U"7", {"91....", ".3...."}, ctl::resultat(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Worksheet saved;
        enterTask(saved.form, U"9434", U"13");
        saved.form.setText(ctl::resultat(0), c.quotient);
        for (std::size_t row = 0; row < c.rows.size(); ++row) {
            test::writeRow(saved.form, static_cast<int>(row) + 1, c.rows[row]);
            CheckRow(saved.form, static_cast<int>(row));
        }
        Services s;
        s.files["/prog/t.AUF"] = toBytes(writeTaskRecords(saved.form));
        s.openAnswer = "/prog/t.AUF";
        Worksheet sheet;
        workedSheet(sheet);
        loadTaskFileOntoSheet(sheet.form, s.services());
        EXPECT_EQ(test::controlName(sheet.form.focus()), test::controlName(c.focus));
    }
}

TEST(TaskFileCommandsLoad, ThePathIsTakenAsChosenAndNothingIsCreated) {
    for (const char* path : {"/prog/aufgabe.txt", "/prog/ohne_endung", "/prog/klein.auf"}) {
        SCOPED_TRACE(path);
        Worksheet saved;
        enterTask(saved.form, U"9434", U"13");
        Services s;
        s.files[path] = toBytes(writeTaskRecords(saved.form));
        s.openAnswer = path;
        Worksheet sheet;
        loadTaskFileOntoSheet(sheet.form, s.services());
        EXPECT_TRUE(s.messages.empty());
        EXPECT_EQ(test::dividendText(sheet.form), "9434..");
        EXPECT_EQ(s.files.size(), 1u);
        EXPECT_EQ(s.writes, 0);
    }
}

// A file already at the name written is replaced only after the question,
// asked for that name (also when ".AUF" is added to the name typed).
TEST(TaskFileCommandsSave, ExtensionRule) {
    struct Case {
        std::string chosen;
        std::string written;
    };
    const std::vector<Case> cases{
        {"/prog/aufgabe", "/prog/aufgabe.AUF"},
        {"/prog/aufgabe.AUF", "/prog/aufgabe.AUF"},
        {"/prog/aufgabe.auf", "/prog/aufgabe.auf"},
        {"/prog/aufgabe.Auf", "/prog/aufgabe.Auf"},
        {"/prog/aufgabe.AUF.bak", "/prog/aufgabe.AUF.bak.AUF"},
        {"/prog/aufgabe.txt", "/prog/aufgabe.txt.AUF"},
        {"/prog/AUF", "/prog/AUF.AUF"},
        {"/prog/xAUF", "/prog/xAUF.AUF"},
        {"/prog/.AUF", "/prog/.AUF"},
        {"/prog/Übung 1", "/prog/Übung 1.AUF"},
        {"C:\\Schule\\Aufgabe", "C:\\Schule\\Aufgabe.AUF"},
    };
    for (const Case& c : cases) {
        for (bool replace : {true, false}) {
            SCOPED_TRACE(c.chosen + (replace ? ", replaced" : ", not replaced"));
            Worksheet sheet;
            workedSheet(sheet);
            Services s;
            s.files[c.written] = Bytes(3, 'x');
            s.saveAnswer = c.chosen;
            s.replaceAnswer = replace;
            EXPECT_EQ(saveSheetToTaskFile(sheet.form, s.services()).has_value(), replace);
            ASSERT_EQ(s.files.size(), 1u);
            EXPECT_EQ(s.files.begin()->first, c.written);
            EXPECT_EQ(s.files.begin()->second.size(), replace ? kTaskFileSize : 3u);
            EXPECT_EQ(s.replaceQuestions, std::vector<std::string>{c.written});
            // Declined, the dialog asks again with the name filled in.
            ASSERT_EQ(s.saveCalls.size(), replace ? 1u : 2u);
            if (!replace) {
                EXPECT_EQ(s.saveCalls.back().startFolder, c.written);
            }
        }
        EXPECT_EQ(taskFileSavePath(c.chosen), c.written);
    }
}

TEST(TaskFileCommandsSave, WritesExactlyTheRecordsAndLeavesSheetAndTimer) {
    for (bool timerOn : {false, true}) {
        Worksheet sheet;
        workedSheet(sheet);
        sheet.form.setTimer1Enabled(timerOn);
        const auto before = test::snapshot(sheet.form);
        Services s;
        s.files["/prog/alt.AUF"] = Bytes(5000, 'x');
        s.saveAnswer = "/prog/alt.AUF";
        saveSheetToTaskFile(sheet.form, s.services());
        EXPECT_EQ(s.files["/prog/alt.AUF"], toBytes(writeTaskRecords(sheet.form)));
        EXPECT_EQ(s.files["/prog/alt.AUF"].size(), 2944u);
        EXPECT_TRUE(s.messages.empty());
        test::expectSameSheet(before, test::snapshot(sheet.form));
    }
}

TEST(TaskFileCommandsSave, FailureIsReportedWithFileAndReason) {
    const std::vector<std::pair<Failure, std::string>> reasons{
        {{Msg::FolderMissing, {inQuotes("/weg")}}, "Der Ordner \u201E/weg\u201C existiert nicht."},
        {{Msg::FileNotCreated, {"Zugriff verweigert"}},
         "Die Datei kann nicht angelegt werden: Zugriff verweigert."},
        {{Msg::FileNotWrittenBecause, {"Kein Platz mehr auf dem Datentr\u00E4ger"}},
         "Die Datei kann nicht geschrieben werden: Kein Platz mehr auf dem Datentr\u00E4ger."},
    };
    for (const auto& [failure, reason] : reasons) {
        SCOPED_TRACE(reason);
        Worksheet sheet;
        workedSheet(sheet);
        const auto before = test::snapshot(sheet.form);
        Services s;
        s.writeFailures["/weg/a.AUF"] = failure;
        s.saveAnswer = "/weg/a";
        saveSheetToTaskFile(sheet.form, s.services());
        ASSERT_EQ(s.messages.size(), 1u);
        EXPECT_EQ(s.messages[0].first, "Speichern fehlgeschlagen");
        EXPECT_NE(s.messages[0].second.find("/weg/a.AUF"), std::string::npos);
        EXPECT_NE(s.messages[0].second.find(reason), std::string::npos);
        test::expectSameSheet(before, test::snapshot(sheet.form));
    }
}

TEST(TaskFileCommandsDialogs, StartInTheProgramFolderOnlyWhenItIsWritable) {
    struct Case {
        const char* what;
        std::string appPath;
        bool writable;
        std::string start;
    };
    const std::vector<Case> cases{
        {"writable", "/opt/zifferon", true, "/opt/zifferon"},
        {"read-only", "/usr/bin", false, "/home/schueler/Dokumente"},
        {"unknown", "", true, "/home/schueler/Dokumente"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Form1 form;
        form.setAppPath(c.appPath);
        Services s;
        s.writableFolders.clear();
        if (c.writable) {
            s.writableFolders.insert(c.appPath);
        }
        loadTaskFileOntoSheet(form, s.services());
        saveSheetToTaskFile(form, s.services());
        ASSERT_EQ(s.openCalls.size(), 1u);
        ASSERT_EQ(s.saveCalls.size(), 1u);
        EXPECT_EQ(s.openCalls[0].startFolder, c.start);
        EXPECT_EQ(s.saveCalls[0].startFolder, c.start);
        EXPECT_EQ(s.openCalls[0].pattern, "*.auf");
        EXPECT_EQ(s.saveCalls[0].pattern, "*.auf");
    }
}

// ---------------------------------------------------------------------------
// Round trip: a random sheet, saved, then loaded into another random sheet,
// comes back with the documented differences and no others.

// A value written to the sheet and what a load of the saved file gives back.
struct Sample {
    Text written;
    Text back;
};

const std::vector<Sample> kCellSamples{
    {U"", U""},   {U" ", U""},           {U"0", U"0"},           {U"7", U"7"},
    {U"9", U"9"}, {U"x", U"x"},          {U"\u00E9", U"\u00E9"}, {U"\u20AC", U"\u20AC"},
    {U"-", U"-"}, {U"\U0001F600", U"?"}, {U"\u0100", U"?"},
};
// Quotient cells have no change rule and can hold more than one character.
const std::vector<Sample> kQuotientOnlySamples{
    {U"12", U"1"}, {U" 7", U""}, {U"\u00E97", U"\u00E9"}};
struct VerdictSample {
    Verdict written;
    Verdict back;
};
const std::vector<VerdictSample> kVerdictSamples{
    {Verdict::Korrekt, Verdict::Korrekt},
    {Verdict::Pending, Verdict::Pending},
    {Verdict::Fehler, Verdict::Fehler},
    {Verdict::None, Verdict::Fehler},
};
// What a counter shows: a count, or a mark (not 0) that is no count.
struct Counter {
    std::uint64_t count = 0;
    char32_t mark = 0;
};
void setCounter(Form1& form, int i, Counter c) {
    if (c.mark != 0) {
        form.setErrorMark(i, c.mark);
    } else {
        form.setErrorCount(i, c.count);
    }
}
struct CounterSample {
    Counter written;
    Counter back;
};
// A count the file's tag holds comes back whole; a mark that is no count
// comes back as the record's one character.
const std::vector<CounterSample> kMarkSamples{
    {{0, 0}, {0, 0}},
    {{3, 0}, {3, 0}},
    {{12, 0}, {12, 0}},
    {{0, U' '}, {0, U' '}},
    {{0, U'\u20AC'}, {0, U'\u20AC'}},
    {{0, U'\U0001F600'}, {0, U'?'}},
};
const std::vector<Rgb> kColours{colors::LightGreen, colors::LightRed, colors::Yellow,
                                colors::LightCyan, Rgb{1, 2, 3}};

// What the file holds of a sheet, as a load gives it back.
struct Expected {
    std::array<Text, kDividendCells> dividend;
    std::array<Text, kDivisorCells> divisor;
    std::array<Text, kResultatCells> resultat;
    std::array<std::array<Text, kRowCells>, kWorkRows> kontrolle;
    std::array<bool, kWorkRows> infoShown{};
    std::array<Verdict, kWorkRows> verdict{};
    std::array<bool, kWorkRows> markShown{};
    std::array<Counter, kWorkRows> mark;
};

class RandomSheet {
  public:
    explicit RandomSheet(std::uint32_t seed) : rng_(seed) {}

    // Puts a random state onto every control and returns what its save holds.
    Expected apply(Form1& form) {
        Expected e;
        for (int i = 0; i < kDividendCells; ++i) {
            e.dividend[i] = cell(form, ctl::dividend(i), kCellSamples);
        }
        for (int i = 0; i < kDivisorCells; ++i) {
            e.divisor[i] = cell(form, ctl::divisor(i), kCellSamples);
        }
        std::vector<Sample> quotient = kCellSamples;
        quotient.insert(quotient.end(), kQuotientOnlySamples.begin(), kQuotientOnlySamples.end());
        for (int j = 0; j < kResultatCells; ++j) {
            e.resultat[j] = cell(form, ctl::resultat(j), quotient);
            form.setEnabled(ctl::resultat(j), coin());
        }
        for (int n = 1; n <= kWorkRows; ++n) {
            for (int c = 0; c < kRowCells; ++c) {
                e.kontrolle[n - 1][c] = cell(form, ctl::workRow(n - 1, c), kCellSamples);
                form.setEnabled(ctl::workRow(n - 1, c), coin());
            }
        }
        for (int i = 0; i < kWorkRows; ++i) {
            e.infoShown[i] = coin();
            form.setVisible(ctl::info(i), e.infoShown[i]);
            const VerdictSample& v = pick(kVerdictSamples);
            form.setVerdict(i, v.written);
            e.verdict[i] = v.back;
            form.setBackground(ctl::info(i), pick(kColours));
            form.setToolTip(ctl::info(i), coin() ? U"Tipp" : U"");
            e.markShown[i] = coin();
            form.setVisible(ctl::fehler(i), e.markShown[i]);
            const CounterSample& m = pick(kMarkSamples);
            setCounter(form, i, m.written);
            e.mark[i] = m.back;
        }
        form.setVisible(ctl::fehler(10), coin());
        setCounter(form, 10, pick(kMarkSamples).written);
        form.setVisible(ctl::Label4, coin());
        form.setCaption(ctl::label3(0), coin() ? U"4" : U"6");
        form.setCaption(ctl::label3(1), coin() ? U"2" : U"3");
        form.setText(ctl::Text1, pick(kCellSamples).written + U"12");
        form.setText(ctl::Text2, pick(kCellSamples).written);
        form.setTimer1Enabled(coin());
        form.setFocus(tabOrder()[index(tabOrder().size())]);
        return e;
    }

  private:
    bool coin() { return std::uniform_int_distribution<int>(0, 1)(rng_) == 1; }
    std::size_t index(std::size_t size) {
        return std::uniform_int_distribution<std::size_t>(0, size - 1)(rng_);
    }
    template <typename T> const T& pick(const std::vector<T>& v) { return v[index(v.size())]; }
    Text cell(Form1& form, ControlId id, const std::vector<Sample>& samples) {
        const Sample& s = pick(samples);
        form.setText(id, s.written);
        return s.back;
    }

    std::mt19937 rng_;
};

// What Label5 says after loading a task ("" for a task that can be worked):
// digits only, a divisor above 0, at most five quotient digits.
std::u32string loadedTaskProblem(const std::array<Text, kDividendCells>& dividend,
                                 const std::array<Text, kDivisorCells>& divisor) {
    const std::u32string cannot = U"Diese Aufgabe kann nicht gerechnet werden. ";
    const auto digit = [](const Text& t) { return t.size() == 1 && t[0] >= U'0' && t[0] <= U'9'; };
    std::string a, b;
    bool gap = false;
    for (int i = kDividendCells - 1; i >= 0; --i) {
        const Text& t = dividend[static_cast<std::size_t>(i)];
        gap = gap || t.empty();
        if (!t.empty() && (gap || !digit(t))) {
            return cannot + U"Der Dividend darf nur Ziffern haben, höchstens 6.";
        }
        a += t.empty() ? "" : test::utf8(t);
    }
    if (a.empty()) {
        return cannot + U"Bitte zuerst den Dividenden eingeben.";
    }
    for (int i = kDivisorCells - 1; i >= 0; --i) {
        const Text& t = divisor[static_cast<std::size_t>(i)];
        if (t.empty() && b.empty()) {
            continue;
        }
        if (!digit(t)) {
            return cannot + U"Der Divisor darf nur Ziffern haben, höchstens 3.";
        }
        b += test::utf8(t);
    }
    if (b.empty()) {
        return cannot + U"Bitte auch den Divisor eingeben.";
    }
    const long d = std::stol(b);
    if (d == 0) {
        return cannot + U"Durch 0 kann man nicht teilen.";
    }
    std::size_t used = 0;
    long partial = 0;
    while (used < a.size() && (used == 0 || partial < d)) {
        partial = partial * 10 + (a[used++] - '0');
    }
    if (a.size() - used + 1 > static_cast<std::size_t>(kResultatCells)) {
        return cannot + U"Das Ergebnis hätte mehr als 5 Stellen: dafür reicht der Platz nicht.";
    }
    return {};
}

// The documented result of loading `saved` onto a sheet: what the file holds,
// everything else as the sheet had it, plus the load's own resets.
void applyDocumentedLoad(Form1& form, const Expected& saved) {
    Text text1, text2;
    for (int i = kDividendCells - 1; i >= 0; --i) {
        form.setText(ctl::dividend(i), saved.dividend[i]);
        text1 += saved.dividend[i];
    }
    for (int i = kDivisorCells - 1; i >= 0; --i) {
        form.setText(ctl::divisor(i), saved.divisor[i]);
        text2 += saved.divisor[i];
    }
    form.setText(ctl::Text1, text1);
    form.setText(ctl::Text2, text2);
    for (int j = 0; j < kResultatCells; ++j) {
        form.setText(ctl::resultat(j), saved.resultat[j]);
        form.setEnabled(ctl::resultat(j), true);
    }
    for (int i = 0; i < kWorkRows; ++i) {
        const bool locked = saved.infoShown[i] && saved.verdict[i] == Verdict::Korrekt;
        if (i % 2 == 0) {
            form.setEnabled(ctl::resultat(i / 2), !locked);
        }
        for (int c = 0; c < kRowCells; ++c) {
            form.setText(ctl::workRow(i, c), saved.kontrolle[i][c]);
            form.setEnabled(ctl::workRow(i, c), !locked);
        }
        form.setVisible(ctl::info(i), saved.infoShown[i]);
        if (saved.infoShown[i]) {
            form.setVerdict(i, saved.verdict[i]);
            form.setBackground(ctl::info(i),
                               saved.verdict[i] == Verdict::Korrekt   ? colors::LightGreen
                               : saved.verdict[i] == Verdict::Pending ? colors::Yellow
                                                                      : colors::LightRed);
        } else {
            form.setVerdict(i, Verdict::Fehler);
            form.setBackground(ctl::info(i), colors::LightGreen);
        }
        form.setVisible(ctl::fehler(i), saved.markShown[i]);
        setCounter(form, i, saved.markShown[i] ? saved.mark[i] : Counter{});
    }
    form.setVisible(ctl::fehler(10), false);
    form.setErrorCount(10, 0);
    form.setVisible(ctl::Label4, false);
    const std::u32string problem = loadedTaskProblem(saved.dividend, saved.divisor);
    form.setCaption(ctl::Label5, problem);
    form.setVisible(ctl::Label5, !problem.empty());
    form.setTimer1Enabled(true);
    // Rows loaded as "Fehler" carry the reason read from the loaded sheet.
    explainRestoredVerdicts(form);
}

TEST(TaskFileCommandsRoundTrip, RandomSheetsComeBackWithOnlyTheDocumentedDifferences) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(seed);
        Services s;
        s.saveAnswer = "/prog/runde";
        s.openAnswer = "/prog/runde.AUF";

        Worksheet original;
        original.form.setAppPath("/prog");
        const Expected saved = RandomSheet(seed).apply(original.form);
        saveSheetToTaskFile(original.form, s.services());
        ASSERT_EQ(s.files.count("/prog/runde.AUF"), 1u);

        // The sheet that loads it has its own random state; the expected
        // result starts from the same state.
        Worksheet target;
        target.form.setAppPath("/prog");
        RandomSheet(seed + 100000).apply(target.form);
        Worksheet expected;
        expected.form.setAppPath("/prog");
        RandomSheet(seed + 100000).apply(expected.form);
        applyDocumentedLoad(expected.form, saved);

        loadTaskFileOntoSheet(target.form, s.services());
        EXPECT_TRUE(s.messages.empty());
        // Where the focus goes after a load has its own test.
        EXPECT_TRUE(target.form.canTakeFocus(target.form.focus()));
        expected.form.setFocus(target.form.focus());
        test::expectSameSheet(test::snapshot(expected.form), test::snapshot(target.form));
        if (HasFailure()) {
            break;
        }
    }
}

} // namespace
} // namespace zifferon
