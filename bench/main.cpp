// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the benchmarks, then checks the budgets. The idle tracker pass: a
// pass over a sheet where nothing changes takes less than 1 microsecond of
// CPU time (median over repetitions) and allocates nothing. CPU time is the
// thread's own clock: other processes competing for the cores inflate the
// real time, not the work of the pass; the real time is printed alongside.
// The class overview: 1,000 task files read in less than 1 s of real time
// (the teacher waits for the file system as well).
// Exit status 1 when a budget is missed.
//
// Besides Google Benchmark's own flags: --idle_pass_budget_ns=N sets another
// time budget (for a slower or faster machine, or to see the check fail).

#include "BenchSupport.h"

#include "tracker/ProgressTracker.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zifferon::bench {

namespace {

double toNanoseconds(double value, benchmark::TimeUnit unit) {
    switch (unit) {
    case benchmark::kNanosecond:
        return value;
    case benchmark::kMicrosecond:
        return value * 1e3;
    case benchmark::kMillisecond:
        return value * 1e6;
    case benchmark::kSecond:
        return value * 1e9;
    }
    return value;
}

double g_budgetNs = kIdlePassBudgetNs;

// Passes the runs on to the usual reporter and keeps the CPU and real time
// per iteration of every idle-pass run.
class BudgetReporter : public benchmark::BenchmarkReporter {
  public:
    explicit BudgetReporter(std::unique_ptr<benchmark::BenchmarkReporter> inner)
        : inner_(std::move(inner)) {}

    bool ReportContext(const Context& context) override { return inner_->ReportContext(context); }

    void ReportRuns(const std::vector<Run>& runs) override {
        inner_->ReportRuns(runs);
        for (const Run& run : runs) {
            // The name without an aggregate suffix such as "_median".
            const std::string name = run.run_name.str();
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median) {
                continue;
            }
            if (name.rfind(kOverviewName, 0) == 0) { // ".../real_time"
                overview_.error = run.error_occurred ? run.error_message : overview_.error;
                Times& times = median ? overview_.aggregateMedian : overview_.repetitions;
                times.realNs.push_back(toNanoseconds(run.GetAdjustedRealTime(), run.time_unit));
                continue;
            }
            if (name.rfind(kIdlePassPrefix, 0) != 0) {
                continue;
            }
            Idle& idle = idle_[name];
            if (run.error_occurred) {
                idle.error = run.error_message;
                continue;
            }
            // With --benchmark_report_aggregates_only only the aggregates
            // arrive: then the median stands for the repetitions.
            Times& times = median ? idle.aggregateMedian : idle.repetitions;
            times.cpuNs.push_back(toNanoseconds(run.GetAdjustedCPUTime(), run.time_unit));
            times.realNs.push_back(toNanoseconds(run.GetAdjustedRealTime(), run.time_unit));
            const auto allocs = run.counters.find("allocs/pass");
            if (allocs != run.counters.end()) {
                idle.allocationsPerPass = std::max(idle.allocationsPerPass, allocs->second.value);
            }
        }
    }

    void Finalize() override { inner_->Finalize(); }

    // The overview of 1,000 files against its budget, on the median real
    // time; true when it did not run (filter).
    bool overviewVerdict(std::ostream& out) const {
        const Times& times = overview_.repetitions.realNs.empty() ? overview_.aggregateMedian
                                                                  : overview_.repetitions;
        if (!overview_.error.empty() || times.realNs.empty()) {
            if (!overview_.error.empty()) {
                out << "BUDGET FAIL " << kOverviewName << ": " << overview_.error << "\n";
            }
            return overview_.error.empty();
        }
        const double median = medianOf(times.realNs);
        const bool ok = median < kOverviewBudgetNs;
        char line[256];
        std::snprintf(line, sizeof line, "%s %s: %.1f ms real time (budget %.0f ms)\n",
                      ok ? "BUDGET OK  " : "BUDGET FAIL", kOverviewName, median / 1e6,
                      kOverviewBudgetNs / 1e6);
        out << line;
        return ok;
    }

