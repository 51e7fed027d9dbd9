// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tasks of a worksheet to hand out: drawn the way "nächste Aufgabe" draws
// them, from a source that follows the sheet's number, so the same number
// and limits give the same sheet again. Only tasks the grid can finish are
// kept (at most five quotient digits) whose dividend is not below the
// divisor, each task once.

#include "check/WorkedSolution.h"
#include "sheet/Failure.h"
#include "sheet/Form1.h"
#include "task/TaskKind.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zifferon {

inline constexpr int kHandoutMinTasks = 1;
inline constexpr int kHandoutMaxTasks = 20;
inline constexpr int kHandoutDefaultTasks = 8;
inline constexpr std::uint32_t kHandoutMaxSeed = 999999;
// One digit gives dividends below every divisor (from 11): no task at all.
inline constexpr int kHandoutMinDividendDigits = 2;

struct HandoutSettings {
    int tasks = kHandoutDefaultTasks;
    int dividendDigits = 4; // the digit limits of "nächste Aufgabe": 2..6
    int divisorDigits = 2;  // 2..3
    std::uint32_t seed = 1; // the sheet's number: 0..kHandoutMaxSeed
    TaskKind kind = TaskKind::Gemischt;
};

// The settings of a practice sheet for a kind of mistake: the kind of task
// that practises it, the dividend limit raised to what that kind needs.
HandoutSettings practiceSettings(HandoutSettings settings, MistakeKind mistake);

struct HandoutTask {
    long dividend = 0;
    long divisor = 0;
    WorkedSolution solution;
};

// Why no sheet can be made with these settings; nothing when one can.
Problem handoutProblem(const HandoutSettings& settings);

struct HandoutDraw {
    std::vector<HandoutTask> tasks;
    Problem problem; // nothing when all tasks were drawn
};

HandoutDraw drawHandout(const HandoutSettings& settings);

// "9434 : 13" and the answer key's "9434 : 13 = 725 Rest 9" (no remainder
// named when it is 0).
std::string taskLine(const HandoutTask& task);
std::string solutionLine(const HandoutTask& task);

// The answer key's Überschlag of the task, "Überschlag: 3 Stellen, etwa 700"
// (the first quotient digit in its place), and its Probe, "Probe: 725 · 13 =
// 9425" and "9425 + 9 = 9434".
std::string estimateLine(const HandoutTask& task);
std::array<std::string, 2> probeLines(const HandoutTask& task);

// The task typed into the number boxes and taken into the grid ("Eingabe").
void enterHandoutTask(Form1& form, const HandoutTask& task);

} // namespace zifferon
