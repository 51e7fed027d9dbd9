// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/Worksheet.h"

#include "check/RowCheck.h"
#include "task/RandomTask.h"
#include "task/TaskEntry.h"
#include "taskfile/TaskFileCommands.h"
#include "tracker/ProgressTracker.h"

namespace zifferon {

Worksheet::Worksheet(RandomSource* random) : random_(random ? *random : clock_) {
    form.setCellChangeHook(
        [this](Form1& f, int n, int index) { rule.kontrolle_Change(f, n, index); });
    markSaved();
}

void Worksheet::markSaved() {
    saved_ = writeTaskRecords(form);
}

bool Worksheet::hasUnsavedWork() const {
    return writeTaskRecords(form) != saved_;
}

void Worksheet::afterEvent() {
    if (form.timer1Enabled()) {
        Timer1_Timer(form);
    }
}

void Worksheet::keyDown(ControlId control, int keyCode, int shift) {
    keyInProgress_ = true;
    // Enter in a number box takes the task into the grid, as "Eingabe" does.
    if ((control == ctl::Text1 || control == ctl::Text2) && keyCode == vk::Return) {
        click(ctl::Command1);
        return;
    }
    if (control.kind == Kind::Resultat) {
        resultat_KeyDown(form, control.index, keyCode, shift);
    } else if (isKontrolle(control.kind)) {
        kontrolle_KeyDown(form, kontrolleNumber(control.kind), control.index, keyCode, shift);
    }
}

void Worksheet::keyDone() {
    keyInProgress_ = false;
    afterEvent();
}

void Worksheet::edited(ControlId box, TextView text) {
    if (!isTextBox(box.kind) || !form.enabled(box)) {
        return;
    }
    form.setText(box, text);
    // An edit without a key (a paste from the context menu) is an event of
    // its own.
    if (!keyInProgress_) {
        afterEvent();
    }
}

void Worksheet::click(ControlId control) {
    switch (control.kind) {
    case Kind::Command1:
        Command1_Click(form);
        coach_.restart();
        afterEvent();
        markSaved();
        return;
    case Kind::Command2:
        Command2_Click(form, random_, taskKind_);
        break;
    case Kind::Info:
        info_Click(form, control.index);
        break;
    case Kind::Label3:
        Label3_Click(form, control.index, taskKind_);
        break;
    default:
        return;
    }
    afterEvent();
}

void Worksheet::setTaskKind(TaskKind kind) {
    taskKind_ = kind;
    fitDigitLimitToKind(form, kind);
    afterEvent();
}

void Worksheet::focusChanged(ControlId control) {
    if (form.focus() != control && form.setFocus(control)) {
        afterEvent();
    }
}

void Worksheet::load(const TaskFileServices& services) {
    // A load that took place changed the sheet; a cancelled or refused one did not.
    const std::uint64_t before = form.revision();
    mLaden_Click(form, services);
    const bool loaded = form.revision() != before;
    afterEvent();
    if (loaded) {
        coach_.restart();
        told_.take(form);
        markSaved();
    }
}

bool Worksheet::save(const TaskFileServices& services) {
    const bool saved = mSpeichern_Click(form, services);
    afterEvent();
    if (saved) {
        markSaved();
    }
    return saved;
}

Hint Worksheet::askForHint() {
    // A counted hint goes to the row the step writes next: the quotient digit
    // and its product to the product row, the remainder to its own row.
    const int used = coach_.hintsUsed();
    Hint hint = coach_.press(form);
    if (coach_.hintsUsed() > used) {
        const HintStep& step = *coach_.step();
        form.countHint(2 * step.step + (step.kind == StepKind::Remainder ? 1 : 0));
    }
    return hint;
}

void Worksheet::tick() {
    afterEvent();
}

} // namespace zifferon
