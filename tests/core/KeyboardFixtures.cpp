#include "KeyboardFixtures.h"

#include "input/CellInput.h"
#include "tracker/ProgressTracker.h"

namespace zifferon::test {

void keyDown(Form1& form, ControlId cell, int keyCode, int shift) {
    if (cell.kind == Kind::Resultat) {
        resultat_KeyDown(form, cell.index, keyCode, shift);
    } else if (isKontrolle(cell.kind)) {
        kontrolle_KeyDown(form, kontrolleNumber(cell.kind), cell.index, keyCode, shift);
    }
}

void pressKey(Form1& form, int keyCode) {
    keyDown(form, form.focus(), keyCode);
}

int keyCodeOf(char32_t ch) {
    if ((ch >= U'0' && ch <= U'9') || (ch >= U'A' && ch <= U'Z') || ch == U' ') {
        return static_cast<int>(ch);
    }
    if (ch >= U'a' && ch <= U'z') {
        return static_cast<int>(ch - U'a' + U'A');
    }
    return 0;
}

void typeChar(Form1& form, char32_t ch, Caret caret) {
    const ControlId target = form.focus();
    keyDown(form, target, keyCodeOf(ch));
    if (!form.enabled(target)) {
        return; // a locked cell takes no characters
    }
    Text t = form.text(target);
    if (caret == Caret::Start) {
        t.insert(t.begin(), ch);
    } else {
        t.push_back(ch);
    }
    form.setText(target, t);
}

void typeChars(Form1& form, std::u32string_view chars) {
    for (char32_t ch : chars) {
        typeChar(form, ch);
    }
}

void backspace(Form1& form) {
    const ControlId target = form.focus();
    keyDown(form, target, kVkBackspace);
    if (!form.enabled(target)) {
        return;
    }
    Text t = form.text(target);
    if (!t.empty()) {
        t.pop_back();
    }
    form.setText(target, t);
}

void tick(Form1& form, int count) {
    for (int i = 0; i < count; ++i) {
        Timer1_Timer(form);
    }
}

} // namespace zifferon::test
