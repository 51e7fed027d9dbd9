#include "SheetFixtures.h"

#include "task/TaskEntry.h"

namespace zifferon::test {

void writeRow(Form1& form, int n, std::string_view cells) {
    for (int column = 0; column < kRowCells; ++column) {
        const char c = cells.at(static_cast<std::size_t>(5 - column));
        Text t;
        if (c == '_') {
            t = U" ";
        } else if (c != '.') {
            t = Text(1, static_cast<char32_t>(c));
        }
        form.setText(ctl::kontrolle(n, column), t);
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
    Command1_Click(form);
}

std::string utf8(const Text& t) {
    return toUtf8(t);
}

} // namespace zifferon::test
