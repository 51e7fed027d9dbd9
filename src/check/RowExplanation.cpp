#include "check/RowExplanation.h"

#include "check/SheetReading.h"

#include <array>
#include <cmath>

namespace zifferon {

namespace {

constexpr TextView kTimes = U" · ";
constexpr TextView kMinus = U" − ";

Text explainRemainder(const RowJudgement& j, const ExplanationInputs& in) {
    const Text product = numberText(j.W);
    // Digits right of the units column are not read at all: a sentence about
    // the subtraction would name a number other than the one the pupil sees.
    if (in.writingRightOfAnchor) {
        return U"Der Rest steht zu weit rechts: seine letzte Ziffer gehört unter die letzte "
               U"Ziffer von " +
               product + U".";
    }
    return numberText(j.N) + Text(kMinus) + product + U" ist nicht " + numberText(j.D) +
           U": rechne das Abziehen noch einmal nach.";
}

Text explainProduct(const RowJudgement& j, const ExplanationInputs& in) {
    const double p = in.divisor;
    const Text divisor = numberText(p);
    const Text digit = numberText(in.digit);
    const Text upper = numberText(j.N);
    const Text written = numberText(j.W);

    // Nothing on the row can be right while the divisor is 0 or negative.
    if (!(std::isfinite(p) && p > 0.0)) {
        return U"Der Divisor ist " + divisor +
               U": teilen kann man hier nur durch eine Zahl größer als 0.";
    }
    // Wrong columns: no digit 1..9 can be right at this place. The first row
    // allows no digit 0 either; a later row with a number below the divisor
    // is mended by the digit 0, so that is left to the digit sentences.
    if (in.row == 0 && j.N < p) {
        return divisor + U" passt nicht in " + upper + U": das Produkt steht zu weit links.";
    }
    if (j.N >= 10.0 * p) {
        return divisor + U" passt mehr als 9-mal in " + upper +
               U": das Produkt steht zu weit rechts.";
    }
    // A wrong digit: no product, however well multiplied, makes the row right.
    // When the written product is not divisor x digit, the sentence names the
    // multiplication instead of its result, which would be the right product.
    const Text product = j.W == j.P ? written : divisor + Text(kTimes) + digit;
    if (j.P > j.N) {
        return product + U" ist größer als " + upper + U": die Ziffer " + digit + U" ist zu groß.";
    }
    const bool zeroException = in.row > 0 && j.P == 0.0;
    if (j.N - j.P > j.P && !zeroException) {
        return U"Wenn du " + product + U" von " + upper + U" abziehst, bleibt mehr als " + product +
               U" übrig: die Ziffer " + digit + U" ist zu klein.";
    }
    // The digit fits: the written product is not divisor x digit.
    return divisor + Text(kTimes) + digit + U" ist nicht " + written +
           U": rechne das Malnehmen noch einmal nach.";
}

} // namespace

Text explainJudgement(const RowJudgement& judgement, const ExplanationInputs& inputs) {
    if (judgement.right) {
        return {};
    }
    return judgement.productRow ? explainProduct(judgement, inputs)
                                : explainRemainder(judgement, inputs);
}

Text explainRow(const Form1& form, int row, const RowJudgement& judgement) {
    ExplanationInputs in;
    in.row = row;
    in.divisor = leadingNumber(form.text(ctl::Text2));
    double digit = 0.0;
    if (row >= 0 && row < kWorkRows && parseDigitString(form.text(ctl::resultat(row / 2)), digit)) {
        in.digit = digit;
    }
    if (!judgement.productRow && row >= 0 && row < kWorkRows) {
        for (int c = 0; c < judgement.anchor; ++c) {
            if (!isBlank(form.text(ctl::kontrolle(row + 1, c)))) {
                in.writingRightOfAnchor = true;
            }
        }
    }
    return explainJudgement(judgement, in);
}

std::optional<RowJudgement> evaluateRow(const Form1& form, int row) {
    if (row < 0 || row >= kWorkRows) {
        return std::nullopt;
    }
    const TextView quotientCell = form.text(ctl::resultat(row / 2));
    double digit = 0.0;
    if (isBlank(quotientCell) || !parseDigitString(quotientCell, digit)) {
        return std::nullopt;
    }
    RowJudgement j;
    j.productRow = row % 2 == 0;
    j.P = leadingNumber(form.text(ctl::Text2)) * digit;
    const Kind r = kontrolleKind(row + 1);
    const Kind u = upperArray(row);

    if (!j.productRow) {
        const std::optional<int> s = lowestWrittenColumn(form, kontrolleKind(row));
        if (!s) {
            return std::nullopt;
        }
        j.anchor = *s;
        j.W = anchoredValue(form, kontrolleKind(row), *s);
        j.N = anchoredValue(form, u, *s);
        j.D = anchoredValue(form, r, *s);
        j.right = j.D == j.N - j.W;
        return j;
    }

    // The zero fill of a later row, read instead of written: "0" in every
    // column where the upper number has a digit.
    const bool laterStep = row > 0;
    const bool zeroFill = laterStep && j.P == 0.0;
    std::array<Text, kRowCells> cells;
    for (int c = 0; c < kRowCells; ++c) {
        const auto i = static_cast<std::size_t>(c);
        cells[i] = form.text({r, c});
        if (zeroFill && !isBlank(form.text({u, c}))) {
            cells[i] = U"0";
            j.zeroFilled = true;
        }
    }
    int anchor = -1;
    for (int c = 0; c < kRowCells && anchor < 0; ++c) {
        if (!isBlank(cells[static_cast<std::size_t>(c)])) {
            anchor = c;
        }
    }
    if (anchor < 0) {
        return std::nullopt;
    }
    j.anchor = anchor;
    double scale = 1.0;
    for (int c = anchor; c < kRowCells; ++c) {
        j.W += leadingNumber(cells[static_cast<std::size_t>(c)]) * scale;
        scale *= 10.0;
    }
    j.N = anchoredValue(form, u, anchor);
    j.notAboveUpper = j.W <= j.N;
    j.differenceSmall = j.N - j.W <= j.P || (laterStep && j.P == 0.0);
    j.equalsProduct = j.W == j.P;
    j.right = j.notAboveUpper && j.differenceSmall && j.equalsProduct;
    return j;
}

void explainRestoredVerdicts(Form1& form) {
    for (int row = 0; row < kWorkRows; ++row) {
        const ControlId label = ctl::info(row);
        Text tip;
        if (form.visible(label) && form.caption(label) == texts::Fehler) {
            const std::optional<RowJudgement> j = evaluateRow(form, row);
            if (j && !j->right) {
                tip = explainRow(form, row, *j);
            }
        }
        form.setToolTip(label, tip);
    }
}

} // namespace zifferon
