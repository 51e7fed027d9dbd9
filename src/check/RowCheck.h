#pragma once

#include "sheet/Form1.h"

namespace zifferon {

// The check command: judges the row, then locks a right row (its six cells and,
// for a product row, its quotient cell) or counts and shows one more error.
// Ends silently when the row cannot be evaluated.
void CheckRow(Form1& form, int row);

// Click on the verdict label of a row.
void info_Click(Form1& form, int index);

} // namespace zifferon
