// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The row solver and the check command, on each kind of row of 987654 : 12.

#include "BenchSupport.h"
#include "SheetText.h"

#include "check/RowCheck.h"
#include "check/RowSolver.h"

namespace zifferon::bench {

namespace {

bool judged(benchmark::State& state, const JudgeResult& result) {
    if (result.outcome != JudgeOutcome::Judged) {
        state.SkipWithError("SolveRow did not judge the row");
        return false;
    }
    return true;
}

// A row judged again with its verdict standing: the solver reads the row and
// the number above it and writes nothing new.
void solveSameVerdict(benchmark::State& state, int row) {
    Worksheet sheet;
    if (!prepare(state, sheet, makeFinished)) {
        return;
    }
    Form1& form = sheet.form;
    const std::uint64_t revision = form.revision();
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        const JudgeResult result = SolveRow(form, row);
        benchmark::DoNotOptimize(result);
    }
    allocations.report(state);
    if (!judged(state, SolveRow(form, row))) {
        return;
    }
    if (form.revision() != revision || form.caption(ctl::info(row)) != texts::Korrekt) {
        state.SkipWithError("judging a right row again changed the sheet");
    }
}

// The verdict changes on every call: iterations alternate one cell between
// the right and a wrong digit (one cell write), and the solver writes
// "korrekt" on light green or "Fehler" on light red in turn.
void solveVerdictFlips(benchmark::State& state, int row, ControlId cell, TextView right,
                       TextView wrong) {
    Worksheet sheet;
    if (!prepare(state, sheet, makeFinished)) {
        return;
    }
    Form1& form = sheet.form;
    bool useRight = false;
    int wrongVerdicts = 0;
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        form.setText(cell, useRight ? right : wrong);
        const JudgeResult result = SolveRow(form, row);
        wrongVerdicts += result.judgement.right != useRight;
        useRight = !useRight;
    }
    allocations.report(state);
    if (wrongVerdicts != 0) {
        state.SkipWithError("a verdict did not follow the digit");
    }
}

// Quotient digit 0 of step 3: the solver writes a 0 under each written
// column of the remainder row above, then judges the zeros. Each iteration
// empties the two cells first (two cell writes), so the zeros are really
// written every time.
void solveZeroFillWrites(benchmark::State& state) {
    Worksheet sheet;
    if (!prepare(state, sheet, makeFinished)) {
        return;
    }
    Form1& form = sheet.form;
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        form.setText(ctl::workRow(6, 2), U"");
        form.setText(ctl::workRow(6, 1), U"");
        const JudgeResult result = SolveRow(form, 6);
        benchmark::DoNotOptimize(result);
    }
    allocations.report(state);
    if (test::rowText(form, 7) != "...00." || !judged(state, SolveRow(form, 6)) ||
        !SolveRow(form, 6).judgement.zeroFilled) {
        state.SkipWithError("the zero row was not written back");
    }
}

// The check of a right row: judge, then lock the row (already locked).
void checkRightRow(benchmark::State& state) {
    Worksheet sheet;
    if (!prepare(state, sheet, makeFinished)) {
        return;
    }
    Form1& form = sheet.form;
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        CheckRow(form, 4);
    }
    allocations.report(state);
    if (form.caption(ctl::info(4)) != texts::Korrekt || form.enabled(ctl::workRow(4, 2))) {
        state.SkipWithError("the right row is not locked");
    }
}

// The check of a wrong product (35 instead of 36): every call counts one
// more error into fehler(4).
void checkWrongRow(benchmark::State& state) {
    Worksheet sheet;
    if (!prepare(state, sheet, [](Worksheet& s) {
            makeHalfWorked(s);
            test::Pupil(s).type(U"5");
        })) {
        return;
    }
    Form1& form = sheet.form;
    const AllocationsPerIteration allocations;
    for (auto _ : state) {
        CheckRow(form, 4);
    }
    allocations.report(state);
    const Text expected = decimalText(static_cast<long long>(state.iterations()));
    if (form.caption(ctl::info(4)) != texts::Fehler || form.caption(ctl::fehler(4)) != expected) {
        state.SkipWithError("the error count does not match the number of checks");
    }
}

} // namespace

// Row 4: product 36 of quotient digit 3 under "36"; row 3: remainder 3 of
// 27 - 24; row 6: the zeros of quotient digit 0.
BENCHMARK_CAPTURE(solveSameVerdict, product, 4)->Name("SolveRow/product_row/same_verdict");
BENCHMARK_CAPTURE(solveVerdictFlips, product, 4, ctl::resultat(2), U"3", U"2")
    ->Name("SolveRow/product_row/verdict_flips");
BENCHMARK_CAPTURE(solveSameVerdict, remainder, 3)->Name("SolveRow/remainder_row/same_verdict");
BENCHMARK_CAPTURE(solveVerdictFlips, remainder, 3, ctl::workRow(3, 3), U"3", U"4")
    ->Name("SolveRow/remainder_row/verdict_flips");
BENCHMARK_CAPTURE(solveSameVerdict, zero_fill, 6)->Name("SolveRow/zero_fill_row/zeros_stand");
BENCHMARK(solveZeroFillWrites)->Name("SolveRow/zero_fill_row/writes_zeros");
BENCHMARK(checkRightRow)->Name("CheckRow/right_row");
BENCHMARK(checkWrongRow)->Name("CheckRow/wrong_row_counts_error");

} // namespace zifferon::bench
