// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Worksheet: the engine the window owns, and the one way events reach the
// rules.
//
//   toolkit event -> binding -> one entry point below -> the control's handler
//   on Form1 -> one pass of the progress tracker (trackProgress) while Timer1
//   is enabled -> the binding mirrors Form1 onto the widgets
//
// Every change of the sheet comes from an event, and the pass after it brings
// the sheet to rest: a second pass would change nothing. So nothing needs to
// run between events; Timer1's enabled state, kept in the model, decides
// whether the passes run at all.
//
// A key in a cell is three calls, as the toolkit delivers it: keyDown (the
// handler, which may already move the focus), edited (the key's own
// character lands in the cell where the key went down), keyDone (the pass).

#include "hints/HintCoach.h"
#include "input/CellInput.h"
#include "session/UnsavedWork.h"
#include "sheet/Announcements.h"
#include "sheet/Form1.h"
#include "task/ClockRandom.h"
#include "task/TaskKind.h"
#include "taskfile/TaskRecords.h"

#include <string>

namespace zifferon {

class RandomSource;
class TaskFileServices;

class Worksheet {
  public:
    // Random tasks come from `random`, or from the clock without one.
    explicit Worksheet(RandomSource* random = nullptr);
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    Form1 form;
    CellChangeRule rule;

    // A key went down in a control; only cells and the number boxes have key
    // handlers. The pass waits for keyDone().
    void keyDown(ControlId control, int keyCode);
    void keyDone();
    bool keyInProgress() const { return keyInProgress_; }
    // The user changed the text of a text box, by a key or a paste. A locked
    // cell takes nothing.
    void edited(ControlId box, TextView text);
    // A click on a button, a row label or a digit limit.
    void click(ControlId control);
    // The toolkit gave a control the focus (a click into it, Tab).
    void focusChanged(ControlId control);
    // "&Laden", "&Speichern" and "Speichern &unter ..."; save() writes to the
    // sheet's file once it has one and asks for a name only before; both
    // saves are true when the file was written.
    void load(const TaskFileServices& services);
    bool save(const TaskFileServices& services);
    bool saveAs(const TaskFileServices& services);
    // The task file the sheet was last loaded from or saved to; empty for a
    // new sheet ("Eingabe" makes one).
    const std::string& filePath() const { return filePath_; }
    // Whether the sheet holds work that a save would keep and that was not
    // saved since the last "Eingabe", load or save (or since the start).
    bool hasUnsavedWork() const;
    // Who is asked before unsaved work is replaced, and where a "Speichern"
    // answer saves; without a question nobody is asked. Both must outlive
    // the Worksheet or be set back to null.
    void setUnsavedWorkGuard(UnsavedWorkQuestion* question, const TaskFileServices* files);
    // Whether the sheet may be replaced: it holds no unsaved work, or the
    // user lets the work go or has it saved (and it was written).
    bool mayReplace(Replacement what);
    // "Tipp" (F1): the next stage of the hint for the step at hand.
    Hint askForHint();
    // The hint to show now; the count of hints since the last task entry or load.
    Hint shownHint() const { return coach_.shown(form); }
    int hintsUsed() const { return coach_.hintsUsed(); }
    // "Überschlag verlangen", "Probe verlangen": what the next task entered
    // asks for, and what a loaded file asks for at least.
    Form1::CheckDemands checkDemands() const { return demands_; }
    void setCheckDemands(Form1::CheckDemands demands);
    // A tick of Timer1.
    void tick();
    // The kind of task "nächste Aufgabe" draws ("Aufgabenart"); choosing a
    // kind raises the dividend's digit limit to what the kind needs.
    TaskKind taskKind() const { return taskKind_; }
    void setTaskKind(TaskKind kind);
    // What a screen reader says of the events since the last call: the
    // verdicts written and the end of the task ("" for nothing). A loaded
    // sheet is not news.
    Text takeNews() { return told_.news(form); }

  private:
    void afterEvent();
    void markSaved();
    // Writes the sheet to `path`, or to a name asked for when it is empty.
    bool saveTo(const TaskFileServices& services, const std::string& path);

    ClockRandom clock_;
    RandomSource& random_;
    HintCoach coach_;
    AnnouncedSheet told_{form};
    bool keyInProgress_ = false;
    TaskKind taskKind_ = TaskKind::Gemischt;
    Form1::CheckDemands demands_;
    // The task file the sheet was last entered, loaded or saved as.
    TaskFileBytes saved_{};
    std::string filePath_;
    UnsavedWorkQuestion* question_ = nullptr;
    const TaskFileServices* questionFiles_ = nullptr;
};

} // namespace zifferon
