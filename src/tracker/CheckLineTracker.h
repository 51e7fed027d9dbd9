// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "check/SheetTask.h"
#include "sheet/Form1.h"

namespace zifferon {

// The part of the pass that keeps the Überschlag and the Probe: shows each
// line when its time comes, opens its boxes while it may be written, shows
// "korrekt?" beside a written line, holds the first quotient digit back while
// the sheet asks for the Überschlag first, and moves the focus on along the
// lines.
void trackCheckLines(Form1& form, const SheetTask& task);

} // namespace zifferon
