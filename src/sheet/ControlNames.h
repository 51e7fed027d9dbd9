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

// A caption of the Probe as a screen reader says it: "725 · 13 =" as
// "725 mal 13 gleich", "+ 9 =" as "plus 9 gleich".
Text spokenCaption(TextView caption);

// The tooltip the window shows for a control: a row label explains itself
// only while it shows "Fehler" or waits to be judged ("korrekt?": why a check
// gave no verdict); the label of the Überschlag or a Probe line while it
// shows a verdict (why it is wrong, what a right Probe proved); other
// controls show theirs as they are.
Text shownToolTip(const Form1& form, ControlId id);

} // namespace zifferon
