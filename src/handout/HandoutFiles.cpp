// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handout/HandoutFiles.h"

#include "tracker/ProgressTracker.h"

namespace zifferon {

std::string handoutFileName(int number, const HandoutTask& task) {
    const std::string n = (number < 10 ? "0" : "") + std::to_string(number);
    return "Aufgabe " + n + " - " + std::to_string(task.dividend) + " durch " +
           std::to_string(task.divisor) + ".AUF";
}

TaskFileBytes freshTaskFile(const HandoutTask& task) {
    Form1 form;
    enterHandoutTask(form, task);
    // The pass that follows "Eingabe" in the window.
    Timer1_Timer(form);
    return writeTaskRecords(form);
}

WriteResult writeHandoutFiles(const std::vector<HandoutTask>& tasks, const std::string& folder,
                              TaskFileStorage& storage) {
    const std::string prefix = folder.empty() || folder.back() == '/' ? folder : folder + "/";
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const std::string path = prefix + handoutFileName(static_cast<int>(i) + 1, tasks[i]);
        const WriteResult written = storage.writeAtomically(path, freshTaskFile(tasks[i]));
        if (!written.ok) {
            return {false, "Die Aufgabendatei \u201E" + path +
                               "\u201C kann nicht geschrieben werden. " + written.reason};
        }
    }
    return {true, {}};
}

} // namespace zifferon
