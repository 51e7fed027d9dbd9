// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LongDivision.h"
#include "Pupil.h"
#include "SheetText.h"

#include "check/RowCheck.h"
#include "check/RowJudge.h"
#include "check/RowSolver.h"
#include "check/WorkedSolution.h"
#include "tracker/ProgressTracker.h"

#include "input/KeyCodes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace zifferon {
namespace {

using test::digitsOf;
using test::divide;
using test::Step;

// Writes `value` into kontrolleN, units digit in `column`; returns the columns used.
std::vector<int> writeNumber(Form1& form, int n, int column, long value) {
    std::vector<int> columns;
    do {
        form.setText(ctl::workRow(n - 1, column),
                     Text(1, static_cast<char32_t>(U'0' + value % 10)));
        columns.push_back(column++);
        value /= 10;
    } while (value > 0);
    return columns;
}

struct Options {
    bool everyOtherDigit; // try all nine wrong digits per cell, else one
    bool checkCommand;    // judge wrong tries through CheckRow (counters), else SolveRow
    bool wrongWays;       // also rows shifted, judged out of order, extra and wrong digits
};

// Writes the worked row's cells from column `from` leftwards; returns the columns written.
std::vector<int> writeWorked(Form1& form, int row, const WorkedRow& cells, int from = 0) {
    std::vector<int> columns;
    for (int c = from; c < kRowCells; ++c) {
        if (const char ch = cells[static_cast<std::size_t>(c)]; ch != '\0') {
            form.setText(ctl::workRow(row, c), Text(1, static_cast<char32_t>(ch)));
            columns.push_back(c);
        }
    }
    return columns;
}

// A worked row as rowText shows a row: column 5 first, '.' for an empty cell.
std::string fixture(const WorkedRow& cells) {
    std::string text;
    for (int c = kRowCells - 1; c >= 0; --c) {
        const char ch = cells[static_cast<std::size_t>(c)];
        text += ch == '\0' ? '.' : ch;
    }
    return text;
}

void clearRow(Form1& form, int row) {
    for (int c = 0; c < kRowCells; ++c) {
        form.setText(ctl::workRow(row, c), U"");
    }
}

// The quotient digits and the last remainder as the finished sheet shows them.
std::string resultOf(const Form1& form, int steps) {
    std::string quotient;
    for (int k = 0; k < steps; ++k) {
        quotient += test::utf8(form.text(ctl::resultat(k)));
    }
    const int last = 2 * steps - 1;
    std::string remainder;
    for (int c = kRowCells - 1; c >= 0; --c) {
        const Text& t = form.text(ctl::workRow(last, c));
        remainder += t.empty() ? "" : test::utf8(t);
    }
    return quotient + " R " + remainder;
}

// Works the task on the sheet the way a pupil does, as the worked solution
// writes it: every product and remainder right-aligned under its number
// without leading zeros, a later zero step left to the zero fill, each row
// judged with the check command, and the tracker bringing the next digit
// down; every row must then read as the solution's row, and the finished
// sheet as the solution written onto `key` (the answer key). On the way every
// other quotient digit (with its own product) and wrong digits in the
// written products and remainders are tried. Returns a description of the
// first unexpected outcome, empty if none.
std::string workTask(Form1& form, Form1& key, long dividend, long divisor, const Options& opt) {
    const std::string digits = std::to_string(dividend);
    const WorkedSolution solution = workedSolution(digits, divisor).value();
    const WorkedSteps& steps = solution.steps;
    const std::string task = digits + " : " + std::to_string(divisor);
    if (!solution.fitsGrid()) {
        return task + " does not fit the grid";
    }
    if (solution.quotient != dividend / divisor || solution.remainder != dividend % divisor) {
        return task + " solved as " + std::to_string(solution.quotient) + " R " +
               std::to_string(solution.remainder);
    }
    test::enterTask(form, digitsOf(dividend), digitsOf(divisor));
    if (firstUnitsColumn(form) != steps[0].column) {
        return task + " starts in column " + std::to_string(steps[0].column);
    }

    std::vector<int> wrongChecks(kWorkRows, 0);
    auto judge = [&](int row, bool check) {
        if (check) {
            CheckRow(form, row);
        } else {
            SolveRow(form, row);
        }
        const Text& caption = form.caption(ctl::info(row));
        const auto colour = form.background(ctl::info(row));
        if (caption == texts::Korrekt && colour == colors::LightGreen) {
            return std::string("korrekt");
        }
        if (caption == texts::Fehler && colour == colors::LightRed) {
            ++wrongChecks[static_cast<std::size_t>(row)];
            return std::string("Fehler");
        }
        return "\"" + test::utf8(caption) + "\"";
    };
    auto wrongVerdict = [&](int row) -> std::string {
        const std::string v = judge(row, opt.checkCommand);
        if (v == "Fehler") {
            return {};
        }
        return task + " row " + std::to_string(row) + ": " + test::rowText(form, row + 1) +
               " with the digit " + test::utf8(form.text(ctl::resultat(row / 2))) + " judged " + v;
    };
    auto tryWrongDigits = [&](int row, const std::vector<int>& columns) -> std::string {
        for (int c : columns) {
            const ControlId cell = ctl::workRow(row, c);
            const Text written = form.text(cell);
            const int d = static_cast<int>(written[0] - U'0');
            for (int offset = 1; offset <= 9; ++offset) {
                const int wrong =
                    opt.everyOtherDigit ? (d + offset) % 10 : (d + 1 + (dividend + c) % 9) % 10;
                form.setText(cell, Text(1, static_cast<char32_t>(U'0' + wrong)));
                if (std::string e = wrongVerdict(row); !e.empty()) {
                    return e;
                }
                if (!opt.everyOtherDigit) {
                    break;
                }
            }
            form.setText(cell, written);
        }
        return {};
    };
    // Every other quotient digit, with its product written right, is wrong.
    auto tryOtherQuotientDigits = [&](int k, const Step& st) -> std::string {
        const int row = 2 * k;
        for (long q = 0; q <= 9; ++q) {
            if (q == st.digit) {
                continue;
            }
            form.setText(ctl::resultat(k), digitsOf(q));
            clearRow(form, row);
            if (q != 0 || k == 0) {
                writeNumber(form, row + 1, st.column, q * divisor);
            }
            if (std::string e = wrongVerdict(row); !e.empty()) {
                return e;
            }
        }
        clearRow(form, row);
        return {};
    };

    // A wrong way of writing `row` as `cells`: "Fehler", or no verdict at all.
    auto mustNotPass = [&](int row, const WorkedRow& cells, const char* how) -> std::string {
        clearRow(form, row);
        writeWorked(form, row, cells);
        const Text count = form.caption(ctl::fehler(row));
        const std::string shown = test::rowText(form, row + 1);
        if (opt.checkCommand) {
            CheckRow(form, row);
        } else {
            SolveRow(form, row);
        }
        clearRow(form, row);
        if (form.caption(ctl::info(row)) == texts::Korrekt) {
            return task + " row " + std::to_string(row) + " " + how + ": " + shown +
                   " judged korrekt";
        }
        wrongChecks[static_cast<std::size_t>(row)] += form.caption(ctl::fehler(row)) != count;
        return {};
    };
    auto shifted = [](const WorkedRow& cells, int by) -> std::optional<WorkedRow> {
        WorkedRow out{};
        for (int c = 0; c < kRowCells; ++c) {
            if (cells[static_cast<std::size_t>(c)] == '\0') {
                continue;
            }
            if (c + by < 0 || c + by >= kRowCells) {
                return std::nullopt;
            }
            out[static_cast<std::size_t>(c + by)] = cells[static_cast<std::size_t>(c)];
        }
        return out;
    };
    // Before row `row` of step `st` is judged: it shifted a column either way,
    // and (product rows) the rows after it judged before it.
    auto tryWrongWays = [&](int row, const Step& st, std::size_t k) -> std::string {
        WorkedRow own = row % 2 == 0 ? st.productRow : st.remainderRow;
        if (row % 2 == 1 && st.bringDown >= 0) {
            own[static_cast<std::size_t>(st.bringDown)] = '\0';
        }
        for (int by : {-1, 1}) {
            const std::optional<WorkedRow> moved = shifted(own, by);
            // A zero remainder moved onto a brought-down 0 is a right way.
            const bool stillRight = row % 2 == 1 && st.remainder == 0 && by == -1 &&
                                    st.bringDown >= 0 &&
                                    form.text(ctl::dividend(st.bringDown)) == U"0";
            if (moved && !stillRight) {
                if (std::string e =
                        mustNotPass(row, *moved, by < 0 ? "shifted right" : "shifted left");
                    !e.empty()) {
                    return e;
                }
            }
        }
        if (row % 2 == 0) {
            if (std::string e = mustNotPass(row + 1, st.remainderRow, "judged before its product");
                !e.empty()) {
                return e;
            }
            if (k + 1 < steps.size()) {
                const Step& next = steps[k + 1];
                form.setText(ctl::resultat(static_cast<int>(k) + 1), digitsOf(next.digit));
                std::string e =
                    mustNotPass(row + 2, next.productRow, "judged before the row above");
                form.setText(ctl::resultat(static_cast<int>(k) + 1), U"");
                return e;
            }
            return {};
        }
        // One extra digit in every empty cell of the remainder row; a 0 left
        // of the remainder would be a leading zero, the dividend's own digit
        // in the bring-down column the digit brought down.
        for (int c = 0; c < kRowCells; ++c) {
            if (own[static_cast<std::size_t>(c)] != '\0') {
                continue;
            }
            const char down = c == st.bringDown
                                  ? static_cast<char>(test::utf8(form.text(ctl::dividend(c)))[0])
                                  : '\0';
            for (char d = '0'; d <= '9'; ++d) {
                if (d == down || (d == '0' && c > st.column)) {
                    continue;
                }
                WorkedRow extra = own;
                extra[static_cast<std::size_t>(c)] = d;
                if (std::string e = mustNotPass(row, extra, "with an extra digit"); !e.empty()) {
                    return e;
                }
            }
        }
        return {};
    };

    for (std::size_t k = 0; k < steps.size(); ++k) {
        const Step& st = steps[k];
        const int productRow = 2 * static_cast<int>(k);
        const int remainderRow = productRow + 1;
        if (std::string e = tryOtherQuotientDigits(static_cast<int>(k), st); !e.empty()) {
            return e;
        }
        form.setText(ctl::resultat(static_cast<int>(k)), digitsOf(st.digit));
        if (opt.wrongWays) {
            if (std::string e = tryWrongWays(productRow, st, k); !e.empty()) {
                return e;
            }
        }

        // A zero digit's product row is left to the program.
        std::vector<int> written;
        if (st.digit != 0 || k == 0) {
            written = writeWorked(form, productRow, st.productRow);
        }
        if (std::string e = tryWrongDigits(productRow, written); !e.empty()) {
            return e;
        }
        if (std::string v = judge(productRow, true); v != "korrekt") {
            return task + " product row " + std::to_string(productRow) + " judged " + v;
        }
        if (test::rowText(form, productRow + 1) != fixture(st.productRow)) {
            return task + " product row " + std::to_string(productRow) + " reads " +
                   test::rowText(form, productRow + 1) + ", solved as " + fixture(st.productRow);
        }
        if (opt.wrongWays) {
            if (std::string e = tryWrongWays(remainderRow, st, k); !e.empty()) {
                return e;
            }
        }
        // The remainder; the digit beside it is the tracker's to bring down.
        written = writeWorked(form, remainderRow, st.remainderRow, st.column);
        if (std::string e = tryWrongDigits(remainderRow, written); !e.empty()) {
            return e;
        }
        if (std::string v = judge(remainderRow, true); v != "korrekt") {
            return task + " remainder row " + std::to_string(remainderRow) + " judged " + v;
        }
        // The tracker brings the next digit down beside the product, or ends.
        trackProgress(form);
        const bool last = k + 1 == steps.size();
        if (form.visible(ctl::Label4) != last || (st.bringDown < 0) != last ||
            bringDownColumn(form, static_cast<int>(k)) != st.bringDown) {
            return task + " step " + std::to_string(k) +
                   (last ? " is the last, but the task is not finished" : ": finished too early");
        }
        if (test::rowText(form, remainderRow + 1) != fixture(st.remainderRow)) {
            return task + " step " + std::to_string(k) + ": brought down " +
                   test::rowText(form, remainderRow + 1) + ", solved as " +
                   fixture(st.remainderRow);
        }
    }
    const std::string want =
        std::to_string(dividend / divisor) + " R " + std::to_string(dividend % divisor);
    if (resultOf(form, static_cast<int>(steps.size())) != want) {
        return task + " finished as " + resultOf(form, static_cast<int>(steps.size()));
    }
    test::enterTask(key, digitsOf(dividend), digitsOf(divisor));
    writeWorkedSolution(key, solution);
    for (int row = 0; row < kWorkRows; ++row) {
        if (test::rowText(key, row + 1) != test::rowText(form, row + 1) ||
            key.text(ctl::resultat(row / 2)) != form.text(ctl::resultat(row / 2))) {
            return task + " answer key differs in row " + std::to_string(row) + ": " +
                   test::rowText(key, row + 1);
        }
    }

    if (opt.checkCommand) {
        for (int row = 0; row < 2 * static_cast<int>(steps.size()); ++row) {
            const int count = wrongChecks[static_cast<std::size_t>(row)];
            if (form.caption(ctl::fehler(row)) != digitsOf(count) ||
                form.visible(ctl::fehler(row)) != (count > 0) ||
                form.enabled(ctl::workRow(row, 0)) || form.enabled(ctl::resultat(row / 2))) {
                return task + " row " + std::to_string(row) + " counter or lock wrong";
            }
        }
    }
    return {};
}

TEST(CheckPropertyDivide, ReferenceMatchesTheWorkedExamples) {
    const std::vector<Step> a = divide("9434", 13);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].column, 4);
    EXPECT_EQ(a[0].partial, 94);
    EXPECT_EQ(a[1].partial, 33);
    EXPECT_EQ(a[2].partial, 74);
    EXPECT_EQ(a[2].remainder, 9);
    const std::vector<Step> b = divide("1313", 13);
    ASSERT_EQ(b.size(), 3u);
    EXPECT_EQ(b[1].digit, 0);
    EXPECT_EQ(b[1].partial, 1);
    EXPECT_EQ(b[2].column, 2);

    // The rows as the answer key writes them: the zero step's product under
    // both digits above it, a dividend below the divisor in one step.
    struct Case {
        std::string dividend;
        long divisor;
        std::vector<std::string> rows;
        long quotient, remainder;
    };
    const Case cases[] = {
        {"9434", 13, {"91....", ".33...", ".26...", "..74..", "..65..", "...9.."}, 725, 9},
        {"1313", 13, {"13....", ".01...", ".00...", "..13..", "..13..", "...0.."}, 101, 0},
        {"47", 96, {".0....", "47...."}, 0, 47},
    };
    for (const Case& c : cases) {
        const WorkedSolution s = workedSolution(c.dividend, c.divisor).value();
        std::vector<std::string> rows;
        for (int row = 0; row < 2 * static_cast<int>(s.steps.size()); ++row) {
            rows.push_back(fixture(s.row(row)));
        }
        EXPECT_EQ(rows, c.rows) << c.dividend;
        EXPECT_EQ(s.quotient, c.quotient) << c.dividend;
        EXPECT_EQ(s.remainder, c.remainder) << c.dividend;
    }
    for (const auto& [dividend, divisor] :
         {std::pair<std::string, long>{"", 13}, {"12a4", 13}, {"1234567", 13}, {"9434", 0}}) {
        EXPECT_FALSE(workedSolution(dividend, divisor)) << dividend << " : " << divisor;
    }
}

