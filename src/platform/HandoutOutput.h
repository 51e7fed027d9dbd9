// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Writing a worksheet: its PDF and its task files, from the menu or from the
// command line. Everything that can be checked is checked before the first
// byte is written, and the PDF is complete in memory before any file is
// touched; so a worksheet that cannot be written leaves nothing behind.

#include "platform/HandoutPrinter.h"
#include "session/CommandLine.h"

#include <QString>

namespace zifferon {

// Why no PDF can be written to `path`, in German; empty when one can.
QString pdfTargetProblem(const QString& path);

// Why no task files can be written into `folder`, in German; empty when they
// can. A folder that does not exist yet is made inside an existing one.
QString taskFolderProblem(const QString& folder);

// Why the sheet's task files cannot go into `folder` (German; empty when they
// can): the folder's own problem, or a file of the sheet already there. Task
// files are never written over: the folder may hold the pupils' work on an
// earlier copy of the same sheet.
QString taskFilesProblem(const HandoutSheet& sheet, const QString& folder);

// The PDF's problem, else (with a folder) the task files'.
QString handoutTargetsProblem(const HandoutSheet& sheet, const QString& pdfPath,
                              const QString& taskFolder);

// Writes the task files into `folder`, making it when missing. False with
// `error` (German, naming the file) when one could not be written.
bool writeTaskFiles(const HandoutSheet& sheet, const QString& folder, QString* error);

// The PDF at `pdfPath` and, unless `taskFolder` is empty, the task files:
// targets checked, the PDF rendered, the task files written, then the PDF.
bool writeHandout(const HandoutSheet& sheet, const QString& pdfPath, const QString& taskFolder,
                  QString* error);

// Exit codes of `zifferon --worksheet`: written, a failure while writing.
// A target that cannot be written is a wrong argument (kWrongUsage).
inline constexpr int kHandoutWritten = 0;
inline constexpr int kHandoutFailed = 1;

// The worksheet of the command line; messages go to standard error. Needs a
// QGuiApplication.
int runHandoutCommand(const HandoutRequest& request);

} // namespace zifferon
