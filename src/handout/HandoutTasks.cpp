// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handout/HandoutTasks.h"

#include "task/FixedSeedRandom.h"
#include "task/RandomTask.h"
#include "task/TaskEntry.h"

#include <algorithm>
#include <set>
#include <utility>

namespace zifferon {

namespace {

// Far more draws than any possible sheet needs; only a bound for the loop.
constexpr int kMostDraws = 1000000;

} // namespace

std::string handoutProblem(const HandoutSettings& s) {
    if (s.tasks < kHandoutMinTasks || s.tasks > kHandoutMaxTasks) {
        return "Ein Arbeitsblatt hat 1 bis 20 Aufgaben.";
    }
    if (s.dividendDigits == 1) {
        // Its dividends end at 9, the divisors start at 11. Any longer limit
        // allows thousands of tasks, far more than a sheet holds.
        return "Mit höchstens 1 Stelle im Dividenden ist kein Dividend so groß wie ein "
               "Divisor (ab 11).";
    }
    if (s.dividendDigits < kHandoutMinDividendDigits || s.dividendDigits > 6) {
        return "Der Dividend hat höchstens 2 bis 6 Stellen.";
    }
    if (s.divisorDigits < 2 || s.divisorDigits > 3) {
        return "Der Divisor hat höchstens 2 oder 3 Stellen.";
    }
    if (s.seed > kHandoutMaxSeed) {
        return "Die Nummer des Blatts liegt zwischen 0 und 999999.";
    }
    if (s.dividendDigits < lowestDividendDigits(s.kind)) {
        return "F\u00FCr \u201E" + std::string(taskKindName(s.kind)) +
               "\u201C hat der Dividend h\u00F6chstens " +
               std::to_string(lowestDividendDigits(s.kind)) + " bis 6 Stellen.";
    }
    return {};
}

HandoutSettings practiceSettings(HandoutSettings settings, MistakeKind mistake) {
    settings.kind = practiceKindFor(mistake);
    settings.dividendDigits =
        std::max(settings.dividendDigits, lowestDividendDigits(settings.kind));
    return settings;
}

HandoutDraw drawHandout(const HandoutSettings& settings) {
    HandoutDraw draw;
    draw.problem = handoutProblem(settings);
    if (!draw.problem.empty()) {
        return draw;
    }
    // The draw of "nächste Aufgabe" itself, with the sheet's digit limits.
    FixedSeedRandom random(settings.seed);
    std::set<std::pair<long, long>> taken;
    for (int n = 0; n < kMostDraws && draw.tasks.size() < std::size_t(settings.tasks); ++n) {
        const DrawnTask drawn =
            drawTask(settings.kind, settings.dividendDigits, settings.divisorDigits, random);
        const auto dividend = static_cast<long>(drawn.dividend);
        const auto divisor = static_cast<long>(drawn.divisor);
        if (dividend < divisor || !taken.insert({dividend, divisor}).second) {
            continue;
        }
        std::optional<WorkedSolution> solution = workedSolution(std::to_string(dividend), divisor);
        if (solution && solution->fitsGrid()) {
            draw.tasks.push_back({dividend, divisor, std::move(*solution)});
        }
    }
    if (draw.tasks.size() < std::size_t(settings.tasks)) {
        draw.problem = "Es lassen sich nicht genug verschiedene Aufgaben ziehen.";
    }
    return draw;
}

std::string taskLine(const HandoutTask& task) {
    return std::to_string(task.dividend) + " : " + std::to_string(task.divisor);
}

std::string solutionLine(const HandoutTask& task) {
    std::string line = taskLine(task) + " = " + std::to_string(task.solution.quotient);
    if (task.solution.remainder != 0) {
        line += " Rest " + std::to_string(task.solution.remainder);
    }
    return line;
}

void enterHandoutTask(Form1& form, const HandoutTask& task) {
    form.setText(ctl::Text1, decimalText(task.dividend));
    form.setText(ctl::Text2, decimalText(task.divisor));
    takeTaskIn(form);
}

} // namespace zifferon
