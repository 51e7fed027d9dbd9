// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/CheckLines.h"

#include "check/SheetReading.h"
#include "check/SheetTask.h"
#include "sheet/Catalogue.h"
#include "sheet/ControlNames.h"

#include <algorithm>
#include <cstdlib>

namespace zifferon {

namespace {

long long dividendOf(const SheetTask& task) {
    return static_cast<long long>(task.solution.quotient) * task.divisor + task.solution.remainder;
}

// A check box's number; nullopt when it is empty (the boxes take digits only).
std::optional<long long> boxValue(const Form1& form, ControlId box) {
    long long value = 0;
    if (!parseDigitString(form.text(box), value)) {
        return std::nullopt;
    }
    return value;
}

LineJudgement judged(bool right, Text reason = {}) {
    return {LineOutcome::Judged, right, std::move(reason)};
}

LineJudgement judgeUeberschlag(const Form1& form, const SheetTask& task) {
    const std::optional<long long> digits = boxValue(form, ctl::stellen);
    if (!digits) {
        return {LineOutcome::Empty, false, {}};
    }
    const WorkedSolution& solution = task.solution;
    const auto expected = static_cast<long long>(solution.steps.size());
    if (*digits != expected) {
        const WorkedStep& first = solution.steps[0];
        if (first.digit == 0) {
            return judged(false, say(Msg::EstimateQuotientZero,
                                     {numberText(task.divisor), numberText(first.partial)}));
        }
        return judged(
            false, say(Msg::EstimateFirstFits, {numberText(task.divisor), numberText(first.partial),
                                                columnName(form, first.column)}));
    }
    const std::optional<long long> about = boxValue(form, ctl::etwa);
    const long long place = powerOfTen(digitCount(solution.quotient) - 1);
    if (about && std::llabs(*about - solution.quotient) > place) {
        const RoundedTask rounded = roundedTask(form);
        return judged(false, say(Msg::EstimateTooFar,
                                 {numberText(*about), numberText(rounded.dividend),
                                  numberText(task.divisor), numberText(rounded.quotient)}));
    }
    return judged(true);
}

// `restored`: a verdict read from a file, judged before the pass has shown
// "Berechnung beendet" again.
LineJudgement judgeProbe(const Form1& form, const SheetTask& task, CheckLine line, bool restored) {
    if (!restored && !form.visible(ctl::Label4)) {
        return {LineOutcome::NotYet, false, {}};
    }
    const Text quotient = numberText(task.solution.quotient);
    const Text divisor = numberText(task.divisor);
    const long long product = static_cast<long long>(task.solution.quotient) * task.divisor;
    if (line == CheckLine::ProbeMal) {
        const std::optional<long long> written = boxValue(form, ctl::probe(0));
        if (!written) {
            return {LineOutcome::Empty, false, {}};
        }
        if (*written != product) {
            return judged(
                false, say(Msg::ReasonMultiplication, {quotient, divisor, numberText(*written)}));
        }
        return judged(true);
    }
    if (!restored && form.lineVerdict(CheckLine::ProbeMal) != Verdict::Korrekt) {
        return {LineOutcome::NotYet, false, {}};
    }
    const std::optional<long long> again = boxValue(form, ctl::probe(1));
    const std::optional<long long> sum = boxValue(form, ctl::probe(2));
    if (!again || !sum) {
        return {LineOutcome::Empty, false, {}};
    }
    if (*again != product) {
        return judged(false, say(Msg::ProbeCarryProduct, {quotient, divisor}));
    }
    const long long dividend = dividendOf(task);
    const Text remainder = numberText(task.solution.remainder);
    if (*sum != dividend) {
        return judged(false, say(Msg::ProbeSum, {numberText(*again), remainder, numberText(*sum)}));
    }
    return judged(true, say(Msg::ProbeRight, {numberText(*sum), numberText(dividend)}));
}

void lockLine(Form1& form, CheckLine line) {
    switch (line) {
    case CheckLine::Ueberschlag:
        form.setEnabled(ctl::stellen, false);
        form.setEnabled(ctl::etwa, false);
        return;
    case CheckLine::ProbeMal:
        form.setEnabled(ctl::probe(0), false);
        return;
    case CheckLine::ProbePlus:
        form.setEnabled(ctl::probe(1), false);
        form.setEnabled(ctl::probe(2), false);
        return;
    }
}

} // namespace

RoundedTask roundedTask(const Form1& form) {
    const SheetTask task = sheetTask(form);
    if (!task.workable()) {
        return {};
    }
    const WorkedStep& first = task.solution.steps[0];
    const long long place = powerOfTen(static_cast<int>(task.solution.steps.size()) - 1);
    return {static_cast<long long>(first.digit) * task.divisor * place,
            static_cast<long long>(first.digit) * place};
}

namespace {

LineJudgement judgeLineOf(const Form1& form, CheckLine line, bool restored) {
    const SheetTask task = sheetTask(form);
    if (!task.workable()) {
        return {LineOutcome::NoTask, false, {}};
    }
    if (!restored && form.lineVerdict(line) == Verdict::Korrekt) {
        return {LineOutcome::Locked, false, {}};
    }
    return line == CheckLine::Ueberschlag ? judgeUeberschlag(form, task)
                                          : judgeProbe(form, task, line, restored);
}

} // namespace

LineJudgement judgeLine(const Form1& form, CheckLine line) {
    return judgeLineOf(form, line, false);
}

void explainRestoredLines(Form1& form) {
    for (const CheckLine line :
         {CheckLine::Ueberschlag, CheckLine::ProbeMal, CheckLine::ProbePlus}) {
        const ControlId label = ctl::pruefung(line);
        Text tip;
        if (form.visible(label) && form.lineVerdict(line) != Verdict::Pending) {
            const LineJudgement j = judgeLineOf(form, line, true);
            if (j.outcome == LineOutcome::Judged &&
                j.right == (form.lineVerdict(line) == Verdict::Korrekt)) {
                tip = j.reason;
            }
        }
        form.setToolTip(label, tip);
    }
}

Text noLineVerdictText(const Form1& form, CheckLine line, LineOutcome outcome) {
    switch (outcome) {
    case LineOutcome::Empty:
        return say(line == CheckLine::Ueberschlag ? Msg::EstimateEmpty : Msg::ProbeEmpty);
    case LineOutcome::NotYet:
        return say(line == CheckLine::ProbePlus && form.visible(ctl::Label4) ? Msg::ProbeFirstLine
                                                                             : Msg::ProbeAfterEnd);
    case LineOutcome::NoTask:
        return say(Msg::RowNoTask, {taskProblemText(sheetTask(form).problem)});
    case LineOutcome::Judged:
    case LineOutcome::Locked:
        break;
    }
    return {};
}

void checkLine(Form1& form, CheckLine line) {
    const LineJudgement j = judgeLine(form, line);
    const ControlId label = ctl::pruefung(line);
    if (j.outcome != LineOutcome::Judged) {
        if (const Text why = noLineVerdictText(form, line, j.outcome); !why.empty()) {
            form.notify(why);
        }
        return;
    }
    form.showLineVerdict(line, j.right ? Verdict::Korrekt : Verdict::Fehler);
    form.setVisible(label, true);
    form.setToolTip(label, j.reason);
    if (j.right) {
        lockLine(form, line);
    } else {
        form.setLineErrors(line, std::min(form.lineErrors(line), kLargestCount - 1) + 1);
        form.setVisible(ctl::pfehler(line), true);
    }
}

} // namespace zifferon
