#pragma once

// Why a row was judged "Fehler", in one short German sentence a pupil
// understands. The sentence names the numbers the judgement compared, never
// the right product, remainder or digit.

#include "check/RowSolver.h"

#include <optional>

namespace zifferon {

// What the judgement was made from besides the RowJudgement itself.
struct ExplanationInputs {
    int row = 0;
    double divisor = 0.0; // leading number of Text2
    double digit = 0.0;   // the quotient digit
    // Remainder rows: something is written right of the product's units
    // column, where the judgement does not look.
    bool writingRightOfAnchor = false;
};

// The reason for a wrong row; empty for a right one. When several conditions
// fail, the one the pupil has to mend first is named: a divisor no one can
// divide by, then a product standing in the wrong columns, then a quotient
// digit too big or too small, then a slip in multiplying. For a remainder
// row: digits beside the product's units column, then a slip in subtracting.
Text explainJudgement(const RowJudgement& judgement, const ExplanationInputs& inputs);

// explainJudgement with the inputs read from the sheet as the solver read them.
Text explainRow(const Form1& form, int row, const RowJudgement& judgement);

// The judgement the solver would give `row` now, without writing anything
// (a zero fill is read as if written). nullopt where the solver would write
// no verdict (row outside 0..9, blank or non-numeric quotient cell, nothing
// to anchor on).
std::optional<RowJudgement> evaluateRow(const Form1& form, int row);

// After a load: each row shown as "Fehler" gets the reason its current
// content is wrong (none if the sheet, read now, finds it right); every other
// row label gets no tooltip.
void explainRestoredVerdicts(Form1& form);

} // namespace zifferon
