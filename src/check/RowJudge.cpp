// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/RowJudge.h"

#include "check/SheetReading.h"
#include "sheet/Catalogue.h"
#include "sheet/ControlNames.h"

namespace zifferon {

namespace {

constexpr TextView kZero = U"0";

// The first character of the cells that is neither a digit nor blank; 0 when
// there is none.
char32_t firstNonDigit(const std::array<TextView, kRowCells>& cells) {
    for (TextView t : cells) {
        for (char32_t ch : t) {
            if (ch != U' ' && (ch < U'0' || ch > U'9')) {
                return ch;
            }
        }
    }
    return 0;
}

long long valueFrom(const std::array<TextView, kRowCells>& cells, int units) {
    long long value = 0;
    long long scale = 1;
    for (int c = units; c < kRowCells; ++c) {
        value += leadingWhole(cells[static_cast<std::size_t>(c)]) * scale;
        scale *= 10;
    }
    return value;
}

int lowestWritten(const std::array<TextView, kRowCells>& cells, int from = 0) {
    for (int c = from; c < kRowCells; ++c) {
        if (!isBlank(cells[static_cast<std::size_t>(c)])) {
            return c;
        }
    }
    return -1;
}

int highestWritten(const std::array<TextView, kRowCells>& cells) {
    for (int c = kRowCells - 1; c >= 0; --c) {
        if (!isBlank(cells[static_cast<std::size_t>(c)])) {
            return c;
        }
    }
    return -1;
}

// A blank cell between `units` and the leftmost written cell.
bool hasGap(const std::array<TextView, kRowCells>& cells, int units) {
    const int top = highestWritten(cells);
    for (int c = units; c < top; ++c) {
        if (isBlank(cells[static_cast<std::size_t>(c)])) {
            return true;
        }
    }
    return false;
}

// Left of the number's own digits a row may only hold zeros, and those only
// under a digit of the number above (what the zero fill writes). The first
// written cell that breaks this, or -1.
int strayLeftOf(const Form1& form, const std::array<TextView, kRowCells>& cells, Kind upper,
                int top) {
    for (int c = kRowCells - 1; c > top; --c) {
        const TextView t = cells[static_cast<std::size_t>(c)];
        if (!isBlank(t) && (t != kZero || isBlank(form.text({upper, c})))) {
            return c;
        }
    }
    return -1;
}

void markStray(const Form1& form, RowJudgement& j, const std::array<TextView, kRowCells>& cells,
               int column) {
    j.strayColumn = column;
    const TextView t = cells[static_cast<std::size_t>(column)];
    j.stray = t.empty() ? U' ' : t[0];
    j.place = columnName(form, column);
}

std::array<TextView, kRowCells> rowCells(const Form1& form, int row) {
    std::array<TextView, kRowCells> cells;
    for (int c = 0; c < kRowCells; ++c) {
        cells[static_cast<std::size_t>(c)] = form.text(ctl::workRow(row, c));
    }
    return cells;
}

// The leftmost column of `value` written with its units in `units`.
int topColumn(long value, int units) {
    int top = units;
    while (value >= 10) {
        value /= 10;
        ++top;
    }
    return top;
}

// The first mistake the pupil has to mend on a wrong product row: a sign
// among the digits, the columns, the quotient digit, the multiplication.
std::optional<MistakeKind> productMistake(const RowJudgement& j, const WorkedStep& st,
                                          long long whole) {
    if (j.notADigit != 0) {
        return std::nullopt;
    }
    if (j.row == 0 && j.digit == 0) {
        if (whole >= j.divisor) {
            return MistakeKind::ZifferZuKlein;
        }
        return j.W != 0 ? MistakeKind::Einmaleins : MistakeKind::Stellenwert;
    }
    if (j.anchor != j.expectedUnits || j.gap || j.strayColumn >= 0) {
        return MistakeKind::Stellenwert;
    }
    if (j.digit > st.digit) {
        return MistakeKind::ZifferZuGross;
    }
    if (j.digit < st.digit) {
        return MistakeKind::ZifferZuKlein;
    }
    return MistakeKind::Einmaleins;
}

void judgeProductRow(const Form1& form, const SheetTask& task, int row, RowJudgement& j,
                     JudgeOutcome& outcome) {
    const WorkedStep& st = task.solution.steps[static_cast<std::size_t>(row / 2)];
    const Kind u = upperArray(row);
    // A later digit 0: its zero product is read (and written by the solver)
    // under every digit of the number above.
    const bool zeroFill = row > 0 && j.digit == 0;
    std::array<TextView, kRowCells> cells = rowCells(form, row);
    for (int c = 0; c < kRowCells; ++c) {
        const auto i = static_cast<std::size_t>(c);
        if (zeroFill && !isBlank(form.text({u, c}))) {
            cells[i] = kZero;
            j.zeroColumns[i] = true;
            j.zeroFilled = true;
        }
    }
    const int anchor = lowestWritten(cells);
    if (anchor < 0) {
        outcome = JudgeOutcome::Failed;
        return;
    }
    j.anchor = anchor;
    j.W = valueFrom(cells, anchor);
    j.N = anchoredValue(form, u, anchor);
    j.expectedUnits = st.column;
    j.upperAtUnits = st.partial;
    j.notADigit = firstNonDigit(cells);
    j.gap = hasGap(cells, anchor);
    if (anchor == st.column && !j.gap) {
        const int stray = strayLeftOf(form, cells, u, topColumn(st.product, st.column));
        if (stray >= 0 && j.W == st.product) {
            markStray(form, j, cells, stray);
        }
    }
    j.notAboveUpper = j.W <= j.N;
    j.differenceSmall = j.N - j.W < j.divisor;
    j.equalsProduct = j.W == j.P;
    j.right = j.notADigit == 0 && j.digit == st.digit && anchor == st.column && !j.gap &&
              j.strayColumn < 0 && j.W == st.product;
    if (!j.right) {
        const long long whole = task.solution.quotient * j.divisor + task.solution.remainder;
        j.mistake = productMistake(j, st, whole);
        if (j.mistake == MistakeKind::Stellenwert) {
            j.misplaced = j.anchor != j.expectedUnits ? Misplaced::Units
                          : j.gap                     ? Misplaced::Gap
                                                      : Misplaced::Stray;
        }
    }
    outcome = JudgeOutcome::Judged;
}

// Right of the units column: only the dividend digit that comes down. Notes
// a wrong one in `j`; the first other column written there, or -1.
int judgeRightOfUnits(const Form1& form, const WorkedStep& st,
                      const std::array<TextView, kRowCells>& cells, RowJudgement& j) {
    int strayRight = -1;
    for (int c = 0; c < st.column; ++c) {
        const TextView t = cells[static_cast<std::size_t>(c)];
        if (isBlank(t)) {
            continue;
        }
        if (c == st.bringDown) {
            const TextView digit = form.text(ctl::dividend(c));
            if (t != digit) {
                j.wrongBroughtDown = true;
                j.broughtDown = digit.empty() ? U' ' : digit[0];
                j.place = columnName(form, c);
            }
        } else if (strayRight < 0) {
            strayRight = c;
        }
    }
    return strayRight;
}

void judgeRemainderRow(const Form1& form, const SheetTask& task, int row, RowJudgement& j,
                       JudgeOutcome& outcome) {
    const WorkedStep& st = task.solution.steps[static_cast<std::size_t>(row / 2)];
    const Kind u = upperArray(row);
    const std::array<TextView, kRowCells> cells = rowCells(form, row);
    const int s = st.column;
    j.anchor = s;
    j.expectedUnits = s;
    j.upperAtUnits = st.partial;
    j.W = st.product;
    j.N = st.partial;
    j.D = valueFrom(cells, s);
    j.notADigit = firstNonDigit(cells);
    const int lowest = lowestWritten(cells);
    if (lowest < 0) {
        // Nothing written: a remainder of 0 left blank, or no attempt.
        if (st.remainder != 0) {
            outcome = JudgeOutcome::Failed;
            return;
        }
        j.right = true;
        outcome = JudgeOutcome::Judged;
        return;
    }
    const bool unitsBlank = isBlank(cells[static_cast<std::size_t>(s)]);
    const int leftOfUnits = lowestWritten(cells, s + 1);
    j.writingRightOfAnchor = lowest < s;
    const int strayRight = judgeRightOfUnits(form, st, cells, j);
    const int strayLeft = strayLeftOf(form, cells, u, topColumn(st.remainder, s));
    j.gap = !unitsBlank && hasGap(cells, s);
    const bool remainderRight = j.D == st.remainder;
    j.right = j.notADigit == 0 && remainderRight && strayRight < 0 && !j.wrongBroughtDown &&
              strayLeft < 0 && !j.gap && !(unitsBlank && leftOfUnits >= 0);
    outcome = JudgeOutcome::Judged;
    if (j.right) {
        return;
    }
    j.mistake = MistakeKind::Stellenwert;
    if (j.notADigit != 0) {
        j.mistake = std::nullopt;
    } else if (unitsBlank && j.writingRightOfAnchor && !remainderRight) {
        j.misplaced = Misplaced::Units; // one column too far right
    } else if (strayRight >= 0) {
        markStray(form, j, cells, strayRight);
        j.misplaced = Misplaced::Stray;
    } else if (j.wrongBroughtDown) {
        j.misplaced = Misplaced::BroughtDown;
    } else if (unitsBlank && leftOfUnits >= 0) {
        j.writingRightOfAnchor = false;
        j.misplaced = Misplaced::Units; // too far left
    } else if (strayLeft >= 0 && remainderRight) {
        markStray(form, j, cells, strayLeft);
        j.misplaced = Misplaced::Stray;
    } else if (j.gap && remainderRight) {
        j.misplaced = Misplaced::Gap;
    } else {
        j.mistake = MistakeKind::Abziehen;
    }
}

bool isKorrekt(const Form1& form, int row) {
    return form.verdict(row) == Verdict::Korrekt;
}

bool isLocked(const Form1& form, int row) {
    return isKorrekt(form, row) && !form.enabled(ctl::workRow(row, 0));
}

} // namespace

JudgeResult judgeRow(const Form1& form, int row) {
    JudgeResult result;
    if (row < 0 || row >= kWorkRows) {
        return result;
    }
    const SheetTask task = sheetTask(form);
    if (!task.workable()) {
        result.outcome = JudgeOutcome::NoTask;
        result.problem = task.problem;
        return result;
    }
    if (isLocked(form, row)) {
        result.outcome = JudgeOutcome::Locked;
        return result;
    }
    for (int above = 0; above < row; ++above) {
        if (!isKorrekt(form, above)) {
            result.outcome = JudgeOutcome::NotYet;
            result.waitFor = above;
            return result;
        }
    }
    if (static_cast<std::size_t>(row / 2) >= task.solution.steps.size()) {
        result.outcome = JudgeOutcome::Finished;
        return result;
    }
    const TextView quotientCell = form.text(ctl::resultat(row / 2));
    if (isBlank(quotientCell)) {
        return result;
    }
    RowJudgement& j = result.judgement;
    if (!parseDigitString(quotientCell, j.digit)) {
        result.outcome = JudgeOutcome::Failed;
        return result;
    }
    j.row = row;
    j.productRow = row % 2 == 0;
    j.divisor = task.divisor;
    j.P = j.divisor * j.digit;
    if (j.productRow) {
        judgeProductRow(form, task, row, j, result.outcome);
    } else {
        judgeRemainderRow(form, task, row, j, result.outcome);
    }
    return result;
}

Text noVerdictText(const JudgeResult& result) {
    switch (result.outcome) {
    case JudgeOutcome::NotYet:
        return say(Msg::RowNotYet, {decimalText(result.waitFor + 1)});
    case JudgeOutcome::Finished:
        return say(Msg::RowTaskFinished);
    case JudgeOutcome::NoTask:
        return say(Msg::RowNoTask, {taskProblemText(result.problem)});
    default:
        return {};
    }
}

int firstUnitsColumn(const Form1& form) {
    const SheetTask task = sheetTask(form);
    return task.workable() ? task.solution.steps[0].column : -1;
}

int bringDownColumn(const Form1& form, int step) {
    const SheetTask task = sheetTask(form);
    if (!task.workable() || step < 0 ||
        static_cast<std::size_t>(step) >= task.solution.steps.size()) {
        return -1;
    }
    return task.solution.steps[static_cast<std::size_t>(step)].bringDown;
}

} // namespace zifferon
