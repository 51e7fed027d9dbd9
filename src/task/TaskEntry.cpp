// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "task/TaskEntry.h"

#include "check/SheetTask.h"

#include <algorithm>

namespace zifferon {

void EnterTask(Form1& form) {
    const Text dividendText = form.text(ctl::Text1);
    const int n = static_cast<int>(std::min<std::size_t>(dividendText.size(), kDividendCells));
    for (int c = 0; c < kDividendCells; ++c) {
        form.setText(ctl::dividend(c), U"");
    }
    for (int k = 1; k <= n; ++k) {
        form.setText(ctl::dividend(6 - k), TextView(dividendText).substr(k - 1, 1));
    }

    const Text divisorText = form.text(ctl::Text2);
    const int m = static_cast<int>(std::min<std::size_t>(divisorText.size(), kDivisorCells));
    for (int c = 0; c < kDivisorCells; ++c) {
        form.setText(ctl::divisor(c), U"");
    }
    for (int k = 1; k <= m; ++k) {
        form.setText(ctl::divisor(m - k), TextView(divisorText).substr(k - 1, 1));
    }

    for (int j = 0; j < kResultatCells; ++j) {
        form.setText(ctl::resultat(j), U"");
        form.setEnabled(ctl::resultat(j), true);
    }
    for (int c = 0; c < kRowCells; ++c) {
        for (int n = 1; n <= kWorkRows; ++n) {
            form.setText(ctl::workRow(n - 1, c), U"");
        }
        for (int n = 1; n <= kWorkRows; ++n) {
            form.setEnabled(ctl::workRow(n - 1, c), true);
        }
    }
    for (int i = 0; i < kWorkRows; ++i) {
        form.setVisible(ctl::info(i), false);
        form.setBackground(ctl::info(i), colors::LightGreen);
        form.setVerdict(i, Verdict::Fehler);
        form.setToolTip(ctl::info(i), U"");
        form.setTally(i, {});
    }
    for (int i = 0; i < kFehlerLabels; ++i) {
        form.setVisible(ctl::fehler(i), false);
        form.setErrorCount(i, 0);
    }
    // The Überschlag and the Probe start empty; the pass shows them when
    // their time comes.
    for (ControlId box : {ctl::stellen, ctl::etwa, ctl::probe(0), ctl::probe(1), ctl::probe(2)}) {
        form.setText(box, U"");
        form.setEnabled(box, false);
        form.setVisible(box, false);
    }
    for (ControlId label : {ctl::Label6, ctl::Label7, ctl::Label8, ctl::Label9}) {
        form.setVisible(label, false);
    }
    for (const CheckLine line :
         {CheckLine::Ueberschlag, CheckLine::ProbeMal, CheckLine::ProbePlus}) {
        form.showLineVerdict(line, Verdict::None);
        form.setToolTip(ctl::pruefung(line), U"");
        form.setVisible(ctl::pruefung(line), false);
        form.setLineErrors(line, 0);
        form.setVisible(ctl::pfehler(line), false);
    }
    form.setFocus(ctl::resultat(0));
    form.setTimer1Enabled(true);
}

void showTaskProblem(Form1& form, TextView message) {
    form.setCaption(ctl::Label5, message);
    form.setVisible(ctl::Label5, !message.empty());
    if (!message.empty()) {
        form.notify(message);
    }
}

bool takeTaskIn(Form1& form) {
    const TypedTask typed = typedTask(form.text(ctl::Text1), form.text(ctl::Text2));
    if (typed.problem != TaskProblem::None) {
        showTaskProblem(form, taskProblemText(typed.problem));
        return false;
    }
    // The boxes show the task as the grid takes it ("013" becomes "13").
    form.setText(ctl::Text1, typed.dividend);
    form.setText(ctl::Text2, typed.divisor);
    showTaskProblem(form, {});
    form.setVisible(ctl::Label4, false);
    EnterTask(form);
    return true;
}

} // namespace zifferon
