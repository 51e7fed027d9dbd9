// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryTaskFiles.h"
#include "SheetText.h"

#include "check/RowJudge.h"
#include "handout/HandoutFiles.h"
#include "session/Worksheet.h"

#include <gtest/gtest.h>

#include "../widgets/UnprivilegedUser.h"

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>

namespace zifferon {
namespace {

namespace fs = std::filesystem;

std::vector<std::pair<long, long>> pairsOf(const std::vector<HandoutTask>& tasks) {
    std::vector<std::pair<long, long>> pairs;
    for (const HandoutTask& t : tasks) {
        pairs.emplace_back(t.dividend, t.divisor);
    }
    return pairs;
}

// The same number and limits give the same tasks, each within the limits,
// not below its divisor, fitting the grid, and each once.
TEST(HandoutDraw, SameNumberSameTasksWithinTheLimits) {
    const HandoutSettings cases[] = {
        {8, 4, 2, 4711}, {20, 2, 2, 0}, {20, 2, 3, 999999}, {20, 6, 3, 17}, {1, 3, 2, 5},
    };
    for (const HandoutSettings& s : cases) {
        SCOPED_TRACE(std::to_string(s.tasks) + " tasks, " + std::to_string(s.dividendDigits) + "," +
                     std::to_string(s.divisorDigits) + ", seed " + std::to_string(s.seed));
        const HandoutDraw draw = drawHandout(s);
        ASSERT_EQ(problemText(draw.problem), "");
        ASSERT_EQ(draw.tasks.size(), static_cast<std::size_t>(s.tasks));
        EXPECT_EQ(pairsOf(drawHandout(s).tasks), pairsOf(draw.tasks));
        // No more digits than the limits.
        const long dividends = std::lround(std::pow(10, s.dividendDigits)) - 1;
        const long divisors = s.divisorDigits == 3 ? 999 : 99;
        for (const HandoutTask& t : draw.tasks) {
            EXPECT_GE(t.dividend, t.divisor);
            EXPECT_LE(t.dividend, dividends);
            EXPECT_GE(t.divisor, 11);
            EXPECT_LE(t.divisor, divisors);
            EXPECT_TRUE(t.solution.fitsGrid());
        }
        const auto pairs = pairsOf(draw.tasks);
        EXPECT_EQ(std::set(pairs.begin(), pairs.end()).size(), pairs.size());
        HandoutSettings other = s;
        other.seed = s.seed + 1;
        EXPECT_NE(pairsOf(drawHandout(other).tasks), pairs);
    }
}

// Every kind gives a full sheet at every limit it allows, the same again
// for the same number, each task of its kind's divisors.
TEST(HandoutDraw, EveryKindFillsASheetAtEveryLimit) {
    for (TaskKind kind : kAllTaskKinds) {
        for (int d = lowestDividendDigits(kind) == 1 ? 2 : lowestDividendDigits(kind); d <= 6;
             ++d) {
            for (int e = 2; e <= 3; ++e) {
                const HandoutSettings s{20, d, e, 4711, kind};
                SCOPED_TRACE(std::string(taskKindKey(kind)) + " " + std::to_string(d) + "," +
                             std::to_string(e));
                const HandoutDraw draw = drawHandout(s);
                ASSERT_EQ(problemText(draw.problem), "");
                EXPECT_EQ(pairsOf(drawHandout(s).tasks), pairsOf(draw.tasks));
                for (const HandoutTask& t : draw.tasks) {
                    EXPECT_EQ(t.divisor <= 9, kind == TaskKind::EinstelligerDivisor);
                    EXPECT_TRUE(t.solution.fitsGrid());
                }
            }
        }
    }
}

TEST(HandoutDraw, SettingsWithoutASheetAreRefusedInGerman) {
    const std::pair<HandoutSettings, const char*> cases[] = {
        {{0, 4, 2, 1}, "1 bis 20 Aufgaben"},
        {{21, 4, 2, 1}, "1 bis 20 Aufgaben"},
        {{8, 0, 2, 1}, "2 bis 6 Stellen"},
        {{8, 7, 2, 1}, "2 bis 6 Stellen"},
        {{8, 4, 1, 1}, "2 oder 3 Stellen"},
        {{8, 4, 4, 1}, "2 oder 3 Stellen"},
        {{8, 4, 2, 1000000}, "zwischen 0 und 999999"},
        // Dividends up to 10, divisors from 11: no task at all.
        {{1, 1, 2, 1}, "kein Dividend so groß wie ein Divisor"},
        {{8, 2, 2, 1, TaskKind::NullImErgebnis}, "3 bis 6 Stellen"},
    };
    for (const auto& [settings, reason] : cases) {
        const HandoutDraw draw = drawHandout(settings);
        const std::string problem = problemText(draw.problem);
        EXPECT_NE(problem.find(reason), std::string::npos) << problem;
        EXPECT_EQ(problemText(handoutProblem(settings)), problem);
        EXPECT_TRUE(draw.tasks.empty());
    }
}

// Every task file loads back as the sheet "Eingabe" makes of its task,
// asking for what the worksheet asks, and the answer key's line, quotient
// digits, rows, Überschlag and Probe are integer division's result, each
// row judged right.
TEST(HandoutFiles, LoadBackAsFreshSheetsAndTheKeyIsIntegerDivision) {
    const std::pair<HandoutSettings, Form1::CheckDemands> cases[] = {
        {{20, 6, 3, 4711}, {}}, {{20, 4, 2, 8}, {true, true}}, {{5, 3, 2, 9}, {false, true}}};
    for (const auto& [s, demands] : cases) {
        const HandoutDraw draw = drawHandout(s);
        test::MemoryTaskFiles files;
        for (std::size_t i = 0; i < draw.tasks.size(); ++i) {
            const TaskFileBytes bytes = freshTaskFile(draw.tasks[i], demands);
            Form1 read;
            applyTaskRecords(read, bytes);
            EXPECT_EQ(read.demands(), demands);
            files.files["/klasse/" + handoutFileName(int(i) + 1, draw.tasks[i])] =
                std::vector<std::uint8_t>(bytes.begin(), bytes.end());
        }
        for (std::size_t i = 0; i < draw.tasks.size(); ++i) {
            const HandoutTask& task = draw.tasks[i];
            const std::string path = "/klasse/" + handoutFileName(int(i) + 1, task);
            SCOPED_TRACE(path);
            Worksheet loaded;
            files.answer(path);
            loaded.load(files.services());
            EXPECT_TRUE(files.messages.empty());
            Worksheet entered;
            entered.setCheckDemands(demands);
            entered.form.setText(ctl::Text1, decimalText(task.dividend));
            entered.form.setText(ctl::Text2, decimalText(task.divisor));
            entered.click(ctl::Command1);
            EXPECT_EQ(test::snapshot(loaded.form), test::snapshot(entered.form));

            long quotient = -1, remainder = 0, dividend = 0, divisor = 0;
            const std::string line = solutionLine(task);
            ASSERT_GE(std::sscanf(line.c_str(), "%ld : %ld = %ld Rest %ld", &dividend, &divisor,
                                  &quotient, &remainder),
                      3);
            EXPECT_EQ(std::pair(dividend, divisor), std::pair(task.dividend, task.divisor));
            EXPECT_EQ(std::pair(quotient, remainder),
                      std::pair(task.dividend / task.divisor, task.dividend % task.divisor))
                << line;
            Form1 key;
            enterHandoutTask(key, task);
            writeWorkedSolution(key, task.solution);
            std::string digits;
            for (std::size_t k = 0; k < task.solution.steps.size(); ++k) {
                digits += test::utf8(key.text(ctl::resultat(static_cast<int>(k))));
                for (int row : {2 * int(k), 2 * int(k) + 1}) {
                    test::judgedRightAbove(key, row);
                    const JudgeResult judged = judgeRow(key, row);
                    EXPECT_TRUE(judged.outcome == JudgeOutcome::Judged && judged.judgement.right)
                        << "row " << row;
                }
            }
            EXPECT_EQ(std::stol(digits), quotient);
            long place = 1;
            while (quotient / place >= 10) {
                place *= 10;
            }
            const std::string digitCount = std::to_string(std::to_string(quotient).size());
            EXPECT_EQ(estimateLine(task), "\u00DCberschlag: " + digitCount +
                                              (place == 1 ? " Stelle" : " Stellen") + ", etwa " +
                                              std::to_string(quotient / place * place));
            const std::string product = std::to_string(quotient * divisor);
            EXPECT_EQ(probeLines(task), (std::array<std::string, 2>{
                                            "Probe: " + std::to_string(quotient) + " \u00B7 " +
                                                std::to_string(divisor) + " = " + product,
                                            product + " + " + std::to_string(remainder) + " = " +
                                                std::to_string(dividend)}));
        }
    }
}

// A folder of the test's own, readable by everyone, removed afterwards.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "zifferon-blatt-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
        fs::permissions(root_, fs::perms(0755));
    }
    ~TempFolder() { fs::remove_all(root_); }
    std::string operator/(const std::string& name) const { return (root_ / name).string(); }
    // Every name below the folder (hidden ones too) with its size.
    std::map<std::string, std::uintmax_t> listing() const {
        std::map<std::string, std::uintmax_t> names;
        for (const auto& e : fs::recursive_directory_iterator(root_)) {
            names[e.path().lexically_relative(root_).string()] =
                e.is_regular_file() ? e.file_size() : 0;
        }
        return names;
    }

