// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/RowSolver.h"

#include "check/RowExplanation.h"

namespace zifferon {

JudgeResult SolveRow(Form1& form, int row) {
    const JudgeResult judged = judgeRow(form, row);
    if (judged.outcome != JudgeOutcome::Judged) {
        return judged;
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
    return judged;
}

} // namespace zifferon
