// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryTaskFiles.h"
#include "SheetText.h"

#include "check/RowJudge.h"
#include "handout/HandoutFiles.h"
#include "session/Worksheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

namespace zifferon {
namespace {

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
        ASSERT_EQ(draw.problem, "");
        ASSERT_EQ(draw.tasks.size(), static_cast<std::size_t>(s.tasks));
        EXPECT_EQ(pairsOf(drawHandout(s).tasks), pairsOf(draw.tasks));
        const long dividends = std::min(999999L, std::lround(std::pow(10, s.dividendDigits)));
        const long divisors = s.divisorDigits == 3 ? 999 : 100;
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

TEST(HandoutDraw, SettingsWithoutASheetAreRefusedInGerman) {
    const std::pair<HandoutSettings, const char*> cases[] = {
        {{0, 4, 2, 1}, "1 bis 20 Aufgaben"},
        {{21, 4, 2, 1}, "1 bis 20 Aufgaben"},
        {{8, 0, 2, 1}, "1 bis 6 Stellen"},
        {{8, 7, 2, 1}, "1 bis 6 Stellen"},
        {{8, 4, 1, 1}, "2 oder 3 Stellen"},
        {{8, 4, 4, 1}, "2 oder 3 Stellen"},
        {{8, 4, 2, 1000000}, "zwischen 0 und 999999"},
        // Dividends up to 10, divisors from 11: no task at all.
        {{1, 1, 2, 1}, "kein Dividend so groß wie ein Divisor"},
    };
    for (const auto& [settings, reason] : cases) {
        const HandoutDraw draw = drawHandout(settings);
        EXPECT_NE(draw.problem.find(reason), std::string::npos) << draw.problem;
        EXPECT_EQ(handoutProblem(settings), draw.problem);
        EXPECT_TRUE(draw.tasks.empty());
    }
}

// Every task file loads back as the sheet "Eingabe" makes of its task, and
// the answer key's line, quotient digits and rows are integer division's
// result, each row judged right.
TEST(HandoutFiles, LoadBackAsFreshSheetsAndTheKeyIsIntegerDivision) {
    for (const HandoutSettings& s : {HandoutSettings{20, 6, 3, 4711}, {20, 4, 2, 8}}) {
        const HandoutDraw draw = drawHandout(s);
        test::MemoryTaskFiles files;
        ASSERT_TRUE(writeHandoutFiles(draw.tasks, "/klasse/", files).ok);
        ASSERT_EQ(files.files.size(), draw.tasks.size());
        for (std::size_t i = 0; i < draw.tasks.size(); ++i) {
            const HandoutTask& task = draw.tasks[i];
            const std::string path = "/klasse/" + handoutFileName(int(i) + 1, task);
            SCOPED_TRACE(path);
            ASSERT_EQ(files.files.count(path), 1u);
            Worksheet loaded;
            files.answer(path);
            loaded.load(files.services());
            EXPECT_TRUE(files.messages.empty());
            Worksheet entered;
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
        }
    }
}

TEST(HandoutFiles, AFileThatCannotBeWrittenIsNamed) {
    const HandoutDraw draw = drawHandout({8, 4, 2, 4711});
    test::MemoryTaskFiles files;
    const std::string third = "/klasse/" + handoutFileName(3, draw.tasks[2]);
    files.writeFailures[third] = "Kein Platz.";
    const WriteResult result = writeHandoutFiles(draw.tasks, "/klasse", files);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("\u201E" + third + "\u201C"), std::string::npos) << result.reason;
    EXPECT_NE(result.reason.find("Kein Platz."), std::string::npos);
    EXPECT_EQ(handoutFileName(1, {9434, 13, {}}), "Aufgabe 01 - 9434 durch 13.AUF");
}

} // namespace
} // namespace zifferon
