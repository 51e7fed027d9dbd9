// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "input/CellInput.h"

#include "check/RowCheck.h"
#include "check/SheetTask.h"

#include <algorithm>

namespace zifferon {

namespace {

bool isWorkCell(int n, int index) {
    return n >= 1 && n <= kWorkRows && index >= 0 && index < kRowCells;
}

int digitCount(long value) {
    int n = 1;
    for (; value >= 10; value /= 10) {
        ++n;
    }
    return n;
}

// The column a number with its units digit in `units` starts in.
int startOf(int units, long value) {
    return std::min(units + digitCount(value) - 1, kRowCells - 1);
}

// Where the product of the digit written into resultat(step) starts, so that
// typed from there it ends under the units of the number it is taken from
// (a later 0 under every digit of the number above); -1 when the sheet holds
// no workable task, the step lies beyond its end or the cell holds no digit.
int productStart(const Form1& form, const SheetTask& task, int step) {
    const Text& written = form.text(ctl::resultat(step));
    if (!task.workable() || step >= static_cast<int>(task.solution.steps.size()) ||
        written.size() != 1 || written[0] < U'0' || written[0] > U'9') {
        return -1;
    }
    const WorkedStep& worked = task.solution.steps[static_cast<std::size_t>(step)];
    const long digit = written[0] - U'0';
    if (digit == worked.digit) {
        return startColumn(worked.productRow);
    }
    if (digit == 0 && step > 0) {
        return startColumn(task.solution.steps[static_cast<std::size_t>(step) - 1].remainderRow);
    }
    return startOf(worked.column, digit * task.divisor);
}

// After a right product row the remainder is written next, its units digit
// under the product's.
void moveToRemainder(Form1& form, int productRow) {
    const SheetTask task = sheetTask(form);
    const auto step = static_cast<std::size_t>(productRow / 2);
    if (!task.workable() || step >= task.solution.steps.size()) {
        return;
    }
    const WorkedStep& worked = task.solution.steps[step];
    form.setFocus(ctl::workRow(productRow + 1, startOf(worked.column, worked.remainder)));
}

bool isKorrekt(const Form1& form, int row) {
    return form.verdict(row) == Verdict::Korrekt;
}

} // namespace

void CellChangeRule::kontrolle_Change(Form1& form, int n, int index) {
    if (!isWorkCell(n, index)) {
        return;
    }
    const ControlId cell = ctl::workRow(n - 1, index);
    const Text& s = form.text(cell);
    if (s.size() > 1) {
        // Typing again into the cell that changed last replaces its character,
        // whichever side of it the new one landed on; otherwise the first stays.
        const char32_t keep = s[0] == lastCellChar_ ? s[1] : s[0];
        // A change of its own: the rule runs once more inside this call and
        // finds a single character.
        form.setText(cell, TextView(&keep, 1));
    }
    const Text& now = form.text(cell);
    lastCellChar_ = now.empty() ? U' ' : now[0];
}

void kontrolle_KeyDown(Form1& form, int n, int index, int keyCode) {
    if (!isWorkCell(n, index)) {
        return;
    }
    // A move aimed at a cell that cannot take the focus (a locked cell, the
    // dividend above kontrolle1) is refused by the form: the focus stays.
    switch (keyCode) {
    case vk::Return: {
        const int row = n - 1;
        const bool wasKorrekt = isKorrekt(form, row);
        CheckRow(form, row);
        if (row % 2 == 0 && !wasKorrekt && isKorrekt(form, row)) {
            moveToRemainder(form, row);
        }
        return;
    }
    case vk::Left:
        if (index < kRowCells - 1) {
            form.setFocus(ctl::workRow(n - 1, index + 1));
        }
        return;
    case vk::Right:
        if (index > 0) {
            form.setFocus(ctl::workRow(n - 1, index - 1));
        }
        return;
    case vk::Up:
        form.setFocus(n == 1 ? ctl::dividend(index) : ctl::workRow(n - 2, index));
        return;
    case vk::Down:
        if (n < kWorkRows) {
            form.setFocus(ctl::workRow(n, index));
            return;
        }
        break; // the last row has nothing below: Down advances like a typed key
    default:
        break;
    }
    // Any other key: the character lands in this cell, the focus moves on to
    // the cell to its right, ready for the next digit.
    if (index > 0) {
        form.setFocus(ctl::workRow(n - 1, index - 1));
    }
}

void resultat_KeyDown(Form1& form, int index, int keyCode) {
    if (index < 0 || index >= kResultatCells || keyCode != vk::Return) {
        return;
    }
    // The product goes where its first digit belongs, so that typed digit by
    // digit it ends under the number it is taken from. Without a digit to
    // go by, one column further right than the product before it.
    const int start = productStart(form, sheetTask(form), index);
    form.setFocus(ctl::workRow(2 * index, start >= 0 ? start : kRowCells - 1 - index));
}

Text typedIntoCell(TextView before, TextView after) {
    if (after.size() <= before.size()) {
        return Text(after);
    }
    std::size_t head = 0;
    while (head < before.size() && before[head] == after[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < before.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    if (head + tail != before.size()) {
        return Text(after);
    }
    return Text(after.substr(head, after.size() - before.size()));
}

} // namespace zifferon
