// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/RowExplanation.h"

#include "check/SheetReading.h"
#include "sheet/Catalogue.h"

namespace zifferon {

namespace {

Text unitsBelong(bool remainder, bool tooFarLeft, long long under) {
    const Msg id =
        remainder ? (tooFarLeft ? Msg::ReasonRemainderTooFarLeft : Msg::ReasonRemainderTooFarRight)
                  : (tooFarLeft ? Msg::ReasonProductTooFarLeft : Msg::ReasonProductTooFarRight);
    return say(id, {numberText(under)});
}

Text explainNotADigit(const RowJudgement& j) {
    return say(Msg::ReasonNotADigit, {Text(1, j.notADigit)});
}

// A cell in the way, a gap, a wrong digit brought down; empty for the units.
Text explainMisplaced(const RowJudgement& j) {
    switch (j.misplaced) {
    case Misplaced::Stray:
        return say(Msg::ReasonStray, {j.place, Text(1, j.stray)});
    case Misplaced::Gap:
        return say(Msg::ReasonGap);
    case Misplaced::BroughtDown:
        return say(Msg::ReasonBroughtDown, {j.place, Text(1, j.broughtDown)});
    case Misplaced::Units:
        break;
    }
    return {};
}

Text explainRemainder(const RowJudgement& j) {
    if (j.notADigit != 0) {
        return explainNotADigit(j);
    }
    if (j.mistake == MistakeKind::Stellenwert) {
        if (j.misplaced != Misplaced::Units) {
            return explainMisplaced(j);
        }
        return unitsBelong(true, !j.writingRightOfAnchor, j.W);
    }
    return say(Msg::ReasonSubtraction, {numberText(j.N), numberText(j.W), numberText(j.D)});
}

Text explainColumns(const RowJudgement& j) {
    if (j.misplaced != Misplaced::Units) {
        return explainMisplaced(j);
    }
    const Text divisor = numberText(j.divisor);
    const bool tooFarLeft = j.anchor > j.expectedUnits;
    if (j.row == 0 && j.digit == 0) {
        return say(tooFarLeft ? Msg::ReasonZeroTooFarLeft : Msg::ReasonZeroTooFarRight,
                   {numberText(j.upperAtUnits)});
    }
    if (tooFarLeft && j.N < j.divisor) {
        return say(Msg::ReasonDoesNotFit, {divisor, numberText(j.N)});
    }
    if (!tooFarLeft && j.N >= 10 * j.divisor) {
        return say(Msg::ReasonFitsTenTimes, {divisor, numberText(j.N)});
    }
    return unitsBelong(false, tooFarLeft, j.upperAtUnits);
}

Text explainProduct(const RowJudgement& j) {
    const Text divisor = numberText(j.divisor);
    const Text digit = numberText(j.digit);
    const Text upper = numberText(j.N);
    // A wrong digit: no product, however well multiplied, makes the row right.
    // When the written product is not divisor x digit, the sentence names the
    // multiplication instead of its result, which would be the right product.
    const Text product = j.W == j.P ? numberText(j.W) : say(Msg::Times, {divisor, digit});
    if (j.notADigit != 0) {
        return explainNotADigit(j);
    }
    switch (j.mistake.value_or(MistakeKind::Einmaleins)) {
    case MistakeKind::Stellenwert:
        return explainColumns(j);
    case MistakeKind::ZifferZuGross:
        return say(Msg::ReasonDigitTooBig, {product, upper, digit});
    case MistakeKind::ZifferZuKlein:
        if (j.row == 0 && j.digit == 0) {
            return say(Msg::ReasonFirstZeroTooSmall, {divisor, numberText(j.upperAtUnits)});
        }
        return say(Msg::ReasonDigitTooSmall,
                   {product, upper, numberText(j.N - j.P), divisor, digit});
    case MistakeKind::Einmaleins:
    case MistakeKind::Abziehen:
        break;
    }
    return say(Msg::ReasonMultiplication, {divisor, digit, numberText(j.W)});
}

} // namespace

Text explainJudgement(const RowJudgement& judgement) {
    if (judgement.right) {
        return {};
    }
    return judgement.productRow ? explainProduct(judgement) : explainRemainder(judgement);
}

void explainRestoredVerdicts(Form1& form) {
    for (int row = 0; row < kWorkRows; ++row) {
        const ControlId label = ctl::info(row);
        Text tip;
        if (form.visible(label) && form.verdict(row) == Verdict::Fehler) {
            const JudgeResult r = judgeRow(form, row);
            if (r.outcome == JudgeOutcome::Judged) {
                tip = explainJudgement(r.judgement);
            }
        }
        form.setToolTip(label, tip);
    }
}

} // namespace zifferon
