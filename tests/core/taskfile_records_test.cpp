// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetText.h"

#include "Pupil.h"
#include "TaskFileTestSupport.h"
#include "check/CheckLines.h"
#include "check/WorkedSolution.h"
#include "session/Worksheet.h"
#include "sheet/Layout.h"
#include "tracker/ProgressTracker.h"

#include "task/TaskEntry.h"
#include "taskfile/TaskRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

namespace zifferon {
namespace {

using test::enterTask;
using test::rowText;
using Bytes6 = std::array<std::uint8_t, 6>;

Bytes6 recordAt(const TaskFileBytes& file, int k) {
    Bytes6 r{};
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(recordOffset(k)), 6, r.begin());
    return r;
}

Bytes6 ascii(std::string_view six) {
    Bytes6 r{};
    for (std::size_t i = 0; i < 6; ++i) {
        r[i] = static_cast<std::uint8_t>(six.at(i));
    }
    return r;
}

// A file whose every record position holds a space, row states "0F0".
TaskFileBytes blankFile() {
    TaskFileBytes file{};
    for (int k = 1; k <= static_cast<int>(kRecordCount); ++k) {
        const Bytes6 r = k <= kWorkRows ? ascii("0F0   ") : ascii("      ");
        std::copy(r.begin(), r.end(), file.begin() + static_cast<std::ptrdiff_t>(recordOffset(k)));
    }
    return file;
}

void putRecord(TaskFileBytes& file, int k, const Bytes6& r) {
    std::copy(r.begin(), r.end(), file.begin() + static_cast<std::ptrdiff_t>(recordOffset(k)));
}

void load(Form1& form, const TaskFileBytes& file) {
    applyTaskRecords(form, std::span<const std::uint8_t, kTaskFileSize>(file));
}

TEST(TaskRecordsFormat, TwentyThreeRecordsOf128BytesWithTagsAndZeroFiller) {
    EXPECT_EQ(kRecordLength, 128u);
    EXPECT_EQ(kRecordCount, 23u);
    EXPECT_EQ(kTaskFileSize, 2944u);
    EXPECT_EQ(recordOffset(23), 2816u);

    // Every record gets its own mark at position 1 so that a record written
    // at the wrong offset shows up.
    Worksheet sheet;
    Form1& form = sheet.form;
    for (int i = 0; i < kWorkRows; ++i) {
        form.setVisible(ctl::info(i), i % 2 == 0);
    }
    form.setText(ctl::dividend(0), U"A");
    form.setText(ctl::divisor(0), U"B");
    form.setText(ctl::resultat(0), U"C");
    for (int n = 1; n <= kWorkRows; ++n) {
        form.setText(ctl::workRow(n - 1, 0), Text(1, static_cast<char32_t>(U'D' + n - 1)));
    }
    const TaskFileBytes file = writeTaskRecords(form);
    const std::string firstBytes = "1010101010ABCDEFGHIJKLM";
    for (int k = 1; k <= 23; ++k) {
        const std::size_t start = static_cast<std::size_t>(128 * (k - 1));
        EXPECT_EQ(file[start],
                  static_cast<std::uint8_t>(firstBytes[static_cast<std::size_t>(k - 1)]))
            << "record " << k;
        // The row-state records carry the tag, the dividend's record the
        // Überschlag and the Probe (none asked, none written: "-", count 0,
        // empty boxes); the rest of the filler is zero.
        std::size_t zeroFrom = k <= kWorkRows ? kTagEnd : 6;
        if (k <= kWorkRows) {
            EXPECT_EQ(std::string(file.begin() + start + 6, file.begin() + start + 10), "ZIF1");
        }
        if (k == 11) {
            const std::string line = "-" + std::string(16, '0');
            const std::string tag = "ZIF2"
                                    "00" +
                                    line + line + line + std::string(25, ' ');
            EXPECT_EQ(std::string(file.begin() + start + 6, file.begin() + start + 6 + 82), tag);
            zeroFrom = 6 + 82;
        }
        for (std::size_t b = zeroFrom; b < 128; ++b) {
            ASSERT_EQ(file[start + b], 0) << "record " << k << " byte " << b;
        }
    }
}

TEST(TaskRecordsWrite, RowStateRecords) {
    struct Case {
        const char* what;
        bool infoShown;
        Verdict verdict;
        bool fehlerShown;
        std::uint64_t count;
        char32_t mark; // shown instead of the count when not 0
        Bytes6 bytes;
    };
    const std::vector<Case> cases{
        {"both hidden", false, Verdict::Fehler, false, 0, 0, {0x30, 0x46, 0x30, 0x20, 0x20, 0x20}},
        {"korrekt, mark 2",
         true,
         Verdict::Korrekt,
         true,
         2,
         0,
         {0x31, 0x6B, 0x31, 0x32, 0x20, 0x20}},
        {"pending, mark hidden",
         true,
         Verdict::Pending,
         false,
         0,
         0,
         {0x31, 0x3F, 0x30, 0x20, 0x20, 0x20}},
        {"Fehler shown", true, Verdict::Fehler, false, 0, 0, ascii("1F0   ")},
        {"no verdict", true, Verdict::None, false, 0, 0, ascii("1F0   ")},
        {"hidden korrekt", false, Verdict::Korrekt, false, 0, 0, ascii("0F0   ")},
        {"count 12", true, Verdict::Fehler, true, 12, 0, ascii("1F11  ")},
        {"blank mark", false, Verdict::Fehler, true, 0, U' ', ascii("0F1   ")},
        {"hidden count", false, Verdict::Fehler, false, 3, 0, ascii("0F0   ")},
        {"umlaut mark",
         false,
         Verdict::Fehler,
         true,
         0,
         U'\u00E4',
         {0x30, 0x46, 0x31, 0xE4, 0x20, 0x20}},
    };
    for (const Case& c : cases) {
        for (int row : {0, 6, 9}) {
            Worksheet sheet;
            Form1& form = sheet.form;
            form.setVisible(ctl::info(row), c.infoShown);
            form.setVerdict(row, c.verdict);
            form.setVisible(ctl::fehler(row), c.fehlerShown);
            if (c.mark != 0) {
                form.setErrorMark(row, c.mark);
            } else {
                form.setErrorCount(row, c.count);
            }
            const TaskFileBytes file = writeTaskRecords(form);
            EXPECT_EQ(recordAt(file, row + 1), c.bytes) << c.what << ", row " << row;
        }
    }
}

TEST(TaskRecordsWrite, CellRecordsHoldTheFirstCharacterOrASpace) {
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"9434", U"13");
    form.setText(ctl::resultat(0), U"7");
    form.setText(ctl::resultat(1), U"12");
    form.setText(ctl::resultat(2), U" ");
    test::writeRow(form, 1, "91....");
    test::writeRow(form, 2, "_3_4_5");
    const TaskFileBytes file = writeTaskRecords(form);

