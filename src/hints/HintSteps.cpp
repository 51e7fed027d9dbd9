// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hints/HintSteps.h"

#include "check/SheetReading.h"
#include "check/SheetTask.h"
#include "sheet/Catalogue.h"

#include <algorithm>
#include <cmath>

namespace zifferon {

namespace {

// The Überschlag is the step at hand while its boxes are open (before the
// first quotient digit) and the pupil is in them, or the sheet asks for it.
bool ueberschlagAtHand(const Form1& form) {
    const ControlId focus = form.focus();
    return form.visible(ctl::stellen) && form.enabled(ctl::stellen) &&
           form.lineVerdict(CheckLine::Ueberschlag) != Verdict::Korrekt &&
           (focus == ctl::stellen || focus == ctl::etwa || form.demands().ueberschlag);
}

// The dividend's digits up to the first part the divisor fits into.
HintStep ueberschlagStep(const Form1& form, const SheetTask& task, HintStep h) {
    const WorkedStep& first = task.solution.steps[0];
    h.kind = StepKind::Ueberschlag;
    h.upper = first.partial;
    h.digit = first.digit;
    h.cells = cellsBetween(Kind::Dividend, highestWrittenColumn(form, Kind::Dividend, first.column),
                           first.column);
    return h;
}

// After "Berechnung beendet", the line of the Probe not yet right.
HintStep probeStep(const Form1& form, const SheetTask& task, HintStep h) {
    const WorkedSolution& s = task.solution;
    h.kind = StepKind::Probe;
    h.digit = s.quotient;
    h.product = static_cast<long long>(s.quotient) * task.divisor;
    h.upper = h.product + s.remainder;
    h.step = form.lineVerdict(CheckLine::ProbeMal) == Verdict::Korrekt ? 1 : 0;
    h.cells = h.step == 0 ? std::vector<ControlId>{ctl::probe(0)}
                          : std::vector<ControlId>{ctl::probe(1), ctl::probe(2)};
    return h;
}

void lineHint(const HintStep& step, Hint& hint) {
    const Text divisor = numberText(step.divisor);
    const Text upper = numberText(step.upper);
    if (step.kind == StepKind::Ueberschlag) {
        hint.instruction = say(Msg::HintEstimateWrite);
        hint.question = say(Msg::HintEstimateWhere, {divisor});
        hint.explanation = step.digit == 0 ? say(Msg::EstimateQuotientZero, {divisor, upper})
                                           : say(Msg::HintEstimateCount,
                                                 {divisor, upper, numberText(step.upper % 10)});
        return;
    }
    const Text quotient = numberText(step.digit);
    const Text product = numberText(step.product);
    hint.instruction = say(Msg::HintProbeWrite);
    hint.question = step.step == 0
                        ? say(Msg::HintWhatIsProduct, {quotient, divisor})
                        : say(Msg::HintProbeSum, {product, numberText(step.upper - step.product)});
    hint.explanation =
        say(Msg::HintProbeWay, {quotient, divisor, numberText(step.upper - step.product), upper});
}

} // namespace

bool sameStep(const HintStep& a, const HintStep& b) {
    return a.kind == b.kind && a.step == b.step;
}

HintStep currentStep(const Form1& form) {
    HintStep h;
    const SheetTask task = sheetTask(form);
    h.divisor = task.divisor;
    if (!form.timer1Enabled() || !task.workable()) {
        return h;
    }
    if (ueberschlagAtHand(form)) {
        return ueberschlagStep(form, task, h);
    }
    // The steps of the task's worked solution, the first one not done yet.
    Kind upper = Kind::Dividend;
    for (std::size_t i = 0; i < task.solution.steps.size(); ++i) {
        const WorkedStep& st = task.solution.steps[i];
        const int k = static_cast<int>(i);
        h.step = k;
        h.upper = st.partial;
        const ControlId quotient = ctl::resultat(k);
        const Kind productArray = workRowKind(2 * k);
        const Kind remainderArray = workRowKind(2 * k + 1);

        if (isBlank(form.text(quotient))) {
            h.kind = StepKind::Quotient;
            h.cells = {quotient};
            return h;
        }
        h.digitIsNumber = parseDigitString(form.text(quotient), h.digit);
        if (form.verdict(2 * k) != Verdict::Korrekt) {
            // Under the number worked on: from its first digit to its units.
            h.kind = StepKind::Product;
            h.cells =
                cellsBetween(productArray, highestWrittenColumn(form, upper, st.column), st.column);
            return h;
        }
        if (form.verdict(2 * k + 1) != Verdict::Korrekt) {
            // Under the product: the remainder of the step's numbers.
            h.kind = StepKind::Remainder;
            h.product = st.product;
            h.cells = cellsBetween(remainderArray, std::max(st.column, startColumn(st.productRow)),
                                   st.column);
            return h;
        }
        upper = remainderArray;
    }
    if (form.visible(ctl::probe(0)) && form.lineVerdict(CheckLine::ProbePlus) != Verdict::Korrekt) {
        return probeStep(form, task, h);
    }
    HintStep finished;
    finished.kind = StepKind::Finished;
    finished.divisor = h.divisor;
    return finished;
}

Hint hintFor(const HintStep& step, int stage) {
    Hint hint;
    if (step.kind == StepKind::NoTask) {
        hint.instruction = say(Msg::HintNoTask);
        return hint;
    }
    if (step.kind == StepKind::Finished) {
        hint.instruction = say(Msg::HintFinished);
        return hint;
    }
    if (step.cells.empty()) {
        hint.instruction = say(Msg::HintNoHint);
        return hint;
    }
    hint.stage = std::clamp(stage, 0, kHintStages);
    if (hint.stage == 0) {
        return hint;
    }

    hint.outline = step.cells;
    if (!isRowStep(step.kind)) {
        lineHint(step, hint);
        if (hint.stage < 2) {
            hint.question.clear();
        }
        if (hint.stage < 3) {
            hint.explanation.clear();
        }
        return hint;
    }
    const Text divisor = numberText(step.divisor);
    switch (step.kind) {
    case StepKind::Quotient:
        hint.instruction = say(Msg::HintWriteDigit);
        hint.question = say(Msg::HintHowOften, {divisor, numberText(step.upper)});
        break;
    case StepKind::Product:
        hint.instruction = say(Msg::HintWriteProduct);
        hint.question = step.digitIsNumber
                            ? say(Msg::HintWhatIsProduct, {divisor, numberText(step.digit)})
                            : say(Msg::HintNoDigit);
        break;
    default:
        hint.instruction = say(Msg::HintWriteRemainder);
        hint.question =
            say(Msg::HintWhatRemains, {numberText(step.product), numberText(step.upper)});
        break;
    }
    if (hint.stage < 2) {
        hint.question.clear();
    }
    if (hint.stage == 3) {
        if (step.divisor > 0) {
            for (int i = 1; i <= 9; ++i) {
                hint.multiples.push_back(say(
                    Msg::HintMultiple, {divisor, decimalText(i), numberText(step.divisor * i)}));
            }
        } else {
            hint.multiples.push_back(say(Msg::HintNoMultiples, {divisor}));
        }
    }
    return hint;
}

} // namespace zifferon
