// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the pupil stands in the task, and the staged hints for that step.
//
// The step is read afresh from the sheet, as the progress tracker sees it:
// the first step k whose quotient cell is blank (quotient stage), whose
// product label is not "korrekt" (product stage) or whose remainder label is
// not "korrekt" (remainder stage). A step whose remainder is right leads to
// step k + 1 only when a dividend digit came down; otherwise the task is
// finished. Nothing here writes to the sheet.

#include "sheet/Form1.h"

#include <vector>

namespace zifferon {

enum class StepKind {
    NoTask,   // no task has been entered yet
    Quotient, // the next quotient digit is due
    Product,  // the product of the digit is due
    Remainder,
    Finished, // nothing left to write
};

struct HintStep {
    StepKind kind = StepKind::NoTask;
    int step = 0;                 // k: resultat(k), product row 2k, remainder row 2k + 1
    std::vector<ControlId> cells; // the cells to be written next
    long long divisor = 0;        // the divisor of the task in the top line
    // The number worked on: the part of the dividend or of the remainder row
    // (with its brought-down digit) the step divides; in the remainder stage
    // the number the product is taken from, read down to the product's
    // units column as the solver reads it.
    long long upper = 0;
    bool digitIsNumber = false;
    long long digit = 0;   // the written quotient digit (product and remainder stage)
    long long product = 0; // the product row above (remainder stage)
};

// Whether two steps are the same step of the task (kind and number).
bool sameStep(const HintStep& a, const HintStep& b);

HintStep currentStep(const Form1& form);

inline constexpr int kHintStages = 3;

struct Hint {
    int stage = 0;                  // 0: no hint
    std::vector<ControlId> outline; // cells to frame
    Text instruction;               // what to write where; without a step, why there is no hint
    Text question;                  // from stage 2
    std::vector<Text> multiples;    // stage 3: divisor x 1 ... divisor x 9
};

// Stages are cumulative: stage 2 keeps the outline of stage 1, stage 3 the
// question of stage 2. Stage 0, or a step without cells to write, gives no
// hint but a short reason in `instruction`.
Hint hintFor(const HintStep& step, int stage);

} // namespace zifferon
