#pragma once

// MODULE11: the row solver.

#include "sheet/Form1.h"

namespace zifferon {

// What a product or remainder row was judged on, for the caller and for
// explanations shown to the pupil.
struct RowJudgement {
    bool productRow = false;
    bool right = false;
    int anchor = 0; // anchor column s
    double W = 0;   // written product (product row) / product above (remainder row)
    double N = 0;   // upper number
    double P = 0;   // divisor x quotient digit
    double D = 0;   // written remainder (remainder rows)
    // Product rows: which of the three conditions held.
    bool notAboveUpper = true;   // W <= N
    bool differenceSmall = true; // N - W <= P (or the zero exception)
    bool equalsProduct = true;   // W == P
    bool zeroFilled = false;     // the solver wrote the zero product (digit 0)
};

enum class SolveOutcome {
    Judged,     // verdict written into info(row)
    NoQuotient, // quotient cell blank (or row outside 0..9): nothing written
    Failed,     // the row cannot be evaluated: nothing written, the check ends
};

struct SolveResult {
    SolveOutcome outcome = SolveOutcome::NoQuotient;
    RowJudgement judgement; // valid when outcome is Judged
};

// Judges work row `row` (0..9) and writes "korrekt" on light green or
// "Fehler" on light red into info(row); rows 2, 4, 6, 8 get the zero fill
// when the quotient digit is 0.
SolveResult SolveRow(Form1& form, int row);

} // namespace zifferon
