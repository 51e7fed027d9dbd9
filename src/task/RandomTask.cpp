// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "task/RandomTask.h"

#include <cmath>

namespace zifferon {

namespace {

// A limit caption read back as a whole digit count, kept where 10^d stays exact.
int digitLimit(const Form1& form, int index, int lowest, int highest) {
    double d = std::floor(leadingNumber(form.caption(ctl::label3(index))));
    if (!(d >= lowest)) {
        d = lowest;
    }
    if (d > highest) {
        d = highest;
    }
    return static_cast<int>(d);
}

long long draw(RandomSource& random, int digits) {
    double r = random.next();
    if (!(r >= 0.0 && r < 1.0)) {
        r = 0.0;
    }
    return static_cast<long long>(std::floor(r * std::pow(10.0, digits))) + 1;
}

// A draw of at most `digits` digits: the draw above reaches 10^digits, one
// digit more, which is drawn again. Every other draw stays as it was.
long long drawWithin(RandomSource& random, int digits) {
    for (;;) {
        const long long n = draw(random, digits);
        if (decimalText(n).size() <= static_cast<std::size_t>(digits)) {
            return n;
        }
    }
}

} // namespace

int dividendDigitLimit(const Form1& form) {
    return digitLimit(form, 0, 1, 6);
}

int divisorDigitLimit(const Form1& form) {
    return digitLimit(form, 1, 2, 3);
}

void Command2_Click(Form1& form, RandomSource& random) {
    const int d = dividendDigitLimit(form);
    const int e = divisorDigitLimit(form);
    random.reseedFromClock();

    form.setText(ctl::Text1, decimalText(drawWithin(random, d)));
    for (;;) {
        form.setText(ctl::Text2, decimalText(drawWithin(random, e)));
        if (leadingNumber(form.text(ctl::Text2)) > 10) {
            break;
        }
    }
}

void Label3_Click(Form1& form, int index) {
    if (index == 0) {
        double d = leadingNumber(form.caption(ctl::label3(0))) + 1;
        if (d > 6) {
            d = 1;
        }
        form.setCaption(ctl::label3(0), decimalText(static_cast<long long>(d)));
    } else {
        double e = leadingNumber(form.caption(ctl::label3(1))) + 1;
        if (e > 3) {
            e = 2;
        }
        form.setCaption(ctl::label3(1), decimalText(static_cast<long long>(e)));
    }
}

} // namespace zifferon
