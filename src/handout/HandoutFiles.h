// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A worksheet's tasks as task files for the computer room: one fresh file per
// task, what "Eingabe" and then "Speichern" write, so the drill judges the
// work row by row; and the sheet's PDF beside them. Paths are bytes, as the
// file system takes them (a name need not be UTF-8).

#include "handout/HandoutTasks.h"
#include "taskfile/TaskFileCommands.h"
#include "taskfile/TaskRecords.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zifferon {

// "Aufgabe 01 - 9434 durch 13.AUF" for the first task.
std::string handoutFileName(int number, const HandoutTask& task);

// The records of the task as a fresh sheet that asks for what `demands` asks.
TaskFileBytes freshTaskFile(const HandoutTask& task, Form1::CheckDemands demands);

// Why no PDF can be written to `path`; nothing when one can. A
// link is followed to the file it names; a link to nothing is refused.
Problem pdfTargetProblem(const std::string& path);

// Why no task files can be written into `folder`; nothing when they
// can. A folder that does not exist yet is made inside an existing one.
Problem taskFolderProblem(const std::string& folder);

// The folder's problem, else a file of the sheet already there: task files
// are never written over, the folder may hold the pupils' work on an
// earlier copy of the same sheet.
Problem taskFilesProblem(const std::vector<HandoutTask>& tasks, const std::string& folder);

// The PDF's problem; with a folder, also the task files' and a PDF that
// would be one of the task files.
Problem handoutTargetsProblem(const std::vector<HandoutTask>& tasks, const std::string& pdfPath,
                              const std::string& taskFolder);

// Writes the task files into `folder` (made when missing) and, when `pdf`
// is not empty, the PDF to `pdfPath`: all of them or, on any failure, none
// (the failure names the file and what went wrong). Either target may be
// empty: then it is not written. The task files ask for what `demands` asks.
Problem writeHandoutFiles(const std::vector<HandoutTask>& tasks, Form1::CheckDemands demands,
                          const std::string& folder, const std::string& pdfPath,
                          std::span<const std::uint8_t> pdf);

} // namespace zifferon
