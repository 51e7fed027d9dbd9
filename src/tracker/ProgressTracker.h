// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheet/Form1.h"

namespace zifferon {

// One pass of the progress tracker (a tick of Timer1): guard step, label step,
// bring-down step. Writes only what changes.
void Timer1_Timer(Form1& form);

} // namespace zifferon
