// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "task/RandomTask.h"

#include <algorithm>
#include <cmath>

namespace zifferon {

namespace {

// Five quotient cells.
constexpr long long kQuotientLimit = 100000;

// A limit caption read back as a whole digit count, kept where 10^d stays exact.
int digitLimit(const Form1& form, int index, int lowest, int highest) {
    const long long d = leadingWhole(form.caption(ctl::label3(index)));
    return static_cast<int>(std::clamp<long long>(d, lowest, highest));
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

// A whole number from `lowest` to `highest`, both included.
long long drawBetween(RandomSource& random, long long lowest, long long highest) {
    double r = random.next();
    if (!(r >= 0.0 && r < 1.0)) {
        r = 0.0;
    }
    const auto n =
        lowest + static_cast<long long>(std::floor(r * static_cast<double>(highest - lowest + 1)));
    return std::min(n, highest);
}

// Each step of the written division, from the first partial dividend not
// below the divisor on: `step(partial, digit)`.
template <typename Step> void forEachStep(long long dividend, long long divisor, Step step) {
    long long partial = 0;
    bool started = false;
    for (char32_t ch : decimalText(dividend)) {
        partial = partial * 10 + (ch - U'0');
        started = started || partial >= divisor;
        if (started) {
            const long long digit = partial / divisor;
            step(partial, digit);
            partial -= digit * divisor;
        }
    }
}

// Whether writing `top - bottom` digit by digit needs a borrow.
bool needsBorrow(long long top, long long bottom) {
    for (; bottom > 0; top /= 10, bottom /= 10) {
        if (top % 10 < bottom % 10) {
            return true;
        }
    }
    return false;
}

// A divisor just below a round number, 17..19, 27..29, ..., 170..199, ...:
// its first digit alone makes the estimate too large.
bool isMisleadingDivisor(long long divisor) {
    const int k = digitCount(divisor) - 1;
    if (k < 1) {
        return false;
    }
    const long long unit = powerOfTen(k);
    return (divisor % unit) * 10 >= 7 * unit;
}

// Whether the estimate from the divisor's first digit (the partial's leading
// digits divided by it, at most 9) is wrong in some step.
bool estimateMisleads(long long dividend, long long divisor) {
    const long long unit = powerOfTen(digitCount(divisor) - 1);
    const long long first = divisor / unit;
    bool misled = false;
    forEachStep(dividend, divisor, [&](long long partial, long long digit) {
        misled = misled || std::min(9LL, partial / unit / first) != digit;
    });
    return misled;
}

bool quotientHasZero(long long quotient) {
    for (; quotient >= 10; quotient /= 10) {
        if (quotient % 10 == 0) {
            return true;
        }
    }
    return false;
}

bool everySubtractionBorrows(long long dividend, long long divisor) {
    bool all = true;
    bool any = false;
    forEachStep(dividend, divisor, [&](long long partial, long long digit) {
        if (digit > 0) {
            const bool borrows = needsBorrow(partial, digit * divisor);
            all = all && borrows;
            any = any || borrows;
        }
    });
    return all && any;
}

// One try at a task of the kind: the divisor, then the dividend, each within
// its limit; the caller keeps it only when it has the kind's property.
DrawnTask tryTaskOfKind(TaskKind kind, long long highest, int divisorDigits, RandomSource& random) {
    DrawnTask t;
    if (kind == TaskKind::EinstelligerDivisor) {
        t.divisor = drawBetween(random, 2, 9);
    } else {
        do {
            t.divisor = drawWithin(random, divisorDigits);
        } while (t.divisor <= 10);
    }
    if (t.divisor > highest) {
        return t;
    }
    switch (kind) {
    case TaskKind::OhneRest:
        t.dividend = t.divisor * drawBetween(random, 1, highest / t.divisor);
        break;
    case TaskKind::NullImErgebnis:
        // A quotient of at least two digits, a zero among them.
        if (highest / t.divisor >= 10) {
            t.dividend = t.divisor * drawBetween(random, 10, highest / t.divisor) +
                         drawBetween(random, 0, t.divisor - 1);
        }
        break;
    default:
        t.dividend = drawBetween(random, t.divisor, highest);
        break;
    }
    return t;
}

} // namespace

bool hasTaskKindProperty(TaskKind kind, long long dividend, long long divisor) {
    if (divisor <= 0) {
        return false;
    }
    switch (kind) {
    case TaskKind::Gemischt:
        return true;
    case TaskKind::OhneRest:
        return dividend % divisor == 0;
    case TaskKind::MitRest:
        return dividend % divisor != 0;
    case TaskKind::NullImErgebnis:
        return quotientHasZero(dividend / divisor);
    case TaskKind::EinstelligerDivisor:
        return divisor >= 2 && divisor <= 9;
    case TaskKind::SchwerZuSchaetzen:
        return isMisleadingDivisor(divisor) && estimateMisleads(dividend, divisor);
    case TaskKind::VieleEntbuendelungen:
        return everySubtractionBorrows(dividend, divisor);
    }
    return false;
}

DrawnTask drawTaskOfKind(TaskKind kind, int dividendDigits, int divisorDigits,
                         RandomSource& random) {
    const long long highest = powerOfTen(std::max(dividendDigits, lowestDividendDigits(kind))) - 1;
    // Every kind has tasks at its fewest digits, and each try draws the
    // divisor anew, so the loop ends.
    for (;;) {
        const DrawnTask t = tryTaskOfKind(kind, highest, divisorDigits, random);
        if (t.dividend >= t.divisor && t.dividend <= highest &&
            t.dividend / t.divisor < kQuotientLimit &&
            hasTaskKindProperty(kind, t.dividend, t.divisor)) {
            return t;
        }
    }
}

int dividendDigitLimit(const Form1& form) {
    return digitLimit(form, 0, 1, 6);
}

int divisorDigitLimit(const Form1& form) {
    return digitLimit(form, 1, 2, 3);
}

void fitDigitLimitToKind(Form1& form, TaskKind kind) {
    if (dividendDigitLimit(form) < lowestDividendDigits(kind)) {
        form.setCaption(ctl::label3(0), decimalText(lowestDividendDigits(kind)));
    }
}

DrawnTask drawTask(TaskKind kind, int dividendDigits, int divisorDigits, RandomSource& random) {
    random.reseedFromClock();
    if (kind != TaskKind::Gemischt) {
        return drawTaskOfKind(kind, dividendDigits, divisorDigits, random);
    }
    DrawnTask t;
    t.dividend = drawWithin(random, dividendDigits);
    do {
        t.divisor = drawWithin(random, divisorDigits);
    } while (t.divisor <= 10);
    return t;
}

void drawNextTask(Form1& form, RandomSource& random, TaskKind kind) {
    if (kind != TaskKind::Gemischt) {
        fitDigitLimitToKind(form, kind);
    }
    const DrawnTask t = drawTask(kind, dividendDigitLimit(form), divisorDigitLimit(form), random);
    form.setText(ctl::Text1, decimalText(t.dividend));
    form.setText(ctl::Text2, decimalText(t.divisor));
}

void cycleDigitLimit(Form1& form, int index, TaskKind kind) {
    if (index == 0) {
        long long d = leadingWhole(form.caption(ctl::label3(0))) + 1;
        if (d > 6) {
            d = 1;
        }
        d = std::max<long long>(d, lowestDividendDigits(kind));
        form.setCaption(ctl::label3(0), decimalText(d));
    } else {
        long long e = leadingWhole(form.caption(ctl::label3(1))) + 1;
        if (e > 3) {
            e = 2;
        }
        form.setCaption(ctl::label3(1), decimalText(e));
    }
}

} // namespace zifferon