    EXPECT_EQ(recordAt(file, 11), (Bytes6{0x20, 0x20, 0x34, 0x33, 0x34, 0x39}));
    EXPECT_EQ(recordAt(file, 12), (Bytes6{0x33, 0x31, 0x20, 0x20, 0x20, 0x20}));
    EXPECT_EQ(recordAt(file, 13), ascii("71    "));
    EXPECT_EQ(recordAt(file, 14), ascii("    19"));
    EXPECT_EQ(recordAt(file, 15), ascii("5 4 3 "));
    for (int k = 16; k <= 23; ++k) {
        EXPECT_EQ(recordAt(file, k), ascii("      ")) << k;
    }
}

TEST(TaskRecordsRead, RowStateRecords) {
    struct Case {
        const char* what;
        Bytes6 bytes;
        bool infoShown;
        Text infoCaption;
        Rgb infoColour;
        bool fehlerShown;
        Text fehlerCaption;
    };
    const Rgb green = colors::LightGreen, red = colors::LightRed, yellow = colors::Yellow;
    const std::vector<Case> cases{
        {"both hidden", ascii("0F0   "), false, U"Fehler", green, false, U"0"},
        {"korrekt, mark 2", ascii("1k12  "), true, U"korrekt", green, true, U"2"},
        {"pending", ascii("1?0   "), true, U"korrekt?", yellow, false, U"0"},
        {"F", ascii("1F0   "), true, U"Fehler", red, false, U"0"},
        {"x", ascii("1x0   "), true, U"Fehler", red, false, U"0"},
        {"capital K", ascii("1K0   "), true, U"Fehler", red, false, U"0"},
        {"zero byte verdict", {'1', 0, '0', ' ', ' ', ' '}, true, U"Fehler", red, false, U"0"},
        {"shown needs exactly 1", ascii("2k2   "), false, U"Fehler", green, false, U"0"},
        {"mark is one character", ascii("0F1 9 "), false, U"Fehler", green, true, U" "},
        {"mark in cp1252",
         {'0', 'F', '1', 0x80, ' ', ' '},
         false,
         U"Fehler",
         green,
         true,
         U"\u20AC"},
        {"spare positions ignored", ascii("0F0 1k"), false, U"Fehler", green, false, U"0"},
    };
    for (const Case& c : cases) {
        Worksheet sheet;
        Form1& form = sheet.form;
        enterTask(form, U"9434", U"13");
        TaskFileBytes file = blankFile();
        putRecord(file, 4, c.bytes);
        load(form, file);
        EXPECT_EQ(form.visible(ctl::info(3)), c.infoShown) << c.what;
        EXPECT_EQ(form.caption(ctl::info(3)), c.infoCaption) << c.what;
        EXPECT_EQ(form.background(ctl::info(3)), c.infoColour) << c.what;
        EXPECT_EQ(form.visible(ctl::fehler(3)), c.fehlerShown) << c.what;
        EXPECT_EQ(form.caption(ctl::fehler(3)), c.fehlerCaption) << c.what;
        // The neighbours are not touched by record 4.
        EXPECT_FALSE(form.visible(ctl::info(2))) << c.what;
        EXPECT_FALSE(form.visible(ctl::info(4))) << c.what;
    }
}

