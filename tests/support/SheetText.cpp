// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SheetText.h"

#include "sheet/ControlNames.h"

#include "sheet/Layout.h"
#include "task/TaskEntry.h"

#include <cmath>
#include <iterator>

namespace zifferon::test {

void writeRow(Form1& form, int n, std::string_view cells) {
    for (int column = 0; column < kRowCells; ++column) {
        const char c = cells.at(static_cast<std::size_t>(5 - column));
        const char32_t ch = c == '_' ? U' ' : static_cast<char32_t>(c);
        form.setText(ctl::workRow(n - 1, column), c == '.' ? TextView() : TextView(&ch, 1));
    }
}

namespace {
std::string cellsText(const Form1& form, Kind kind, int count) {
    std::string s;
    for (int c = count - 1; c >= 0; --c) {
        const Text& t = form.text({kind, c});
        s += t.empty() ? std::string(".") : t == U" " ? std::string("_") : toUtf8(t);
    }
    return s;
}
} // namespace

std::string rowText(const Form1& form, int n) {
    return cellsText(form, kontrolleKind(n), kRowCells);
}

std::string dividendText(const Form1& form) {
    return cellsText(form, Kind::Dividend, kDividendCells);
}

std::string divisorText(const Form1& form) {
    return cellsText(form, Kind::Divisor, kDivisorCells);
}

void enterTask(Form1& form, std::u32string_view dividend, std::u32string_view divisor) {
    form.setText(ctl::Text1, dividend);
    form.setText(ctl::Text2, divisor);
    // A task "Eingabe" refuses stands in the top line as a file can put it.
    if (!takeTaskIn(form)) {
        EnterTask(form);
    }
}

void writeSheet(Form1& form, const WrittenSheet& sheet) {
    enterTask(form, sheet.dividend, sheet.divisor);
    for (std::size_t j = 0; j < sheet.quotient.size(); ++j) {
        form.setText(ctl::resultat(static_cast<int>(j)), sheet.quotient[j]);
    }
    for (std::size_t n = 0; n < sheet.rows.size(); ++n) {
        writeRow(form, static_cast<int>(n) + 1, sheet.rows[n]);
    }
    if (sheet.text2Later) {
        form.setText(ctl::Text2, *sheet.text2Later);
    }
}

std::string utf8(const Text& t) {
    return toUtf8(t);
}

Text digitsOf(long value) {
    const std::string s = std::to_string(value);
    return Text(s.begin(), s.end());
}

std::string controlName(ControlId id) {
    std::string name(id.kind == Kind::None ? std::string_view("None") : kindName(id.kind));
    if (arraySize(id.kind) > 1) {
        name += "(" + std::to_string(id.index) + ")";
    }
    return name;
}

std::string describe(const Form1& form, ControlId id) {
    std::string line = controlName(id) + ":";
    if (isTextBox(id.kind)) {
        line += " text='" + toUtf8(form.text(id)) + "' enabled=" + (form.enabled(id) ? "1" : "0");
    } else {
        line += " caption='" + toUtf8(form.caption(id)) + "'";
    }
    if (isLabel(id.kind)) {
        line += std::string(" visible=") + (form.visible(id) ? "1" : "0");
        const auto bg = form.background(id);
        line += bg ? " bg=" + std::to_string(bg->r) + "," + std::to_string(bg->g) + "," +
                         std::to_string(bg->b)
                   : std::string(" bg=system");
        line += " tip='" + toUtf8(form.toolTip(id)) + "'";
    }
    return line;
}

void judgedRightAbove(Form1& form, int row) {
    for (int above = 0; above < row; ++above) {
        form.setVerdict(above, Verdict::Korrekt);
        form.setBackground(ctl::info(above), colors::LightGreen);
        form.setVisible(ctl::info(above), true);
    }
}

std::vector<std::string> snapshot(const Form1& form) {
    std::vector<std::string> lines;
    for (ControlId id : allControls()) {
        lines.push_back(describe(form, id));
    }
    lines.push_back("focus=" + controlName(form.focus()));
    lines.push_back(std::string("timer1=") + (form.timer1Enabled() ? "1" : "0"));
    lines.push_back("appPath=" + form.appPath());
    return lines;
}

double leadingNumber(TextView t) {
    std::size_t i = 0;
    while (i < t.size() && isLeadingBlank(t[i])) {
        ++i;
    }
    double sign = 1.0;
    if (i < t.size() && (t[i] == U'+' || t[i] == U'-')) {
        sign = t[i] == U'-' ? -1.0 : 1.0;
        ++i;
    }
    double value = 0.0;
    bool anyDigit = false;
    for (; i < t.size() && isDigit(t[i]); ++i) {
        value = value * 10.0 + static_cast<double>(t[i] - U'0');
        anyDigit = true;
    }
    if (i < t.size() && t[i] == U'.') {
        ++i;
        double scale = 0.1;
        for (; i < t.size() && isDigit(t[i]); ++i) {
            value += scale * static_cast<double>(t[i] - U'0');
            scale /= 10.0;
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (i < t.size() && (t[i] == U'e' || t[i] == U'E')) {
        std::size_t j = i + 1;
        int expSign = 1;
        if (j < t.size() && (t[j] == U'+' || t[j] == U'-')) {
            expSign = t[j] == U'-' ? -1 : 1;
            ++j;
        }
        if (j < t.size() && isDigit(t[j])) {
            int exponent = 0;
            for (; j < t.size() && isDigit(t[j]); ++j) {
                if (exponent < 10000) {
                    exponent = exponent * 10 + static_cast<int>(t[j] - U'0');
                }
            }
            value *= std::pow(10.0, expSign * exponent);
        }
    }
    if (!std::isfinite(value)) {
        value = 0.0;
    }
    return sign * value;
}

} // namespace zifferon::test
