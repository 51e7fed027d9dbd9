#pragma once

// Sheets for the benchmarks, worked the way a pupil works them: keys into the
// focused cell, Enter, clicks on cells and labels, each event followed by a
// tracker pass as the window runs one after every event. Nothing is written
// into the model behind the rules' back.
//
// The task is 987654 : 12 = 82304 remainder 6: six dividend digits, five
// quotient digits, and a quotient digit 0 whose product row the check fills
// with zeros.

#include "input/Worksheet.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace zifferon::bench {

// Thrown when a sheet does not reach the state a step expects: the rules did
// something else than the fixture assumes, so the figures would be meaningless.
struct SheetError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Pupil {
  public:
    explicit Pupil(Worksheet& sheet) : sheet_(sheet) {}

    // Text1 and Text2, then "Eingabe".
    void enterTask(std::u32string_view dividend, std::u32string_view divisor);
    // Each character as a key into the focused cell: key-down first (which
    // may move the focus), then the character lands in the cell the key went
    // down in.
    void type(std::u32string_view chars);
    void pressEnter();
    void clickCell(ControlId cell);
    void clickInfo(int row);

  private:
    void afterEvent();
    Worksheet& sheet_;
};

inline constexpr std::u32string_view kDividend = U"987654";
inline constexpr std::u32string_view kDivisor = U"12";

// Task entered, nothing written yet.
void makeFresh(Worksheet& sheet);
// Steps 0 and 1 done (the remainder of step 1 first written wrong, then
// corrected: fehler(3) reads "1"), 6 brought down, the focus in the blank
// quotient cell resultat(2).
void makeTwoStepsDone(Worksheet& sheet);
// makeTwoStepsDone, then quotient digit 3 of step 2 written and the first of
// its two product digits typed, so info(4) reads "korrekt?".
void makeHalfWorked(Worksheet& sheet);
// All five steps judged "korrekt" and "Berechnung beendet" shown.
void makeFinished(Worksheet& sheet);

// The six cells of kontrolleN, leftmost first, '.' for an empty cell.
std::string rowText(const Form1& form, int n);

} // namespace zifferon::bench