TEST(TaskRecordsRead, HiddenVerdictKeepsCaptionAndColourButHiddenMarkIsReset) {
    Worksheet sheet;
    Form1& form = sheet.form;
    form.setVisible(ctl::info(5), true);
    form.setVerdict(5, Verdict::Pending);
    form.setBackground(ctl::info(5), colors::Yellow);
    form.setVisible(ctl::fehler(5), true);
    form.setErrorCount(5, 3);
    TaskFileBytes file = blankFile();
    putRecord(file, 6, ascii("0k0 7 "));
    load(form, file);
    EXPECT_FALSE(form.visible(ctl::info(5)));
    EXPECT_EQ(form.caption(ctl::info(5)), texts::Pending);
    EXPECT_EQ(form.background(ctl::info(5)), colors::Yellow);
    EXPECT_FALSE(form.visible(ctl::fehler(5)));
    EXPECT_EQ(form.caption(ctl::fehler(5)), U"0");
}

TEST(TaskRecordsRead, CellRecords) {
    Worksheet sheet;
    Form1& form = sheet.form;
    enterTask(form, U"1", U"2");
    TaskFileBytes file = blankFile();
    putRecord(file, 11, ascii("  4349"));
    putRecord(file, 12, ascii("31 xyz"));                  // 4 to 6 are spare
    putRecord(file, 13, {'7', ' ', 0xE9, 0x80, '0', 'Q'}); // 6 is spare
    putRecord(file, 14, ascii("    19"));
    putRecord(file, 23, ascii("a b c "));
    load(form, file);
    EXPECT_EQ(test::dividendText(form), "9434..");
    EXPECT_EQ(test::divisorText(form), ".13");
    EXPECT_EQ(form.text(ctl::resultat(0)), U"7");
    EXPECT_EQ(form.text(ctl::resultat(1)), U"");
    EXPECT_EQ(form.text(ctl::resultat(2)), U"\u00E9");
    EXPECT_EQ(form.text(ctl::resultat(3)), U"\u20AC");
    EXPECT_EQ(form.text(ctl::resultat(4)), U"0");
    EXPECT_EQ(rowText(form, 1), "91....");
    EXPECT_EQ(rowText(form, 10), ".c.b.a");
    for (int n = 2; n <= 9; ++n) {
        EXPECT_EQ(rowText(form, n), "......") << n;
    }
}

