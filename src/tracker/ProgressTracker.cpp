// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracker/ProgressTracker.h"

#include "check/SheetReading.h"
#include "check/SheetTask.h"
#include "tracker/CheckLineTracker.h"

#include <array>

namespace zifferon {

namespace {

// A pass runs after every event. It reads the sheet through references and
// compares before it writes, so a pass over a sheet that needs nothing
// allocates nothing and changes nothing (Form1 skips no-op writes too, and a
// cell rewritten with its own text runs no change rule).
//
// Step k is quotient cell resultat(k), product row 2k and remainder row 2k + 1.

bool isKorrekt(const Form1& form, int row) {
    return form.verdict(row) == Verdict::Korrekt;
}

void emptyRow(Form1& form, int row) {
    for (int c = 0; c < kRowCells; ++c) {
        const ControlId cell = ctl::workRow(row, c);
        if (!form.text(cell).empty()) {
            form.setText(cell, TextView{});
        }
    }
}

// Rows emptied by the guard step, one bit per row: the label step need not
// read them again in the same pass.
using RowMask = unsigned;

// A product row stays empty until its quotient digit has been written (a
// space counts as written; the fifth is guarded like the other four), a
// remainder row until the product above it reads "korrekt".
RowMask guardStep(Form1& form) {
    RowMask emptied = 0;
    for (int k = 0; k < kResultatCells; ++k) {
        if (isEmpty(form.text(ctl::resultat(k)))) {
            emptyRow(form, 2 * k);
            emptied |= 1u << (2 * k);
        }
    }
    for (int k = 0; k < kResultatCells; ++k) {
        if (!isKorrekt(form, 2 * k)) {
            emptyRow(form, 2 * k + 1);
            emptied |= 1u << (2 * k + 1);
        }
    }
    return emptied;
}

// Rows 0 to 2 count any text, also a lone space; rows 3 to 9 only text that is
// not blank.
bool isWritten(const Form1& form, int row) {
    for (int c = 0; c < kRowCells; ++c) {
        const Text& t = form.text(ctl::workRow(row, c));
        if (row <= 2 ? !isEmpty(t) : !isBlank(t)) {
            return true;
        }
    }
    return false;
}

void labelStep(Form1& form, RowMask emptied) {
    for (int row = 0; row < kWorkRows; ++row) {
        const ControlId label = ctl::info(row);
        const bool written = (emptied & (1u << row)) == 0 && isWritten(form, row);
        // Only a label that comes back from hidden is reset to the prompt; a
        // visible one keeps its verdict while the pupil corrects the row.
        if (written && !form.visible(label)) {
            form.showVerdict(row, Verdict::Pending);
            form.setToolTip(label, TextView{});
        }
        // A row judged right stays shown, also a remainder row judged right
        // with nothing written in it (a remainder of 0): hidden, its label
        // would come back as the prompt once a digit is brought down into it.
        form.setVisible(label, written || isKorrekt(form, row));
    }
}

// The quotient cell only takes the focus from the grid and the buttons: a
// pupil typing a new task into Text1 or Text2 keeps the focus there.
bool mayPullFocus(const Form1& form) {
    const ControlId focus = form.focus();
    return focus != ctl::Text1 && focus != ctl::Text2;
}

// The task is done when every row of its worked solution reads "korrekt",
// every quotient digit is the solution's and the last remainder row holds
// its remainder: only then does "Berechnung beendet" stand under it.
bool finished(const Form1& form, const WorkedSolution& solution) {
    const auto n = static_cast<int>(solution.steps.size());
    for (int k = 0; k < n; ++k) {
        long long digit = 0;
        if (!isKorrekt(form, 2 * k) || !isKorrekt(form, 2 * k + 1) ||
            !parseDigitString(form.text(ctl::resultat(k)), digit) ||
            digit != solution.steps[static_cast<std::size_t>(k)].digit) {
            return false;
        }
    }
    const WorkedStep& last = solution.steps.back();
    return anchoredValue(form, workRowKind(2 * n - 1), last.column) == last.remainder;
}

// Once the task is done, the quotient cells after its last digit keep
// nothing: a digit there would change the finished result. Their rows are
// emptied as the guard step would, in this same pass.
void closeQuotientAfter(Form1& form, int steps) {
    for (int k = steps; k < kResultatCells; ++k) {
        const ControlId cell = ctl::resultat(k);
        if (!form.text(cell).empty()) {
            form.setText(cell, TextView{});
        }
        for (int row : {2 * k, 2 * k + 1}) {
            emptyRow(form, row);
            form.setVisible(ctl::info(row), isKorrekt(form, row));
        }
    }
}

// The steps are those of the task's worked solution: the digit of step k
// comes down into its bring-down column once both its rows read "korrekt".
void bringDownStep(Form1& form, const SheetTask& task) {
    if (!task.workable()) {
        return;
    }
    const WorkedSteps& steps = task.solution.steps;
    // Of the quotient cells that would pull the focus, the last one gets it:
    // set once, so that a pass over a sheet at rest moves nothing.
    ControlId pull;
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const int productRow = 2 * static_cast<int>(k);
        const int remainderRow = productRow + 1;
        // A remainder row only counts as done while the product above it is
        // right too.
        if (!isKorrekt(form, remainderRow) || !isKorrekt(form, productRow)) {
            continue;
        }
        const int column = steps[k].bringDown;
        if (column < 0) {
            if (finished(form, task.solution)) {
                form.setVisible(ctl::Label4, true);
                closeQuotientAfter(form, static_cast<int>(steps.size()));
            }
            continue;
        }
        // Whatever the cell holds, it gets the dividend digit of its column.
        form.setText(ctl::workRow(remainderRow, column), form.text(ctl::dividend(column)));
        const ControlId next = ctl::resultat(static_cast<int>(k) + 1);
        if (isBlank(form.text(next)) && form.canTakeFocus(next)) {
            pull = next;
        }
    }
    if (pull.kind != Kind::None && form.focus() != pull && mayPullFocus(form)) {
        form.setFocus(pull);
    }
}

} // namespace

void trackProgress(Form1& form) {
    const RowMask emptied = guardStep(form);
    labelStep(form, emptied);
    // The top line is the task's: no step of the pass writes it.
    const SheetTask task = sheetTask(form);
    bringDownStep(form, task);
    trackCheckLines(form, task);
}

} // namespace zifferon
