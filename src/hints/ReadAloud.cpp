// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hints/ReadAloud.h"

#include "check/RowJudge.h"
#include "check/SheetReading.h"
#include "hints/HintSteps.h"
#include "sheet/Catalogue.h"
#include "sheet/ControlNames.h"

namespace zifferon {

namespace {

Text number(int n) {
    return decimalText(n);
}

bool shows(const Form1& form, int row, Verdict verdict) {
    return form.visible(ctl::info(row)) && form.verdict(row) == verdict;
}

// The cells of `array` from column `from` down to `to` as they are read: a
// run of single digits as one number ("91"), anything else cell by cell
// ("9, leer, 1"), so that a gap or a stray sign is heard where it stands.
Text cellsText(const Form1& form, Kind array, int from, int to) {
    Text digits;
    bool plain = true;
    for (int c = from; c >= to; --c) {
        const Text& t = form.text({array, c});
        plain = plain && t.size() == 1 && t[0] >= U'0' && t[0] <= U'9';
        digits += t;
    }
    if (plain) {
        return digits;
    }
    Text out;
    for (int c = from; c >= to; --c) {
        const Text& t = form.text({array, c});
        if (!out.empty()) {
            out += U", ";
        }
        const bool digit = t.size() == 1 && t[0] >= U'0' && t[0] <= U'9';
        out += isBlank(t) ? say(Msg::ReadEmptyCell) : digit ? t : say(Msg::ReadQuoted, {t});
    }
    return out;
}

// The written columns of `array` between `low` and 5 as one number, or
// nothing when they are all blank.
Text numberFrom(const Form1& form, Kind array, int low) {
    for (int c = low; c < kRowCells; ++c) {
        if (!isBlank(form.text({array, c}))) {
            return cellsText(form, array, highestWrittenColumn(form, array, c), c);
        }
    }
    return {};
}

Text rowName(int row) {
    return say(row % 2 == 0 ? Msg::RowProduct : Msg::RowRemainder, {number(row / 2 + 1)});
}

// Where the tracker brought the next dividend digit down into remainder row
// `row`; -1 while it has not.
int broughtDownColumn(const Form1& form, int row) {
    if (!shows(form, row, Verdict::Korrekt) || !shows(form, row - 1, Verdict::Korrekt)) {
        return -1;
    }
    const int column = bringDownColumn(form, row / 2);
    return column >= 0 && !isBlank(form.text(ctl::workRow(row, column))) ? column : -1;
}

// The remainder written in remainder row `row`, without a digit brought down;
// a row judged right with nothing written holds the remainder 0.
Text remainderText(const Form1& form, int row) {
    const Kind kind = workRowKind(row);
    const Text written = numberFrom(form, kind, broughtDownColumn(form, row) + 1);
    return written.empty() && shows(form, row, Verdict::Korrekt) ? Text(U"0") : written;
}

void addVerdict(Text& out, const Form1& form, int row) {
    if (shows(form, row, Verdict::Korrekt)) {
        out += say(Msg::ReadVerdictKorrekt);
    } else if (shows(form, row, Verdict::Fehler)) {
        out += say(Msg::ReadVerdictFehler);
    } else if (shows(form, row, Verdict::Pending)) {
        out += say(Msg::ReadVerdictPending);
    }
    out += U'.';
}

// A box of the Überschlag or the Probe: its number, or "leer".
Text boxText(const Form1& form, ControlId box) {
    return isEmpty(form.text(box)) ? say(Msg::ReadEmptyCell) : form.text(box);
}

// The line of a check box with its numbers and verdict: "Überschlag: 3
// Stellen, etwa 700, korrekt." or "Probe: 725 mal 13 gleich 9425, Fehler."
Text checkLineReading(const Form1& form, CheckLine line) {
    Text out;
    if (line == CheckLine::Ueberschlag) {
        out = isEmpty(form.text(ctl::stellen)) ? say(Msg::ReadEstimateEmpty)
                                               : say(Msg::ReadEstimate, {form.text(ctl::stellen)});
        if (!isEmpty(form.text(ctl::etwa))) {
            out += say(Msg::ReadEstimateAbout, {form.text(ctl::etwa)});
        }
    } else if (line == CheckLine::ProbeMal) {
        out = say(Msg::ReadProbeFirst,
                  {spokenCaption(form.caption(ctl::Label8)), boxText(form, ctl::probe(0))});
    } else {
        out = say(Msg::ReadProbeSecond,
                  {boxText(form, ctl::probe(1)), spokenCaption(form.caption(ctl::Label9)),
                   boxText(form, ctl::probe(2))});
    }
    const ControlId label = ctl::pruefung(line);
    const Verdict verdict = form.visible(label) ? form.lineVerdict(line) : Verdict::None;
    out += verdict == Verdict::Korrekt   ? say(Msg::ReadVerdictKorrekt)
           : verdict == Verdict::Fehler  ? say(Msg::ReadVerdictFehler)
           : verdict == Verdict::Pending ? say(Msg::ReadVerdictPending)
                                         : Text();
    return out + U'.';
}

Text workRowReading(const Form1& form, int row) {
    const Kind kind = workRowKind(row);
    Text out;
    const std::optional<int> lowest = lowestWrittenColumn(form, kind);
    if (row % 2 == 1) {
        const Text remainder = remainderText(form, row);
        const int down = broughtDownColumn(form, row);
        if (remainder.empty() && down < 0) {
            return say(Msg::ReadRow, {rowName(row), say(Msg::ReadStillEmpty)});
        }
        out += remainder.empty() ? say(Msg::ReadEmptyCell) : remainder;
        if (down >= 0) {
            out += say(Msg::ReadBroughtDown, {cellsText(form, kind, down, down)});
        }
    } else {
        if (!lowest) {
            return say(Msg::ReadRow, {rowName(row), say(Msg::ReadStillEmpty)});
        }
        out += cellsText(form, kind, highestWrittenColumn(form, kind, *lowest), *lowest);
        // The number it is taken from, read down to the product's units
        // column as the row is judged.
        const Text upper = numberFrom(form, upperArray(row), *lowest);
        out += upper.empty() ? say(Msg::ReadUnderEmpty) : say(Msg::ReadUnder, {upper});
    }
    addVerdict(out, form, row);
    return say(Msg::ReadRow, {rowName(row), out});
}

// The quotient cells written so far, from the first on.
Text quotientSoFar(const Form1& form) {
    Text digits;
    for (int k = 0; k < kResultatCells && !isBlank(form.text(ctl::resultat(k))); ++k) {
        digits += form.text(ctl::resultat(k));
    }
    return digits;
}

Text quotientReading(const Form1& form) {
    const Text digits = quotientSoFar(form);
    if (digits.empty()) {
        return say(Msg::ReadNoQuotient);
    }
    if (form.visible(ctl::Label4)) {
        // The remainder of the task is that of the last step judged right.
        for (int row = kWorkRows - 1; row > 0; row -= 2) {
            if (shows(form, row, Verdict::Korrekt)) {
                return say(Msg::ReadQuotientWithRemainder, {digits, remainderText(form, row)});
            }
        }
    }
    return say(Msg::ReadQuotientSoFar, {digits});
}

Text nextReading(const Form1& form) {
    const HintStep step = currentStep(form);
    const Text n = number(step.step + 1);
    switch (step.kind) {
    case StepKind::Quotient:
        return say(Msg::NextQuotientDigit, {n});
    case StepKind::Product:
    case StepKind::Remainder: {
        const bool product = step.kind == StepKind::Product;
        const int row = 2 * step.step + (product ? 0 : 1);
        if (shows(form, row, Verdict::Pending)) {
            return say(product ? Msg::NextCheckProduct : Msg::NextCheckRemainder, {n});
        }
        if (shows(form, row, Verdict::Fehler)) {
            return say(product ? Msg::NextMendProduct : Msg::NextMendRemainder, {n});
        }
        return say(product ? Msg::NextWriteProduct : Msg::NextWriteRemainder, {n});
    }
    case StepKind::Ueberschlag:
        return say(Msg::NextEstimate);
    case StepKind::Probe:
        return say(Msg::Sentence, {say(Msg::Beendet)}) + U' ' + say(Msg::NextProbe);
    case StepKind::Finished:
        return say(Msg::Sentence, {say(Msg::Beendet)});
    case StepKind::NoTask:
        break;
    }
    return {};
}

// The digits of a number box of the top line, leftmost first.
Text topNumber(const Form1& form, Kind array, int cells) {
    Text digits;
    for (int c = cells - 1; c >= 0; --c) {
        digits += form.text({array, c});
    }
    return digits;
}

} // namespace

Text taskReading(const Form1& form) {
    const Text dividend = topNumber(form, Kind::Dividend, kDividendCells);
    const Text divisor = topNumber(form, Kind::Divisor, kDivisorCells);
    if (dividend.empty() || divisor.empty()) {
        return say(Msg::ReadNoTask);
    }
    return say(Msg::ReadTask, {dividend, divisor});
}

Text rowReading(const Form1& form, ControlId at) {
    if (isKontrolle(at.kind)) {
        return workRowReading(form, workRowOf(at.kind));
    }
    if (at.kind == Kind::Resultat) {
        return quotientReading(form);
    }
    if (isCheckBox(at.kind) && form.visible(at)) {
        return checkLineReading(form, checkLineOf(at));
    }
    return taskReading(form);
}

Text calculationReading(const Form1& form) {
    Text out = taskReading(form);
    if (currentStep(form).kind == StepKind::NoTask) {
        return out;
    }
    const auto addLine = [&](CheckLine line) {
        if (form.visible(ctl::pruefung(line))) {
            out += U' ' + checkLineReading(form, line);
        }
    };
    addLine(CheckLine::Ueberschlag);
    for (int row = 0; row < kWorkRows; ++row) {
        if (lowestWrittenColumn(form, workRowKind(row)) || form.visible(ctl::info(row))) {
            out += U' ' + workRowReading(form, row);
        }
    }
    out += U' ' + quotientReading(form);
    addLine(CheckLine::ProbeMal);
    addLine(CheckLine::ProbePlus);
    if (const Text next = nextReading(form); !next.empty()) {
        out += U' ' + next;
    }
    return out;
}

} // namespace zifferon