// A row saved as right comes back locked: its six cells and, for a product
// row, its quotient cell, as the check that judged it right left them.
TEST(TaskRecordsRead, KorrektRowLocksItsCellsAndNoOtherCell) {
    for (int row = 0; row < kWorkRows; ++row) {
        for (const char* state : {"1k0   ", "0k0   ", "1?0   ", "1F1   "}) {
            Worksheet sheet;
            Form1& form = sheet.form;
            enterTask(form, U"9434", U"13");
            TaskFileBytes file = blankFile();
            putRecord(file, row + 1, ascii(state));
            putRecord(file, 14 + row, ascii("123456"));
            load(form, file);
            const bool locked = std::string_view(state) == "1k0   ";
            for (ControlId id : allControls()) {
                if (id.kind == Kind::Dividend || id.kind == Kind::Divisor) {
                    EXPECT_FALSE(form.enabled(id));
                } else if (isCell(id.kind)) {
                    const bool inRow = id.kind == kontrolleKind(row + 1) ||
                                       (row % 2 == 0 && id == ctl::resultat(row / 2));
                    EXPECT_EQ(form.enabled(id), !(locked && inRow))
                        << state << " row " << row << " " << test::controlName(id);
                }
            }
            // The cells keep what the file says, locked or not.
            EXPECT_EQ(rowText(form, row + 1), "654321") << state << " row " << row;
        }
    }
}

TEST(TaskRecordsRead, EachCellOfAKorrektRowIsDisabledRightAfterItIsSet) {
    // Seen from the change event of each cell: it is still enabled, the cells
    // before it in index order are already disabled, the ones after it not.
    Form1 form;
    enterTask(form, U"9434", U"13");
    TaskFileBytes file = blankFile();
    putRecord(file, 3, ascii("1k0   "));
    putRecord(file, 16, ascii("123456"));
    std::vector<std::string> seen;
    form.setCellChangeHook([&seen](Form1& f, int row, int column) {
        std::string enabled;
        for (int c = 0; c < kRowCells; ++c) {
            enabled += f.enabled(ctl::workRow(row, c)) ? '1' : '0';
        }
        seen.push_back(std::to_string(row) + ":" + std::to_string(column) + ":" + enabled);
    });
    load(form, file);
    const std::vector<std::string> expected{"2:0:111111", "2:1:011111", "2:2:001111",
                                            "2:3:000111", "2:4:000011", "2:5:000001"};
    EXPECT_EQ(seen, expected);
}

TEST(TaskRecordsRead, FillerBytesDoNotMatter) {
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    TaskFileBytes plain = blankFile();
    putRecord(plain, 1, ascii("1k13  "));
    putRecord(plain, 2, ascii("1?0   "));
    putRecord(plain, 11, ascii("  4349"));
    putRecord(plain, 12, ascii("31    "));
    putRecord(plain, 13, ascii("7     "));
    putRecord(plain, 14, ascii("    19"));
    putRecord(plain, 15, ascii("   3  "));
    TaskFileBytes noisy = plain;
    for (int k = 1; k <= 23; ++k) {
        for (std::size_t b = 6; b < kRecordLength; ++b) {
            noisy[recordOffset(k) + b] = static_cast<std::uint8_t>(byte(rng));
        }
    }
    ASSERT_NE(plain, noisy);

    Worksheet a;
    Worksheet b;
    enterTask(a.form, U"1", U"1");
    enterTask(b.form, U"1", U"1");
    load(a.form, plain);
    load(b.form, noisy);
    test::expectSameSheet(test::snapshot(a.form), test::snapshot(b.form));
    EXPECT_EQ(a.form.caption(ctl::fehler(0)), U"3");
    EXPECT_EQ(rowText(b.form, 1), "91....");
}

