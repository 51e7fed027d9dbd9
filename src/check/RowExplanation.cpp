// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "check/RowExplanation.h"

#include "check/SheetReading.h"

namespace zifferon {

namespace {

constexpr TextView kTimes = U" · ";
constexpr TextView kMinus = U" − ";

Text unitsBelong(TextView what, bool tooFarLeft, long long under) {
    return Text(what) + (tooFarLeft ? U" steht zu weit links" : U" steht zu weit rechts") +
           U": seine letzte Ziffer gehört unter die letzte Ziffer von " + numberText(under) + U".";
}

Text explainNotADigit(const RowJudgement& j) {
    return U"In der Zeile steht „" + Text(1, j.notADigit) + U"“: hier gehören nur Ziffern hin.";
}

// A cell in the way, a gap, a wrong digit brought down; empty for the units.
Text explainMisplaced(const RowJudgement& j) {
    switch (j.misplaced) {
    case Misplaced::Stray:
        return U"In der " + j.place + U" steht „" + Text(1, j.stray) +
               U"“ im Weg: dort gehört in dieser Zeile nichts hin.";
    case Misplaced::Gap:
        return U"Zwischen den Ziffern ist ein Kästchen leer: schreibe die Zahl ohne Lücke.";
    case Misplaced::BroughtDown:
        return U"In die " + j.place + U" kommt nur die nächste Ziffer des Dividenden herunter: " +
               U"die " + Text(1, j.broughtDown) + U".";
    case Misplaced::Units:
        break;
    }
    return {};
}

Text explainRemainder(const RowJudgement& j) {
    if (j.mistake == Mistake::KeineZiffer) {
        return explainNotADigit(j);
    }
    if (j.mistake == Mistake::Stellenwert) {
        if (j.misplaced != Misplaced::Units) {
            return explainMisplaced(j);
        }
        return unitsBelong(U"Der Rest", !j.writingRightOfAnchor, j.W);
    }
    return numberText(j.N) + Text(kMinus) + numberText(j.W) + U" ist nicht " + numberText(j.D) +
           U": rechne das Abziehen noch einmal nach.";
}

Text explainColumns(const RowJudgement& j) {
    if (j.misplaced != Misplaced::Units) {
        return explainMisplaced(j);
    }
    const Text divisor = numberText(j.divisor);
    const bool tooFarLeft = j.anchor > j.expectedUnits;
    if (j.row == 0 && j.digit == 0) {
        return Text(U"Die 0 steht zu weit ") + (tooFarLeft ? U"links" : U"rechts") +
               U": sie gehört unter die letzte Ziffer von " + numberText(j.upperAtUnits) + U".";
    }
    if (tooFarLeft && j.N < j.divisor) {
        return divisor + U" passt nicht in " + numberText(j.N) +
               U": das Produkt steht zu weit links.";
    }
    if (!tooFarLeft && j.N >= 10 * j.divisor) {
        return divisor + U" passt mehr als 9-mal in " + numberText(j.N) +
               U": das Produkt steht zu weit rechts.";
    }
    return unitsBelong(U"Das Produkt", tooFarLeft, j.upperAtUnits);
}

Text explainProduct(const RowJudgement& j) {
    const Text divisor = numberText(j.divisor);
    const Text digit = numberText(j.digit);
    const Text upper = numberText(j.N);
    // A wrong digit: no product, however well multiplied, makes the row right.
    // When the written product is not divisor x digit, the sentence names the
    // multiplication instead of its result, which would be the right product.
    const Text product = j.W == j.P ? numberText(j.W) : divisor + Text(kTimes) + digit;
    switch (j.mistake) {
    case Mistake::KeinDivisor:
        return U"Der Divisor ist " + divisor +
               U": teilen kann man hier nur durch eine Zahl größer als 0.";
    case Mistake::KeineZiffer:
        return explainNotADigit(j);
    case Mistake::Stellenwert:
        return explainColumns(j);
    case Mistake::ZifferZuGross:
        return product + U" ist größer als " + upper + U": die Ziffer " + digit + U" ist zu groß.";
    case Mistake::ZifferZuKlein:
        if (j.row == 0 && j.digit == 0) {
            return U"Die erste Ziffer ist nur dann 0, wenn der Divisor größer ist als der ganze "
                   U"Dividend. " +
                   divisor + U" passt in " + numberText(j.upperAtUnits) +
                   U": die Ziffer 0 ist zu klein.";
        }
        return U"Wenn du " + product + U" von " + upper + U" abziehst, bleibt " +
               numberText(j.N - j.P) + U" übrig. Das ist nicht kleiner als " + divisor +
               U": die Ziffer " + digit + U" ist zu klein.";
    default:
        return divisor + Text(kTimes) + digit + U" ist nicht " + numberText(j.W) +
               U": rechne das Malnehmen noch einmal nach.";
    }
}

} // namespace

Text explainJudgement(const RowJudgement& judgement) {
    if (judgement.right) {
        return {};
    }
    return judgement.productRow ? explainProduct(judgement) : explainRemainder(judgement);
}

void explainRestoredVerdicts(Form1& form) {
    for (int row = 0; row < kWorkRows; ++row) {
        const ControlId label = ctl::info(row);
        Text tip;
        if (form.visible(label) && form.verdict(row) == Verdict::Fehler) {
            const JudgeResult r = judgeRow(form, row);
            if (r.outcome == JudgeOutcome::Judged) {
                tip = explainJudgement(r.judgement);
            }
        }
        form.setToolTip(label, tip);
    }
}

} // namespace zifferon
