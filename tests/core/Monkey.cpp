// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Monkey.h"

#include "LongDivision.h"
#include "Pupil.h"
#include "SheetText.h"

#include "taskfile/TaskFileCommands.h"
#include "taskfile/TaskRecords.h"
#include "tracker/ProgressTracker.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <random>
#include <sstream>

namespace zifferon::test::monkey {

namespace {

constexpr const char* kSavePath = "/prog/monkey";
constexpr const char* kSavedFile = "/prog/monkey.AUF";
constexpr const char* kOldFile = "/prog/aelter.AUF";
constexpr const char* kCutFile = "/prog/kurz.AUF";

// ------------------------------------------------------------ the right work

// The characters of an array's cells from left to right, empty cells left out.
Text cellsLeftToRight(const Form1& form, Kind kind) {
    Text out;
    for (int i = arraySize(kind) - 1; i >= 0; --i) {
        out += form.text({kind, i});
    }
    return out;
}

bool allDigits(const Text& t) {
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
}

// The steps of the task in the top line divided by `divisorText`, when it is
// a task the grid can take.
std::optional<std::vector<Step>> solutionOf(const Form1& form, const Text& divisorText) {
    Text dividend;
    bool gap = false;
    for (int c = kDividendCells - 1; c >= 0; --c) {
        const Text& t = form.text(ctl::dividend(c));
        if (t.empty()) {
            gap = true;
        } else if (gap || t.size() != 1) {
            return std::nullopt;
        } else {
            dividend += t;
        }
    }
    if (!allDigits(dividend) || !allDigits(divisorText)) {
        return std::nullopt;
    }
    const long divisor = std::stol(toUtf8(divisorText));
    const long whole = std::stol(toUtf8(dividend));
    if (divisor == 0 || whole < divisor) {
        return std::nullopt;
    }
    std::vector<Step> steps = divide(toUtf8(dividend), divisor);
    if (steps.size() > static_cast<std::size_t>(kResultatCells)) {
        return std::nullopt;
    }
    return steps;
}

// The quotient cells from the first (resultat(0), the leftmost) on.
Text quotientCells(const Form1& form) {
    Text out;
    for (int k = 0; k < kResultatCells; ++k) {
        out += form.text(ctl::resultat(k));
    }
    return out;
}

// The oracle's own long division of the top line's task, in plain integers:
// per step the units column, the quotient digit, the product, the remainder
// and the column the next dividend digit comes down into (-1 on the last).
struct OracleStep {
    int column;
    long digit, product, remainder;
    int bringDown;
};
struct OracleTask {
    long dividend = 0, divisor = 0;
    std::vector<OracleStep> steps;
};

std::optional<OracleTask> oracleTask(const Form1& form) {
    const Text dividend = cellsLeftToRight(form, Kind::Dividend);
    const Text divisor = cellsLeftToRight(form, Kind::Divisor);
    if (!allDigits(dividend) || !allDigits(divisor) ||
        !form.text(ctl::dividend(kDividendCells - 1)).size()) {
        return std::nullopt;
    }
    OracleTask t;
    t.dividend = std::stol(toUtf8(dividend));
    t.divisor = std::stol(toUtf8(divisor));
    if (t.divisor == 0) {
        return std::nullopt;
    }
    const std::string digits = toUtf8(dividend);
    std::size_t used = 0;
    long partial = 0;
    while (used < digits.size() && (used == 0 || partial < t.divisor)) {
        partial = partial * 10 + (digits[used++] - '0');
    }
    for (int column = kDividendCells - static_cast<int>(used);; --column) {
        const long q = partial / t.divisor;
        const bool last = used == digits.size();
        t.steps.push_back({column, q, q * t.divisor, partial % t.divisor, last ? -1 : column - 1});
        if (last) {
            return t;
        }
        partial = partial % t.divisor * 10 + (digits[used++] - '0');
    }
}

// The digits a row holds once leading zeros are read as blank, by column.
std::array<char32_t, kRowCells> withoutLeadingZeros(const Form1& form, int row) {
    std::array<char32_t, kRowCells> cells{};
    bool leading = true;
    for (int c = kRowCells - 1; c >= 0; --c) {
        const Text& t = form.text(ctl::workRow(row, c));
        // A space is a blank cell, as the sheet reads it.
        const char32_t ch = t.empty() || t == U" " ? 0 : t[0];
        if (leading && (ch == 0 || ch == U'0')) {
            continue;
        }
        leading = false;
        cells[static_cast<std::size_t>(c)] = ch;
    }
    return cells;
}

// Whether a row judged "korrekt" holds its step: the number right-aligned
// under the step's units column (leading zeros and a blank 0 allowed) and
// nothing else but, in a remainder row, the dividend digit that comes down.
bool rowHoldsItsStep(const Form1& form, int row, const OracleStep& s) {
    std::array<char32_t, kRowCells> cells = withoutLeadingZeros(form, row);
    if (row % 2 == 1 && s.bringDown >= 0) {
        const auto b = static_cast<std::size_t>(s.bringDown);
        if (cells[b] != 0 && Text(1, cells[b]) == form.text(ctl::dividend(s.bringDown))) {
            cells[b] = 0;
        }
    }
    const long value = row % 2 == 0 ? s.product : s.remainder;
    const Text digits = digitsOf(value);
    for (int c = 0; c < kRowCells; ++c) {
        const int offset = c - s.column;
        char32_t want = 0;
        if (offset >= 0 && offset < static_cast<int>(digits.size()) && value != 0) {
            want = digits[digits.size() - 1 - static_cast<std::size_t>(offset)];
        }
        if (cells[static_cast<std::size_t>(c)] != want) {
            return false;
        }
    }
    // A zero product or remainder: its zeros may not start right of the
    // units column.
    for (int c = 0; c < s.column; ++c) {
        const Text& t = form.text(ctl::workRow(row, c));
        if (t == U"0" && !(row % 2 == 1 && c == s.bringDown && t == form.text(ctl::dividend(c)))) {
            return false;
        }
    }
    return true;
}

// What column `column` holds of `value` written with its units digit in `units`.
Text digitAt(long value, int units, int column) {
    const Text d = digitsOf(value);
    const int offset = column - units;
    if (offset < 0 || offset >= static_cast<int>(d.size())) {
        return {};
    }
    return Text(1, d[d.size() - 1 - static_cast<std::size_t>(offset)]);
}

std::string quoted(const Text& t) {
    return "'" + toUtf8(t) + "'";
}

// The cells a right verdict on `row` locks.
std::vector<ControlId> lockCells(int row) {
    std::vector<ControlId> cells;
    for (int c = 0; c < kRowCells; ++c) {
        cells.push_back(ctl::workRow(row, c));
    }
    if (row % 2 == 0) {
        cells.push_back(ctl::resultat(row / 2));
    }
    return cells;
}

// ------------------------------------------------------------------ session

class Session {
  public:
    explicit Session(const ExtraCheck& extra) : extra_(extra) { form_.setAppPath("/prog"); }