// The tag of a row: written in the filler, read back whole; anything else
// there loads exactly as a file without it.
TEST(TaskRecordsTag, FullCountTallyAndHintsComeBackAndGarbageIsIgnored) {
    Worksheet saved;
    enterTask(saved.form, U"9434", U"13");
    saved.form.setVisible(ctl::fehler(3), true);
    saved.form.setErrorCount(3, 12);
    RowTally tally;
    tally.of(MistakeKind::Einmaleins) = 4;
    tally.of(MistakeKind::Stellenwert) = 7;
    tally.hints = 3;
    saved.form.setTally(3, tally);
    const TaskFileBytes file = writeTaskRecords(saved.form);
    const std::size_t tag = recordOffset(4) + kTagOffset;
    EXPECT_EQ(std::string(file.begin() + tag, file.begin() + recordOffset(4) + kTagEnd),
              "ZIF1" + std::string(14, '0') + "12" + std::string(15, '0') + "4" +
                  std::string(63, '0') + "7" + std::string(15, '0') + "3");

    TaskFileBytes untagged = file;
    std::fill_n(untagged.begin() + static_cast<std::ptrdiff_t>(tag), kRecordLength - kTagOffset, 0);
    auto changed = [&file](std::size_t at, std::string_view bytes) {
        TaskFileBytes f = file;
        std::copy(bytes.begin(), bytes.end(), f.begin() + static_cast<std::ptrdiff_t>(at));
        return f;
    };
    TaskFileBytes noise = file;
    std::mt19937 rng(16);
    for (std::size_t b = tag; b < recordOffset(5); ++b) {
        noise[b] = static_cast<std::uint8_t>(rng());
    }
    struct Case {
        const char* what;
        TaskFileBytes bytes;
        bool taken;
    };
    const std::vector<Case> cases{
        {"as written", file, true},
        {"no tag", untagged, false},
        {"another mark", changed(tag + 3, "2"), false},
        {"a letter among the digits", changed(tag + 30, "x"), false},
        {"count disagrees with the mark", changed(tag + 18, "25"), false},
        {"kinds above the count", changed(tag + 98, "13"), false},
        {"random bytes", noise, false},
    };
    Worksheet plain;
    load(plain.form, untagged);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Worksheet back;
        load(back.form, c.bytes);
        EXPECT_EQ(readRowTag(c.bytes, 3).has_value(), c.taken);
        EXPECT_EQ(back.form.tally(3), c.taken ? tally : RowTally{});
        if (c.taken) {
            EXPECT_EQ(back.form.caption(ctl::fehler(3)), U"12");
            EXPECT_EQ(writeTaskRecords(back.form), file);
        } else {
            test::expectSameSheet(test::snapshot(plain.form), test::snapshot(back.form));
        }
    }
    EXPECT_EQ(plain.form.caption(ctl::fehler(3)), U"1");
}

