// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "overview/ClassOverview.h"

#include "check/RowJudge.h"
#include "check/SheetReading.h"
#include "taskfile/FileStart.h"
#include "taskfile/TaskRecords.h"
#include "tracker/ProgressTracker.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace zifferon {

namespace {

constexpr std::array<std::string_view, kColumns> kTitles = {
    "Datei",           "Aufgabe",         "Stand",
    "Ergebnis",        "Richtig",         "Fehlversuche",
    "Einmaleins",      "Abziehen",        "Ziffer zu gro\u00DF",
    "Ziffer zu klein", "Stellenwert",     "Tipps",
    "Wiederholt",      "\u00DCberschlag", "Probe"};

constexpr std::array<std::string_view, 4> kStands = {"nicht begonnen", "in Arbeit", "beendet",
                                                     "keine Aufgabendatei"};

std::uint64_t addCapped(std::uint64_t a, std::uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

void addTally(RowTally& sum, const RowTally& add) {
    for (std::size_t i = 0; i < sum.mistakes.size(); ++i) {
        sum.mistakes[i] = addCapped(sum.mistakes[i], add.mistakes[i]);
    }
    sum.hints = addCapped(sum.hints, add.hints);
}

bool isKorrekt(const Form1& form, int row) {
    return form.verdict(row) == Verdict::Korrekt;
}

bool holdsWriting(const Form1& form) {
    for (int k = 0; k < kResultatCells; ++k) {
        if (!isBlank(form.text(ctl::resultat(k)))) {
            return true;
        }
    }
    for (int row = 0; row < kWorkRows; ++row) {
        for (int c = 0; c < kRowCells; ++c) {
            if (!isBlank(form.text(ctl::workRow(row, c)))) {
                return true;
            }
        }
    }
    return false;
}

// The step whose end the tracker announced: the last one whose product and
// remainder are right and after which no dividend digit is left.
int finishedStep(const Form1& form) {
    for (int k = kResultatCells - 1; k >= 0; --k) {
        if (isKorrekt(form, 2 * k) && isKorrekt(form, 2 * k + 1) && bringDownColumn(form, k) < 0) {
            return k;
        }
    }
    return -1;
}

struct Remainder {
    long long value = 0;
    bool digitsOnly = true;
};

// The remainder row of the step, read from its product's units column as
// the solver reads it.
Remainder remainderOf(const Form1& form, int step) {
    const Kind rest = workRowKind(2 * step + 1);
    const int anchor = lowestWrittenColumn(form, workRowKind(2 * step))
                           .value_or(lowestWrittenColumn(form, rest).value_or(0));
    Remainder r;
    r.value = anchoredValue(form, rest, anchor);
    for (int c = anchor; c < kRowCells; ++c) {
        for (char32_t ch : form.text({rest, c})) {
            r.digitsOnly = r.digitsOnly && (ch == U' ' || (ch >= U'0' && ch <= U'9'));
        }
    }
    return r;
}

Text quotientDigits(const Form1& form) {
    Text digits;
    for (int k = 0; k < kResultatCells; ++k) {
        for (char32_t ch : form.text(ctl::resultat(k))) {
            if (ch != U' ') {
                digits += ch;
            }
        }
    }
    return digits;
}

// Whether quotient and remainder are those of the integer division of the
// task on the sheet.
bool isRightResult(const Form1& form, const Text& quotient, const Remainder& remainder) {
    long long dividend = 0;
    long long divisor = 0;
    long long q = 0;
    if (!parseDigitString(form.text(ctl::Text1), dividend) ||
        !parseDigitString(form.text(ctl::Text2), divisor) || divisor <= 0 ||
        !parseDigitString(quotient, q) || !remainder.digitsOnly) {
        return false;
    }
    const long long expected = dividend / divisor;
    return q == expected && remainder.value == dividend - expected * divisor;
}

// One byte that is not part of a UTF-8 sequence.
std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    const std::size_t n = b < 0x80                 ? 1
                          : b >= 0xC2 && b <= 0xDF ? 2
                          : b >= 0xE0 && b <= 0xEF ? 3
                          : b >= 0xF0 && b <= 0xF4 ? 4
                                                   : 0;
    if (n == 0 || i + n > s.size()) {
        return 0;
    }
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
            return 0;
        }
    }
    // No overlong forms, surrogates or code points beyond U+10FFFF.
    const auto b1 = static_cast<unsigned char>(s[i + 1 < s.size() ? i + 1 : i]);
    if ((b == 0xE0 && b1 < 0xA0) || (b == 0xED && b1 > 0x9F) || (b == 0xF0 && b1 < 0x90) ||
        (b == 0xF4 && b1 > 0x8F)) {
        return 0;
    }
    return n;
}

