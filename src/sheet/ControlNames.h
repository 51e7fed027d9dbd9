// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "sheet/Form1.h"

#include <string_view>

namespace zifferon {

// The name a screen reader speaks for a control, in German, from the sheet as
// it stands (a work column is named by its place in the current dividend,
// a verdict label by its row and verdict).
Text accessibleName(const Form1& form, ControlId id);

// "Einerspalte", "Zehnerspalte", ... for a column of the dividend's own digits;
// columns right of its units digit are counted from the left ("Spalte 6").
Text columnName(const Form1& form, int column);

// The control's name as the window's code spells it ("kontrolle3", "info",
// "Label4"), without the index; "" for None.
std::string_view kindName(Kind kind);

// The tooltip the window shows for a control: a row label explains itself
// only while it shows "Fehler" or waits to be judged ("korrekt?": why a check
// gave no verdict); other controls show theirs as they are.
Text shownToolTip(const Form1& form, ControlId id);

} // namespace zifferon