// The Überschlag and the Probe in the filler of record 11: what a sheet
// shows of them comes back from the file; a file without them, or with
// anything else there, loads with the lines as a new task has them.
TEST(TaskRecordsCheckLines, LinesComeBackAndAFileWithoutThemLoadsAsBefore) {
    // 9434 : 13, the count of digits judged wrong twice, an estimate written.
    Worksheet started;
    enterTask(started.form, U"9434", U"13");
    started.form.setDemands({true, false});
    started.form.setText(ctl::stellen, U"4");
    checkLine(started.form, CheckLine::Ueberschlag);
    checkLine(started.form, CheckLine::Ueberschlag);
    started.form.setText(ctl::etwa, U"700");
    const TaskFileBytes startedFile = writeTaskRecords(started.form);
    const std::size_t tag = recordOffset(11) + kTagOffset;
    const std::string none = "-" + std::string(16, '0');
    EXPECT_EQ(std::string(startedFile.begin() + tag, startedFile.begin() + tag + 82),
              "ZIF2"
              "10"
              "F" +
                  std::string(15, '0') + "2" + none + none + "4" + "700   " + std::string(18, ' '));

    // The same task finished, with the Probe right in both lines.
    Worksheet finished;
    enterTask(finished.form, U"9434", U"13");
    writeWorkedSolution(finished.form, *workedSolution("9434", 13));
    for (int row = 0; row < 6; ++row) {
        finished.form.showVerdict(row, Verdict::Korrekt);
        finished.form.setVisible(ctl::info(row), true);
    }
    trackProgress(finished.form);
    ASSERT_TRUE(finished.form.visible(ctl::Label4));
    finished.form.setText(ctl::probe(0), U"9425");
    checkLine(finished.form, CheckLine::ProbeMal);
    finished.form.setText(ctl::probe(1), U"9425");
    finished.form.setText(ctl::probe(2), U"9434");
    checkLine(finished.form, CheckLine::ProbePlus);
    const TaskFileBytes finishedFile = writeTaskRecords(finished.form);
    EXPECT_EQ(std::string(finishedFile.begin() + tag, finishedFile.begin() + tag + 82),
              "ZIF2"
              "00" +
                  none + "k" + std::string(16, '0') + "k" + std::string(16, '0') +
                  " "
                  "      "
                  "9425  "
                  "9425  "
                  "9434  ");

    auto back = [](const TaskFileBytes& file) {
        auto sheet = std::make_unique<Worksheet>();
        test::MemoryTaskFiles files;
        files.files["a.AUF"] = {file.begin(), file.end()};
        test::Pupil(*sheet).load(files, "a.AUF");
        return sheet;
    };
    const auto again = back(startedFile);
    const Form1& a = again->form;
    EXPECT_EQ(a.demands(), (Form1::CheckDemands{true, false}));
    EXPECT_EQ(a.caption(ctl::pruefung(CheckLine::Ueberschlag)), texts::Fehler);
    EXPECT_EQ(a.caption(ctl::pfehler(CheckLine::Ueberschlag)), U"2");
    EXPECT_TRUE(a.visible(ctl::pfehler(CheckLine::Ueberschlag)));
    EXPECT_EQ(a.text(ctl::etwa), U"700");
    EXPECT_EQ(test::utf8(a.toolTip(ctl::pruefung(CheckLine::Ueberschlag))),
              "13 passt zuerst in 94. Die erste Ziffer des Ergebnisses gehört also zur "
              "Hunderterspalte.");
    EXPECT_EQ(a.focus(), ctl::stellen) << "the sheet asks for the Überschlag first";
    EXPECT_EQ(writeTaskRecords(a), startedFile);

    const auto checked = back(finishedFile);
    const Form1& f = checked->form;
    EXPECT_TRUE(f.visible(ctl::Label4));
    EXPECT_EQ(f.caption(ctl::Label8), U"725 · 13 =");
    EXPECT_EQ(f.caption(ctl::Label9), U"+ 9 =");
    EXPECT_EQ(f.lineVerdict(CheckLine::ProbePlus), Verdict::Korrekt);
    EXPECT_FALSE(f.enabled(ctl::probe(2))) << "a right line stays locked";
    EXPECT_EQ(test::utf8(f.toolTip(ctl::pruefung(CheckLine::ProbePlus))),
              "Die Probe ergibt 9434, die Aufgabe heißt 9434: stimmt.");
    EXPECT_EQ(writeTaskRecords(f), finishedFile);

    // Without the tag, or with a letter out of place in it, the file loads
    // as one from before the lines: nothing asked, nothing written.
    for (const std::size_t at :
         {std::size_t{0}, std::size_t{6}, std::size_t{63}, std::size_t{65}}) {
        TaskFileBytes other = startedFile;
        if (at == 0) {
            std::fill_n(other.begin() + static_cast<std::ptrdiff_t>(tag), 82, 0);
        } else {
            other[tag + at] = 'x';
        }
        const auto plain = back(other);
        EXPECT_EQ(plain->form.demands(), Form1::CheckDemands{}) << at;
        EXPECT_TRUE(plain->form.text(ctl::stellen).empty()) << at;
        EXPECT_FALSE(plain->form.visible(ctl::pruefung(CheckLine::Ueberschlag))) << at;
        EXPECT_EQ(plain->form.focus(), ctl::resultat(0)) << at;
    }

    // A user who asks for the Probe gets it asked on top of what the file asks.
    Worksheet strict;
    strict.setCheckDemands({false, true});
    test::MemoryTaskFiles files;
    files.files["a.AUF"] = {startedFile.begin(), startedFile.end()};
    test::Pupil(strict).load(files, "a.AUF");
    EXPECT_EQ(strict.form.demands(), (Form1::CheckDemands{true, true}));
}

