// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/RowSolver.h"

#include "check/RowExplanation.h"

namespace zifferon {

SolveResult SolveRow(Form1& form, int row) {
    SolveResult result;
    const JudgeResult judged = judgeRow(form, row);
    switch (judged.outcome) {
    case JudgeOutcome::Judged:
        break;
    case JudgeOutcome::Failed:
        result.outcome = SolveOutcome::Failed;
        return result;
    case JudgeOutcome::NoQuotient:
        return result;
    default:
        result.outcome = SolveOutcome::NoVerdict;
        result.reason = noVerdictText(judged);
        return result;
    }
    const RowJudgement& j = judged.judgement;
    // The zero product of a later digit 0 is written in as it was read.
    for (int c = 0; c < kRowCells; ++c) {
        if (j.zeroColumns[static_cast<std::size_t>(c)]) {
            form.setText(ctl::workRow(row, c), U"0");
        }
    }
    form.setToolTip(ctl::info(row), explainJudgement(j));
    form.showVerdict(row, j.right ? Verdict::Korrekt : Verdict::Fehler);
    result.outcome = SolveOutcome::Judged;
    result.judgement = j;
    return result;
}

} // namespace zifferon