  private:
    fs::path root_;
};

// A write cut off at `bytes` per file, as by a full stick (EFBIG).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, signal_);
    }

  private:
    rlimit old_{};
    void (*signal_)(int) = nullptr;
};

void put(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A worksheet is written whole or not at all: a failure of any file leaves
// the folder as it was, and the message names the file and the reason.
TEST(HandoutFiles, AllOrNothing) {
    const std::vector<HandoutTask> tasks = drawHandout({8, 4, 2, 4711}).tasks;
    const std::vector<std::uint8_t> pdf(20000, 'x');
    struct Case {
        const char* name;
        rlim_t limit;        // bytes per file, 0: none
        int existing;        // a task file that appeared after the check (its number), 0: none
        const char* failing; // the file named, empty when all is written
        const char* reason;
    };
    const Case cases[] = {
        {"all written", 0, 0, "", ""},
        {"PDF cut off after the task files", 10000, 0, "blatt.pdf", "Die Datei ist zu gro\u00DF"},
        {"first task file cut off", 1000, 0, "Aufgabe 01", "Die Datei ist zu gro\u00DF"},
        {"a task file appeared", 0, 3, "Aufgabe 03", "Die Datei existiert bereits"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        put(folder / "blatt.pdf", "altes PDF");
        const std::string klasse = folder / (c.existing ? "klasse" : "neu \xE4");
        if (c.existing) {
            fs::create_directory(klasse);
            put(klasse + "/" + handoutFileName(c.existing, tasks[c.existing - 1]), "Arbeit");
        }
        const auto before = folder.listing();
        Problem written;
        {
            std::optional<FileSizeLimit> limit;
            if (c.limit) {
                limit.emplace(c.limit);
            }
            written = writeHandoutFiles(tasks, {}, klasse, folder / "blatt.pdf", pdf);
        }
        if (*c.failing == 0) {
            ASSERT_FALSE(written) << failureText(*written);
            auto after = folder.listing();
            EXPECT_EQ(after.size(), tasks.size() + 2); // the folder, its files and the PDF
            EXPECT_EQ(after["blatt.pdf"], pdf.size());
            for (std::size_t i = 0; i < tasks.size(); ++i) {
                const std::string name = fs::path(klasse).filename().string() + "/" +
                                         handoutFileName(int(i) + 1, tasks[i]);
                EXPECT_EQ(after[name], kTaskFileSize) << name;
            }
            continue;
        }
        ASSERT_TRUE(written);
        EXPECT_EQ(folder.listing(), before);
        const std::string reason = failureText(*written);
        EXPECT_NE(reason.find(c.failing), std::string::npos) << reason;
        EXPECT_NE(reason.find(std::string(c.reason) + ". Es wurde nichts gespeichert."),
                  std::string::npos)
            << reason;
    }
}

// What the check refuses before anything is written (exit code 2 on the
// command line); the permissions as any user, root included.
TEST(HandoutFiles, TargetsCheckedFirst) {
    const std::vector<HandoutTask> tasks = drawHandout({8, 4, 2, 4711}).tasks;
    TempFolder folder;
    fs::permissions(folder / "", fs::perms(0777));
    fs::create_directory(folder / "zu");
    fs::permissions(folder / "zu", fs::perms(0555));
    fs::create_directory(folder / "klasse");
    fs::permissions(folder / "klasse", fs::perms(0777));
    fs::create_symlink(folder / "fehlt/blatt.pdf", folder / "tot.pdf");
    put(folder / "alt.pdf", "");
    fs::permissions(folder / "alt.pdf", fs::perms(0666));
    fs::create_symlink(folder / "alt.pdf", folder / "verweis.pdf");
    const std::string first = handoutFileName(1, tasks[0]);
    struct Case {
        std::string pdf, taskFolder;
        std::string problem; // part of it; empty: accepted
    };
    const Case cases[] = {
        {folder / "blatt.pdf", folder / "klasse", ""},
        {folder / "verweis.pdf", folder / "neu/", ""},
        {folder / "klasse/../klasse/" + first, folder / "klasse",
         "w\u00E4re die Aufgabendatei \u201E" + first},
        {folder / "tot.pdf", "", "verweist auf etwas, das es nicht gibt"},
        {folder / "klasse", "", "ist ein Ordner, keine Datei"},
        {folder / "zu/blatt.pdf", "", "In den Ordner \u201E" + folder / "zu" + "\u201C kann nicht"},
        {folder / "blatt.pdf", folder / "zu", "In den Ordner \u201E" + folder / "zu" + "\u201C"},
        {folder / "blatt.pdf", folder / "zu/neu", "kann nicht geschrieben werden"},
        {folder / "blatt.pdf", folder / "fehlt/neu", "existiert nicht"},
    };
    test::AsUnprivilegedUser nobody;
    ASSERT_TRUE(nobody.active()) << "the permission cases need a user bound by them";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pdf + " | " + c.taskFolder);
        const std::string problem = problemText(handoutTargetsProblem(tasks, c.pdf, c.taskFolder));
        if (c.problem.empty()) {
            EXPECT_EQ(problem, "");
        } else {
            EXPECT_NE(problem.find(c.problem), std::string::npos) << problem;
        }
    }
}

TEST(HandoutFiles, NamedByNumberAndTask) {
    EXPECT_EQ(handoutFileName(1, {9434, 13, {}}), "Aufgabe 01 - 9434 durch 13.AUF");
}

} // namespace
} // namespace zifferon
