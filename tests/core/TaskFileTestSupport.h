#pragma once

// Whole-sheet snapshots for the task-file tests: every property of every
// control as one line per control, so that a difference names the control.

#include "sheet/Form1.h"
#include "sheet/Layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zifferon::test {

inline std::string controlName(ControlId id) {
    static const char* const names[] = {
        "None",       "Text1",      "Text2",      "Command1",   "Command2",   "Label1",
        "Label2",     "Label4",     "Label3",     "info",       "fehler",     "dividend",
        "divisor",    "resultat",   "kontrolle1", "kontrolle2", "kontrolle3", "kontrolle4",
        "kontrolle5", "kontrolle6", "kontrolle7", "kontrolle8", "kontrolle9", "kontrolle10"};
    std::string name = names[static_cast<int>(id.kind)];
    if (arraySize(id.kind) > 1) {
        name += "(" + std::to_string(id.index) + ")";
    }
    return name;
}

inline std::string describe(const Form1& form, ControlId id) {
    std::string line = controlName(id) + ":";
    if (isTextBox(id.kind)) {
        line += " text='" + toUtf8(form.text(id)) + "' enabled=" + (form.enabled(id) ? "1" : "0");
    } else {
        line += " caption='" + toUtf8(form.caption(id)) + "'";
    }
    if (isLabel(id.kind)) {
        line += std::string(" visible=") + (form.visible(id) ? "1" : "0");
        const auto bg = form.background(id);
        line += bg ? " bg=" + std::to_string(bg->r) + "," + std::to_string(bg->g) + "," +
                         std::to_string(bg->b)
                   : std::string(" bg=system");
        line += " tip='" + toUtf8(form.toolTip(id)) + "'";
    }
    return line;
}

// Everything a handler can change on the sheet.
inline std::vector<std::string> snapshot(const Form1& form) {
    std::vector<std::string> lines;
    for (ControlId id : allControls()) {
        lines.push_back(describe(form, id));
    }
    lines.push_back("focus=" + controlName(form.focus()));
    lines.push_back(std::string("timer1=") + (form.timer1Enabled() ? "1" : "0"));
    lines.push_back("appPath=" + form.appPath());
    return lines;
}

// Compares line by line so that a failure lists only the controls that differ.
inline void expectSameSheet(const std::vector<std::string>& expected,
                            const std::vector<std::string>& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i], actual[i]);
    }
}

} // namespace zifferon::test
