// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QKeyEvent;

namespace zifferon {

// The virtual-key code of a Qt key event: Enter, the arrows and the usual
// editing keys get their classic codes, letters and digits their ASCII code,
// everything else 0 (a key the cells treat like any other).
int virtualKeyCode(const QKeyEvent& event);

} // namespace zifferon
