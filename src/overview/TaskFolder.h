// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The task files of a class folder, found and read without writing anything.
//
// A class keeps its files in one folder, often one subfolder per pupil: the
// task files are those in the folder and in its direct subfolders whose name
// ends in ".auf" in any case. Deeper folders are not searched.

#include "taskfile/TaskFileCommands.h"

#include <string>
#include <vector>

namespace zifferon {

struct TaskFolderEntry {
    std::string relative; // from the chosen folder, "/" between folders
    std::string path;     // as the file system is asked for it
    // Set when this is a subfolder that cannot be listed: its files cannot
    // be seen, and the overview says so instead of hiding it.
    Problem problem;
};

struct TaskFolder {
    Problem failure;                    // naming the folder, when it cannot be searched
    std::vector<TaskFolderEntry> files; // sorted by their relative path
};

TaskFolder findTaskFiles(const std::string& folder);

} // namespace zifferon
