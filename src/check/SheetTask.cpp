// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/SheetTask.h"

#include "sheet/Catalogue.h"

#include <array>

namespace zifferon {

namespace {

// At most `size` digits as a number (no overflow: six digits at most).
long valueOf(std::string_view digits) {
    long value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
    }
    return value;
}

// The problem of a task given as digit strings; None when it can be worked.
TaskProblem digitsProblem(std::string_view dividend, std::string_view divisor,
                          WorkedSolution* solution) {
    const long d = valueOf(divisor);
    if (d == 0) {
        return TaskProblem::DivisorZero;
    }
    std::optional<WorkedSolution> worked = workedSolution(dividend, d);
    if (!worked) {
        return TaskProblem::DividendDigits;
    }
    if (!worked->fitsGrid()) {
        return TaskProblem::QuotientTooLong;
    }
    if (solution) {
        *solution = *worked;
    }
    return TaskProblem::None;
}

} // namespace

SheetTask sheetTask(const Form1& form) {
    SheetTask task;
    // The dividend stands left-aligned from column 5, the divisor
    // right-aligned in column 0: one digit per cell, no gaps.
    std::array<char, kDividendCells> dividend{};
    std::size_t length = 0;
    bool ended = false;
    for (int c = kDividendCells - 1; c >= 0; --c) {
        const Text& t = form.text(ctl::dividend(c));
        if (t.empty()) {
            ended = true;
            continue;
        }
        if (ended || t.size() != 1 || !isDigit(t[0])) {
            task.problem = TaskProblem::DividendDigits;
            return task;
        }
        dividend[length++] = static_cast<char>(t[0]);
    }
    if (length == 0) {
        return task;
    }
    std::array<char, kDivisorCells> divisor{};
    std::size_t divisorLength = 0;
    for (int c = kDivisorCells - 1; c >= 0; --c) {
        const Text& t = form.text(ctl::divisor(c));
        if (t.empty() && divisorLength == 0) {
            continue;
        }
        if (t.size() != 1 || !isDigit(t[0])) {
            task.problem = TaskProblem::DivisorDigits;
            return task;
        }
        divisor[divisorLength++] = static_cast<char>(t[0]);
    }
    if (divisorLength == 0) {
        task.problem = TaskProblem::NoDivisor;
        return task;
    }
    const std::string_view divisorDigits(divisor.data(), divisorLength);
    task.divisor = valueOf(divisorDigits);
    task.problem =
        digitsProblem(std::string_view(dividend.data(), length), divisorDigits, &task.solution);
    return task;
}

TypedTask typedTask(TextView dividend, TextView divisor) {
    // Surrounding spaces off, leading zeros dropped (a lone 0 stays).
    const auto number = [](TextView t, TaskProblem missing, TaskProblem notDigits,
                           TaskProblem& problem) {
        const std::size_t first = t.find_first_not_of(U' ');
        if (first == TextView::npos) {
            problem = missing;
            return Text();
        }
        t = t.substr(first, t.find_last_not_of(U' ') - first + 1);
        for (char32_t c : t) {
            if (!isDigit(c)) {
                problem = notDigits;
                return Text();
            }
        }
        const std::size_t nonZero = t.find_first_not_of(U'0');
        return Text(nonZero == TextView::npos ? t.substr(t.size() - 1) : t.substr(nonZero));
    };
    TypedTask typed;
    typed.dividend =
        number(dividend, TaskProblem::NoDividend, TaskProblem::DividendDigits, typed.problem);
    if (typed.problem != TaskProblem::None) {
        return typed;
    }
    typed.divisor =
        number(divisor, TaskProblem::NoDivisor, TaskProblem::DivisorDigits, typed.problem);
    if (typed.problem != TaskProblem::None) {
        return typed;
    }
    if (typed.dividend.size() > kDividendCells || typed.divisor.size() > kDivisorCells) {
        typed.problem = typed.dividend.size() > kDividendCells ? TaskProblem::DividendDigits
                                                               : TaskProblem::DivisorDigits;
        return typed;
    }
    const std::string dividendDigits = toUtf8(typed.dividend);
    const std::string divisorDigits = toUtf8(typed.divisor);
    typed.problem = valueOf(divisorDigits) != 0 && valueOf(dividendDigits) == 0
                        ? TaskProblem::DividendZero
                        : digitsProblem(dividendDigits, divisorDigits, nullptr);
    return typed;
}

Text taskProblemText(TaskProblem problem) {
    switch (problem) {
    case TaskProblem::None:
        break;
    case TaskProblem::NoDividend:
        return say(Msg::TaskNoDividend);
    case TaskProblem::DividendDigits:
        return say(Msg::TaskDividendDigits);
    case TaskProblem::NoDivisor:
        return say(Msg::TaskNoDivisor);
    case TaskProblem::DivisorDigits:
        return say(Msg::TaskDivisorDigits);
    case TaskProblem::DivisorZero:
        return say(Msg::TaskDivisorZero);
    case TaskProblem::DividendZero:
        return say(Msg::TaskDividendZero);
    case TaskProblem::QuotientTooLong:
        return say(Msg::TaskQuotientTooLong);
    }
    return {};
}

} // namespace zifferon
