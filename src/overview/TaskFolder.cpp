// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview/TaskFolder.h"

#include <algorithm>
#include <filesystem>

namespace zifferon {

namespace {

namespace fs = std::filesystem;

std::string quoted(const std::string& path) {
    return "\u201E" + path + "\u201C";
}

bool isTaskFileName(const fs::path& name) {
    const std::string ext = name.extension().string();
    return ext.size() == 4 && ext[0] == '.' && (ext[1] | 0x20) == 'a' && (ext[2] | 0x20) == 'u' &&
           (ext[3] | 0x20) == 'f';
}

bool isFolder(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_directory(ec); // follows a link to a folder
}

// The task files directly in `folder`; with `subfolders`, also those one
// level down. The error of listing `folder` itself, if any.
std::error_code collect(const fs::path& root, const fs::path& folder, bool subfolders,
                        std::vector<TaskFolderEntry>& out) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        const std::string relative = entry.path().lexically_relative(root).generic_string();
        if (isFolder(entry)) {
            if (!subfolders) {
                continue;
            }
            if (const std::error_code sub = collect(root, entry.path(), false, out)) {
                out.push_back({relative + "/", entry.path().string(),
                               "Der Ordner kann nicht gelesen werden: " + sub.message() + "."});
            }
        } else if (isTaskFileName(entry.path().filename())) {
            out.push_back({relative, entry.path().string(), {}});
        }
    }
    return ec;
}

} // namespace

TaskFolder findTaskFiles(const std::string& folder) {
    TaskFolder result;
    const fs::path root(folder);
    std::error_code ec;
    const fs::file_status status = fs::status(root, ec);
    if (!fs::exists(status)) {
        result.error = ec && ec != std::errc::no_such_file_or_directory
                           ? "Der Ordner " + quoted(folder) +
                                 " kann nicht gelesen werden: " + ec.message() + "."
                           : "Der Ordner " + quoted(folder) + " existiert nicht.";
        return result;
    }
    if (!fs::is_directory(status)) {
        result.error = quoted(folder) + " ist kein Ordner.";
        return result;
    }
    if (const std::error_code listing = collect(root, root, true, result.files)) {
        result.error = "Der Ordner " + quoted(folder) +
                       " kann nicht gelesen werden: " + listing.message() + ".";
        result.files.clear();
        return result;
    }
    std::sort(
        result.files.begin(), result.files.end(),
        [](const TaskFolderEntry& a, const TaskFolderEntry& b) { return a.relative < b.relative; });
    result.ok = true;
    return result;
}

} // namespace zifferon
