// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheet/Form1.h"
#include "task/RandomSource.h"
#include "task/TaskKind.h"

namespace zifferon {

// The digit limits of the two cyan and yellow labels, within the cycles of
// cycleDigitLimit (1..6 and 2..3); a caption written by hand outside them is
// clamped, so the draw's loops always end.
int dividendDigitLimit(const Form1& form);
int divisorDigitLimit(const Form1& form);

struct DrawnTask {
    long long dividend = 0;
    long long divisor = 0;
};

// A random task with at most `dividendDigits` (1..6) and `divisorDigits`
// (2..3) digits, the random source reseeded first. "gemischt": any dividend
// and a divisor above 10, a number of more digits than its limit (10^d)
// drawn again; another kind: drawTaskOfKind.
DrawnTask drawTask(TaskKind kind, int dividendDigits, int divisorDigits, RandomSource& random);

// "nächste Aufgabe": drawTask with the digit limits of the labels; a random dividend of up to
// Label3(0) digits into Text1 and a random divisor above 10 of up to Label3(1) digits into Text2.
// The grid is not touched. Another kind than "gemischt" draws a task of that kind; a dividend limit
// below the kind's fewest digits is raised on the label first, so the limit
// shown is the one drawn with.
void drawNextTask(Form1& form, RandomSource& random, TaskKind kind = TaskKind::Gemischt);

// A click on a digit limit: Label3(0) runs 1..6, any other index 2..3,
// cyclically; for a kind that needs more dividend digits, Label3(0) starts
// its cycle at the kind's fewest.
void cycleDigitLimit(Form1& form, int index, TaskKind kind = TaskKind::Gemischt);

// Raises the dividend limit on Label3(0) to the kind's fewest digits.
void fitDigitLimitToKind(Form1& form, TaskKind kind);

// A task of `kind` (not "gemischt") with at most `dividendDigits` (at least
// the kind's fewest, at most 6) and `divisorDigits` (2..3) digits: dividend
// not below the divisor, at most five quotient digits. Divisors are above 10
// except for "einstelliger Divisor".
DrawnTask drawTaskOfKind(TaskKind kind, int dividendDigits, int divisorDigits,
                         RandomSource& random);

// Whether a task has the kind's own property (for "gemischt": always).
bool hasTaskKindProperty(TaskKind kind, long long dividend, long long divisor);

} // namespace zifferon