    // Prints one line per idle benchmark; false when any misses the budget.
    bool verdict(std::ostream& out) const {
        if (idle_.empty()) {
            out << "BUDGET NOT CHECKED: no " << kIdlePassPrefix << "* benchmark ran (filter)\n";
            return true;
        }
        bool ok = true;
        for (const auto& [name, idle] : idle_) {
            const Times& times =
                idle.repetitions.cpuNs.empty() ? idle.aggregateMedian : idle.repetitions;
            if (!idle.error.empty() || times.cpuNs.empty()) {
                out << "BUDGET FAIL " << name << ": not measured (" << idle.error << ")\n";
                ok = false;
                continue;
            }
            const double median = medianOf(times.cpuNs);
            const bool timeOk = median < g_budgetNs;
            const bool allocOk = idle.allocationsPerPass == 0.0;
            char line[256];
            std::snprintf(line, sizeof line,
                          "%s %s: %.1f ns CPU per pass (budget %.0f ns, %.0f%% of it; "
                          "real time %.1f ns), %.3g allocations per pass\n",
                          timeOk && allocOk ? "BUDGET OK  " : "BUDGET FAIL", name.c_str(), median,
                          g_budgetNs, 100.0 * median / g_budgetNs, medianOf(times.realNs),
                          idle.allocationsPerPass);
            out << line;
            ok = ok && timeOk && allocOk;
        }
        return ok;
    }

  private:
    static double medianOf(std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }

    struct Times {
        std::vector<double> cpuNs; // per pass, one per repetition
        std::vector<double> realNs;
    };
    struct Idle {
        Times repetitions;
        Times aggregateMedian;
        double allocationsPerPass = 0.0;
        std::string error;
    };
    std::unique_ptr<benchmark::BenchmarkReporter> inner_;
    std::map<std::string, Idle> idle_;
    Idle overview_;
};

// An exact count, apart from the timing runs: many passes over each idle
// sheet must allocate nothing and change nothing.
bool checkIdleAllocations(std::ostream& out) {
    constexpr int kPasses = 100000;
    struct Case {
        const char* name;
        void (*make)(Worksheet&);
    };
    const Case cases[] = {
        {"fresh", makeFresh}, {"half_worked", makeHalfWorked}, {"finished", makeFinished}};
    bool ok = true;
    for (const Case& c : cases) {
        Worksheet sheet;
        try {
            c.make(sheet);
        } catch (const SheetError& e) {
            out << "BUDGET FAIL idle pass, " << c.name << " sheet: " << e.what() << "\n";
            ok = false;
            continue;
        }
        const std::uint64_t revision = sheet.form.revision();
        const std::uint64_t before = allocationCount();
        for (int i = 0; i < kPasses; ++i) {
            trackProgress(sheet.form);
        }
        const std::uint64_t allocations = allocationCount() - before;
        const bool unchanged = sheet.form.revision() == revision;
        const bool good = allocations == 0 && unchanged;
        out << (good ? "BUDGET OK   " : "BUDGET FAIL ") << "idle pass, " << c.name
            << " sheet: " << allocations << " allocations in " << kPasses << " passes"
            << (unchanged ? ", sheet unchanged" : ", the pass CHANGED the sheet") << "\n";
        ok = ok && good;
    }
    return ok;
}

// Takes --idle_pass_budget_ns=N out of the arguments; false when malformed.
bool takeBudgetFlag(int& argc, char** argv) {
    constexpr const char* kFlag = "--idle_pass_budget_ns=";
    int kept = 1;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kFlag, std::strlen(kFlag)) == 0) {
            char* end = nullptr;
            g_budgetNs = std::strtod(argv[i] + std::strlen(kFlag), &end);
            ok = ok && end && *end == '\0' && g_budgetNs > 0;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return ok;
}

bool wantsJson(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--benchmark_format=json") == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

} // namespace zifferon::bench

int main(int argc, char** argv) {
    using namespace zifferon::bench;
    if (!takeBudgetFlag(argc, argv)) {
        std::cerr << "--idle_pass_budget_ns wants a positive number of nanoseconds\n";
        return 2;
    }
    const bool json = wantsJson(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    // The verdict lines go where they do not spoil a JSON report.
    std::ostream& out = json ? std::cerr : std::cout;

    std::unique_ptr<benchmark::BenchmarkReporter> inner;
    if (json) {
        inner = std::make_unique<benchmark::JSONReporter>();
    } else {
        inner = std::make_unique<benchmark::ConsoleReporter>(
            isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Color
                                  : benchmark::ConsoleReporter::OO_None);
    }
    BudgetReporter reporter(std::move(inner));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    out << "\n";
    const bool allocationsOk = checkIdleAllocations(out);
    const bool timeOk = reporter.verdict(out);
    if (!(allocationsOk && timeOk)) {
        out << "BUDGET FAIL: the idle tracker pass misses its budget\n";
        return 1;
    }
    if (!reporter.overviewVerdict(out)) {
        out << "BUDGET FAIL: reading 1,000 task files for the class overview misses its budget\n";
        return 1;
    }
    return 0;
}
