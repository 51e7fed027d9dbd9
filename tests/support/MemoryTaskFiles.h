// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file dialogs, the file system and the message box of the load and save
// commands, kept in memory: the dialogs' answers and calls, files as byte
// vectors with failures to report, and the messages shown.

#include "task/RandomSource.h"
#include "taskfile/TaskFileCommands.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace zifferon::test {

class MemoryTaskFiles final : public TaskFileDialogs, public TaskFileStorage, public MessageSink {
  public:
    using Bytes = std::vector<std::uint8_t>;
    struct DialogCall {
        std::string startFolder;
        std::string pattern;
    };

    // What the dialogs answer; nullopt: the user cancels.
    std::optional<std::string> openAnswer, saveAnswer;
    std::vector<DialogCall> openCalls, saveCalls;
    // The answer to "replace?", and the paths it was asked for. A declined
    // replace is followed by a cancelled save dialog.
    bool replaceAnswer = true;
    std::vector<std::string> replaceQuestions;

    std::map<std::string, Bytes> files;
    // Reasons reported for a path, as the real storage would, without touching it.
    std::map<std::string, Failure> readFailures, writeFailures;
    std::set<std::string> writableFolders{"/prog"};
    std::vector<std::size_t> readLimits;
    int writes = 0;

    std::vector<std::pair<std::string, std::string>> messages; // title, text

    TaskFileServices services() { return {*this, *this, *this}; }
    // Both dialogs answer `path`.
    void answer(const std::optional<std::string>& path) {
        openAnswer = path;
        saveAnswer = path;
    }

    std::optional<std::string> askOpenPath(const std::string& folder,
                                           const std::string& pattern) override {
        openCalls.push_back({folder, pattern});
        return openAnswer;
    }
    std::optional<std::string> askSavePath(const std::string& folder,
                                           const std::string& pattern) override {
        saveCalls.push_back({folder, pattern});
        return saveAnswer;
    }
    bool confirmReplace(const std::string& path) override {
        replaceQuestions.push_back(path);
        if (!replaceAnswer) {
            saveAnswer.reset();
        }
        return replaceAnswer;
    }

    ReadResult readPrefix(const std::string& path, std::size_t limit) override {
        readLimits.push_back(limit);
        const auto it = files.find(path);
        if (readFailures.count(path) || it == files.end()) {
            return {{},
                    readFailures.count(path) ? readFailures.at(path) : Failure{Msg::FileMissing}};
        }
        const auto n = static_cast<std::ptrdiff_t>(std::min(limit, it->second.size()));
        return {Bytes(it->second.begin(), it->second.begin() + n), std::nullopt};
    }
    Problem writeAtomically(const std::string& path, std::span<const std::uint8_t> bytes) override {
        ++writes;
        if (writeFailures.count(path)) {
            return writeFailures.at(path);
        }
        files[path] = Bytes(bytes.begin(), bytes.end());
        return std::nullopt;
    }
    bool isWritableFolder(const std::string& folder) override {
        return writableFolders.count(folder) > 0;
    }
    bool exists(const std::string& path) override { return files.count(path) > 0; }
    std::string documentsFolder() override { return "/home/schueler/Dokumente"; }

    void showError(const std::string& title, const std::string& text) override {
        messages.emplace_back(title, text);
    }
    void showInfo(const std::string& title, const std::string& text) override {
        messages.emplace_back(title, text);
    }
};

// A random source whose draws follow a seed; reseeding from the clock keeps
// the sequence, so a test sees the same tasks every run.
class SeededRandom final : public RandomSource {
  public:
    explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
    void seed(std::uint32_t seed) { engine_.seed(seed); }
    void reseedFromClock() override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

  private:
    std::mt19937 engine_;
};

} // namespace zifferon::test
