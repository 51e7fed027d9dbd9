#pragma once

// The file dialogs, the file system and the message box of the load and save
// commands, kept in memory: one chosen path, files as byte vectors, and a
// count of the messages shown.

#include "taskfile/TaskFileCommands.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zifferon::test {

class MemoryTaskFiles final : public TaskFileDialogs, public TaskFileStorage, public MessageSink {
  public:
    using Bytes = std::vector<std::uint8_t>;

    std::optional<std::string> chosenPath; // nullopt: the dialog is cancelled
    std::map<std::string, Bytes> files;
    int messagesShown = 0;

    TaskFileServices services() { return {*this, *this, *this}; }

    std::optional<std::string> askOpenPath(const std::string&, const std::string&) override {
        return chosenPath;
    }
    std::optional<std::string> askSavePath(const std::string&, const std::string&) override {
        return chosenPath;
    }

    ReadResult readPrefix(const std::string& path, std::size_t limit) override {
        ReadResult r;
        const auto it = files.find(path);
        if (it == files.end()) {
            r.reason = "missing";
            return r;
        }
        const std::size_t n = std::min(limit, it->second.size());
        r.bytes.assign(it->second.begin(), it->second.begin() + static_cast<std::ptrdiff_t>(n));
        r.ok = true;
        return r;
    }
    WriteResult writeAtomically(const std::string& path,
                                std::span<const std::uint8_t> bytes) override {
        files[path] = Bytes(bytes.begin(), bytes.end());
        return {true, {}};
    }
    bool isWritableFolder(const std::string&) override { return true; }
    std::string documentsFolder() override { return "/home"; }

    void showError(const std::string&, const std::string&) override { ++messagesShown; }
};

} // namespace zifferon::test
