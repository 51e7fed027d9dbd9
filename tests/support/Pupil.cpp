// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Pupil.h"

#include "input/KeyCodes.h"

#include <string>

namespace zifferon::test {

namespace {

// The key of a typed character: digits and letters their ASCII (upper-case)
// code, a space 32, anything else 0 (a key the cells treat like any other).
int keyCodeOf(char32_t ch) {
    if ((ch >= U'0' && ch <= U'9') || (ch >= U'A' && ch <= U'Z') || ch == U' ') {
        return static_cast<int>(ch);
    }
    if (ch >= U'a' && ch <= U'z') {
        return static_cast<int>(ch - U'a' + U'A');
    }
    return vk::None;
}

} // namespace

bool Pupil::textSelected() const {
    const ControlId focus = sheet_.form.focus();
    return (focus.kind == Kind::Resultat || isKontrolle(focus.kind)) && focus != caretIn_;
}

template <typename Edit> void Pupil::key(int keyCode, Edit edit) {
    Form1& form = sheet_.form;
    const ControlId target = form.focus();
    const bool selected = textSelected();
    sheet_.keyDown(target, keyCode);
    if (isTextBox(target.kind) && form.enabled(target)) {
        Text text = form.text(target);
        if (edit(text, selected)) {
            sheet_.edited(target, text);
        }
    }
    sheet_.keyDone();
    caretIn_ = form.focus() == target ? target : ControlId{};
}

void Pupil::type(char32_t ch, Caret caret) {
    key(keyCodeOf(ch), [&](Text& t, bool selected) {
        if (selected) {
            t.clear();
        }
        t.insert(caret == Caret::Start ? t.begin() : t.end(), ch);
        return true;
    });
}

void Pupil::type(std::u32string_view chars) {
    for (char32_t ch : chars) {
        type(ch);
    }
}

void Pupil::press(int keyCode) {
    const ControlId before = sheet_.form.focus();
    const ControlId caret = caretIn_;
    key(keyCode, [](Text&, bool) { return false; });
    // A key that types nothing leaves a selection as it was.
    if (sheet_.form.focus() == before) {
        caretIn_ = caret;
    }
}

void Pupil::backspace() {
    erase(vk::Backspace, true);
}

void Pupil::del() {
    erase(vk::Delete, false);
}

void Pupil::erase(int keyCode, bool beforeCaret) {
    key(keyCode, [beforeCaret](Text& t, bool selected) {
        if (t.empty()) {
            return false;
        }
        if (selected) {
            t.clear();
        } else if (beforeCaret) {
            t.pop_back();
        } else {
            t.erase(t.begin());
        }
        return true;
    });
}

bool Pupil::click(ControlId control) {
    Form1& form = sheet_.form;
    if (isButton(control.kind) || control.kind == Kind::Label3 ||
        ((control.kind == Kind::Info || control.kind == Kind::Pruefung) && form.visible(control))) {
        sheet_.click(control);
        return true;
    }
    if (!form.canTakeFocus(control)) {
        return false;
    }
    // A click into a quotient or work cell selects its text, also in the
    // cell that has the focus already.
    caretIn_ = ControlId{};
    sheet_.focusChanged(control);
    return true;
}

void Pupil::paste(ControlId box, std::u32string_view text) {
    sheet_.edited(box, text);
}

void Pupil::enterTask(std::u32string_view dividend, std::u32string_view divisor) {
    paste(ctl::Text1, dividend);
    paste(ctl::Text2, divisor);
    click(ctl::Command1);
}

void Pupil::load(MemoryTaskFiles& files, std::optional<std::string> path) {
    files.answer(std::move(path));
    sheet_.load(files.services());
}

void Pupil::save(MemoryTaskFiles& files, std::optional<std::string> path) {
    files.answer(std::move(path));
    sheet_.saveAs(files.services());
}

void Pupil::writeNumber(int row, int column, long value) {
    const std::string digits = std::to_string(value);
    click(ctl::workRow(row, column + static_cast<int>(digits.size()) - 1));
    for (char d : digits) {
        type(static_cast<char32_t>(d));
    }
}

void Pupil::tick(int count) {
    for (int i = 0; i < count; ++i) {
        sheet_.tick();
    }
}

} // namespace zifferon::test
