// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taskfile/FileStart.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace zifferon {

namespace fs = std::filesystem;

namespace {

ReadResult failure(std::string reason) {
    ReadResult r;
    r.reason = std::move(reason);
    return r;
}

} // namespace

ReadResult readFileStart(const std::string& path, std::size_t limit) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (fs::is_directory(status)) {
        return failure(kFolderReason);
    }
    if (!fs::exists(status)) {
        return failure(ec && ec != std::errc::no_such_file_or_directory
                           ? "Die Datei kann nicht gelesen werden: " + ec.message() + "."
                           : kMissingFileReason);
    }
    if (!fs::is_regular_file(status)) {
        return failure(kNotRegularReason);
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        return failure("Die Datei kann nicht gelesen werden: " + std::string(std::strerror(errno)) +
                       ".");
    }
    ReadResult result;
    result.bytes.resize(limit);
    const std::size_t got = std::fread(result.bytes.data(), 1, limit, file.get());
    if (got < limit && std::ferror(file.get())) {
        return failure("Die Datei kann nicht gelesen werden: " + std::string(std::strerror(errno)) +
                       ".");
    }
    result.bytes.resize(got);
    result.ok = true;
    return result;
}

} // namespace zifferon
