#include "check/RowSolver.h"

#include "check/RowExplanation.h"
#include "check/SheetReading.h"

#include <optional>

namespace zifferon {

namespace {

// A product row: equals the product, is not above the number it is taken
// from and leaves a difference no greater than itself. Rows after the first
// get the zero product written in for a quotient digit 0.
bool judgeProductRow(Form1& form, int row, RowJudgement& j) {
    const Kind r = kontrolleKind(row + 1);
    const Kind u = upperArray(row);
    const bool laterStep = row > 0;

    if (laterStep && j.P == 0.0) {
        for (int c = 0; c < kRowCells; ++c) {
            if (!isBlank(form.text({u, c}))) {
                form.setText({r, c}, U"0");
                j.zeroFilled = true;
            }
        }
    }

    const std::optional<int> s = lowestWrittenColumn(form, r);
    if (!s) {
        return false;
    }
    j.anchor = *s;
    j.W = anchoredValue(form, r, *s);
    j.N = anchoredValue(form, u, *s);
    j.notAboveUpper = j.W <= j.N;
    j.differenceSmall = j.N - j.W <= j.P || (laterStep && j.P == 0.0);
    j.equalsProduct = j.W == j.P;
    j.right = j.notAboveUpper && j.differenceSmall && j.equalsProduct;
    return true;
}

// A remainder row: the difference between the upper number and the product
// above, both read from the product's units column leftwards.
bool judgeRemainderRow(const Form1& form, int row, RowJudgement& j) {
    const Kind r = kontrolleKind(row + 1);
    const Kind q = kontrolleKind(row);
    const Kind u = upperArray(row);

    const std::optional<int> s = lowestWrittenColumn(form, q);
    if (!s) {
        return false;
    }
    j.anchor = *s;
    j.W = anchoredValue(form, q, *s);
    j.N = anchoredValue(form, u, *s);
    j.D = anchoredValue(form, r, *s);
    j.right = j.D == j.N - j.W;
    return true;
}

} // namespace

SolveResult SolveRow(Form1& form, int row) {
    SolveResult result;
    if (row < 0 || row >= kWorkRows) {
        return result;
    }
    const TextView quotientCell = form.text(ctl::resultat(row / 2));
    if (isBlank(quotientCell)) {
        return result;
    }
    double digit = 0.0;
    if (!parseDigitString(quotientCell, digit)) {
        result.outcome = SolveOutcome::Failed;
        return result;
    }

    RowJudgement& j = result.judgement;
    j.productRow = row % 2 == 0;
    j.P = leadingNumber(form.text(ctl::Text2)) * digit;
    const bool judged =
        j.productRow ? judgeProductRow(form, row, j) : judgeRemainderRow(form, row, j);
    if (!judged) {
        result.outcome = SolveOutcome::Failed;
        return result;
    }

    const ControlId label = ctl::info(row);
    // The label's tooltip says why a row is wrong; a right row has none.
    form.setToolTip(label, explainRow(form, row, j));
    if (j.right) {
        form.setCaption(label, texts::Korrekt);
        form.setBackground(label, colors::LightGreen);
    } else {
        form.setCaption(label, texts::Fehler);
        form.setBackground(label, colors::LightRed);
    }
    result.outcome = SolveOutcome::Judged;
    return result;
}

} // namespace zifferon
