// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace zifferon {

// Every control of the window, addressed the way the handlers address them:
// a kind (a single control or a control array) plus the index within the array.
enum class Kind : std::uint8_t {
    None,
    Text1,
    Text2,
    Command1,
    Command2,
    Label1,
    Label2,
    Label4,
    Label3,   // array of 2: the digit limits
    Label5,   // why "Eingabe" (or a loaded task) cannot be worked, beside the number boxes
    Info,     // array of 10: verdict label of each work row
    Fehler,   // array of 11: error count of each work row, plus the summary line
    Dividend, // array of 6, index 0 = rightmost column
    Divisor,  // array of 3, index 0 = rightmost column
    Resultat, // array of 5, index 0 = LEFTMOST (first quotient digit)
    Kontrolle1,
    Kontrolle2,
    Kontrolle3,
    Kontrolle4,
    Kontrolle5,
    Kontrolle6,
    Kontrolle7,
    Kontrolle8,
    Kontrolle9,
    Kontrolle10,
};

struct ControlId {
    Kind kind = Kind::None;
    int index = 0;

    friend constexpr bool operator==(ControlId, ControlId) = default;
};

inline constexpr int kDividendCells = 6;
inline constexpr int kDivisorCells = 3;
inline constexpr int kResultatCells = 5;
inline constexpr int kRowCells = 6;
inline constexpr int kWorkRows = 10;
inline constexpr int kFehlerLabels = 11;

constexpr bool isKontrolle(Kind k) {
    return k >= Kind::Kontrolle1 && k <= Kind::Kontrolle10;
}
// Array number N (1..10) of a kontrolle kind.
constexpr int kontrolleNumber(Kind k) {
    return static_cast<int>(k) - static_cast<int>(Kind::Kontrolle1) + 1;
}
constexpr Kind kontrolleKind(int n) {
    return static_cast<Kind>(static_cast<int>(Kind::Kontrolle1) + n - 1);
}
// Work row i (0..9) is the array kontrolle(i + 1).
constexpr int workRowOf(Kind k) {
    return kontrolleNumber(k) - 1;
}
constexpr Kind workRowKind(int row) {
    return kontrolleKind(row + 1);
}
constexpr bool isCell(Kind k) {
    return k == Kind::Dividend || k == Kind::Divisor || k == Kind::Resultat || isKontrolle(k);
}
constexpr bool isTextBox(Kind k) {
    return k == Kind::Text1 || k == Kind::Text2 || isCell(k);
}
constexpr bool isLabel(Kind k) {
    return k == Kind::Label1 || k == Kind::Label2 || k == Kind::Label3 || k == Kind::Label4 ||
           k == Kind::Label5 || k == Kind::Info || k == Kind::Fehler;
}
constexpr bool isButton(Kind k) {
    return k == Kind::Command1 || k == Kind::Command2;
}

// Number of controls in the array of a kind (1 for single controls, 0 for None).
constexpr int arraySize(Kind k) {
    switch (k) {
    case Kind::None:
        return 0;
    case Kind::Label3:
        return 2;
    case Kind::Info:
        return kWorkRows;
    case Kind::Fehler:
        return kFehlerLabels;
    case Kind::Dividend:
        return kDividendCells;
    case Kind::Divisor:
        return kDivisorCells;
    case Kind::Resultat:
        return kResultatCells;
    default:
        return isKontrolle(k) ? kRowCells : 1;
    }
}

constexpr bool isValid(ControlId id) {
    return id.index >= 0 && id.index < arraySize(id.kind);
}

// Short names for the controls, as the handlers spell them.
namespace ctl {
inline constexpr ControlId Text1{Kind::Text1, 0};
inline constexpr ControlId Text2{Kind::Text2, 0};
inline constexpr ControlId Command1{Kind::Command1, 0};
inline constexpr ControlId Command2{Kind::Command2, 0};
inline constexpr ControlId Label4{Kind::Label4, 0};
inline constexpr ControlId Label5{Kind::Label5, 0};
constexpr ControlId label3(int i) {
    return {Kind::Label3, i};
}
constexpr ControlId info(int row) {
    return {Kind::Info, row};
}
constexpr ControlId fehler(int row) {
    return {Kind::Fehler, row};
}
constexpr ControlId dividend(int column) {
    return {Kind::Dividend, column};
}
constexpr ControlId divisor(int column) {
    return {Kind::Divisor, column};
}
constexpr ControlId resultat(int j) {
    return {Kind::Resultat, j};
}
// Cell `column` of work row `row` (0..9), i.e. of kontrolle(row + 1).
constexpr ControlId workRow(int row, int column) {
    return {workRowKind(row), column};
}
} // namespace ctl

} // namespace zifferon
