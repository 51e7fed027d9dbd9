// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/Text.h"

#include <algorithm>

namespace zifferon {

bool isBlank(TextView t) {
    for (char32_t c : t) {
        if (c != U' ') {
            return false;
        }
    }
    return true;
}

long long leadingWhole(TextView t) {
    constexpr long long kLargest = 1'000'000'000'000;
    std::size_t i = 0;
    while (i < t.size() && isLeadingBlank(t[i])) {
        ++i;
    }
    long long sign = 1;
    if (i < t.size() && (t[i] == U'+' || t[i] == U'-')) {
        sign = t[i] == U'-' ? -1 : 1;
        ++i;
    }
    long long value = 0;
    for (; i < t.size() && isDigit(t[i]); ++i) {
        value = std::min(kLargest, value * 10 + static_cast<long long>(t[i] - U'0'));
    }
    return sign * value;
}

bool parseDigitString(TextView t, long long& value) {
    std::size_t begin = 0;
    std::size_t end = t.size();
    while (begin < end && t[begin] == U' ') {
        ++begin;
    }
    while (end > begin && t[end - 1] == U' ') {
        --end;
    }
    if (begin == end) {
        return false;
    }
    constexpr long long kLargest = 1'000'000'000'000'000;
    long long v = 0;
    for (std::size_t i = begin; i < end; ++i) {
        if (!isDigit(t[i])) {
            return false;
        }
        v = std::min(kLargest, v * 10 + static_cast<long long>(t[i] - U'0'));
    }
    value = v;
    return true;
}

int digitCount(long long value) {
    int n = 1;
    for (; value >= 10; value /= 10) {
        ++n;
    }
    return n;
}

long long powerOfTen(int exponent) {
    long long p = 1;
    for (int i = 0; i < exponent; ++i) {
        p *= 10;
    }
    return p;
}

Text decimalText(long long value) {
    std::string s = std::to_string(value);
    return Text(s.begin(), s.end());
}

std::string toUtf8(TextView t) {
    std::string out;
    out.reserve(t.size());
    for (char32_t c : t) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Text fromUtf8(std::string_view s) {
    Text out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        auto b = static_cast<unsigned char>(s[i]);
        char32_t c = 0xFFFD;
        std::size_t len = 1;
        if (b < 0x80) {
            c = b;
        } else if ((b >> 5) == 0x6) {
            len = 2;
            c = b & 0x1F;
        } else if ((b >> 4) == 0xE) {
            len = 3;
            c = b & 0x0F;
        } else if ((b >> 3) == 0x1E) {
            len = 4;
            c = b & 0x07;
        } else {
            out += 0xFFFD;
            ++i;
            continue;
        }
        if (i + len > s.size()) {
            out += 0xFFFD;
            break;
        }
        bool ok = true;
        for (std::size_t k = 1; k < len; ++k) {
            auto cb = static_cast<unsigned char>(s[i + k]);
            if ((cb >> 6) != 0x2) {
                ok = false;
                break;
            }
            c = (c << 6) | (cb & 0x3F);
        }
        out += ok ? c : char32_t{0xFFFD};
        i += ok ? len : 1;
    }
    return out;
}

} // namespace zifferon