// A line is begun once a box of it holds writing or it has been checked.
CheckReport checkReportOf(const Form1& form, bool asked, std::initializer_list<CheckLine> lines,
                          std::initializer_list<ControlId> boxes) {
    CheckReport report;
    bool begun = std::any_of(boxes.begin(), boxes.end(),
                             [&form](ControlId box) { return !isBlank(form.text(box)); });
    bool right = true;
    for (const CheckLine line : lines) {
        report.errors = addCapped(report.errors, form.lineErrors(line));
        begun = begun || form.lineVerdict(line) != Verdict::None || form.lineErrors(line) > 0;
        right = right && form.lineVerdict(line) == Verdict::Korrekt;
    }
    report.stand = right   ? CheckStand::Korrekt
                   : begun ? CheckStand::Offen
                   : asked ? CheckStand::Fehlt
                           : CheckStand::Leer;
    return report;
}

// "1 Fehler", "2 Fehlern" after "nach"; "2 Fehler" otherwise.
std::string errorCount(std::uint64_t errors, bool dative) {
    return std::to_string(errors) + (errors != 1 && dative ? " Fehlern" : " Fehler");
}

std::string checkReportText(const CheckReport& report) {
    switch (report.stand) {
    case CheckStand::Korrekt:
        return report.errors == 0 ? "korrekt" : "korrekt nach " + errorCount(report.errors, true);
    case CheckStand::Offen:
        return report.errors == 0 ? "offen" : "offen (" + errorCount(report.errors, false) + ")";
    case CheckStand::Fehlt:
        return "verlangt, fehlt";
    case CheckStand::Leer:
        break;
    }
    return {};
}

ReadResult failure(const Failure& reason) {
    ReadResult r;
    r.failure = reason;
    return r;
}

} // namespace

std::string shownName(std::string_view name) {
    std::string shown;
    for (std::size_t i = 0; i < name.size();) {
        const std::size_t n = utf8Length(name, i);
        shown += n == 0 ? "\uFFFD" : name.substr(i, n);
        i += n == 0 ? 1 : n;
    }
    return shown;
}

std::string_view columnTitle(Column column) {
    return kTitles[static_cast<std::size_t>(column)];
}

std::optional<MistakeKind> mistakeColumn(Column column) {
    if (column >= Column::Einmaleins && column <= Column::Stellenwert) {
        return static_cast<MistakeKind>(static_cast<int>(column) -
                                        static_cast<int>(Column::Einmaleins));
    }
    return std::nullopt;
}

OverviewRow overviewRow(std::string file, std::string path, const ReadResult& read) {
    OverviewRow row;
    row.file = std::move(file);
    row.path = std::move(path);
    row.refusal = taskFileRefusal(read);
    if (row.refusal) {
        return row;
    }
    const std::span<const std::uint8_t, kTaskFileSize> records(read.bytes.data(), kTaskFileSize);
    // The file on a sheet of its own, as "Laden" puts it onto the window's,
    // and the pass that follows the load.
    Form1 form;
    putTaskFileOnSheet(form, records);
    trackProgress(form);

    const Text& dividend = form.text(ctl::Text1);
    const Text& divisor = form.text(ctl::Text2);
    if (!dividend.empty() || !divisor.empty()) {
        row.task = toUtf8(dividend) + " : " + toUtf8(divisor);
    }
    const Text quotient = quotientDigits(form);
    row.result = toUtf8(quotient);
    if (form.visible(ctl::Label4)) {
        row.stand = Stand::Beendet;
        const int step = finishedStep(form);
        const Remainder remainder = step >= 0 ? remainderOf(form, step) : Remainder{};
        row.result += " Rest " + toUtf8(numberText(remainder.value));
        row.right = isRightResult(form, quotient, remainder);
    } else {
        row.stand = holdsWriting(form) ? Stand::InArbeit : Stand::NichtBegonnen;
    }
    for (int r = 0; r < kWorkRows; ++r) {
        row.failedChecks = addCapped(row.failedChecks, shownErrorCount(form, r));
        row.tagged = row.tagged || readRowTag(records, r).has_value();
        addTally(row.tally, form.tally(r));
    }
    const Form1::CheckDemands asked = form.demands();
    row.ueberschlag =
        checkReportOf(form, asked.ueberschlag, {CheckLine::Ueberschlag}, {ctl::stellen, ctl::etwa});
    row.probe = checkReportOf(form, asked.probe, {CheckLine::ProbeMal, CheckLine::ProbePlus},
                              {ctl::probe(0), ctl::probe(1), ctl::probe(2)});
    return row;
}