TEST(TaskRecordsCp1252, CharactersAndBytes) {
    // Every byte stands for exactly one character and back.
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<std::uint8_t>(b);
        EXPECT_EQ(toCp1252(fromCp1252(byte)), byte) << "byte " << b;
    }
    struct Case {
        char32_t c;
        std::uint8_t byte;
    };
    const std::vector<Case> both{
        {U'0', 0x30},      {U'\u00E9', 0xE9}, {U'\u00DF', 0xDF}, {U'\u00FC', 0xFC},
        {U'\u20AC', 0x80}, {U'\u201A', 0x82}, {U'\u2026', 0x85}, {U'\u0160', 0x8A},
        {U'\u2019', 0x92}, {U'\u2122', 0x99}, {U'\u0178', 0x9F}, {U'\u00A0', 0xA0},
        {U'\u00FF', 0xFF}, {U'\u0081', 0x81}, {U'\u008D', 0x8D}, {U'\u008F', 0x8F},
        {U'\u0090', 0x90}, {U'\u009D', 0x9D}, {U'\0', 0x00},     {U'\u007F', 0x7F},
    };
    for (const Case& c : both) {
        EXPECT_EQ(toCp1252(c.c), c.byte) << std::hex << static_cast<unsigned>(c.c);
        EXPECT_EQ(fromCp1252(c.byte), c.c) << std::hex << static_cast<unsigned>(c.byte);
    }
    // Characters the code page cannot hold are written as '?'.
    for (char32_t c : {U'\U0001F600', U'\u0080', U'\u0085', U'\u0100', U'\u20AD', U'\u4E2D',
                       U'\uFFFD', char32_t{0x110000}}) {
        EXPECT_EQ(toCp1252(c), '?') << std::hex << static_cast<unsigned>(c);
    }
}

TEST(TaskRecordsCp1252, CellsAndMarksGoThroughTheCodePage) {
    Worksheet sheet;
    Form1& form = sheet.form;
    form.setText(ctl::resultat(0), U"\u00E9");
    form.setText(ctl::resultat(1), U"\u20AC");
    form.setText(ctl::resultat(2), U"\U0001F600");
    form.setText(ctl::workRow(3, 0), U"\u00DF");
    form.setVisible(ctl::fehler(0), true);
    form.setErrorMark(0, U'\U0001F600');
    const TaskFileBytes file = writeTaskRecords(form);
    EXPECT_EQ(recordAt(file, 13), (Bytes6{0xE9, 0x80, '?', ' ', ' ', ' '}));
    EXPECT_EQ(recordAt(file, 17), (Bytes6{0xDF, ' ', ' ', ' ', ' ', ' '}));
    EXPECT_EQ(recordAt(file, 1), ascii("0F1?  "));

    Worksheet back;
    load(back.form, file);
    EXPECT_EQ(back.form.text(ctl::resultat(0)), U"\u00E9");
    EXPECT_EQ(back.form.text(ctl::resultat(1)), U"\u20AC");
    EXPECT_EQ(back.form.text(ctl::resultat(2)), U"?");
    EXPECT_EQ(back.form.text(ctl::workRow(3, 0)), U"\u00DF");
    EXPECT_EQ(back.form.caption(ctl::fehler(0)), U"?");
}

} // namespace
} // namespace zifferon
