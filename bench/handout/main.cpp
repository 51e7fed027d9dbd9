// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A worksheet of 20 tasks with its answer pages, the largest one the dialog
// and the command line make: drawing the tasks, rendering the PDF in
// memory, and both together. Then the budget: the whole worksheet in under
// 2 s, the median of 5 timed runs in real time (what a teacher waits), with
// the CPU time beside it. Exit status 1 when the budget is missed.
//
// Runs without a display (Qt's offscreen platform unless another is named).
// Besides Google Benchmark's own flags: --worksheet_budget_ms=N.

#include "platform/HandoutPrinter.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

using namespace zifferon;

// Six-digit dividends by three-digit divisors: the most cells to draw.
const HandoutSettings kSettings{20, 6, 3, 4711};

HandoutSheet worksheet() {
    return {drawHandout(kSettings).tasks, kSettings.seed, true};
}

void BM_DrawTwentyTasks(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(drawHandout(kSettings));
    }
}
BENCHMARK(BM_DrawTwentyTasks)->Unit(benchmark::kMillisecond);

void BM_RenderPdfWithAnswers(benchmark::State& state) {
    const HandoutSheet sheet = worksheet();
    for (auto _ : state) {
        const QByteArray pdf = HandoutPrinter().pdf(sheet, nullptr);
        if (pdf.isEmpty()) {
            state.SkipWithError("no PDF");
            return;
        }
        state.counters["kB"] = static_cast<double>(pdf.size()) / 1024.0;
    }
}
BENCHMARK(BM_RenderPdfWithAnswers)->Unit(benchmark::kMillisecond);

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    double budgetMs = 2000;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        constexpr const char* kFlag = "--worksheet_budget_ms=";
        if (std::strncmp(argv[i], kFlag, std::strlen(kFlag)) == 0) {
            budgetMs = std::stod(argv[i] + std::strlen(kFlag));
        } else {
            args.push_back(argv[i]);
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    int benchArgc = static_cast<int>(args.size());
    benchmark::Initialize(&benchArgc, args.data());
    if (benchmark::ReportUnrecognizedArguments(benchArgc, args.data())) {
        return 2;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    // The whole worksheet, as the command does it before writing files.
    std::vector<double> realMs;
    std::vector<double> cpuMs;
    std::size_t pages = 0;
    for (int run = 0; run < 5; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const double cpuStart = cpuSeconds();
        const HandoutSheet sheet = worksheet();
        const QByteArray pdf = HandoutPrinter().pdf(sheet, nullptr);
        cpuMs.push_back((cpuSeconds() - cpuStart) * 1e3);
        realMs.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        pages = pdf.isEmpty() ? 0 : static_cast<std::size_t>(HandoutPrinter::pageCount(sheet));
    }
    const bool ok = pages > 0 && median(realMs) < budgetMs;
    std::printf("%s worksheet of 20 tasks with answers (%zu pages): %.1f ms real, %.1f ms CPU "
                "(median of 5; budget %.0f ms, %.0f%% of it)\n",
                ok ? "BUDGET OK  " : "BUDGET FAIL", pages, median(realMs), median(cpuMs), budgetMs,
                100.0 * median(realMs) / budgetMs);
    return ok ? 0 : 1;
}
