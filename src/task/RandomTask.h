// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheet/Form1.h"
#include "task/RandomSource.h"

namespace zifferon {

// The digit limits of the two cyan and yellow labels, within the cycles of
// Label3_Click (1..6 and 2..3); a caption written by hand outside them is
// clamped, so the draw's loops always end.
int dividendDigitLimit(const Form1& form);
int divisorDigitLimit(const Form1& form);

// "nächste Aufgabe": a random dividend of up to Label3(0) digits into Text1 and
// a random divisor above 10 of up to Label3(1) digits into Text2. A number of
// more digits than its limit (10^d) is drawn again. The grid is not touched.
void Command2_Click(Form1& form, RandomSource& random);

// Click on a digit limit: Label3(0) runs 1..6, any other index 2..3, cyclically.
void Label3_Click(Form1& form, int index);

} // namespace zifferon
