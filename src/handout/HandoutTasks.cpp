// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handout/HandoutTasks.h"

#include "check/CheckLines.h"
#include "sheet/Catalogue.h"
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

Problem handoutProblem(const HandoutSettings& s) {
    if (s.tasks < kHandoutMinTasks || s.tasks > kHandoutMaxTasks) {
        return Failure{Msg::HandoutTaskCount};
    }
    if (s.dividendDigits == 1) {
        // Its dividends end at 9, the divisors start at 11. Any longer limit
        // allows thousands of tasks, far more than a sheet holds.
        return Failure{Msg::HandoutOneDigit};
    }
    if (s.dividendDigits < kHandoutMinDividendDigits || s.dividendDigits > 6) {
        return Failure{Msg::HandoutDividendDigits};
    }
    if (s.divisorDigits < 2 || s.divisorDigits > 3) {
        return Failure{Msg::HandoutDivisorDigits};
    }
    if (s.seed > kHandoutMaxSeed) {
        return Failure{Msg::HandoutSeed};
    }
    if (s.dividendDigits < lowestDividendDigits(s.kind)) {
        return Failure{Msg::HandoutKindDigits,
                       {taskKindName(s.kind), std::to_string(lowestDividendDigits(s.kind))}};
    }
    return std::nullopt;
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
    if (draw.problem) {
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
        draw.problem = Failure{Msg::HandoutTooFew};
    }
    return draw;
}

std::string taskLine(const HandoutTask& task) {
    return std::to_string(task.dividend) + " : " + std::to_string(task.divisor);
}

std::string solutionLine(const HandoutTask& task) {
    std::string line = taskLine(task) + " = " + std::to_string(task.solution.quotient);
    if (task.solution.remainder != 0) {
        line = sayUtf8(Msg::SolutionWithRemainder, {line, std::to_string(task.solution.remainder)});
    }
    return line;
}

std::string estimateLine(const HandoutTask& task) {
    Form1 form;
    enterHandoutTask(form, task);
    const std::string about = std::to_string(roundedTask(form).quotient);
    const std::size_t digits = task.solution.steps.size();
    return digits == 1 ? sayUtf8(Msg::HandoutEstimateOneDigit, {about})
                       : sayUtf8(Msg::HandoutEstimate, {std::to_string(digits), about});
}

std::array<std::string, 2> probeLines(const HandoutTask& task) {
    const std::string product = std::to_string(task.solution.quotient * task.divisor);
    return {sayUtf8(Msg::HandoutProbeTimes, {std::to_string(task.solution.quotient),
                                             std::to_string(task.divisor), product}),
            sayUtf8(Msg::HandoutProbePlus, {product, std::to_string(task.solution.remainder),
                                            std::to_string(task.dividend)})};
}

void enterHandoutTask(Form1& form, const HandoutTask& task) {
    form.setText(ctl::Text1, decimalText(task.dividend));
    form.setText(ctl::Text2, decimalText(task.divisor));
    takeTaskIn(form);
}

} // namespace zifferon
