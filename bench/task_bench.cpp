// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Taking a task into the sheet, and the 23 records of a task file.

#include "BenchSupport.h"

#include "task/TaskEntry.h"
#include "taskfile/TaskRecords.h"

#include <algorithm>

namespace zifferon::bench {

namespace {

bool sheetIsReset(const Form1& form) {
    for (int n = 1; n <= kWorkRows; ++n) {
        for (int c = 0; c < kRowCells; ++c) {
            const ControlId cell = ctl::workRow(n - 1, c);
            if (!form.text(cell).empty() || !form.enabled(cell)) {
                return false;
            }
        }
        if (form.visible(ctl::info(n - 1))) {
            return false;
        }
    }
    return form.focus() == ctl::resultat(0) && !form.visible(ctl::Label4);
}

// "Eingabe" with another task each time (987654 : 12, then 123456 : 789):
// the top line is rewritten, the rest of the sheet is already reset.
void enterTaskAlternating(benchmark::State& state) {
    Worksheet sheet;
    if (!prepare(state, sheet, makeFresh)) {
        return;
    }
    Form1& form = sheet.form;
    bool first = true;
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        form.setText(ctl::Text1, first ? kDividend : TextView(U"123456"));
        form.setText(ctl::Text2, first ? kDivisor : TextView(U"789"));
        takeTaskIn(form);
        first = !first;
    }
    allocations.report(state);
    if (!sheetIsReset(form)) {
        state.SkipWithError("the sheet is not reset");
    }
}

// "Eingabe" over a finished sheet: every written cell, label and lock is
// reset. The finished state is put back between iterations (paused) by
// loading its records; see PauseResume/overhead for what pausing costs.
void enterTaskOverFinished(benchmark::State& state) {
    Worksheet sheet;
    if (!prepare(state, sheet, makeFinished)) {
        return;
    }
    Form1& form = sheet.form;
    const TaskFileBytes finished = writeTaskRecords(form);
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        takeTaskIn(form);
        state.PauseTiming();
        if (!sheetIsReset(form)) {
            state.SkipWithError("the sheet is not reset");
            break;
        }
        applyTaskRecords(form, finished);
        state.ResumeTiming();
    }
    allocations.report(state, "allocs/iter (with reload)");
}

// Reference for the benchmark above: a loop that only pauses and resumes.
void pauseResumeOverhead(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        state.ResumeTiming();
    }
}

// Saving: the finished sheet as 23 records of 128 bytes.
void writeRecords(benchmark::State& state) {
    Worksheet sheet;
    if (!prepare(state, sheet, makeFinished)) {
        return;
    }
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        TaskFileBytes bytes = writeTaskRecords(sheet.form);
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    allocations.report(state);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kTaskFileSize));
}

// Loading without the file: the reset of "Eingabe", then the 23 records put
// onto the sheet. Afterwards the sheet must give the same records back.
void readRecords(benchmark::State& state) {
    Worksheet source;
    Worksheet sheet;
    if (!prepare(state, source, makeFinished) || !prepare(state, sheet, makeFresh)) {
        return;
    }
    const TaskFileBytes bytes = writeTaskRecords(source.form);
    Form1& form = sheet.form;
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        takeTaskIn(form);
        applyTaskRecords(form, bytes);
    }
    allocations.report(state);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kTaskFileSize));
    const TaskFileBytes again = writeTaskRecords(form);
    if (!std::equal(again.begin(), again.end(), bytes.begin())) {
        state.SkipWithError("the loaded sheet does not give its records back");
    }
}

} // namespace

BENCHMARK(enterTaskAlternating)->Name("EnterTask/alternating_tasks");
BENCHMARK(enterTaskOverFinished)->Name("EnterTask/over_finished_sheet");
BENCHMARK(pauseResumeOverhead)->Name("PauseResume/overhead");
BENCHMARK(writeRecords)->Name("TaskRecords/write_23");
BENCHMARK(readRecords)->Name("TaskRecords/reset_and_read_23");

} // namespace zifferon::bench