ClassOverview readClassFolder(const std::string& folder) {
    ClassOverview overview;
    const TaskFolder found = findTaskFiles(folder);
    if (found.failure) {
        overview.failure = found.failure;
        return overview;
    }
    overview.rows.reserve(found.files.size());
    for (const TaskFolderEntry& entry : found.files) {
        const ReadResult read =
            entry.problem ? failure(*entry.problem) : readFileStart(entry.path, kTaskFileSize);
        overview.rows.push_back(overviewRow(entry.relative, entry.path, read));
    }
    markRepeatedMistakes(overview.rows);
    return overview;
}

std::string pupilOf(std::string_view relative) {
    const std::size_t slash = relative.find('/');
    return slash == std::string_view::npos ? std::string() : std::string(relative.substr(0, slash));
}

std::vector<PupilSummary> pupilSummaries(const std::vector<OverviewRow>& rows) {
    std::map<std::string, PupilSummary> byName;
    for (const OverviewRow& row : rows) {
        const std::string pupil = pupilOf(row.file);
        if (pupil.empty()) {
            continue;
        }
        PupilSummary& summary = byName[pupil];
        summary.pupil = pupil;
        if (row.stand == Stand::KeineAufgabendatei) {
            continue;
        }
        ++summary.files;
        for (std::size_t k = 0; k < summary.filesWithKind.size(); ++k) {
            summary.filesWithKind[k] += row.tally.mistakes[k] > 0 ? 1 : 0;
        }
    }
    std::vector<PupilSummary> pupils;
    for (auto& [name, summary] : byName) {
        pupils.push_back(std::move(summary));
    }
    return pupils;
}

void markRepeatedMistakes(std::vector<OverviewRow>& rows) {
    const std::vector<PupilSummary> pupils = pupilSummaries(rows);
    for (OverviewRow& row : rows) {
        row.pupil = pupilOf(row.file);
        const auto it = std::find_if(pupils.begin(), pupils.end(), [&row](const PupilSummary& p) {
            return p.pupil == row.pupil;
        });
        for (std::size_t k = 0; k < row.repeated.size(); ++k) {
            row.repeated[k] = it != pupils.end() && row.tally.mistakes[k] > 0 &&
                              it->repeated(static_cast<MistakeKind>(k));
        }
    }
}

std::string pupilKindText(const PupilSummary& pupil, MistakeKind kind) {
    const std::size_t files = pupil.filesWithKind[static_cast<std::size_t>(kind)];
    if (files == 0) {
        return {};
    }
    return files == 1 ? "einmal" : "wiederholt (" + std::to_string(files) + ")";
}

std::optional<std::uint64_t> cellNumber(const OverviewRow& row, Column column) {
    if (row.stand == Stand::KeineAufgabendatei) {
        return std::nullopt;
    }
    if (column == Column::Fehlversuche) {
        return row.failedChecks;
    }
    if (!row.tagged) {
        return std::nullopt;
    }
    if (column == Column::Tipps) {
        return row.tally.hints;
    }
    if (const std::optional<MistakeKind> kind = mistakeColumn(column)) {
        return row.tally.of(*kind);
    }
    return std::nullopt;
}

const CheckReport& checkReport(const OverviewRow& row, Column column) {
    return column == Column::Probe ? row.probe : row.ueberschlag;
}

std::string_view errorCountTitle(Column column) {
    return column == Column::Probe ? "Fehler bei der Probe" : "Fehler beim \u00DCberschlag";
}

