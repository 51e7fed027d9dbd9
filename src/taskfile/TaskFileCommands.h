// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The menu commands "&Laden" and "&Speichern".
//
// Neither command may lose work: a load that cannot read a whole task file
// leaves the sheet exactly as it was and says why; a save replaces the file in
// one step (the old file stays whole when writing fails) and says why it
// failed. Cancelling a dialog changes nothing and says nothing.
//
// The dialogs, the file system and the message box are reached through the
// small interfaces below, so that the commands run without a toolkit.

#include "sheet/Failure.h"
#include "sheet/Form1.h"
#include "taskfile/TaskRecords.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zifferon {

// Paths and texts are UTF-8.
class TaskFileDialogs {
  public:
    virtual ~TaskFileDialogs() = default;
    // The chosen path, or nullopt when the user cancelled.
    virtual std::optional<std::string> askOpenPath(const std::string& startFolder,
                                                   const std::string& pattern) = 0;
    // `startFolder` may also be a whole path: the dialog opens in its folder
    // with its name filled in.
    virtual std::optional<std::string> askSavePath(const std::string& startFolder,
                                                   const std::string& pattern) = 0;
    // Whether the file at `path`, which exists, may be replaced.
    virtual bool confirmReplace(const std::string& path) = 0;
};

struct ReadResult {
    std::vector<std::uint8_t> bytes; // the file's first bytes, at most the limit asked for
    Problem failure;                 // why the file could not be read
};

class TaskFileStorage {
  public:
    virtual ~TaskFileStorage() = default;
    // Reads the file from its start until `limit` bytes or its end, whichever
    // comes first. Never creates a file.
    virtual ReadResult readPrefix(const std::string& path, std::size_t limit) = 0;
    // Replaces the file's whole content with `bytes` in one step: on failure
    // the file is left as it was; why it failed, or nothing.
    virtual Problem writeAtomically(const std::string& path,
                                    std::span<const std::uint8_t> bytes) = 0;
    virtual bool isWritableFolder(const std::string& folder) = 0;
    // Whether anything (a file, a folder) stands at `path`.
    virtual bool exists(const std::string& path) = 0;
    // The user's documents folder, where the dialogs start when the program's
    // folder cannot take files.
    virtual std::string documentsFolder() = 0;
};

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void showError(const std::string& title, const std::string& text) = 0;
    // What a command did, where the user needs to know it (where files went).
    virtual void showInfo(const std::string& title, const std::string& text) = 0;
};

class TaskFileServices {
  public:
    TaskFileDialogs& dialogs;
    TaskFileStorage& storage;
    MessageSink& messages;
};

inline constexpr const char* kTaskFilePattern = "*.auf";
// Where both dialogs start: the program's folder if files can be written
// there, otherwise the documents folder.
std::string taskFileStartFolder(const Form1& form, TaskFileStorage& storage);

// The name a task file is saved under: ".AUF" is appended unless the name
// already ends in ".auf" in any case ("klein.auf" stays as it is).
std::string taskFileSavePath(const std::string& chosen);

// "&Speichern": writes the sheet to `path`, or, when it is empty ("Speichern
// unter ..."), to a name asked for; a file already there under the name that
// is written (".AUF" added) is replaced only when the user agrees, else the
// dialog asks again. The sheet and the timer stay as they are. The path
// written, or nullopt when nothing was.
std::optional<std::string> saveSheetToTaskFile(Form1& form, const TaskFileServices& services,
                                               const std::string& path = {});

// Why the load command refuses a file read from its start (at least the
// first 23 records asked for); nothing when it takes the file.
Problem taskFileRefusal(const ReadResult& read);

// What the load command does with a file it takes: the sheet is reset and
// filled from the records, Text1 and Text2 are set from the loaded task, the
// focus goes where the work goes on, Label4 is hidden and Timer1 runs.
void putTaskFileOnSheet(Form1& form, std::span<const std::uint8_t, kTaskFileSize> records);

// "&Laden": asks for a file and reads it; only a file of at least 23 whole
// records whose row states and cells are those of a task file is taken. Then the sheet is reset and
// filled from the file, Text1 and Text2 are set from the loaded task, Label4 is hidden and Timer1
// runs. The path loaded, or nullopt when the sheet stayed as it was.
std::optional<std::string> loadTaskFileOntoSheet(Form1& form, const TaskFileServices& services);

} // namespace zifferon
