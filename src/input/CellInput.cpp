// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "input/CellInput.h"

#include "check/CheckLines.h"
#include "check/RowCheck.h"
#include "check/SheetTask.h"

#include <algorithm>

namespace zifferon {

namespace {

bool isWorkCell(int row, int column) {
    return row >= 0 && row < kWorkRows && column >= 0 && column < kRowCells;
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

void CellChangeRule::keepOneCharacter(Form1& form, int row, int column) {
    if (!isWorkCell(row, column)) {
        return;
    }
    const ControlId cell = ctl::workRow(row, column);
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

void checkOrMoveInWorkRow(Form1& form, int row, int column, int keyCode) {
    if (!isWorkCell(row, column)) {
        return;
    }
    // A move aimed at a cell that cannot take the focus (a locked cell, the
    // dividend above kontrolle1) is refused by the form: the focus stays.
    switch (keyCode) {
    case vk::Return: {
        const bool wasKorrekt = isKorrekt(form, row);
        CheckRow(form, row);
        if (row % 2 == 0 && !wasKorrekt && isKorrekt(form, row)) {
            moveToRemainder(form, row);
        }
        return;
    }
    case vk::Left:
        if (column < kRowCells - 1) {
            form.setFocus(ctl::workRow(row, column + 1));
        }
        return;
    case vk::Right:
        if (column > 0) {
            form.setFocus(ctl::workRow(row, column - 1));
        }
        return;
    case vk::Up:
        form.setFocus(row == 0 ? ctl::dividend(column) : ctl::workRow(row - 1, column));
        return;
    case vk::Down:
        if (row < kWorkRows - 1) {
            form.setFocus(ctl::workRow(row + 1, column));
            return;
        }
        break; // the last row has nothing below: Down advances like a typed key
    default:
        break;
    }
    // Any other key: the character lands in this cell, the focus moves on to
    // the cell to its right, ready for the next digit.
    if (column > 0) {
        form.setFocus(ctl::workRow(row, column - 1));
    }
}

void goToProductOnEnter(Form1& form, int step, int keyCode) {
    if (step < 0 || step >= kResultatCells || keyCode != vk::Return) {
        return;
    }
    // The product goes where its first digit belongs, so that typed digit by
    // digit it ends under the number it is taken from. Without a digit to
    // go by, one column further right than the product before it.
    const int start = productStart(form, sheetTask(form), step);
    form.setFocus(ctl::workRow(2 * step, start >= 0 ? start : kRowCells - 1 - step));
}

void checkOrMoveInCheckBox(Form1& form, ControlId box, int keyCode) {
    if (keyCode != vk::Return || !isValid(box)) {
        return;
    }
    // The second box of a line is where Enter leads from the first; the
    // check itself moves the focus on once the line is right (the pass does,
    // when it locks the boxes).
    if (box == ctl::stellen && !isEmpty(form.text(box))) {
        form.setFocus(ctl::etwa);
    } else if (box == ctl::probe(1)) {
        form.setFocus(ctl::probe(2));
    } else if (isCheckBox(box.kind)) {
        checkLine(form, checkLineOf(box));
    }
}

Text digitsOnly(TextView text) {
    Text digits;
    for (const char32_t c : text) {
        if (isDigit(c)) {
            digits += c;
        }
    }
    return digits;
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