std::string cellText(const OverviewRow& row, Column column) {
    switch (column) {
    case Column::Ueberschlag:
    case Column::Probe:
        return checkReportText(checkReport(row, column));
    case Column::Datei:
        return shownName(row.file);
    case Column::Aufgabe:
        return row.task;
    case Column::Stand:
        return std::string(kStands[static_cast<std::size_t>(row.stand)]);
    case Column::Ergebnis:
        // Digits of unfinished work are no result yet.
        return row.stand == Stand::InArbeit && !row.result.empty() ? "bisher " + row.result
                                                                   : row.result;
    case Column::Richtig:
        return row.right ? (*row.right ? "ja" : "nein") : "";
    case Column::Wiederholt: {
        std::string kinds;
        for (int k = 0; k < kMistakeKinds; ++k) {
            if (row.repeated[static_cast<std::size_t>(k)]) {
                kinds += (kinds.empty() ? "" : ", ") +
                         std::string(columnTitle(
                             static_cast<Column>(static_cast<int>(Column::Einmaleins) + k)));
            }
        }
        return kinds;
    }
    default: {
        const std::optional<std::uint64_t> n = cellNumber(row, column);
        return n ? std::to_string(*n) : "";
    }
    }
}

std::optional<RowTally> classTally(const std::vector<OverviewRow>& rows) {
    std::optional<RowTally> sum;
    for (const OverviewRow& row : rows) {
        if (row.tagged) {
            addTally(sum ? *sum : sum.emplace(), row.tally);
        }
    }
    return sum;
}

std::array<std::string, kColumns> summaryLine(const std::vector<OverviewRow>& rows) {
    std::array<std::string, kColumns> line;
    auto at = [&line](Column c) -> std::string& { return line[static_cast<std::size_t>(c)]; };
    auto join = [](std::string& out, std::size_t count, std::string_view what) {
        if (count > 0) {
            out += (out.empty() ? "" : ", ") + std::to_string(count) + " " + std::string(what);
        }
    };
    at(Column::Datei) =
        "Summe: " + std::to_string(rows.size()) + (rows.size() == 1 ? " Datei" : " Dateien");
    std::array<std::size_t, kStands.size()> perStand{};
    std::size_t right = 0;
    std::size_t wrong = 0;
    std::uint64_t failed = 0;
    for (const OverviewRow& row : rows) {
        ++perStand[static_cast<std::size_t>(row.stand)];
        right += row.right == true ? 1 : 0;
        wrong += row.right == false ? 1 : 0;
        failed = addCapped(failed, row.failedChecks);
    }
    for (std::size_t s = 0; s < kStands.size(); ++s) {
        join(at(Column::Stand), perStand[s], kStands[s]);
    }
    // How many of the pupils repeat a mistake.
    const std::vector<PupilSummary> pupils = pupilSummaries(rows);
    if (!pupils.empty()) {
        const auto repeating = std::count_if(pupils.begin(), pupils.end(), [](const auto& p) {
            return std::any_of(p.filesWithKind.begin(), p.filesWithKind.end(),
                               [](std::size_t files) { return files >= 2; });
        });
        at(Column::Wiederholt) = "bei " + std::to_string(repeating) + " von " +
                                 std::to_string(pupils.size()) +
                                 (pupils.size() == 1 ? " Kind" : " Kindern");
    }
    // The lines around the calculation, by how far they got.
    for (const Column c : {Column::Ueberschlag, Column::Probe}) {
        std::array<std::size_t, 4> perStand{};
        for (const OverviewRow& row : rows) {
            ++perStand[static_cast<std::size_t>(checkReport(row, c).stand)];
        }
        const std::size_t missing = perStand[static_cast<std::size_t>(CheckStand::Fehlt)];
        join(at(c), perStand[static_cast<std::size_t>(CheckStand::Korrekt)], "korrekt");
        join(at(c), perStand[static_cast<std::size_t>(CheckStand::Offen)], "offen");
        join(at(c), missing, missing == 1 ? "fehlt" : "fehlen");
    }
    join(at(Column::Richtig), right, "ja");
    join(at(Column::Richtig), wrong, "nein");
    at(Column::Fehlversuche) = std::to_string(failed);
    if (const std::optional<RowTally> sum = classTally(rows)) {
        for (int k = 0; k < kMistakeKinds; ++k) {
            at(static_cast<Column>(static_cast<int>(Column::Einmaleins) + k)) =
                std::to_string(sum->mistakes[static_cast<std::size_t>(k)]);
        }
        at(Column::Tipps) = std::to_string(sum->hints);
    }
    return line;
}

} // namespace zifferon
