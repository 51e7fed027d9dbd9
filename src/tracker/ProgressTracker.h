// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheet/Form1.h"

namespace zifferon {

// The pass after every event while Timer1 runs (and on its tick): guard
// step, label step, bring-down step. Writes only what changes.
void trackProgress(Form1& form);

} // namespace zifferon
