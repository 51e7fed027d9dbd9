// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// One pass of the progress tracker, as every tick of Timer1 runs it.

#include "BenchSupport.h"

#include "tracker/ProgressTracker.h"

namespace zifferon::bench {

namespace {

// A pass over a sheet that needs nothing: the pass the timer runs all the
// time while the pupil thinks. It must leave the sheet exactly as it was.
void idlePass(benchmark::State& state, void (*make)(Worksheet&)) {
    Worksheet sheet;
    if (!prepare(state, sheet, make)) {
        return;
    }
    Form1& form = sheet.form;
    const std::uint64_t revision = form.revision();
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        trackProgress(form);
        benchmark::ClobberMemory();
    }
    allocations.report(state, "allocs/pass");
    state.counters["passes/s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    if (form.revision() != revision) {
        state.SkipWithError("the pass changed the sheet: it is not idle");
    }
}

// The pupil types into kontrolle7 while its quotient cell resultat(3) is
// still empty; the pass empties the row again. One iteration is the
// keystroke (a cell write with its change rule) and the pass.
void passEmptiesGuardedRow(benchmark::State& state) {
    Worksheet sheet;
    if (!prepare(state, sheet, makeHalfWorked)) {
        return;
    }
    Form1& form = sheet.form;
    const ControlId cell = ctl::workRow(6, 1);
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        form.setText(cell, U"5");
        trackProgress(form);
    }
    allocations.report(state);
    if (!form.text(cell).empty() || form.visible(ctl::info(6))) {
        state.SkipWithError("the guarded row was not emptied");
    }
}

// A row written for the first time shows its label as "korrekt?"; emptied
// again, the label is hidden. Iterations alternate between the two, each a
// cell write and a pass that changes the label.
void passTogglesLabel(benchmark::State& state) {
    Worksheet sheet;
    if (!prepare(state, sheet, [](Worksheet& s) {
            makeFresh(s);
            test::Pupil(s).type(U"8"); // quotient digit: kontrolle1 may be written
        })) {
        return;
    }
    Form1& form = sheet.form;
    const ControlId cell = ctl::workRow(0, 5);
    const ControlId label = ctl::info(0);
    bool write = true;
    int wrongStates = 0;
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        form.setText(cell, write ? TextView(U"9") : TextView());
        trackProgress(form);
        wrongStates += form.visible(label) != write;
        write = !write;
    }
    allocations.report(state);
    if (wrongStates != 0) {
        state.SkipWithError("info(0) did not follow the row");
    }
}

// The remainder of step 1 is judged and resultat(2) is blank: a pupil who
// clicks into another cell gets the focus pulled back by the next pass.
void passPullsFocusBack(benchmark::State& state) {
    Worksheet sheet;
    if (!prepare(state, sheet, makeTwoStepsDone)) {
        return;
    }
    Form1& form = sheet.form;
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        form.setFocus(ctl::workRow(4, 3));
        trackProgress(form);
    }
    allocations.report(state);
    if (form.focus() != ctl::resultat(2)) {
        state.SkipWithError("the focus was not pulled back to resultat(2)");
    }
}

} // namespace

BENCHMARK_CAPTURE(idlePass, fresh, makeFresh)->Name("TrackerPass/idle/fresh");
BENCHMARK_CAPTURE(idlePass, half_worked, makeHalfWorked)->Name("TrackerPass/idle/half_worked");
BENCHMARK_CAPTURE(idlePass, finished, makeFinished)->Name("TrackerPass/idle/finished");
BENCHMARK(passEmptiesGuardedRow)->Name("TrackerPass/writes/keystroke_into_guarded_row");
BENCHMARK(passTogglesLabel)->Name("TrackerPass/writes/label_shown_or_hidden");
BENCHMARK(passPullsFocusBack)->Name("TrackerPass/writes/focus_pulled_back");

} // namespace zifferon::bench
