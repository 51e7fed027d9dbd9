// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/RowJudge.h"

#include "check/SheetReading.h"

#include <cmath>

namespace zifferon {

namespace {

constexpr TextView kZero = U"0";

// The first character of the cells from `anchor` leftwards that is neither
// a digit nor blank; 0 when there is none.
template <typename CellText> char32_t firstNonDigit(CellText cellText, int anchor) {
    for (int c = anchor; c < kRowCells; ++c) {
        for (char32_t ch : TextView(cellText(c))) {
            if (ch != U' ' && (ch < U'0' || ch > U'9')) {
                return ch;
            }
        }
    }
    return 0;
}

bool canDivide(double divisor) {
    return std::isfinite(divisor) && divisor > 0.0;
}

// Where a product's units digit belongs: under the first partial dividend's
// last digit, or under the digit brought down into the remainder row above.
int productUnitsColumn(const Form1& form, int row) {
    if (row == 0) {
        return firstUnitsColumn(form);
    }
    return lowestWrittenColumn(form, upperArray(row)).value_or(-1);
}

// The first mistake the pupil has to mend on a wrong product row: a divisor
// no one can divide by, the columns, the quotient digit, the multiplication.
Mistake productMistake(const RowJudgement& j, double whole) {
    if (!canDivide(j.divisor)) {
        return Mistake::KeinDivisor;
    }
    if (j.notADigit != 0) {
        return Mistake::KeineZiffer;
    }
    if (j.row == 0 && j.digit == 0.0) {
        if (whole >= j.divisor) {
            return Mistake::ZifferZuKlein;
        }
        return j.W != 0.0 ? Mistake::Einmaleins : Mistake::Stellenwert;
    }
    if (j.expectedUnits >= 0 && j.anchor != j.expectedUnits) {
        return Mistake::Stellenwert;
    }
    if (j.P > j.N) {
        return Mistake::ZifferZuGross;
    }
    if (j.N - j.P >= j.divisor) {
        return Mistake::ZifferZuKlein;
    }
    return Mistake::Einmaleins;
}

void judgeProductRow(const Form1& form, int row, RowJudgement& j, JudgeOutcome& outcome) {
    const Kind r = workRowKind(row);
    const Kind u = upperArray(row);
    // A later digit 0: its zero product is read (and written by the solver)
    // under every digit of the number above.
    const bool zeroFill = row > 0 && j.P == 0.0;
    std::array<TextView, kRowCells> cells;
    for (int c = 0; c < kRowCells; ++c) {
        const auto i = static_cast<std::size_t>(c);
        cells[i] = form.text({r, c});
        if (zeroFill && !isBlank(form.text({u, c}))) {
            cells[i] = kZero;
            j.zeroColumns[i] = true;
            j.zeroFilled = true;
        }
    }
    int anchor = -1;
    for (int c = 0; c < kRowCells && anchor < 0; ++c) {
        if (!isBlank(cells[static_cast<std::size_t>(c)])) {
            anchor = c;
        }
    }
    if (anchor < 0) {
        outcome = JudgeOutcome::Failed;
        return;
    }
    j.anchor = anchor;
    double scale = 1.0;
    for (int c = anchor; c < kRowCells; ++c) {
        j.W += leadingNumber(cells[static_cast<std::size_t>(c)]) * scale;
        scale *= 10.0;
    }
    j.N = anchoredValue(form, u, anchor);
    j.expectedUnits = productUnitsColumn(form, row);
    if (j.expectedUnits >= 0) {
        j.upperAtUnits = anchoredValue(form, u, j.expectedUnits);
    }
    j.notAboveUpper = j.W <= j.N;
    j.differenceSmall = canDivide(j.divisor) && j.N - j.W < j.divisor;
    j.equalsProduct = j.W == j.P;
    j.notADigit = firstNonDigit([&](int c) { return cells[static_cast<std::size_t>(c)]; }, anchor);
    j.right = j.notAboveUpper && j.differenceSmall && j.equalsProduct && j.notADigit == 0;
    const double whole = wholeDividend(form);
    if (row == 0 && j.digit == 0.0) {
        // 47 : 96 = 0 R 47: the 0 stands under the 7, the whole dividend.
        j.right = j.right && whole < j.divisor && j.anchor == j.expectedUnits;
    }
    j.mistake = j.right ? Mistake::None : productMistake(j, whole);
    outcome = JudgeOutcome::Judged;
}

void judgeRemainderRow(const Form1& form, int row, RowJudgement& j, JudgeOutcome& outcome) {
    const Kind r = workRowKind(row);
    const Kind q = workRowKind(row - 1);
    const Kind u = upperArray(row);
    const std::optional<int> s = lowestWrittenColumn(form, q);
    if (!s) {
        outcome = JudgeOutcome::Failed;
        return;
    }
    j.anchor = *s;
    j.expectedUnits = *s;
    j.upperAtUnits = anchoredValue(form, u, *s);
    j.W = anchoredValue(form, q, *s);
    j.N = anchoredValue(form, u, *s);
    j.D = anchoredValue(form, r, *s);
    j.notADigit = firstNonDigit([&](int c) -> const Text& { return form.text({r, c}); }, *s);
    j.right = j.D == j.N - j.W && j.notADigit == 0;
    const std::optional<int> lowest = lowestWrittenColumn(form, r);
    if (!lowest && !j.right) {
        outcome = JudgeOutcome::Failed;
        return;
    }
    j.writingRightOfAnchor = lowest && *lowest < *s;
    if (!j.right) {
        j.mistake = j.notADigit != 0          ? Mistake::KeineZiffer
                    : lowest && *lowest != *s ? Mistake::Stellenwert
                                              : Mistake::Abziehen;
    }
    outcome = JudgeOutcome::Judged;
}

} // namespace

JudgeResult judgeRow(const Form1& form, int row) {
    JudgeResult result;
    if (row < 0 || row >= kWorkRows) {
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
    j.divisor = leadingNumber(form.text(ctl::Text2));
    j.P = j.divisor * j.digit;
    if (j.productRow) {
        judgeProductRow(form, row, j, result.outcome);
    } else {
        judgeRemainderRow(form, row, j, result.outcome);
    }
    return result;
}

double wholeDividend(const Form1& form) {
    const std::optional<int> lowest = lowestWrittenColumn(form, Kind::Dividend);
    return lowest ? anchoredValue(form, Kind::Dividend, *lowest) : 0.0;
}

int firstUnitsColumn(const Form1& form) {
    const std::optional<int> lowest = lowestWrittenColumn(form, Kind::Dividend);
    if (!lowest) {
        return -1;
    }
    const double divisor = leadingNumber(form.text(ctl::Text2));
    for (int c = kDividendCells - 1; c > *lowest; --c) {
        if (anchoredValue(form, Kind::Dividend, c) >= divisor) {
            return c;
        }
    }
    return *lowest;
}

int bringDownColumn(const Form1& form, int step) {
    if (step < 0 || step >= kResultatCells) {
        return -1;
    }
    const std::optional<int> s = lowestWrittenColumn(form, workRowKind(2 * step));
    if (!s || *s == 0 || isBlank(form.text(ctl::dividend(*s - 1)))) {
        return -1;
    }
    return *s - 1;
}

} // namespace zifferon
