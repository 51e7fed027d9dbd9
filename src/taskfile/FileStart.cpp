// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taskfile/FileStart.h"

#include "sheet/Failure.h"
#include "sheet/SystemErrorText.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zifferon {

namespace {

ReadResult failure(Failure reason) {
    ReadResult r;
    r.failure = std::move(reason);
    return r;
}

ReadResult unreadable(int error) {
    return failure({Msg::FileUnreadable, {systemErrorText(error)}});
}

class OpenFile {
  public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

} // namespace

ReadResult readFileStart(const std::string& path, std::size_t limit) {
    // Opened without waiting and only then looked at: a pipe or a device put
    // at the path, even between a look and the open, cannot block the read.
    const OpenFile file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) {
        const int error = errno;
        if (error == ENOENT) {
            return failure({Msg::FileMissing});
        }
        return unreadable(error);
    }
    struct stat info = {};
    if (::fstat(file.fd(), &info) != 0) {
        return unreadable(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return failure({Msg::FileIsFolder});
    }
    if (!S_ISREG(info.st_mode)) {
        return failure({Msg::FileNotRegular});
    }
    ReadResult result;
    result.bytes.resize(limit);
    std::size_t got = 0;
    while (got < limit) {
        const ssize_t n = ::read(file.fd(), result.bytes.data() + got, limit - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return unreadable(errno);
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    result.bytes.resize(got);
    return result;
}

} // namespace zifferon