// Every task with a dividend up to 9999 and a two-digit divisor is finished
// with integer division's result, and every wrong digit is "Fehler".
TEST(CheckPropertyExhaustive, SmallTasksAreKorrektAndEveryWrongDigitFehler) {
    Form1 form;
    Form1 key;
    long tasks = 0;
    long zeroDigits = 0;
    int failures = 0;
    for (long divisor = 11; divisor <= 99; ++divisor) {
        for (long dividend = 1; dividend <= 9999; ++dividend) {
            ++tasks;
            for (const Step& st : divide(std::to_string(dividend), divisor)) {
                zeroDigits += st.digit == 0;
            }
            // One task in 16 also tries the wrong ways of writing a row.
            const std::string e =
                workTask(form, key, dividend, divisor, {false, false, dividend % 16 == 0});
            if (!e.empty()) {
                ADD_FAILURE() << e;
                if (++failures == 10) {
                    return;
                }
            }
        }
    }
    EXPECT_EQ(tasks, 889911);
    EXPECT_GT(zeroDigits, 10000); // the zero fill was exercised
}

// Tasks of every size up to six and three digits, judged with the check
// command, every wrong digit tried.
TEST(CheckPropertyRandom, TasksOfEverySizeThroughTheCheckCommand) {
    std::mt19937_64 rng(20240607);
    auto pick = [&rng](long lo, long hi) {
        return std::uniform_int_distribution<long>(lo, hi)(rng);
    };
    const long powers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
    Form1 form;
    Form1 key;
    int failures = 0;
    for (int i = 0; i < 20000; ++i) {
        const long divisorDigits = pick(2, 3);
        const long divisor =
            pick(std::max(11L, powers[divisorDigits - 1]), powers[divisorDigits] - 1);
        const long dividendDigits = pick(divisorDigits, 6);
        const long dividend =
            std::max(divisor, pick(powers[dividendDigits - 1], powers[dividendDigits] - 1));
        const std::string e = workTask(form, key, dividend, divisor, {true, true, true});
        if (!e.empty()) {
            ADD_FAILURE() << e;
            if (++failures == 10) {
                return;
            }
        }
    }
}

