// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tracker/CheckLineTracker.h"

#include "check/SheetReading.h"
#include "check/SheetTask.h"
#include "sheet/Catalogue.h"

namespace zifferon {

namespace {

// Like the pass over the rows, this writes only what changes, and makes the
// captions (which allocate) only when a line comes into sight.

bool isKorrekt(const Form1& form, CheckLine line) {
    return form.lineVerdict(line) == Verdict::Korrekt;
}

void setShown(Form1& form, std::initializer_list<ControlId> controls, bool on) {
    for (ControlId id : controls) {
        form.setVisible(id, on);
    }
}

// The verdict label of a line: "korrekt?" once something is written while
// the line is open; a verdict stays while the pupil corrects the line. A
// line closed before it was checked drops its prompt.
void labelLine(Form1& form, CheckLine line, bool written, bool open) {
    const ControlId label = ctl::pruefung(line);
    if (written && open && !form.visible(label)) {
        form.showLineVerdict(line, Verdict::Pending);
        form.setToolTip(label, TextView{});
    }
    const bool waiting = form.lineVerdict(line) == Verdict::Pending;
    form.setVisible(label, (written && (open || !waiting)) || isKorrekt(form, line));
}

bool written(const Form1& form, ControlId box) {
    return !isEmpty(form.text(box));
}

// A focus left in a box that has just been locked goes on to where the
// pupil writes next.
void moveOnFrom(Form1& form, ControlId lockedBox, ControlId next) {
    if (form.focus() == lockedBox && !form.enabled(lockedBox)) {
        form.setFocus(next);
    }
}

void trackUeberschlag(Form1& form, const SheetTask& task) {
    const bool shown = task.workable();
    if (shown && !form.visible(ctl::Label6)) {
        form.setCaption(ctl::Label6, say(Msg::EstimateQuestion));
        form.setCaption(ctl::Label7, say(Msg::EstimateAbout));
    }
    setShown(form, {ctl::Label6, ctl::Label7, ctl::stellen, ctl::etwa}, shown);
    const bool done = isKorrekt(form, CheckLine::Ueberschlag);
    const ControlId first = ctl::resultat(0);
    // The estimate comes before the first quotient digit: once that is
    // written, the line closes.
    const bool open = shown && !done && isEmpty(form.text(first)) && !form.visible(ctl::Label4);
    form.setEnabled(ctl::stellen, open);
    form.setEnabled(ctl::etwa, open);
    labelLine(form, CheckLine::Ueberschlag, written(form, ctl::stellen) || written(form, ctl::etwa),
              open);

    if (shown && form.demands().ueberschlag && form.verdict(0) != Verdict::Korrekt) {
        // The first quotient cell opens only after a right Überschlag.
        const bool wait = !done && isEmpty(form.text(first));
        form.setEnabled(first, !wait);
        if (wait && form.focus() == first) {
            form.setFocus(ctl::stellen);
        }
    }
    moveOnFrom(form, ctl::etwa, first);
    moveOnFrom(form, ctl::stellen, first);
}

void trackProbe(Form1& form, const SheetTask& task) {
    const bool shown = task.workable() && form.visible(ctl::Label4);
    if (shown && !form.visible(ctl::probe(0))) {
        const WorkedSolution& s = task.solution;
        form.setCaption(ctl::Label8, say(Msg::ProbeTimesCaption,
                                         {numberText(s.quotient), numberText(task.divisor)}));
        form.setCaption(ctl::Label9, say(Msg::ProbePlusCaption, {numberText(s.remainder)}));
    }
    setShown(form, {ctl::Label8, ctl::Label9, ctl::probe(0), ctl::probe(1), ctl::probe(2)}, shown);
    const bool firstDone = isKorrekt(form, CheckLine::ProbeMal);
    const bool done = isKorrekt(form, CheckLine::ProbePlus);
    const bool firstOpen = shown && !firstDone;
    const bool secondOpen = shown && firstDone && !done;
    form.setEnabled(ctl::probe(0), firstOpen);
    form.setEnabled(ctl::probe(1), secondOpen);
    form.setEnabled(ctl::probe(2), secondOpen);
    labelLine(form, CheckLine::ProbeMal, written(form, ctl::probe(0)), firstOpen);
    labelLine(form, CheckLine::ProbePlus,
              written(form, ctl::probe(1)) || written(form, ctl::probe(2)), secondOpen);

    moveOnFrom(form, ctl::probe(0), ctl::probe(1));
    // A sheet that asks for the Probe takes the focus there from the
    // finished calculation.
    if (form.demands().probe && (firstOpen || secondOpen) && isCell(form.focus().kind)) {
        form.setFocus(firstOpen ? ctl::probe(0) : ctl::probe(1));
    }
}

} // namespace

void trackCheckLines(Form1& form, const SheetTask& task) {
    trackUeberschlag(form, task);
    trackProbe(form, task);
}

} // namespace zifferon
