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
}

void Worksheet::afterEvent() {
    if (form.timer1Enabled()) {
        Timer1_Timer(form);
    }
}

void Worksheet::keyDown(ControlId control, int keyCode, int shift) {
    keyInProgress_ = true;
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
        break;
    case Kind::Command2:
        Command2_Click(form, random_);
        break;
    case Kind::Info:
        info_Click(form, control.index);
        break;
    case Kind::Label3:
        Label3_Click(form, control.index);
        break;
    default:
        return;
    }
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
    if (form.revision() != before) {
        coach_.restart();
    }
    afterEvent();
}

void Worksheet::save(const TaskFileServices& services) {
    mSpeichern_Click(form, services);
    afterEvent();
}

Hint Worksheet::askForHint() {
    return coach_.press(form);
}

void Worksheet::tick() {
    afterEvent();
}

} // namespace zifferon
