// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The task-file commands' dialogs, file system and message box, done with Qt.

#include "taskfile/TaskFileCommands.h"

class QWidget;

namespace zifferon {

class QtTaskFileDialogs final : public TaskFileDialogs {
  public:
    explicit QtTaskFileDialogs(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> askOpenPath(const std::string& startFolder,
                                           const std::string& pattern) override;
    std::optional<std::string> askSavePath(const std::string& startFolder,
                                           const std::string& pattern) override;
    bool confirmReplace(const std::string& path) override;

  private:
    QWidget* parent_;
};

// Dialogs that answer with a file already chosen (a file given at start).
class ChosenFile final : public TaskFileDialogs {
  public:
    explicit ChosenFile(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> askOpenPath(const std::string&, const std::string&) override {
        return path_;
    }
    std::optional<std::string> askSavePath(const std::string&, const std::string&) override {
        return path_;
    }
    bool confirmReplace(const std::string&) override { return true; }

  private:
    std::string path_;
};

// Reads with QFile, writes with QSaveFile (temporary file, then rename).
class QtTaskFileStorage final : public TaskFileStorage {
  public:
    ReadResult readPrefix(const std::string& path, std::size_t limit) override;
    Problem writeAtomically(const std::string& path, std::span<const std::uint8_t> bytes) override;
    bool isWritableFolder(const std::string& folder) override;
    bool exists(const std::string& path) override;
    std::string documentsFolder() override;
};

class QtMessageSink final : public MessageSink {
  public:
    explicit QtMessageSink(QWidget* parent) : parent_(parent) {}
    void showError(const std::string& title, const std::string& text) override;
    void showInfo(const std::string& title, const std::string& text) override;

  private:
    QWidget* parent_;
};

// All three for the window: construct once with the window as parent and pass
// services() to loadTaskFileOntoSheet / saveSheetToTaskFile.
class QtTaskFileServices {
  public:
    explicit QtTaskFileServices(QWidget* parent) : dialogs_(parent), messages_(parent) {}
    QtTaskFileServices(const QtTaskFileServices&) = delete;
    QtTaskFileServices& operator=(const QtTaskFileServices&) = delete;

    TaskFileServices& services() { return services_; }

  private:
    QtTaskFileDialogs dialogs_;
    QtTaskFileStorage storage_;
    QtMessageSink messages_;
    TaskFileServices services_{dialogs_, storage_, messages_};
};

} // namespace zifferon
