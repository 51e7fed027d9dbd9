// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/ControlNames.h"

#include <array>

namespace zifferon {

namespace {

Text number(int n) {
    return decimalText(n);
}

// Digits of the dividend: cells filled from the leftmost column.
int dividendLength(const Form1& form) {
    int length = 0;
    for (int c = kDividendCells - 1; c >= 0 && !form.text(ctl::dividend(c)).empty(); --c) {
        ++length;
    }
    return length;
}

} // namespace

Text columnName(const Form1& form, int column) {
    static const std::array<TextView, 6> places{
        U"Einer", U"Zehner", U"Hunderter", U"Tausender", U"Zehntausender", U"Hunderttausender"};
    const int length = dividendLength(form);
    const int units = length > 0 ? kDividendCells - length : 0;
    const int place = column - units;
    if (place >= 0 && place < static_cast<int>(places.size())) {
        return Text(places[static_cast<std::size_t>(place)]) + U"spalte";
    }
    return U"Spalte " + number(kRowCells - column);
}

namespace {

Text shownOrHidden(const Form1& form, ControlId id, TextView prefix) {
    Text name(prefix);
    if (form.visible(id)) {
        name += U": " + form.caption(id);
    }
    return name;
}

} // namespace

Text accessibleName(const Form1& form, ControlId id) {
    const int i = id.index;
    switch (id.kind) {
    case Kind::Text1:
        return U"Dividend";
    case Kind::Text2:
        return U"Divisor";
    case Kind::Command1:
    case Kind::Command2:
    case Kind::Label1:
    case Kind::Label2:
    case Kind::Label4:
        return form.caption(id);
    case Kind::Label5:
        return shownOrHidden(form, id, U"Hinweis zur Aufgabe");
    case Kind::Label3:
        return (i == 0 ? Text(U"Höchste Stellenzahl des Dividenden: ")
                       : Text(U"Höchste Stellenzahl des Divisors: ")) +
               form.caption(id);
    case Kind::Info:
        return shownOrHidden(form, id, U"Zeile " + number(i + 1) + U" prüfen");
    case Kind::Fehler:
        if (i >= kWorkRows) {
            return U"Fehlerzeile";
        }
        return shownOrHidden(form, id, U"Fehler in Zeile " + number(i + 1));
    case Kind::Dividend:
        return U"Dividend, " + columnName(form, i);
    case Kind::Divisor:
        return U"Divisor, " + number(kDivisorCells - i) + U". Ziffer";
    case Kind::Resultat:
        return U"Ergebnis, " + number(i + 1) + U". Ziffer";
    default:
        break;
    }
    if (isKontrolle(id.kind)) {
        const int row = workRowOf(id.kind);
        const Text step = number(row / 2 + 1) + U". ";
        return step + (row % 2 == 0 ? U"Produkt, " : U"Rest, ") + columnName(form, i);
    }
    return {};
}

Text shownToolTip(const Form1& form, ControlId id) {
    const Verdict verdict = form.verdict(id.index);
    if (id.kind == Kind::Info &&
        !(form.visible(id) && (verdict == Verdict::Fehler || verdict == Verdict::Pending))) {
        return {};
    }
    return form.toolTip(id);
}

} // namespace zifferon
