// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A pupil at the window, for tests, benchmarks and the fuzzer's seeds. Every
// action goes through the Worksheet's entry points as the window's events
// do, so the tracker pass follows exactly where the window would run one (and
// only while Timer1 is enabled).

#include "MemoryTaskFiles.h"

#include "session/Worksheet.h"

#include <optional>
#include <string>
#include <string_view>

namespace zifferon::test {

// Where the caret stands in the focused box when a character is typed. In a
// quotient or work cell the focus has just arrived in (or a click went into),
// the window selects the cell's text; elsewhere the character lands at the
// caret, and the sheet's rule then keeps only what was typed.
enum class Caret { End, Start };

class Pupil {
  public:
    explicit Pupil(Worksheet& sheet) : sheet_(sheet) {}

    Worksheet& sheet() { return sheet_; }
    Form1& form() { return sheet_.form; }

    // A character typed into the focused control: the key goes down there
    // (its handler may move the focus on) and the character lands at the
    // caret of that same control (over its selected text if the focus has
    // just arrived in a cell), unless it is locked.
    void type(char32_t ch, Caret caret = Caret::End);
    void type(std::u32string_view chars);
    // A key without a character of its own (Enter, an arrow, Shift alone).
    void press(int keyCode);
    // Backspace with the caret at the end; Delete with the caret at the start.
    void backspace();
    void del();
    // A click on a button or a shown label, or into a cell or number box.
    // False when the window would not take it (a hidden label, a locked cell).
    bool click(ControlId control);
    // A text pasted over a whole box, without a key.
    void paste(ControlId box, std::u32string_view text);
    // The task pasted into the number boxes, then "Eingabe".
    void enterTask(std::u32string_view dividend, std::u32string_view divisor);
    // "&Laden" / "Speichern &unter ..." with the dialogs answering `path`
    // (nullopt: cancel).
    void load(MemoryTaskFiles& files, std::optional<std::string> path);
    void save(MemoryTaskFiles& files, std::optional<std::string> path);
    // Writes `value` into work row `row` with its units digit in `column`, as
    // typed from its first digit on.
    void writeNumber(int row, int column, long value);
    void tick(int count = 1);

  private:
    template <typename Edit> void key(int keyCode, Edit edit);
    // BackSpace or Delete: a selection goes, else the character before the
    // caret (at the end) or after it (at the start).
    void erase(int keyCode, bool beforeCaret);
    // Whether the focused cell's text is selected: the focus arrived there and
    // nothing was typed in it since (a click selects it again).
    bool textSelected() const;
    Worksheet& sheet_;
    ControlId caretIn_; // the cell typed in last, while the focus stayed there
};

} // namespace zifferon::test
