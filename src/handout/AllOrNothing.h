// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Several files written as one: each goes first to a hidden temporary file
// in its target's folder; only when every one is whole on the disk are they
// renamed into place. A failure on the way removes the temporary files, the
// files already renamed and a folder made for them, so nothing new is left.
// Paths are bytes, as the file system takes them.

#include "taskfile/TaskFileCommands.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zifferon {

struct FileToWrite {
    std::string path;
    std::span<const std::uint8_t> bytes;
    // False: a file already at the path is never replaced (the write fails).
    bool mayReplace = false;
};

// Writes `files`; those that may replace a file are renamed into place
// last, once nothing else can fail.
// `newFolder`, when not empty, is made first if it does not exist (the
// files' folder) and removed again on failure. The failure names the file
// and says what went wrong.
Problem writeAllOrNothing(const std::vector<FileToWrite>& files, const std::string& newFolder = {});

// A path's folder and last part as the file system sees them ("a/b" -> "a",
// "b"; "b" -> ".", "b").
std::string folderOf(const std::string& path);

} // namespace zifferon
