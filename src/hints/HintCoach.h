// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The staged hints of "Tipp": which stage the pupil has reached for the step
// the sheet is at, and how many hints were given since the last task entry
// or load. The step itself is never stored beyond telling whether it has
// changed: every answer is read from the sheet.

#include "hints/HintSteps.h"

#include <optional>

namespace zifferon {

class HintCoach {
  public:
    // A press of "Tipp": the next stage for the current step; a step other
    // than the one of the last press starts again at stage 1. Presses beyond
    // the last stage repeat it and are not counted; with no step to help with
    // (no task, task finished) nothing is counted.
    Hint press(const Form1& form);

    // The hint to show now: the stage reached for the current step, none once
    // the sheet has moved on to another step.
    Hint shown(const Form1& form) const;

    // A task was entered or loaded: no hint shown, the count starts at 0.
    void restart();

    int hintsUsed() const { return used_; }
    // The step of the last press; none before the first or after restart().
    const std::optional<HintStep>& step() const { return step_; }

  private:
    std::optional<HintStep> step_;
    int stage_ = 0;
    int used_ = 0;
};

} // namespace zifferon
