#pragma once

#include "input/CellInput.h"
#include "sheet/Form1.h"

namespace zifferon {

// The window's model with the cell change rule attached: what the program owns.
class Worksheet {
  public:
    Worksheet() {
        form.setCellChangeHook(
            [this](Form1& f, int n, int index) { rule.kontrolle_Change(f, n, index); });
    }
    Worksheet(const Worksheet&) = delete;
    Worksheet& operator=(const Worksheet&) = delete;

    Form1 form;
    CellChangeRule rule;
};

} // namespace zifferon
