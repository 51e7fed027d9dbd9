// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Writing a worksheet: its PDF and its task files, from the menu or from the
// command line. Everything that can be checked is checked before the first
// byte is written, the PDF is complete in memory before any file is touched,
// and the files are written all or none; so a worksheet that cannot be
// written leaves nothing behind.

#include "platform/HandoutPrinter.h"
#include "session/CommandLine.h"

#include <QString>

namespace zifferon {

// The file system takes a path as bytes: what a QString holds (from a
// dialog or a line edit) in the file system's encoding.
std::string fileSystemPath(const QString& path);

// The checks of handout/HandoutFiles for paths given as QStrings.
QString taskFolderProblem(const QString& folder);
QString taskFilesProblem(const HandoutSheet& sheet, const QString& folder);

// Writes the task files into `folder`, making it when missing: all or none.
// False with `error` (German, naming the file) when one could not be written.
bool writeTaskFiles(const HandoutSheet& sheet, const std::string& folder, QString* error);

// The PDF at `pdfPath` and, unless `taskFolder` is empty, the task files:
// targets checked, the PDF rendered, then all files written or none.
bool writeHandout(const HandoutSheet& sheet, const std::string& pdfPath,
                  const std::string& taskFolder, QString* error);

// Exit codes of `zifferon --worksheet`: written, a failure while writing.
// A target that cannot be written is a wrong argument (kWrongUsage).
inline constexpr int kHandoutWritten = 0;
inline constexpr int kHandoutFailed = 1;

// The worksheet of the command line; messages go to standard error. Needs a
// QGuiApplication.
int runHandoutCommand(const HandoutRequest& request);

} // namespace zifferon
