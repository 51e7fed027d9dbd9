// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Monkey.h"
#include "SheetText.h"

#include "sheet/Form1.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>

namespace zifferon {
namespace {

using namespace test::monkey;

// Each session is a sequence of 100,000 events from its own seed, played on a
// fresh sheet; eight take about 2 s, 4 s under the sanitizers.
// ZIFFERON_MONKEY_SESSIONS, ZIFFERON_MONKEY_EVENTS and ZIFFERON_MONKEY_SEED
// (the first session's seed) override the defaults, to explore further.
constexpr std::uint64_t kDefaultSessions = 8;
constexpr std::uint64_t kDefaultEvents = 100000;
constexpr std::uint32_t kDefaultSeed = 20240611;

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback) {
    const char* value = std::getenv(name);
    if (!value || !*value) {
        return fallback;
    }
    return std::strtoull(value, nullptr, 10);
}

std::string report(std::uint32_t seed, const std::vector<Event>& events, const Violation& v,
                   const ExtraCheck& extra = {}) {
    const std::vector<Event> shortest = shrink(events, v, 120, extra);
    return "seed " + std::to_string(seed) + ": \"" + v.invariant + "\" after event #" +
           std::to_string(v.index) + (v.detail.empty() ? "" : " (" + v.detail + ")") +
           "\nShortest event list found that reproduces it (" + std::to_string(shortest.size()) +
           " events, replayed from a fresh sheet):\n" + describe(shortest, extra) +
           "Replay the session with ZIFFERON_MONKEY_SEED=" + std::to_string(seed) +
           " ZIFFERON_MONKEY_SESSIONS=1.\n";
}

TEST(Monkey, InvariantsHoldThroughRandomSessions) {
    const auto firstSeed =
        static_cast<std::uint32_t>(fromEnvironment("ZIFFERON_MONKEY_SEED", kDefaultSeed));
    const std::uint64_t sessions = fromEnvironment("ZIFFERON_MONKEY_SESSIONS", kDefaultSessions);
    const std::uint64_t count = fromEnvironment("ZIFFERON_MONKEY_EVENTS", kDefaultEvents);
    ASSERT_GE(sessions, 1u);

    Coverage total;
    for (std::uint64_t i = 0; i < sessions; ++i) {
        const auto seed = static_cast<std::uint32_t>(firstSeed + i);
        const std::vector<Event> events = generate(seed, count);
        const Outcome outcome = play(events);
        if (outcome.violation) {
            FAIL() << report(seed, events, *outcome.violation);
        }
        const Coverage& c = outcome.coverage;
        total.tasksEntered += c.tasksEntered;
        total.korrektVerdicts += c.korrektVerdicts;
        total.fehlerVerdicts += c.fehlerVerdicts;
        total.tasksFinished += c.tasksFinished;
        total.loadsWithLockedRows += c.loadsWithLockedRows;
        total.refusedLoads += c.refusedLoads;
        total.deepestStep = std::max(total.deepestStep, c.deepestStep);
        total.refusedTasks += c.refusedTasks;
        total.oracleRows += c.oracleRows;
    }
    std::cout << "[ sessions ] " << sessions << " x " << count << " events: " << total.oracleRows
              << " rows shown korrekt held against integer division, " << total.tasksFinished
              << " tasks finished, " << total.refusedTasks << " tasks refused\n";

    // The sessions must have reached the states the invariants are about:
    // rows judged both ways and locked, tasks worked to the end, files taken
    // and refused. Bounds are a third of
    // what the default seeds reach, per 100,000 events.
    const double per = static_cast<double>(sessions * count) / 100000.0;
    EXPECT_GE(static_cast<double>(total.tasksEntered), 80 * per);
    EXPECT_GE(static_cast<double>(total.korrektVerdicts), 700 * per);
    EXPECT_GE(static_cast<double>(total.fehlerVerdicts), 1500 * per);
    EXPECT_GE(static_cast<double>(total.tasksFinished), 40 * per);
    EXPECT_GE(static_cast<double>(total.loadsWithLockedRows), 80 * per);
    EXPECT_GE(static_cast<double>(total.refusedLoads), 30 * per);
    EXPECT_GE(static_cast<double>(total.oracleRows), 1000 * per);
    if (per >= 1) {
        EXPECT_EQ(total.deepestStep, 5u);
    }
}

// A fault planted on purpose, seen once the second error of row 1 is counted:
// the monkey must find it and the shrinker cut the session down to the few
// events that cause it, none of which can be left out.
TEST(Monkey, ShrinkerCutsAPlantedFaultDownToItsCause) {
    const ExtraCheck planted = [](const Form1& form) -> std::optional<std::string> {
        if (test::leadingNumber(form.caption(ctl::fehler(1))) >= 2) {
            return "planted: second error on row 1";
        }
        return std::nullopt;
    };
    const std::vector<Event> events = generate(kDefaultSeed, 100000);
    const Outcome outcome = play(events, false, planted);
    ASSERT_TRUE(outcome.violation);
    ASSERT_EQ(outcome.violation->invariant, "planted: second error on row 1");

    const std::vector<Event> shortest = shrink(events, *outcome.violation, 120, planted);
    const std::string replay = describe(shortest, planted);
    // Far fewer events than the session took to get there.
    EXPECT_LE(shortest.size() * 10, outcome.violation->index + 1) << replay;
    const Outcome again = play(shortest, false, planted);
    ASSERT_TRUE(again.violation) << replay;
    EXPECT_EQ(again.violation->invariant, outcome.violation->invariant);
    EXPECT_EQ(again.violation->index, shortest.size() - 1);
    for (std::size_t i = 0; i < shortest.size(); ++i) {
        std::vector<Event> without = shortest;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        const Outcome o = play(without, false, planted);
        EXPECT_FALSE(o.violation && o.violation->invariant == outcome.violation->invariant)
            << "event #" << i << " is not needed:\n"
            << replay;
    }
}

} // namespace
} // namespace zifferon
