// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taskfile/TaskFileCommands.h"

#include "check/CheckLines.h"

#include "check/RowExplanation.h"
#include "check/SheetTask.h"
#include "sheet/Catalogue.h"
#include "task/TaskEntry.h"
#include "taskfile/TaskRecords.h"

#include <algorithm>

namespace zifferon {

namespace {

constexpr std::string_view kExtension = ".AUF";

Failure shortFileReason(std::size_t size) {
    const std::string expected = std::to_string(kTaskFileSize);
    return size == 1 ? Failure{Msg::FileTooShortOneByte, {expected}}
                     : Failure{Msg::FileTooShort, {std::to_string(size), expected}};
}

void reportLoadFailure(const TaskFileServices& services, const std::string& path,
                       const Failure& reason) {
    services.messages.showError(sayUtf8(Msg::LoadFailedTitle),
                                failureText({Msg::LoadFailed, {inQuotes(path), reason}}));
}

void reportSaveFailure(const TaskFileServices& services, const std::string& path,
                       const Failure& reason) {
    services.messages.showError(sayUtf8(Msg::SaveFailedTitle),
                                failureText({Msg::SaveFailed, {inQuotes(path), reason}}));
}

// The task as it would be typed: the cells' characters from left to right,
// spaces left out, so that "Eingabe" and the row check see the loaded task.
Text cellsLeftToRight(const Form1& form, Kind kind) {
    Text out;
    for (int index = arraySize(kind) - 1; index >= 0; --index) {
        for (char32_t c : form.text({kind, index})) {
            if (c != U' ') {
                out += c;
            }
        }
    }
    return out;
}

// After a load the focus goes where the work goes on: the first quotient
// cell still blank, or the first row of a step not yet judged right; on a
// finished sheet to "nächste Aufgabe". The reset's resultat(0) may be locked
// by then, and a garbled file may lock any cell: those are passed over.
void focusWhereTheWorkGoesOn(Form1& form) {
    for (int k = 0; k < kResultatCells; ++k) {
        const int productRow = 2 * k;
        // Where Enter in the quotient cell leads: the product's first column.
        const int column = kRowCells - 1 - k;
        ControlId next;
        if (isBlank(form.text(ctl::resultat(k)))) {
            next = ctl::resultat(k);
        } else if (form.verdict(productRow) != Verdict::Korrekt) {
            next = ctl::workRow(productRow, column);
        } else if (form.verdict(productRow + 1) != Verdict::Korrekt) {
            next = ctl::workRow(productRow + 1, column);
        }
        if (next.kind != Kind::None && form.setFocus(next)) {
            return;
        }
    }
    form.setFocus(ctl::Command2);
}

} // namespace

std::string taskFileStartFolder(const Form1& form, TaskFileStorage& storage) {
    const std::string& appPath = form.appPath();
    if (!appPath.empty() && storage.isWritableFolder(appPath)) {
        return appPath;
    }
    return storage.documentsFolder();
}

std::string taskFileSavePath(const std::string& chosen) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    const std::size_t n = kExtension.size();
    if (chosen.size() >= n && std::equal(kExtension.begin(), kExtension.end(), chosen.end() - n,
                                         [&](char a, char b) { return lower(a) == lower(b); })) {
        return chosen;
    }
    return chosen + std::string(kExtension);
}

std::optional<std::string> saveSheetToTaskFile(Form1& form, const TaskFileServices& services,
                                               const std::string& knownPath) {
    std::string path = knownPath;
    // The dialog cannot know of the ".AUF" added afterwards: the question
    // before replacing a file is asked here, for the name actually written.
    std::string start = taskFileStartFolder(form, services.storage);
    while (path.empty()) {
        const std::optional<std::string> chosen =
            services.dialogs.askSavePath(start, kTaskFilePattern);
        if (!chosen || chosen->empty()) {
            return std::nullopt;
        }
        const std::string named = taskFileSavePath(*chosen);
        if (!services.storage.exists(named) || services.dialogs.confirmReplace(named)) {
            path = named;
        }
        start = named;
    }
    const TaskFileBytes bytes = writeTaskRecords(form);
    if (const Problem failure = services.storage.writeAtomically(path, bytes)) {
        reportSaveFailure(services, path, *failure);
        return std::nullopt;
    }
    return path;
}

Problem taskFileRefusal(const ReadResult& read) {
    if (read.failure) {
        return read.failure;
    }
    if (read.bytes.size() < kTaskFileSize) {
        return shortFileReason(read.bytes.size());
    }
    const std::span<const std::uint8_t, kTaskFileSize> records(read.bytes.data(), kTaskFileSize);
    // A file of the right size can still be something else (a PDF renamed,
    // random bytes): taken, it would fill the sheet with garbage.
    if (Problem problem = taskFileProblem(records)) {
        return Failure{Msg::NotATaskFile, {std::move(*problem)}};
    }
    return std::nullopt;
}

void putTaskFileOnSheet(Form1& form, std::span<const std::uint8_t, kTaskFileSize> records) {
    // EnterTask spreads the old Text1/Text2, but records 11 and 12 overwrite
    // every dividend and divisor cell; Text1/Text2 follow the loaded cells.
    EnterTask(form);
    applyTaskRecords(form, records);
    form.setText(ctl::Text1, cellsLeftToRight(form, Kind::Dividend));
    form.setText(ctl::Text2, cellsLeftToRight(form, Kind::Divisor));
    // A "Fehler" from the file comes without the values it was judged on:
    // its reason is read from the loaded sheet.
    explainRestoredVerdicts(form);
    explainRestoredLines(form);
    focusWhereTheWorkGoesOn(form);
    // "Berechnung beendet" belongs to the previous task; the tracker shows it
    // again if the loaded one is complete.
    form.setVisible(ctl::Label4, false);
    // A task no one can finish on the sheet (a divisor 0, a sign among the
    // digits, a quotient longer than five digits) says so beside the boxes.
    const SheetTask task = sheetTask(form);
    showTaskProblem(form, task.workable() ? Text()
                                          : say(Msg::RowNoTask, {taskProblemText(task.problem)}));
    form.setTimer1Enabled(true);
}

std::optional<std::string> loadTaskFileOntoSheet(Form1& form, const TaskFileServices& services) {
    const std::optional<std::string> chosen =
        services.dialogs.askOpenPath(taskFileStartFolder(form, services.storage), kTaskFilePattern);
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    const std::string& path = *chosen;
    // Everything is read before the sheet is touched: a file that turns out
    // to be unreadable, short or no task file must not cost the pupil the
    // current work.
    const ReadResult result = services.storage.readPrefix(path, kTaskFileSize);
    if (const Problem refusal = taskFileRefusal(result)) {
        reportLoadFailure(services, path, *refusal);
        return std::nullopt;
    }
    putTaskFileOnSheet(
        form, std::span<const std::uint8_t, kTaskFileSize>(result.bytes.data(), kTaskFileSize));
    return path;
}

} // namespace zifferon