    // Runs one event and the pass that follows it; returns what it did.
    std::string apply(const Event& e);
    std::optional<Violation> check(std::size_t index);

    Coverage coverage;

  private:
    std::string typeInto(char32_t ch, Caret caret);
    std::string key(int keyCode, const char* name);
    std::string backspace();
    std::string del();
    std::string clickInfo(int row);
    std::string eingabe();
    std::string nextTask(std::uint32_t seed);
    std::string saveLoad(const Event& e);
    std::string pupil(const Event& e);
    std::string fix(ControlId cell, const Text& want);
    std::string checkRowAsPupil(int row, const Event& e);

    void afterCheck(int row, bool wasKorrekt);
    void resetModel();
    void loaded();

    SeededRandom random_{0};
    Worksheet sheet_{&random_};
    Form1& form_ = sheet_.form;
    Pupil pupil_{sheet_};
    MemoryTaskFiles files_;
    ExtraCheck extra_;

    // The model the invariants are checked against.
    // Rows judged (or loaded) right: their six cells stay disabled, and the
    // quotient cell of a product row judged right.
    std::array<bool, kWorkRows> lockedRow_{};
    std::array<bool, kResultatCells> lockedQuotient_{};
    std::array<double, kWorkRows> counts_{};
    std::array<bool, kWorkRows> wasKorrekt_{};
    bool label4_ = false;
    ControlId focusBefore_;
    bool passRan_ = false;
    std::optional<Violation> pending_; // found inside an event (file round trips)
};

void Session::resetModel() {
    lockedRow_.fill(false);
    lockedQuotient_.fill(false);
    for (int i = 0; i < kWorkRows; ++i) {
        counts_[static_cast<std::size_t>(i)] = leadingNumber(form_.caption(ctl::fehler(i)));
    }
    label4_ = form_.visible(ctl::Label4);
}

// A check of `row` has just run (before any pass). A verdict "korrekt" that
// it wrote must have locked the row; one that stood before may also have been
// left by a check that could not judge the row and so locked nothing.
void Session::afterCheck(int row, bool wasKorrekt) {
    const Text& caption = form_.caption(ctl::info(row));
    if (caption == texts::Korrekt) {
        const std::vector<ControlId> cells = lockCells(row);
        const bool allLocked = std::none_of(cells.begin(), cells.end(),
                                            [this](ControlId id) { return form_.enabled(id); });
        if (!allLocked) {
            if (!wasKorrekt) {
                pending_ =
                    Violation{0, "a row judged right was not locked", "row " + std::to_string(row)};
            }
            return;
        }
        ++coverage.korrektVerdicts;
        lockedRow_[static_cast<std::size_t>(row)] = true;
        if (row % 2 == 0) {
            lockedQuotient_[static_cast<std::size_t>(row / 2)] = true;
        }
    } else if (caption == texts::Fehler) {
        ++coverage.fehlerVerdicts;
    }
    const bool counted =
        leadingNumber(form_.caption(ctl::fehler(row))) > counts_[static_cast<std::size_t>(row)];
    if (counted && !(caption == texts::Fehler && form_.visible(ctl::info(row)))) {
        pending_ = Violation{0, "an error was counted without a \"Fehler\" shown",
                             "row " + std::to_string(row)};
    }
}

// A file was taken: the sheet starts over with the rows it marks right locked.
void Session::loaded() {
    ++coverage.loads;
    resetModel();
    bool any = false;
    for (int row = 0; row < kWorkRows; ++row) {
        if (form_.caption(ctl::info(row)) == texts::Korrekt) {
            any = true;
            lockedRow_[static_cast<std::size_t>(row)] = true;
        }
    }
    coverage.loadsWithLockedRows += any ? 1 : 0;
}

std::string Session::typeInto(char32_t ch, Caret caret) {
    const ControlId target = form_.focus();
    pupil_.type(ch, caret);
    return "type " + quoted(Text(1, ch)) + (caret == Caret::Start ? " before the text" : "") +
           " into " + controlName(target);
}

std::string Session::key(int keyCode, const char* name) {
    const ControlId target = form_.focus();
    const int row = isKontrolle(target.kind) ? kontrolleNumber(target.kind) - 1 : -1;
    const bool wasKorrekt = row >= 0 && form_.caption(ctl::info(row)) == texts::Korrekt;
    pupil_.press(keyCode);
    if (keyCode == vk::Return && row >= 0) {
        afterCheck(row, wasKorrekt);
    }
    if (keyCode == vk::Return && (target == ctl::Text1 || target == ctl::Text2) &&
        !form_.visible(ctl::Label5)) {
        ++coverage.tasksEntered; // Enter in a number box is "Eingabe"
        resetModel();
    }
    return std::string(name) + " in " + controlName(target);
}

std::string Session::backspace() {
    const ControlId target = form_.focus();
    pupil_.backspace();
    return "Backspace in " + controlName(target);
}

// Delete with the caret at the start: the key-down, then the first character goes.
std::string Session::del() {
    const ControlId target = form_.focus();
    pupil_.del();
    return "Delete in " + controlName(target);
}

std::string Session::clickInfo(int row) {
    if (!form_.visible(ctl::info(row))) {
        return "nothing (info(" + std::to_string(row) + ") hidden)";
    }
    const bool wasKorrekt = form_.caption(ctl::info(row)) == texts::Korrekt;
    pupil_.click(ctl::info(row));
    afterCheck(row, wasKorrekt);
    return "click info(" + std::to_string(row) + ")";
}

std::string Session::eingabe() {
    const std::string task =
        quoted(form_.text(ctl::Text1)) + " : " + quoted(form_.text(ctl::Text2));
    std::vector<std::string> before = snapshot(form_);
    pupil_.click(ctl::Command1);
    if (form_.visible(ctl::Label5)) {
        // Refused: the sheet is as it was, but for the reason beside the boxes.
        std::vector<std::string> after = snapshot(form_);
        for (auto* lines : {&before, &after}) {
            lines->erase(
                std::remove_if(lines->begin(), lines->end(),
                               [](const std::string& l) { return l.starts_with("Label5"); }),
                lines->end());
        }
        if (after != before) {
            pending_ = Violation{0, "a refused \"Eingabe\" changed the sheet", task};
        }
        ++coverage.refusedTasks;
        return "Eingabe " + task + " refused";
    }
    ++coverage.tasksEntered;
    resetModel();
    return "Eingabe " + task;
}

std::string Session::nextTask(std::uint32_t seed) {
    random_.seed(seed);
    pupil_.click(ctl::Command2);
    return "nächste Aufgabe -> " + quoted(form_.text(ctl::Text1)) + " : " +
           quoted(form_.text(ctl::Text2));
}

std::string Session::saveLoad(const Event& e) {
    const auto refusedOrCancelled = [&](const std::string& path, const char* what) {
        const auto before = snapshot(form_);
        const char32_t lastChar = sheet_.rule.lastCellChar();
        const std::size_t messages = files_.messages.size();
        pupil_.load(files_, path.empty() ? std::nullopt : std::optional<std::string>(path));
        if (snapshot(form_) != before || sheet_.rule.lastCellChar() != lastChar) {
            pending_ = Violation{0, "a refused or cancelled load changed the sheet", what};
        } else if (!path.empty() && files_.messages.size() != messages + 1) {
            pending_ = Violation{0, "a refused load said nothing", what};
        }
        ++coverage.refusedLoads;
        return std::string(what);
    };
    const auto takeFile = [&](const std::string& path, const char* what) {
        // The file read onto a fresh sheet is written back as it was saved;
        // then the pupil loads it, and the pass that follows does its work.
        const std::vector<std::uint8_t> file = files_.files.at(path);
        const std::size_t messages = files_.messages.size();
        Form1 scratch;
        files_.answer(path);
        loadTaskFileOntoSheet(scratch, files_.services());
        const TaskFileBytes back = writeTaskRecords(scratch);
        pupil_.load(files_, path);
        if (files_.messages.size() != messages ||
            !std::equal(back.begin(), back.end(), file.begin(), file.end())) {
            pending_ = Violation{0, "a saved file does not load back as it was saved", what};
        }
        loaded();
        return std::string(what);
    };

    switch (e.b % 8) {
    case 5:
        if (files_.files.count(kOldFile)) {
            return takeFile(kOldFile, "load the save before the last one");
        }
        [[fallthrough]];
    default: {
        if (files_.files.count(kSavedFile)) {
            files_.files[kOldFile] = files_.files[kSavedFile];
        }
        pupil_.save(files_, kSavePath);
        return takeFile(kSavedFile, "save and load again");
    }
    case 6: {
        const TaskFileBytes whole = writeTaskRecords(form_);
        std::vector<std::uint8_t> cut(
            whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(e.a % kTaskFileSize));
        files_.files[kCutFile] = cut;
        return refusedOrCancelled(kCutFile, "load a file cut short");
    }
    case 7:
        return refusedOrCancelled("", "load, dialog cancelled");
    }
}

std::string Session::apply(const Event& e) {
    static constexpr std::array<char32_t, 14> kOtherChars = {U'a', U'x', U'K', U' ',         U'ä',
                                                             U'Ö', U'ü', U'ß', U'€',         U'-',
                                                             U'+', U'.', U',', U'\U0001F600'};
    static const std::array<std::pair<Text, Text>, 12> kTyped = {{
        {U"9434", U"13"},
        {U"1313", U"13"},
        {U"943", U"99"},
        {U"123456", U"12"},
        {U"100000", U"999"},
        {U"98765", U"43"},
        {U"7", U"7"},
        {U"12", U"5"},
        {U"0", U"0"},
        {U"", U""},
        {U"1a2", U"x"},
        {U" 77 ", U" 3"},
    }};

    std::string what;
    switch (e.op) {
    case Op::Digit:
        what = typeInto(static_cast<char32_t>(U'0' + e.a % 10),
                        e.b % 4 == 0 ? Caret::Start : Caret::End);
        break;
    case Op::OtherChar:
        what = typeInto(kOtherChars[e.a % kOtherChars.size()],
                        e.b % 2 == 0 ? Caret::Start : Caret::End);
        break;
    case Op::Left:
        what = key(vk::Left, "Left");
        break;
    case Op::Right:
        what = key(vk::Right, "Right");
        break;
    case Op::Up:
        what = key(vk::Up, "Up");
        break;
    case Op::Down:
        what = key(vk::Down, "Down");
        break;
    case Op::Enter:
        what = key(vk::Return, "Enter");
        break;
    case Op::Shift:
        what = key(vk::Shift, "Shift");
        break;
    case Op::Backspace:
        what = backspace();
        break;
    case Op::Delete:
        what = del();
        break;
    case Op::InfoClick:
        what = clickInfo(static_cast<int>(e.a % kWorkRows));
        break;
    case Op::Label3Click:
        pupil_.click(ctl::label3(static_cast<int>(e.a % 2)));
        what = "click Label3(" + std::to_string(e.a % 2) + ")";
        break;
    case Op::NextTask:
        what = nextTask(e.a);
        break;
    case Op::Eingabe:
        what = eingabe();
        break;
    case Op::FocusClick: {
        const std::uint32_t i = e.a % 72;
        const ControlId target =
            i < 5     ? ctl::resultat(static_cast<int>(i))
            : i < 65  ? ctl::workRow(static_cast<int>((i - 5) / 6), static_cast<int>((i - 5) % 6))
            : i == 65 ? ctl::Text1
            : i == 66 ? ctl::Text2
            : i == 67 ? ctl::stellen
            : i == 68 ? ctl::etwa
                      : ctl::probe(static_cast<int>(i - 69));
        const bool taken = pupil_.click(target);
        what = "click into " + controlName(target) + (taken ? "" : " (refused)");
        break;
    }
    case Op::TypeTask: {
        const auto& [dividend, divisor] = kTyped[e.a % kTyped.size()];
        pupil_.paste(ctl::Text1, dividend);
        pupil_.paste(ctl::Text2, divisor);
        what = "type the task " + quoted(dividend) + " : " + quoted(divisor);
        break;
    }
    case Op::Tick:
        pupil_.tick();
        what = "tick";
        break;
    case Op::SaveLoad:
        what = saveLoad(e);
        break;
    case Op::Pupil:
        what = "pupil: " + pupil(e);
        break;
    }
    // Every event went through an entry point: with Timer1 on, a pass followed.
    passRan_ = form_.timer1Enabled();
    coverage.passes += passRan_ ? 1 : 0;
    return what;
}

// ------------------------------------------------------------------- pupil

// One move towards `want` in `cell`: click into it, clear it, or type.
std::string Session::fix(ControlId cell, const Text& want) {
    if (form_.focus() != cell) {
        if (!pupil_.click(cell)) {
            return eingabe() + " (stuck: " + controlName(cell) + " locked)";
        }
        return "click into " + controlName(cell);
    }
    if (!form_.text(cell).empty()) {
        return backspace();
    }
    return typeInto(want.front(), Caret::End);
}

std::string Session::checkRowAsPupil(int row, const Event& e) {
    const ControlId label = ctl::info(row);
    if (e.b % 2 == 1 && form_.visible(label)) {
        return clickInfo(row);
    }
    if (form_.focus().kind == workRowKind(row)) {
        return key(vk::Return, "Enter");
    }
    for (int c = kRowCells - 1; c >= 0; --c) {
        if (pupil_.click(ctl::workRow(row, c))) {
            return "click into " + controlName(ctl::workRow(row, c));
        }
    }
    if (form_.visible(label)) {
        return clickInfo(row);
    }
    return eingabe() + " (stuck: row " + std::to_string(row) + " locked and its label hidden)";
}

// The next move of a pupil who works the task in the top line right, row by
// row, correcting whatever else is in the cells on the way.
std::string Session::pupil(const Event& e) {
    // A task the boxes hold that "Eingabe" refuses: the pupil draws a new one.
    const auto startOver = [&] {
        const std::string entered = eingabe();
        return form_.visible(ctl::Label5) ? entered + "; " + nextTask(e.a) : entered;
    };
    if (!form_.timer1Enabled()) {
        return startOver();
    }
    const Text dividend = cellsLeftToRight(form_, Kind::Dividend);
    const Text divisor = cellsLeftToRight(form_, Kind::Divisor);
    const bool boxesHoldTheGrid =
        form_.text(ctl::Text1) == dividend && form_.text(ctl::Text2) == divisor;
    const bool taskOpen = !form_.visible(ctl::Label4) && solutionOf(form_, divisor);
    if (!boxesHoldTheGrid) {
        if (!taskOpen) {
            return startOver();
        }
        // Something else landed in the boxes: the pupil types the task back.
        pupil_.paste(ctl::Text1, dividend);
        pupil_.paste(ctl::Text2, divisor);
        return "type the task back into the boxes";
    }
    const std::optional<std::vector<Step>> steps = solutionOf(form_, divisor);
    if (!steps || form_.visible(ctl::Label4)) {
        // Random tasks worth working: a dividend two digits longer than the divisor.
        if (leadingNumber(form_.caption(ctl::label3(0))) <
            leadingNumber(form_.caption(ctl::label3(1))) + 2) {
            pupil_.click(ctl::label3(0));
            return "click Label3(0)";
        }
        return nextTask(e.a);
    }
    for (std::size_t k = 0; k < steps->size(); ++k) {
        const Step& s = (*steps)[k];
        const int productRow = 2 * static_cast<int>(k);
        for (int row : {productRow, productRow + 1}) {
            if (form_.caption(ctl::info(row)) == texts::Korrekt) {
                continue;
            }
            bool rowLocked = false;
            for (int c = 0; c < kRowCells; ++c) {
                rowLocked = rowLocked || !form_.enabled(ctl::workRow(row, c));
            }
            if (row == productRow) {
                const ControlId quotient = ctl::resultat(static_cast<int>(k));
                const Text want = digitsOf(s.digit);
                if (form_.text(quotient) != want) {
                    return fix(quotient, want);
                }
            }
            if (rowLocked) {
                // Locked but not right: judged again, it may come out right;
                // locked and wrong, nothing the pupil types can mend it.
                if (form_.caption(ctl::info(row)) == texts::Pending) {
                    return checkRowAsPupil(row, e);
                }
                return eingabe() + " (stuck: row " + std::to_string(row) + " locked and wrong)";
            }
            bool empty = true;
            for (int c = 0; c < kRowCells; ++c) {
                empty = empty && form_.text(ctl::workRow(row, c)).empty();
            }
            // A zero digit after the first: Enter in the empty row has the
            // zeros written in by the check.
            if (row == productRow && row > 0 && s.digit == 0 && empty && e.a % 2 == 1) {
                if (form_.focus().kind != workRowKind(row)) {
                    return fix(ctl::workRow(row, s.column), {});
                }
                return key(vk::Return, "Enter");
            }
            // Every cell counts: right of a remainder only the dividend digit
            // that comes down may stand.
            const long value = row == productRow ? s.product : s.remainder;
            for (int c = 0; c < kRowCells; ++c) {
                const ControlId cell = ctl::workRow(row, c);
                if (row != productRow && c == s.bringDown &&
                    form_.text(cell) == form_.text(ctl::dividend(c))) {
                    continue;
                }
                const Text want = digitAt(value, s.column, c);
                if (form_.text(ctl::workRow(row, c)) != want) {
                    return fix(ctl::workRow(row, c), want);
                }
            }
            return checkRowAsPupil(row, e);
        }
    }
    return nextTask(e.a);
}

// -------------------------------------------------------------- invariants

std::optional<Violation> Session::check(std::size_t index) {
    auto violation = [index](std::string invariant, std::string detail) {
        return Violation{index, std::move(invariant), std::move(detail)};
    };
    if (pending_) {
        Violation v = *pending_;
        pending_.reset();
        v.index = index;
        return v;
    }
    for (int n = 1; n <= kWorkRows; ++n) {
        for (int c = 0; c < kRowCells; ++c) {
            const ControlId cell = ctl::workRow(n - 1, c);
            if (form_.text(cell).size() > 1) {
                return violation("a work cell holds more than one character",
                                 controlName(cell) + " = " + quoted(form_.text(cell)));
            }
        }
    }
    // A cell locked while it has the focus keeps it; the focus never moves
    // onto a control that cannot take it.
    const ControlId focus = form_.focus();
    if (focus != focusBefore_ && focus.kind != Kind::None && !form_.canTakeFocus(focus)) {
        return violation("the focus moved onto a control that cannot take it", controlName(focus));
    }
    focusBefore_ = focus;
    for (int row = 0; row < kWorkRows; ++row) {
        for (ControlId cell : lockCells(row)) {
            const bool locked = cell.kind == Kind::Resultat
                                    ? lockedQuotient_[static_cast<std::size_t>(cell.index)]
                                    : lockedRow_[static_cast<std::size_t>(row)];
            if (locked && form_.enabled(cell)) {
                return violation("a cell of a row judged right is enabled again",
                                 controlName(cell));
            }
        }
    }
    for (int i = 0; i < kWorkRows; ++i) {
        const double count = leadingNumber(form_.caption(ctl::fehler(i)));
        double& before = counts_[static_cast<std::size_t>(i)];
        if (count < before) {
            return violation("an error counter went down",
                             "fehler(" + std::to_string(i) + ") from " + std::to_string(before) +
                                 " to " + quoted(form_.caption(ctl::fehler(i))));
        }
        before = count;
    }
    if (passRan_) {
        // One pass brings the sheet to rest: the window needs no timer.
        const std::uint64_t revision = form_.revision();
        trackProgress(form_);
        if (form_.revision() != revision) {
            return violation("a second pass after an event changed the sheet", "");
        }
        for (int k = 0; k < kResultatCells; ++k) {
            const int product = 2 * k + 1;
            const int remainder = 2 * k + 2;
            auto written = [this](int n) {
                for (int c = 0; c < kRowCells; ++c) {
                    if (!form_.text(ctl::workRow(n - 1, c)).empty()) {
                        return true;
                    }
                }
                return false;
            };
            if (form_.text(ctl::resultat(k)).empty() && written(product)) {
                return violation("a product row holds text after a pass while its quotient "
                                 "cell is empty",
                                 "kontrolle" + std::to_string(product) + " = " +
                                     rowText(form_, product));
            }
            if (form_.caption(ctl::info(2 * k)) != texts::Korrekt && written(remainder)) {
                return violation("a remainder row holds text after a pass while the product "
                                 "above is not \"korrekt\"",
                                 "kontrolle" + std::to_string(remainder) + " = " +
                                     rowText(form_, remainder) + ", info(" + std::to_string(2 * k) +
                                     ") = " + quoted(form_.caption(ctl::info(2 * k))));
            }
        }
    }
    // The arithmetic oracle: every row shown "korrekt" holds its step, and
    // "Berechnung beendet" stands only under integer division's result.
    const std::optional<OracleTask> task = oracleTask(form_);
    for (int row = 0; row < kWorkRows; ++row) {
        if (!form_.visible(ctl::info(row)) || form_.caption(ctl::info(row)) != texts::Korrekt) {
            continue;
        }
        ++coverage.oracleRows;
        const auto k = static_cast<std::size_t>(row / 2);
        if (!task || k >= task->steps.size() || !rowHoldsItsStep(form_, row, task->steps[k]) ||
            (row % 2 == 0 &&
             form_.text(ctl::resultat(row / 2)) != digitsOf(task->steps[k].digit))) {
            return violation("a row shown \"korrekt\" is not its step of the written calculation",
                             "row " + std::to_string(row) + " = " + rowText(form_, row + 1) +
                                 " with the digit " + quoted(form_.text(ctl::resultat(row / 2))));
        }
    }
    if (form_.visible(ctl::Label4)) {
        bool right = task.has_value();
        if (right) {
            const int last = 2 * static_cast<int>(task->steps.size()) - 1;
            double remainder = 0;
            for (int c = kRowCells - 1; c >= task->steps.back().column; --c) {
                remainder = remainder * 10 + leadingNumber(form_.text(ctl::workRow(last, c)));
            }
            right = quotientCells(form_) == digitsOf(task->dividend / task->divisor) &&
                    remainder == static_cast<double>(task->dividend % task->divisor);
        }
        if (!right) {
            return violation("\"Berechnung beendet\" under a result that is not integer division's",
                             "quotient " + quoted(quotientCells(form_)));
        }
    }
    // The Überschlag and the Probe shown "korrekt" hold integer division's
    // numbers: the count of quotient digits, quotient x divisor, the dividend.
    if (task) {
        const long quotient = task->dividend / task->divisor;
        const std::pair<CheckLine, std::pair<ControlId, double>> lines[] = {
            {CheckLine::Ueberschlag, {ctl::stellen, static_cast<double>(task->steps.size())}},
            {CheckLine::ProbeMal, {ctl::probe(0), static_cast<double>(quotient * task->divisor)}},
            {CheckLine::ProbePlus, {ctl::probe(2), static_cast<double>(task->dividend)}}};
        for (const auto& [line, box] : lines) {
            if (form_.lineVerdict(line) == Verdict::Korrekt &&
                leadingNumber(form_.text(box.first)) != box.second) {
                return violation("a line shown \"korrekt\" does not hold integer division's number",
                                 controlName(box.first) + " = " + quoted(form_.text(box.first)));
            }
        }
    }
    const bool label4 = form_.visible(ctl::Label4);
    if (label4_ && !label4) {
        return violation("Label4 was hidden without a new task", "");
    }
    coverage.tasksFinished += !label4_ && label4 ? 1 : 0;
    label4_ = label4;

    for (int row = 0; row < kWorkRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        const bool korrekt = form_.caption(ctl::info(row)) == texts::Korrekt;
        if (lockedRow_[r] && wasKorrekt_[r] && form_.caption(ctl::info(row)) == texts::Pending) {
            return violation("a row judged right shows the prompt again",
                             "info(" + std::to_string(row) + ")");
        }
        wasKorrekt_[r] = korrekt;
        if (row % 2 == 1 && lockedRow_[r] && korrekt) {
            coverage.deepestStep =
                std::max(coverage.deepestStep, static_cast<std::size_t>(row / 2 + 1));
        }
    }
    if (extra_) {
        if (std::optional<std::string> planted = extra_(form_)) {
            return violation(*planted, "");
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<Event> generate(std::uint32_t seed, std::size_t count) {
    // Weights per thousand events: mostly the pupil's moves and typed digits,
    // seldom a new task or a file, so that tasks get worked far enough.
    static constexpr std::array<std::pair<Op, int>, 19> kWeights = {{
        {Op::Pupil, 400},     {Op::Digit, 190},    {Op::OtherChar, 30}, {Op::Left, 25},
        {Op::Right, 25},      {Op::Up, 20},        {Op::Down, 20},      {Op::Enter, 50},
        {Op::Shift, 5},       {Op::Backspace, 30}, {Op::Delete, 15},    {Op::InfoClick, 50},
        {Op::Label3Click, 5}, {Op::NextTask, 2},   {Op::Eingabe, 1},    {Op::FocusClick, 60},
        {Op::TypeTask, 2},    {Op::Tick, 65},      {Op::SaveLoad, 5},
    }};
    std::vector<int> weights;
    for (const auto& [op, w] : kWeights) {
        weights.push_back(w);
    }
    std::mt19937 engine(seed);
    std::discrete_distribution<std::size_t> pick(weights.begin(), weights.end());
    std::vector<Event> events;
    events.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const Op op = kWeights[pick(engine)].first;
        events.push_back(
            {op, static_cast<std::uint32_t>(engine()), static_cast<std::uint32_t>(engine())});
    }
    return events;
}

Outcome play(const std::vector<Event>& events, bool withLog, const ExtraCheck& extra) {
    Outcome out;
    Session session(extra);
    for (std::size_t i = 0; i < events.size(); ++i) {
        std::string what = session.apply(events[i]);
        if (withLog) {
            out.log.push_back("#" + std::to_string(i) + " " + what);
        }
        if (std::optional<Violation> v = session.check(i)) {
            out.violation = std::move(v);
            break;
        }
    }
    out.coverage = session.coverage;
    return out;
}

std::vector<Event> shrink(const std::vector<Event>& events, const Violation& violation,
                          double budgetSeconds, const ExtraCheck& extra) {
    const auto start = std::chrono::steady_clock::now();
    auto overBudget = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() >
               budgetSeconds;
    };
    // Fails the same way: then only the events up to the violation matter.
    auto reproduces = [&](std::vector<Event>& candidate) {
        const Outcome o = play(candidate, false, extra);
        if (!o.violation || o.violation->invariant != violation.invariant) {
            return false;
        }
        candidate.resize(o.violation->index + 1);
        return true;
    };

    std::vector<Event> best(
        events.begin(),
        events.begin() + static_cast<std::ptrdiff_t>(std::min(events.size(), violation.index + 1)));
    // Delta debugging: drop ever smaller chunks while the failure stays.
    std::size_t parts = 2;
    while (best.size() > 1 && !overBudget()) {
        const std::size_t chunk = (best.size() + parts - 1) / parts;
        bool dropped = false;
        for (std::size_t from = 0; from < best.size() && !overBudget(); from += chunk) {
            std::vector<Event> candidate;
            candidate.reserve(best.size());
            candidate.insert(candidate.end(), best.begin(),
                             best.begin() + static_cast<std::ptrdiff_t>(from));
            candidate.insert(candidate.end(),
                             best.begin() +
                                 static_cast<std::ptrdiff_t>(std::min(best.size(), from + chunk)),
                             best.end());
            if (reproduces(candidate)) {
                best = std::move(candidate);
                dropped = true;
                break;
            }
        }
        if (dropped) {
            parts = std::max<std::size_t>(parts - 1, 2);
        } else if (chunk == 1) {
            break; // no single event can go
        } else {
            parts = std::min(best.size(), parts * 2);
        }
    }
    return best;
}

std::string describe(const std::vector<Event>& events, const ExtraCheck& extra) {
    const Outcome o = play(events, true, extra);
    std::ostringstream s;
    for (const std::string& line : o.log) {
        s << "  " << line << "\n";
    }
    if (o.violation) {
        s << "  => " << o.violation->invariant;
        if (!o.violation->detail.empty()) {
            s << ": " << o.violation->detail;
        }
        s << "\n";
    }
    return s.str();
}

} // namespace zifferon::test::monkey
