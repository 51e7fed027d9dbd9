// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview/TaskFolder.h"

#include "sheet/Failure.h"
#include "sheet/SystemErrorText.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace zifferon {

namespace {

namespace fs = std::filesystem;

bool isTaskFileName(const fs::path& name) {
    const std::string ext = name.extension().string();
    return ext.size() == 4 && ext[0] == '.' && (ext[1] | 0x20) == 'a' && (ext[2] | 0x20) == 'u' &&
           (ext[3] | 0x20) == 'f';
}

bool isFolder(const fs::directory_entry& entry) {
    std::error_code ec;
    return entry.is_directory(ec); // follows a link to a folder
}

// A folder by its device and inode: reached again through a link, it is
// the same folder and is read once.
using FolderId = std::pair<dev_t, ino_t>;

std::optional<FolderId> folderId(const fs::path& folder) {
    struct stat info = {};
    if (::stat(folder.c_str(), &info) != 0) {
        return std::nullopt;
    }
    return FolderId{info.st_dev, info.st_ino};
}

// The task files directly in `folder`; with `subfolders`, also those one
// level down. The error of listing `folder` itself, if any.
std::error_code collect(const fs::path& root, const fs::path& folder, bool subfolders,
                        std::set<FolderId>& seen, std::vector<TaskFolderEntry>& out) {
    std::error_code ec;
    std::vector<fs::directory_entry> entries;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        entries.push_back(*it);
    }
    if (ec) {
        return ec;
    }
    // A folder's own name before a link to it, whatever order the listing has.
    auto linked = [](const fs::directory_entry& e) {
        std::error_code ignored;
        return e.is_symlink(ignored);
    };
    std::sort(entries.begin(), entries.end(), [&](const auto& a, const auto& b) {
        return std::pair(linked(a), a.path()) < std::pair(linked(b), b.path());
    });
    for (const fs::directory_entry& entry : entries) {
        const std::string relative = entry.path().lexically_relative(root).generic_string();
        if (isFolder(entry)) {
            const std::optional<FolderId> id = folderId(entry.path());
            if (!subfolders || (id && !seen.insert(*id).second)) {
                continue;
            }
            if (const std::error_code sub = collect(root, entry.path(), false, seen, out)) {
                out.push_back({relative + "/", entry.path().string(),
                               Failure{Msg::FolderUnreadableHere, {systemErrorText(sub)}}});
            }
        } else if (isTaskFileName(entry.path().filename())) {
            out.push_back({relative, entry.path().string(), {}});
        }
    }
    return {};
}

} // namespace

TaskFolder findTaskFiles(const std::string& folder) {
    TaskFolder result;
    const fs::path root(folder);
    std::error_code ec;
    const fs::file_status status = fs::status(root, ec);
    if (!fs::exists(status)) {
        result.failure =
            ec && ec != std::errc::no_such_file_or_directory
                ? Failure{Msg::FolderUnreadable, {inQuotes(folder), systemErrorText(ec)}}
                : Failure{Msg::FolderMissing, {inQuotes(folder)}};
        return result;
    }
    if (!fs::is_directory(status)) {
        result.failure = Failure{Msg::NotAFolder, {inQuotes(folder)}};
        return result;
    }
    std::set<FolderId> seen;
    if (const std::optional<FolderId> id = folderId(root)) {
        seen.insert(*id);
    }
    if (const std::error_code listing = collect(root, root, true, seen, result.files)) {
        result.failure =
            Failure{Msg::FolderUnreadable, {inQuotes(folder), systemErrorText(listing)}};
        result.files.clear();
        return result;
    }
    std::sort(
        result.files.begin(), result.files.end(),
        [](const TaskFolderEntry& a, const TaskFolderEntry& b) { return a.relative < b.relative; });
    return result;
}

} // namespace zifferon
