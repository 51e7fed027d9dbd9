// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/Worksheet.h"

#include "check/CheckLines.h"
#include "check/RowCheck.h"
#include "check/SheetTask.h"
#include "task/RandomTask.h"
#include "task/TaskEntry.h"
#include "taskfile/TaskFileCommands.h"
#include "tracker/ProgressTracker.h"

namespace zifferon {

Worksheet::Worksheet(RandomSource* random) : random_(random ? *random : clock_) {
    form.setCellChangeHook(
        [this](Form1& f, int row, int column) { rule.keepOneCharacter(f, row, column); });
    markSaved();
}

void Worksheet::markSaved() {
    saved_ = writeTaskRecords(form);
}

bool Worksheet::hasUnsavedWork() const {
    return writeTaskRecords(form) != saved_;
}

void Worksheet::setUnsavedWorkGuard(UnsavedWorkQuestion* question, const TaskFileServices* files) {
    question_ = question;
    questionFiles_ = files;
}

bool Worksheet::mayReplace(Replacement what) {
    if (!question_ || !hasUnsavedWork()) {
        return true;
    }
    switch (question_->ask(unsavedWorkQuestionText(what))) {
    case UnsavedWorkAnswer::Discard:
        return true;
    case UnsavedWorkAnswer::Save:
        // Only a written file lets the work go: a cancelled or failed save
        // cancels the action too.
        return questionFiles_ && save(*questionFiles_);
    case UnsavedWorkAnswer::Cancel:
        break;
    }
    return false;
}

void Worksheet::afterEvent() {
    if (form.timer1Enabled()) {
        trackProgress(form);
    }
}

void Worksheet::keyDown(ControlId control, int keyCode) {
    keyInProgress_ = true;
    // Enter in a number box takes the task into the grid, as "Eingabe" does.
    if ((control == ctl::Text1 || control == ctl::Text2) && keyCode == vk::Return) {
        click(ctl::Command1);
        return;
    }
    if (control.kind == Kind::Resultat) {
        goToProductOnEnter(form, control.index, keyCode);
    } else if (isKontrolle(control.kind)) {
        checkOrMoveInWorkRow(form, workRowOf(control.kind), control.index, keyCode);
    } else if (isCheckBox(control.kind)) {
        checkOrMoveInCheckBox(form, control, keyCode);
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
    // A typed character replaces what a quotient or work cell holds; what
    // arrives without a key (a paste) goes to the cell's change rule whole.
    if (keyInProgress_ && (box.kind == Kind::Resultat || isKontrolle(box.kind))) {
        form.setText(box, typedIntoCell(form.text(box), text));
    } else if (isCheckBox(box.kind)) {
        // The count of digits is one digit: a digit typed beside it replaces
        // it, as in a cell.
        const bool replaces = keyInProgress_ && box.kind == Kind::Stellen;
        form.setText(box, digitsOnly(replaces ? typedIntoCell(form.text(box), text) : Text(text)));
    } else {
        form.setText(box, text);
    }
    // An edit without a key (a paste from the context menu) is an event of
    // its own.
    if (!keyInProgress_) {
        afterEvent();
    }
}

void Worksheet::click(ControlId control) {
    switch (control.kind) {
    case Kind::Command1:
        // A task the sheet cannot take is refused before anything is asked.
        if (typedTask(form.text(ctl::Text1), form.text(ctl::Text2)).problem == TaskProblem::None &&
            !mayReplace(Replacement::NewTask)) {
            return;
        }
        if (!takeTaskIn(form)) {
            return; // refused: the sheet stays as it was, Label5 says why
        }
        form.setDemands(demands_);
        coach_.restart();
        afterEvent();
        markSaved();
        filePath_.clear();
        return;
    case Kind::Command2:
        drawNextTask(form, random_, taskKind_);
        break;
    case Kind::Info:
        CheckRow(form, control.index);
        break;
    case Kind::Pruefung:
        checkLine(form, checkLineOf(control));
        break;
    case Kind::Label3:
        cycleDigitLimit(form, control.index, taskKind_);
        break;
    default:
        return;
    }
    afterEvent();
}

void Worksheet::setCheckDemands(Form1::CheckDemands demands) {
    demands_ = demands;
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
    if (!mayReplace(Replacement::Load)) {
        return;
    }
    // A cancelled or refused load leaves the sheet as it was.
    const std::optional<std::string> loaded = loadTaskFileOntoSheet(form, services);
    afterEvent();
    if (loaded) {
        // A file asks for what its teacher asked for; the user's own
        // settings add to that.
        const Form1::CheckDemands fromFile = form.demands();
        form.setDemands(
            {fromFile.ueberschlag || demands_.ueberschlag, fromFile.probe || demands_.probe});
        afterEvent();
        coach_.restart();
        told_.take(form);
        markSaved();
        filePath_ = *loaded;
    }
}

bool Worksheet::save(const TaskFileServices& services) {
    return saveTo(services, filePath_);
}

bool Worksheet::saveAs(const TaskFileServices& services) {
    return saveTo(services, {});
}

bool Worksheet::saveTo(const TaskFileServices& services, const std::string& path) {
    const std::optional<std::string> written = saveSheetToTaskFile(form, services, path);
    afterEvent();
    if (written) {
        markSaved();
        filePath_ = *written;
    }
    return written.has_value();
}

Hint Worksheet::askForHint() {
    // A counted hint goes to the row the step writes next: the quotient digit
    // and its product to the product row, the remainder to its own row. A
    // hint for the Überschlag or the Probe belongs to no row.
    const int used = coach_.hintsUsed();
    Hint hint = coach_.press(form);
    if (coach_.hintsUsed() > used && isRowStep(coach_.step()->kind)) {
        const HintStep& step = *coach_.step();
        form.countHint(2 * step.step + (step.kind == StepKind::Remainder ? 1 : 0));
    }
    return hint;
}

void Worksheet::tick() {
    afterEvent();
}

} // namespace zifferon
