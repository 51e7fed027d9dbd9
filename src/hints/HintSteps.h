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
// finished, once its Probe is right. The Überschlag comes first while the
// pupil is in its boxes, or while the sheet asks for it before the first
// quotient digit. Nothing here writes to the sheet.

#include "sheet/Form1.h"

#include <vector>

namespace zifferon {

enum class StepKind {
    NoTask,   // no task has been entered yet
    Quotient, // the next quotient digit is due
    Product,  // the product of the digit is due
    Remainder,
    Ueberschlag, // how many digits the quotient has
    Probe,       // the task multiplied back: step 0 its first line, step 1 its second
    Finished,    // nothing left to write
};

struct HintStep {
    StepKind kind = StepKind::NoTask;
    int step = 0;                 // k: resultat(k), product row 2k, remainder row 2k + 1
    std::vector<ControlId> cells; // the cells to be written next; for the Überschlag
                                  // the part of the dividend the divisor first fits into
    long long divisor = 0;        // the divisor of the task in the top line
    // The number worked on: the part of the dividend or of the remainder row
    // (with its brought-down digit) the step divides; in the remainder stage
    // the number the product is taken from, read down to the product's
    // units column as the solver reads it. The Überschlag: the first such
    // part; the Probe: the dividend.
    long long upper = 0;
    bool digitIsNumber = false;
    // The written quotient digit (product and remainder stage); the first
    // quotient digit (Überschlag); the quotient (Probe).
    long long digit = 0;
    long long product = 0; // the product row above (remainder stage); quotient x divisor (Probe)
};

// The steps that write a work row (and count their hints against it).
constexpr bool isRowStep(StepKind kind) {
    return kind == StepKind::Quotient || kind == StepKind::Product || kind == StepKind::Remainder;
}

// Whether two steps are the same step of the task (kind and number).
bool sameStep(const HintStep& a, const HintStep& b);

HintStep currentStep(const Form1& form);

inline constexpr int kHintStages = 3;

struct Hint {
    int stage = 0;                  // 0: no hint
    std::vector<ControlId> outline; // cells to frame
    Text instruction;               // what to write where; without a step, why there is no hint
    Text question;                  // from stage 2
    std::vector<Text> multiples;    // stage 3 of a row: divisor x 1 ... divisor x 9
    Text explanation;               // stage 3 of the Überschlag and the Probe: the way there
};

// Stages are cumulative: stage 2 keeps the outline of stage 1, stage 3 the
// question of stage 2. Stage 0, or a step without cells to write, gives no
// hint but a short reason in `instruction`.
Hint hintFor(const HintStep& step, int stage);

} // namespace zifferon
