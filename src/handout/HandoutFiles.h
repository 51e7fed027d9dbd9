// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A worksheet's tasks as task files for the computer room: one fresh file per
// task, what "Eingabe" and then "Speichern" write, so the drill judges the
// work row by row.

#include "handout/HandoutTasks.h"
#include "taskfile/TaskFileCommands.h"
#include "taskfile/TaskRecords.h"

#include <string>
#include <vector>

namespace zifferon {

// "Aufgabe 01 - 9434 durch 13.AUF" for the first task.
std::string handoutFileName(int number, const HandoutTask& task);

// The records of the task as a fresh sheet.
TaskFileBytes freshTaskFile(const HandoutTask& task);

// Writes the files into `folder` (which exists), task 1 first. Stops at the
// first file that cannot be written; the reason names it, in German.
WriteResult writeHandoutFiles(const std::vector<HandoutTask>& tasks, const std::string& folder,
                              TaskFileStorage& storage);

} // namespace zifferon
