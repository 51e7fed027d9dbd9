// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class overview: one row per task file of a folder, read with the load
// command's own checks and reader onto a scratch sheet and seen by one pass
// of the progress tracker, as the window would show the file after "Laden".
// Nothing is written.

#include "overview/TaskFolder.h"
#include "sheet/RowTally.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zifferon {

enum class Column {
    Datei,
    Aufgabe,
    Stand,
    Ergebnis,
    Richtig,
    Fehlversuche,
    Einmaleins,
    Abziehen,
    ZifferZuGross,
    ZifferZuKlein,
    Stellenwert,
    Tipps,
    // The kinds of mistake of the file that its pupil made in another file too.
    Wiederholt,
    // The lines around the calculation; last, so that the columns before
    // them stay where readers of the CSV expect them.
    Ueberschlag,
    Probe,
};
inline constexpr int kColumns = 15;

// The column's title, UTF-8.
std::string_view columnTitle(Column column);
// The kind of mistake a column counts, if it counts one.
std::optional<MistakeKind> mistakeColumn(Column column);

// In the order of the work: not begun, begun, finished; then files the load
// would refuse.
enum class Stand { NichtBegonnen, InArbeit, Beendet, KeineAufgabendatei };

// How far a file's Überschlag or Probe got: not asked for and not begun,
// asked for and not begun, begun and not yet right, right.
enum class CheckStand { Leer, Fehlt, Offen, Korrekt };

struct CheckReport {
    CheckStand stand = CheckStand::Leer;
    std::uint64_t errors = 0; // failed checks (both lines of the Probe)
};

struct OverviewRow {
    std::string file; // relative to the chosen folder (bytes, as the file system has it)
    std::string path; // bytes: opens the file whatever its encoding
    Stand stand = Stand::KeineAufgabendatei;
    Problem refusal;                // why the load refuses the file
    std::string task;               // "9434 : 13"
    std::string result;             // "725 Rest 9"
    std::optional<bool> right;      // for a finished sheet only
    std::uint64_t failedChecks = 0; // the rows' counters, full counts where tagged
    bool tagged = false;            // a row record carries our tag
    RowTally tally;                 // sums over the rows (tagged files only)
    std::string pupil;              // the subfolder, empty for a file of the folder itself
    // Per kind of mistake: made in this file and in another file of the same
    // pupil ("wiederholt"); a kind in one file only is a slip.
    std::array<bool, kMistakeKinds> repeated{};
    CheckReport ueberschlag;
    CheckReport probe;
};

// The overview row of one file from what was read of its start.
OverviewRow overviewRow(std::string file, std::string path, const ReadResult& read);

struct ClassOverview {
    Problem failure; // naming the folder, when it cannot be searched
    std::vector<OverviewRow> rows;
};

// Every task file of the folder and its direct subfolders, by relative path,
// with the pupils' repeated mistakes marked.
ClassOverview readClassFolder(const std::string& folder);

// A pupil is a subfolder of the class folder: the part of the relative path
// before the first "/", empty for a file of the folder itself.
std::string pupilOf(std::string_view relative);

// Sets each row's pupil and marks a kind of mistake "wiederholt" where the
// pupil made it in two or more different files. Files of the folder itself
// belong to no pupil and are never marked.
void markRepeatedMistakes(std::vector<OverviewRow>& rows);

// One pupil's files at a glance, for the summary per pupil.
struct PupilSummary {
    std::string pupil;
    std::size_t files = 0;                                  // task files read
    std::array<std::size_t, kMistakeKinds> filesWithKind{}; // files with the kind of mistake
    bool repeated(MistakeKind kind) const {
        return filesWithKind[static_cast<std::size_t>(kind)] >= 2;
    }
};

// The pupils in the order of their names, each once.
std::vector<PupilSummary> pupilSummaries(const std::vector<OverviewRow>& rows);

// "wiederholt (3)" for a kind in three files, "einmal" for a slip, empty for
// none: a cell of the summary per pupil.
std::string pupilKindText(const PupilSummary& pupil, MistakeKind kind);

// A file name as UTF-8 text: each byte that is not part of a UTF-8
// character shows as U+FFFD, the replacement character.
std::string shownName(std::string_view name);

// The Überschlag or the Probe of the row, for their columns.
const CheckReport& checkReport(const OverviewRow& row, Column column);
// The title of the CSV's column of their failed checks, UTF-8.
std::string_view errorCountTitle(Column column);

// The text a cell shows (UTF-8); empty where the column says nothing. The
// Überschlag and the Probe: "korrekt", "korrekt nach 2 Fehlern", "offen",
// "offen (1 Fehler)", "verlangt, fehlt".
std::string cellText(const OverviewRow& row, Column column);
// The counting columns' value for sorting; nullopt where the cell is empty.
std::optional<std::uint64_t> cellNumber(const OverviewRow& row, Column column);

// The summary line: the number of files, the files per Stand, the finished
// sheets right and wrong, and the sums of the counting columns (the kinds
// and hints over the tagged files; empty when none is).
std::array<std::string, kColumns> summaryLine(const std::vector<OverviewRow>& rows);

// The class's mistakes by kind and hints, over the tagged files; none when no
// file is tagged (then the kinds of its mistakes are unknown, not zero).
std::optional<RowTally> classTally(const std::vector<OverviewRow>& rows);

} // namespace zifferon
