// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/RowCheck.h"

#include "check/RowSolver.h"

#include <algorithm>
#include <optional>

namespace zifferon {

namespace {

void lockRow(Form1& form, int row) {
    for (int c = 0; c < kRowCells; ++c) {
        form.setEnabled(ctl::workRow(row, c), false);
    }
    if (row % 2 == 0) {
        form.setEnabled(ctl::resultat(row / 2), false);
    }
}

// One more failed check, shown; the count stops at what a task file holds.
void countError(Form1& form, int row) {
    form.setErrorCount(row, std::min(form.errorCount(row), kLargestCount - 1) + 1);
    form.setVisible(ctl::fehler(row), true);
}

} // namespace

void CheckRow(Form1& form, int row) {
    if (row < 0 || row >= kWorkRows) {
        return;
    }
    const JudgeResult result = SolveRow(form, row);
    // A row checked before its turn (or after the end, or without a task to
    // work) gets no verdict: the pupil hears why, and the label that waits
    // for the check says it too.
    if (const Text reason = noVerdictText(result); !reason.empty()) {
        const ControlId label = ctl::info(row);
        if (form.verdict(row) == Verdict::Pending) {
            form.setToolTip(label, reason);
        }
        form.notify(reason);
    }
    // Only a verdict written now counts: a check that could not judge the row
    // (no quotient digit, nothing written) is no attempt, whatever the label
    // said before.
    if (result.outcome != JudgeOutcome::Judged) {
        return;
    }
    // The verdict shows at once, also on a row the solver has just filled in
    // (the zero product), before any pass of the tracker.
    form.setVisible(ctl::info(row), true);
    if (result.judgement.right) {
        lockRow(form, row);
    } else {
        countError(form, row);
        // A sign among the digits counts only in the row's error count.
        if (const std::optional<MistakeKind> kind = result.judgement.mistake) {
            form.countMistake(row, *kind);
        }
    }
}

} // namespace zifferon
