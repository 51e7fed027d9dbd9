// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "AllocationCounter.h"
#include "WorkedSheets.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace zifferon::bench {

// Builds a sheet; a sheet that does not come out as expected skips the
// benchmark with the reason instead of measuring something else.
template <typename Make> bool prepare(benchmark::State& state, Worksheet& sheet, Make make) {
    try {
        make(sheet);
        return true;
    } catch (const SheetError& e) {
        state.SkipWithError(e.what());
        return false;
    }
}

// Counts the operator new calls between construction and report().
class AllocationsPerIteration {
  public:
    AllocationsPerIteration() : start_(allocationCount()) {}
    void report(benchmark::State& state, const char* name = "allocs/iter") const {
        state.counters[name] = benchmark::Counter(static_cast<double>(allocationCount() - start_),
                                                  benchmark::Counter::kAvgIterations);
    }

  private:
    std::uint64_t start_;
};

// Name prefix of the benchmarks whose time the idle-pass budget applies to.
inline constexpr const char* kIdlePassPrefix = "TrackerPass/idle/";
inline constexpr double kIdlePassBudgetNs = 1000.0;

// The class overview of 1,000 task files, in real time: the teacher waits
// for the files to be read, not for the CPU.
inline constexpr const char* kOverviewName = "ClassOverview/read_1000_files";
inline constexpr double kOverviewBudgetNs = 1e9;

} // namespace zifferon::bench
