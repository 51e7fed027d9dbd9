// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryTaskFiles.h"
#include "Pupil.h"

#include "input/KeyCodes.h"
#include "overview/MistakeSummary.h"
#include "overview/OverviewCsv.h"
#include "session/ReportCommand.h"
#include "taskfile/FileStart.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include <stdlib.h>
#include <sys/stat.h>

namespace zifferon {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A folder of the test's own, removed afterwards.
class ClassFolder {
  public:
    ClassFolder() {
        std::string pattern = (fs::temp_directory_path() / "zifferon-klasse-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
    }
    ~ClassFolder() { fs::remove_all(root_); }
    const fs::path& root() const { return root_; }
    void put(const std::string& relative, const Bytes& bytes) const {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

  private:
    fs::path root_;
};

// 9434 : 13 = 725 R 9 worked by a pupil and saved three times through the
// save command: untouched, in progress (a product once and a remainder
// eleven times wrong, a hint), finished.
std::map<std::string, Bytes> savedByAPupil() {
    Worksheet sheet;
    test::Pupil p(sheet);
    test::MemoryTaskFiles files;
    p.enterTask(U"9434", U"13");
    p.save(files, "dora");
    p.type(U'7');
    p.press(vk::Return);
    p.type(U"92");
    p.press(vk::Return);
    p.save(files, "einmal"); // one Einmaleins mistake
    auto retype = [&p](int row, int column, char32_t digit) {
        p.click(ctl::workRow(row, column));
        p.backspace();
        p.click(ctl::workRow(row, column));
        p.type(digit);
        p.press(vk::Return);
    };
    retype(0, 4, U'1');
    p.writeNumber(1, 4, 4);
    for (int i = 0; i < 11; ++i) {
        p.press(vk::Return);
    }
    p.sheet().askForHint();
    EXPECT_EQ(sheet.form.tally(1).hints, 1u) << "the hint goes to the remainder's row";
    p.save(files, "carla");
    retype(1, 4, U'3');
    const std::pair<char32_t, std::array<long, 4>> steps[] = {{U'2', {2, 3, 26, 7}},
                                                              {U'5', {4, 2, 65, 9}}};
    for (const auto& [digit, s] : steps) {
        p.type(digit);
        p.press(vk::Return);
        p.writeNumber(static_cast<int>(s[0]), static_cast<int>(s[1]), s[2]);
        p.press(vk::Return);
        p.writeNumber(static_cast<int>(s[0]) + 1, static_cast<int>(s[1]), s[3]);
        p.press(vk::Return);
    }
    EXPECT_TRUE(sheet.form.visible(ctl::Label4));
    p.save(files, "fertig");
    // The Probe: its first line once wrong, then both right.
    const auto write = [](test::Pupil& pupil, ControlId box, std::u32string_view digits) {
        pupil.click(box);
        pupil.paste(box, digits);
        pupil.press(vk::Return);
    };
    write(p, ctl::probe(0), U"9424");
    p.save(files, "probe-offen");
    write(p, ctl::probe(0), U"9425");
    write(p, ctl::probe(1), U"9425");
    write(p, ctl::probe(2), U"9434");
    p.save(files, "probe-korrekt");
    // A sheet that asks for both: untouched, then its Überschlag once wrong
    // (4 digits) and then right.
    Worksheet asked;
    test::Pupil q(asked);
    asked.setCheckDemands({true, true});
    q.enterTask(U"9434", U"13");
    q.save(files, "verlangt");
    write(q, ctl::stellen, U"4");
    q.press(vk::Return);
    write(q, ctl::stellen, U"3");
    q.press(vk::Return);
    q.save(files, "ueberschlag");
    std::map<std::string, Bytes> saved;
    for (const char* name : {"dora", "einmal", "carla", "fertig", "probe-offen", "probe-korrekt",
                             "verlangt", "ueberschlag"}) {
        saved[name] = files.files.at(std::string(name) + ".AUF");
    }
    return saved;
}

const std::string kHeader =
    "Datei;Aufgabe;Stand;Ergebnis;Richtig;Fehlversuche;Einmaleins;"
    "Abziehen;Ziffer zu gro\u00DF;Ziffer zu klein;Stellenwert;Tipps;Wiederholt;\u00DCberschlag;"
    "Probe;Fehler beim \u00DCberschlag;Fehler bei der Probe\n";

class ClassOverviewTest : public testing::Test {
  protected:
    void SetUp() override {
        const auto saved = savedByAPupil();
        Bytes wrongResult = saved.at("fertig");
        wrongResult[recordOffset(kResultatRecord) + 2] = '4'; // 724 instead of 725
        Bytes untagged = saved.at("carla");
        for (int k = 1; k <= kWorkRows; ++k) {
            std::fill_n(untagged.begin() + static_cast<std::ptrdiff_t>(recordOffset(k) + 6), 122,
                        0);
        }
        folder.put("anna/fertig.AUF", saved.at("fertig"));
        folder.put("anna/tief/zu-tief.AUF", saved.at("dora"));
        folder.put("ben/falsch.auf", wrongResult);
        // Ben's Einmaleins mistake in a second file: repeated; his Abziehen
        // and all of Anna's mistakes are in one file each: slips.
        folder.put("ben/einmal.AUF", saved.at("einmal"));
        folder.put("carla.AUF", saved.at("carla"));
        folder.put("dora.AUF", saved.at("dora"));
        folder.put("emil.AUF", Bytes(saved.at("dora").begin(), saved.at("dora").begin() + 100));
        folder.put("fritz.AUF", untagged);
        folder.put("notiz.txt", saved.at("dora"));
        folder.put("=summe;1.AUF", saved.at("dora"));
        // An old tool's name that is not UTF-8; a pipe where a file was.
        folder.put("latin1 \xE4.AUF", saved.at("dora"));
        mkfifo((folder.root() / "rohr.AUF").c_str(), 0600);
        // A count a double cannot hold: row 2's tag says 9007199254740993.
        Bytes huge = saved.at("carla");
        const std::string count = "9007199254740993";
        std::copy(count.begin(), count.end(), huge.begin() + recordOffset(2) + 10);
        huge[recordOffset(2) + 3] = '9';
        folder.put("gross.AUF", huge);
        folder.put("probe-offen.AUF", saved.at("probe-offen"));
        folder.put("probe-korrekt.AUF", saved.at("probe-korrekt"));
        folder.put("verlangt.AUF", saved.at("verlangt"));
        folder.put("ueberschlag.AUF", saved.at("ueberschlag"));
        // The Probe done, in a file from before the lines were kept.
        Bytes old = saved.at("probe-korrekt");
        std::fill_n(old.begin() + static_cast<std::ptrdiff_t>(recordOffset(kDividendRecord) + 6),
                    122, 0);
        folder.put("probe-alt.AUF", old);
        // The folder and a subfolder reached again through links.
        fs::create_directory_symlink(folder.root(), folder.root() / "schleife");
        fs::create_directory_symlink("anna", folder.root() / "anna-kopie");
    }
    ClassFolder folder;
};

// One row per kind of file, from the folder and its direct subfolders only,
// as the command line writes them.
TEST_F(ClassOverviewTest, RowsOfEveryKindOfFile) {
    std::ostringstream out, err;
    EXPECT_EQ(runReport(folder.root().string(), out, err), 0);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str(),
              kHeader + "\"'=summe;1.AUF\";9434 : 13;nicht begonnen;;;0;0;0;0;0;0;0;;;;0;0\n"
                        "anna/fertig.AUF;9434 : 13;beendet;725 Rest 9;ja;12;1;11;0;0;0;1;;;;0;0\n"
                        "ben/einmal.AUF;9434 : 13;in Arbeit;bisher 7;;1;1;0;0;0;0;0;"
                        "Einmaleins;;;0;0\n"
                        // A wrong digit is never finished, whatever the file says.
                        "ben/falsch.auf;9434 : 13;in Arbeit;bisher 724;;12;1;11;0;0;0;1;"
                        "Einmaleins;;;0;0\n"
                        "carla.AUF;9434 : 13;in Arbeit;bisher 7;;12;1;11;0;0;0;1;;;;0;0\n"
                        "dora.AUF;9434 : 13;nicht begonnen;;;0;0;0;0;0;0;0;;;;0;0\n"
                        "emil.AUF;;keine Aufgabendatei;;;;;;;;;;;;;;\n"
                        "fritz.AUF;9434 : 13;in Arbeit;bisher 7;;2;;;;;;;;;;0;0\n"
                        "gross.AUF;9434 : 13;in Arbeit;bisher 7;;9007199254740994;1;11;0;0;0;"
                        "1;;;;0;0\n"
                        "latin1 \uFFFD.AUF;9434 : 13;nicht begonnen;;;0;0;0;0;0;0;0;;;;0;0\n"
                        "probe-alt.AUF;9434 : 13;beendet;725 Rest 9;ja;12;1;11;0;0;0;1;;;;0;0\n"
                        "probe-korrekt.AUF;9434 : 13;beendet;725 Rest 9;ja;12;1;11;0;0;0;1;;;"
                        "korrekt nach 1 Fehler;0;1\n"
                        "probe-offen.AUF;9434 : 13;beendet;725 Rest 9;ja;12;1;11;0;0;0;1;;;"
                        "offen (1 Fehler);0;1\n"
                        "rohr.AUF;;keine Aufgabendatei;;;;;;;;;;;;;;\n"
                        "ueberschlag.AUF;9434 : 13;nicht begonnen;;;0;0;0;0;0;0;0;;"
                        "korrekt nach 1 Fehler;verlangt, fehlt;1;0\n"
                        "verlangt.AUF;9434 : 13;nicht begonnen;;;0;0;0;0;0;0;0;;"
                        "verlangt, fehlt;verlangt, fehlt;0;0\n");

    const ClassOverview overview = readClassFolder(folder.root().string());
    ASSERT_EQ(overview.rows.size(), 16u);
    EXPECT_NE(problemText(overview.rows[6].refusal).find("zu kurz (100 Bytes"), std::string::npos);
    EXPECT_EQ(problemText(overview.rows[13].refusal), "Das ist keine gew\u00F6hnliche Datei.");
    // The name that is not UTF-8 opens by its bytes, as a double-click does.
    EXPECT_EQ(overview.rows[9].path, (folder.root() / "latin1 \xE4.AUF").string());
    EXPECT_FALSE(readFileStart(overview.rows[9].path, kTaskFileSize).failure);
    const std::string csv = overviewCsv(overview.rows, true);
    EXPECT_EQ(csv.substr(csv.rfind('\n', csv.size() - 2) + 1),
              "Summe: 16 Dateien;;5 nicht begonnen, 5 in Arbeit, 4 beendet, 2 keine "
              "Aufgabendatei;;4 ja;9007199254741069;8;77;0;0;0;7;bei 1 von 2 Kindern;"
              "1 korrekt, 1 fehlt;1 korrekt, 1 offen, 2 fehlen;1;2\n");

    // Per pupil: the files with each kind of mistake, a kind in two files repeated.
    const std::vector<PupilSummary> pupils = pupilSummaries(overview.rows);
    ASSERT_EQ(pupils.size(), 2u);
    const std::pair<std::string, std::array<std::string, kMistakeKinds>> expected[] = {
        {"anna", {"einmal", "einmal", "", "", ""}},
        {"ben", {"wiederholt (2)", "einmal", "", "", ""}},
    };
    for (std::size_t i = 0; i < pupils.size(); ++i) {
        EXPECT_EQ(pupils[i].pupil, expected[i].first);
        for (int k = 0; k < kMistakeKinds; ++k) {
            EXPECT_EQ(pupilKindText(pupils[i], static_cast<MistakeKind>(k)),
                      expected[i].second[static_cast<std::size_t>(k)]);
        }
    }
    EXPECT_EQ(mistakeSummary(classTally(overview.rows)),
              "Fehler der Klasse nach Art: Einmaleins 8, Abziehen 77, Ziffer zu gro\u00DF 0, "
              "Ziffer zu klein 0, Stellenwert 0 (zusammen 85). Am h\u00E4ufigsten: Abziehen.");
}

// A pipe swapped with a task file under the reader's feet: every read ends,
// with the file or with the refusal, never waiting for a writer.
TEST_F(ClassOverviewTest, APipeSwappedInNeverBlocks) {
    const fs::path file = folder.root() / "x.AUF";
    const fs::path next = folder.root() / "neu";
    folder.put("x.AUF", Bytes(kTaskFileSize, '0'));
    std::atomic<bool> done = false;
    std::thread swapper([&] {
        for (int i = 0; !done; ++i) {
            if (i % 2) {
                mkfifo(next.c_str(), 0600);
            } else {
                folder.put("neu", Bytes(kTaskFileSize, '0'));
            }
            fs::rename(next, file);
        }
    });
    int files = 0, pipes = 0;
    for (int i = 0; i < 300; ++i) {
        const ReadResult read = readFileStart(file.string(), kTaskFileSize);
        files += !read.failure;
        pipes += problemText(read.failure) == "Das ist keine gew\u00F6hnliche Datei.";
    }
    done = true;
    swapper.join();
    EXPECT_EQ(files + pipes, 300);
}

// The chart in a sentence: every kind sharing the top count is named; no
// mistakes, or no file that tells their kinds, are said as such.
TEST(MistakeSummary, TopKindsNoneAndUnknown) {
    const std::pair<std::optional<RowTally>, std::string> cases[] = {
        {RowTally{{0, 4, 0, 4, 1}, 9},
         "Fehler der Klasse nach Art: Einmaleins 0, Abziehen 4, Ziffer zu gro\u00DF 0, Ziffer zu "
         "klein 4, Stellenwert 1 (zusammen 9). Am h\u00E4ufigsten: Abziehen und Ziffer zu klein."},
        {RowTally{},
         "Fehler der Klasse nach Art: Einmaleins 0, Abziehen 0, Ziffer zu gro\u00DF 0, Ziffer zu "
         "klein 0, Stellenwert 0. Keine Fehler."},
        {std::nullopt, "Fehler der Klasse nach Art: keine Datei nennt die Art ihrer Fehler."},
    };
    for (const auto& [tally, sentence] : cases) {
        EXPECT_EQ(mistakeSummary(tally), sentence);
    }
}

TEST_F(ClassOverviewTest, CommandLineExitCodes) {
    struct Case {
        std::string folder;
        int code;
        std::string message;
    };
    const std::string root = folder.root().string();
    const std::vector<Case> cases{
        {root, 0, ""},
        {root + "/fehlt", 2,
         "zifferon: Der Ordner \u201E" + root + "/fehlt\u201C existiert nicht.\n"},
        {root + "/dora.AUF", 2, "zifferon: \u201E" + root + "/dora.AUF\u201C ist kein Ordner.\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(runReport(c.folder, out, err), c.code) << c.folder;
        EXPECT_EQ(err.str(), c.message);
        EXPECT_EQ(out.str().empty(), c.code != 0);
    }
    std::ostringstream full, err;
    full.setstate(std::ios::badbit);
    EXPECT_EQ(runReport(root, full, err), 1);
    EXPECT_NE(err.str().find("kann nicht ausgegeben werden"), std::string::npos);
}

} // namespace
} // namespace zifferon
