// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handout/AllOrNothing.h"

#include "sheet/Failure.h"
#include "sheet/SystemErrorText.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zifferon {

namespace {

std::string baseOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// New files get the permissions any program gives them: all that the
// user's umask allows, without execution.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeWhole(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file's bytes in a temporary file beside `path`, synced and closed;
// its name, or empty with errno set.
std::string stage(const FileToWrite& file) {
    std::string name = folderOf(file.path) + "/." + baseOf(file.path) + ".XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    const bool ok =
        ::fchmod(fd, newFileMode()) == 0 && writeWhole(fd, file.bytes) && ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0 || !ok) {
        const int reported = ok ? errno : error;
        ::unlink(name.c_str());
        errno = reported;
        return {};
    }
    return name;
}

// Renames the staged file to its target; a target that must not be replaced
// is never replaced, also not when it appeared a moment ago.
bool commit(const std::string& staged, const FileToWrite& file) {
    if (file.mayReplace) {
        return ::rename(staged.c_str(), file.path.c_str()) == 0;
    }
    if (::renameat2(AT_FDCWD, staged.c_str(), AT_FDCWD, file.path.c_str(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return false;
    }
    // A file system without that rename: check, then rename.
    struct stat info = {};
    if (::lstat(file.path.c_str(), &info) == 0) {
        errno = EEXIST;
        return false;
    }
    return ::rename(staged.c_str(), file.path.c_str()) == 0;
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

Problem writeAllOrNothing(const std::vector<FileToWrite>& files, const std::string& newFolder) {
    bool madeFolder = false;
    std::vector<std::string> staged;
    std::vector<std::string> committed;
    const auto undo = [&](const Failure& what, int error) -> Problem {
        for (const std::string& name : staged) {
            if (!name.empty()) {
                ::unlink(name.c_str());
            }
        }
        for (const std::string& path : committed) {
            ::unlink(path.c_str());
        }
        if (madeFolder) {
            ::rmdir(newFolder.c_str());
        }
        return Failure{Msg::NothingSaved, {what, systemErrorText(error)}};
    };

    if (!newFolder.empty()) {
        if (::mkdir(newFolder.c_str(), 0777) == 0) {
            madeFolder = true;
        } else if (const int error = errno; error != EEXIST) {
            return undo({Msg::FolderNotMade, {inQuotes(newFolder)}}, error);
        }
    }
    for (const FileToWrite& file : files) {
        std::string name = stage(file);
        if (name.empty()) {
            const int error = errno;
            return undo({Msg::FileNotWritten, {inQuotes(file.path)}}, error);
        }
        staged.push_back(std::move(name));
    }
    // New files first: they can be taken back. A file that replaces another
    // cannot, so those come last, when nothing else can fail.
    for (const bool replacing : {false, true}) {
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (files[i].mayReplace != replacing) {
                continue;
            }
            if (!commit(staged[i], files[i])) {
                const int error = errno;
                return undo({Msg::FileNotSaved, {inQuotes(files[i].path)}}, error);
            }
            staged[i].clear();
            if (!replacing) {
                committed.push_back(files[i].path);
            }
        }
    }
    for (const FileToWrite& file : files) {
        syncFolder(folderOf(file.path));
    }
    return std::nullopt;
}

} // namespace zifferon
