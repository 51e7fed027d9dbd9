// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handout/HandoutFiles.h"

#include "handout/AllOrNothing.h"
#include "sheet/Failure.h"

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zifferon {

namespace {

namespace fs = std::filesystem;

// "neu/" names the folder neu, not a file in it.
std::string withoutTrailingSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') {
        folder.pop_back();
    }
    return folder;
}

// Whether this process may make files in the folder; root's identity
// switched for the file system counts, as it does for the writes.
bool mayWriteInto(const std::string& folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// Why nothing can be made inside `folder`; nothing when something can.
Problem folderProblem(const std::string& folder) {
    struct stat info = {};
    if (::stat(folder.c_str(), &info) != 0) {
        return Failure{Msg::FolderMissing, {inQuotes(folder)}};
    }
    if (!S_ISDIR(info.st_mode)) {
        return Failure{Msg::NotAFolder, {inQuotes(folder)}};
    }
    if (!mayWriteInto(folder)) {
        return Failure{Msg::FolderNotWritable, {inQuotes(folder)}};
    }
    return std::nullopt;
}

bool isLink(const std::string& path) {
    struct stat info = {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

// The file a PDF path names: a link is followed, so that the link stays
// and its file is replaced. Empty for a link to nothing.
std::string pdfFile(const std::string& path) {
    if (!isLink(path)) {
        return path;
    }
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

std::string taskFilePath(const std::string& folder, int number, const HandoutTask& task) {
    return withoutTrailingSlash(folder) + "/" + handoutFileName(number, task);
}

// A path as the file system would reach it: links in the part that exists
// followed, "." and ".." taken out.
fs::path reached(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::path(path).lexically_normal() : p;
}

} // namespace

std::string handoutFileName(int number, const HandoutTask& task) {
    std::string n(number < 10 ? 1 : 0, '0');
    n += std::to_string(number);
    return "Aufgabe " + n + " - " + std::to_string(task.dividend) + " durch " +
           std::to_string(task.divisor) + ".AUF";
}

TaskFileBytes freshTaskFile(const HandoutTask& task, Form1::CheckDemands demands) {
    Form1 form;
    enterHandoutTask(form, task);
    form.setDemands(demands);
    return writeTaskRecords(form);
}

Problem pdfTargetProblem(const std::string& path) {
    if (path.empty()) {
        return Failure{Msg::NoPdfGiven};
    }
    const std::string file = pdfFile(path);
    if (file.empty()) {
        return Failure{Msg::PdfLinkDangling, {inQuotes(path)}};
    }
    struct stat info = {};
    if (::stat(file.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return Failure{Msg::PdfIsFolder, {inQuotes(path)}};
        }
        if (!S_ISREG(info.st_mode)) {
            return Failure{Msg::PdfNotRegular, {inQuotes(path)}};
        }
        if (::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) {
            return Failure{Msg::PdfNotWritable, {inQuotes(path)}};
        }
    }
    return folderProblem(folderOf(file));
}

Problem taskFolderProblem(const std::string& given) {
    if (given.empty()) {
        return Failure{Msg::NoTaskFolderGiven};
    }
    const std::string folder = withoutTrailingSlash(given);
    struct stat info = {};
    if (::lstat(folder.c_str(), &info) == 0) {
        return folderProblem(folder);
    }
    return folderProblem(folderOf(folder));
}

Problem taskFilesProblem(const std::vector<HandoutTask>& tasks, const std::string& folder) {
    if (Problem problem = taskFolderProblem(folder)) {
        return problem;
    }
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const std::string name = handoutFileName(static_cast<int>(i) + 1, tasks[i]);
        struct stat info = {};
        if (::lstat(taskFilePath(folder, static_cast<int>(i) + 1, tasks[i]).c_str(), &info) == 0) {
            return Failure{Msg::TaskFileExists,
                           {inQuotes(withoutTrailingSlash(folder)), inQuotes(name)}};
        }
    }
    return std::nullopt;
}

Problem handoutTargetsProblem(const std::vector<HandoutTask>& tasks, const std::string& pdfPath,
                              const std::string& taskFolder) {
    if (Problem problem = pdfTargetProblem(pdfPath)) {
        return problem;
    }
    if (taskFolder.empty()) {
        return std::nullopt;
    }
    if (Problem problem = taskFilesProblem(tasks, taskFolder)) {
        return problem;
    }
    const fs::path pdf = reached(pdfFile(pdfPath));
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (reached(taskFilePath(taskFolder, number, tasks[i])) == pdf) {
            return Failure{Msg::PdfWouldBeTaskFile,
                           {inQuotes(pdfPath), inQuotes(handoutFileName(number, tasks[i]))}};
        }
    }
    return std::nullopt;
}

Problem writeHandoutFiles(const std::vector<HandoutTask>& tasks, Form1::CheckDemands demands,
                          const std::string& folder, const std::string& pdfPath,
                          std::span<const std::uint8_t> pdf) {
    std::vector<TaskFileBytes> records;
    records.reserve(tasks.size());
    std::vector<FileToWrite> files;
    if (!folder.empty()) {
        for (std::size_t i = 0; i < tasks.size(); ++i) {
            records.push_back(freshTaskFile(tasks[i], demands));
            files.push_back(
                {taskFilePath(folder, static_cast<int>(i) + 1, tasks[i]), records.back(), false});
        }
    }
    if (!pdfPath.empty()) {
        const std::string file = pdfFile(pdfPath);
        if (file.empty()) {
            return pdfTargetProblem(pdfPath);
        }
        files.push_back({file, pdf, true});
    }
    return writeAllOrNothing(files, folder.empty() ? std::string() : withoutTrailingSlash(folder));
}

} // namespace zifferon
