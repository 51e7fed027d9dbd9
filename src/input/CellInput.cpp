// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "input/CellInput.h"

#include "check/RowCheck.h"

namespace zifferon {

namespace {

bool isWorkCell(int n, int index) {
    return n >= 1 && n <= kWorkRows && index >= 0 && index < kRowCells;
}

} // namespace

void CellChangeRule::kontrolle_Change(Form1& form, int n, int index) {
    if (!isWorkCell(n, index)) {
        return;
    }
    const ControlId cell = ctl::kontrolle(n, index);
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

void kontrolle_KeyDown(Form1& form, int n, int index, int keyCode, int /*shift*/) {
    if (!isWorkCell(n, index)) {
        return;
    }
    // A move aimed at a cell that cannot take the focus (a locked cell, the
    // dividend above kontrolle1) is refused by the form: the focus stays.
    switch (keyCode) {
    case vk::Return:
        CheckRow(form, n - 1);
        return;
    case vk::Left:
        if (index < kRowCells - 1) {
            form.setFocus(ctl::kontrolle(n, index + 1));
        }
        return;
    case vk::Right:
        if (index > 0) {
            form.setFocus(ctl::kontrolle(n, index - 1));
        }
        return;
    case vk::Up:
        form.setFocus(n == 1 ? ctl::dividend(index) : ctl::kontrolle(n - 1, index));
        return;
    case vk::Down:
        if (n < kWorkRows) {
            form.setFocus(ctl::kontrolle(n + 1, index));
            return;
        }
        break; // the last row has nothing below: Down advances like a typed key
    default:
        break;
    }
    // Any other key: the character lands in this cell, the focus moves on to
    // the cell to its right, ready for the next digit.
    if (index > 0) {
        form.setFocus(ctl::kontrolle(n, index - 1));
    }
}

void resultat_KeyDown(Form1& form, int index, int keyCode, int /*shift*/) {
    if (index < 0 || index >= kResultatCells || keyCode != vk::Return) {
        return;
    }
    // The product of quotient digit j starts in row 2j, one column further
    // right than the product before it.
    form.setFocus(ctl::workRow(2 * index, kRowCells - 1 - index));
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
