// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
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
    // The lines around the calculation (see CheckLine below).
    Label6,   // "Wie viele Stellen hat das Ergebnis?"
    Label7,   // "etwa"
    Label8,   // the Probe's first line up to its box: "Probe: 725 · 13 ="
    Label9,   // the Probe's second line between its boxes: "+ 9 ="
    Stellen,  // the Überschlag's count of quotient digits, one character
    Etwa,     // the Überschlag's rounded quotient, optional
    Probe,    // array of 3: the product, the product again, the sum
    Pruefung, // array of 3: verdict label of each CheckLine
    PFehler,  // array of 3: error count of each CheckLine
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
inline constexpr int kProbeBoxes = 3;

// The lines judged around the calculation, each with a verdict label
// pruefung(line) and an error count pfehler(line): the Überschlag before the
// first quotient digit, and the Probe's two lines after the last
// ("725 · 13 = ____", "____ + 9 = ____").
enum class CheckLine : std::uint8_t { Ueberschlag, ProbeMal, ProbePlus };
inline constexpr int kCheckLines = 3;
constexpr int lineIndex(CheckLine line) {
    return static_cast<int>(line);
}

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
// The number boxes of the Überschlag and the Probe: digits only.
constexpr bool isCheckBox(Kind k) {
    return k == Kind::Stellen || k == Kind::Etwa || k == Kind::Probe;
}
// Digits a check box takes: the count of quotient digits is one digit, every
// number of the Probe is at most the dividend.
constexpr std::size_t checkBoxLength(Kind k) {
    return k == Kind::Stellen ? 1 : 6;
}
constexpr bool isTextBox(Kind k) {
    return k == Kind::Text1 || k == Kind::Text2 || isCell(k) || isCheckBox(k);
}
constexpr bool isLabel(Kind k) {
    return k == Kind::Label1 || k == Kind::Label2 || k == Kind::Label3 || k == Kind::Label4 ||
           k == Kind::Label5 || k == Kind::Info || k == Kind::Fehler || k == Kind::Label6 ||
           k == Kind::Label7 || k == Kind::Label8 || k == Kind::Label9 || k == Kind::Pruefung ||
           k == Kind::PFehler;
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
    case Kind::Probe:
        return kProbeBoxes;
    case Kind::Pruefung:
    case Kind::PFehler:
        return kCheckLines;
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
inline constexpr ControlId Label6{Kind::Label6, 0};
inline constexpr ControlId Label7{Kind::Label7, 0};
inline constexpr ControlId Label8{Kind::Label8, 0};
inline constexpr ControlId Label9{Kind::Label9, 0};
inline constexpr ControlId stellen{Kind::Stellen, 0};
inline constexpr ControlId etwa{Kind::Etwa, 0};
constexpr ControlId probe(int box) {
    return {Kind::Probe, box};
}
constexpr ControlId pruefung(CheckLine line) {
    return {Kind::Pruefung, lineIndex(line)};
}
constexpr ControlId pfehler(CheckLine line) {
    return {Kind::PFehler, lineIndex(line)};
}
} // namespace ctl

// The line a check box, verdict label or error count belongs to.
constexpr CheckLine checkLineOf(ControlId id) {
    switch (id.kind) {
    case Kind::Probe:
        return id.index == 0 ? CheckLine::ProbeMal : CheckLine::ProbePlus;
    case Kind::Pruefung:
    case Kind::PFehler:
        return static_cast<CheckLine>(id.index);
    default:
        return CheckLine::Ueberschlag;
    }
}

} // namespace zifferon
