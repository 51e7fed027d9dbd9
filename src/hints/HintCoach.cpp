// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hints/HintCoach.h"

namespace zifferon {

Hint HintCoach::press(const Form1& form) {
    const HintStep now = currentStep(form);
    if (!step_ || !sameStep(*step_, now)) {
        step_ = now;
        stage_ = 0;
    }
    Hint hint = hintFor(now, stage_ + 1);
    if (hint.stage > stage_) {
        stage_ = hint.stage;
        ++used_;
    }
    return hint;
}

Hint HintCoach::shown(const Form1& form) const {
    if (!step_) {
        return {};
    }
    const HintStep now = currentStep(form);
    // Once the task is finished a shown hint says so, not what comes next.
    if (!sameStep(*step_, now)) {
        return now.kind == StepKind::Finished ? hintFor(now, 0) : Hint{};
    }
    return hintFor(now, stage_);
}

void HintCoach::restart() {
    step_.reset();
    stage_ = 0;
    used_ = 0;
}

} // namespace zifferon
