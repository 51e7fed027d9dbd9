// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheet/Form1.h"

namespace zifferon {

// The check command: judges the row and shows its verdict, then locks a right
// row (its six cells and, for a product row, its quotient cell) or counts and
// shows one more error and notes its kind of mistake in the row's tally. A
// row that cannot be judged changes nothing; one checked before every row
// above it is "korrekt" only says which row comes first. A locked row is not
// judged again. Locking does not move the focus: a locked cell keeps it until
// the pupil moves on.
void CheckRow(Form1& form, int row);

} // namespace zifferon