// A task worked with integers as on paper: per step the quotient digit, the
// product and the remainder (the first number taken is the shortest leading
// part of the dividend not below the divisor, or all of it).
struct HandStep {
    long digit;
    long product;
    long remainder;
};
std::vector<HandStep> byHand(long dividend, long divisor) {
    const std::string digits = std::to_string(dividend);
    std::size_t i = 0;
    long partial = digits[0] - '0';
    while (partial < divisor && i + 1 < digits.size()) {
        partial = partial * 10 + (digits[++i] - '0');
    }
    std::vector<HandStep> steps;
    for (;;) {
        const long digit = partial / divisor;
        steps.push_back({digit, digit * divisor, partial - digit * divisor});
        if (++i == digits.size()) {
            return steps;
        }
        partial = steps.back().remainder * 10 + (digits[i] - '0');
    }
}

std::u32string typed(long value) {
    const std::string s = std::to_string(value);
    return {s.begin(), s.end()};
}

// Every task the sheet can finish, worked by a pupil with digits and Enter
// alone on a sheet that asks for both lines: the right Überschlag opens the
// first quotient cell, and after "Berechnung beendet" the right Probe is
// judged "korrekt" line by line.
TEST(CheckPropertyLines, RightUeberschlagAndProbeFromThePupil) {
    std::mt19937_64 rng(29);
    auto pick = [&rng](long lo, long hi) {
        return std::uniform_int_distribution<long>(lo, hi)(rng);
    };
    std::vector<std::pair<long, long>> tasks{{9434, 13}, {1211, 7},     {47, 96}, {100000, 2},
                                             {99999, 1}, {999999, 999}, {5, 7},   {1000, 10}};
    while (tasks.size() < 2000) {
        const long divisor = pick(1, 999);
        const long dividend = pick(1, 999999);
        if (dividend / divisor < 100000) {
            tasks.emplace_back(dividend, divisor);
        }
    }
    for (const auto& [dividend, divisor] : tasks) {
        const std::string task = std::to_string(dividend) + " : " + std::to_string(divisor);
        Worksheet sheet;
        sheet.setCheckDemands({true, true});
        test::Pupil pupil(sheet);
        Form1& form = sheet.form;
        pupil.enterTask(typed(dividend), typed(divisor));
        ASSERT_EQ(form.focus(), ctl::stellen) << task;
        ASSERT_FALSE(form.enabled(ctl::resultat(0))) << task;

        const long quotient = dividend / divisor;
        const std::string q = std::to_string(quotient);
        const long about = (q[0] - '0') * static_cast<long>(std::pow(10, q.size() - 1));
        // A slip corrected by typing over it: the count keeps one digit.
        pupil.type(U"9");
        pupil.type(typed(static_cast<long>(q.size())));
        pupil.press(vk::Return);
        pupil.type(typed(about));
        pupil.press(vk::Return);
        ASSERT_EQ(form.lineVerdict(CheckLine::Ueberschlag), Verdict::Korrekt) << task;
        ASSERT_EQ(form.focus(), ctl::resultat(0)) << task;

        const std::vector<HandStep> steps = byHand(dividend, divisor);
        for (std::size_t k = 0; k < steps.size(); ++k) {
            ASSERT_EQ(form.focus(), ctl::resultat(static_cast<int>(k))) << task << " step " << k;
            pupil.type(typed(steps[k].digit));
            pupil.press(vk::Return);
            pupil.type(typed(steps[k].product));
            pupil.press(vk::Return);
            pupil.type(typed(steps[k].remainder));
            pupil.press(vk::Return);
            ASSERT_EQ(form.verdict(2 * static_cast<int>(k) + 1), Verdict::Korrekt)
                << task << " step " << k;
        }
        ASSERT_TRUE(form.visible(ctl::Label4)) << task;
        ASSERT_EQ(form.focus(), ctl::probe(0)) << task;
        pupil.type(typed(quotient * divisor));
        pupil.press(vk::Return);
        EXPECT_EQ(form.lineVerdict(CheckLine::ProbeMal), Verdict::Korrekt) << task;
        pupil.type(typed(quotient * divisor));
        pupil.press(vk::Return);
        pupil.type(typed(quotient * divisor + dividend % divisor));
        pupil.press(vk::Return);
        EXPECT_EQ(form.lineVerdict(CheckLine::ProbePlus), Verdict::Korrekt) << task;
        EXPECT_EQ(form.lineErrors(CheckLine::Ueberschlag) + form.lineErrors(CheckLine::ProbeMal) +
                      form.lineErrors(CheckLine::ProbePlus),
                  0u)
            << task;
    }
}

} // namespace
} // namespace zifferon
