// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taskfile/TaskRecords.h"

#include "taskfile/CheckLineRecord.h"

#include "sheet/Catalogue.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>

namespace zifferon {

namespace {

// Bytes 80..9F of Windows-1252; the five undefined ones keep their C1 control.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr std::uint8_t kSpace = ' ';

using Record = std::array<std::uint8_t, kRecordChars>;

// Position p (1..6) of record k starts at this byte.
constexpr std::size_t at(int k, int p) {
    return recordOffset(k) + static_cast<std::size_t>(p - 1);
}

// The first character of a text, or a space for an empty text.
std::uint8_t firstChar(const Text& t) {
    return t.empty() ? kSpace : toCp1252(t.front());
}

void putRecord(TaskFileBytes& out, int k, const Record& record) {
    std::copy(record.begin(), record.end(), out.begin() + static_cast<std::ptrdiff_t>(at(k, 1)));
}

Record blankRecord() {
    Record r;
    r.fill(kSpace);
    return r;
}

// The verdict's letter in a row-state record: "k" for korrekt, "?" for the
// prompt, "F" for anything else.
std::uint8_t verdictLetter(Verdict verdict) {
    switch (verdict) {
    case Verdict::Korrekt:
        return 'k';
    case Verdict::Pending:
        return '?';
    case Verdict::Fehler:
    case Verdict::None:
        break;
    }
    return 'F';
}

Verdict verdictOfLetter(std::uint8_t letter) {
    switch (letter) {
    case 'k':
        return Verdict::Korrekt;
    case '?':
        return Verdict::Pending;
    default:
        return Verdict::Fehler;
    }
}

Record rowStateRecord(const Form1& form, int row) {
    Record r = blankRecord();
    const bool infoShown = form.visible(ctl::info(row));
    r[0] = infoShown ? '1' : '0';
    r[1] = 'F';
    if (infoShown) {
        r[1] = verdictLetter(form.verdict(row));
    }
    const bool fehlerShown = form.visible(ctl::fehler(row));
    r[2] = fehlerShown ? '1' : '0';
    if (fehlerShown) {
        r[3] = firstChar(form.caption(ctl::fehler(row)));
    }
    return r;
}

constexpr std::string_view kTagMark = "ZIF1";

void putTag(TaskFileBytes& out, int row, const Form1& form) {
    const RowTally& tally = form.tally(row);
    std::array<std::uint64_t, kTagFields> fields{};
    fields[0] = shownErrorCount(form, row);
    std::copy(tally.mistakes.begin(), tally.mistakes.end(), fields.begin() + 1);
    fields[kTagFields - 1] = tally.hints;
    std::size_t pos = recordOffset(row + 1) + kTagOffset;
    for (char c : kTagMark) {
        out[pos++] = static_cast<std::uint8_t>(c);
    }
    for (const std::uint64_t value : fields) {
        putCount(out, pos, value);
        pos += kTagDigits;
    }
}

bool isControlByte(std::uint8_t byte) {
    return byte < 0x20 || byte == 0x7F;
}

// A cell's character as its byte; a control character (which no key types,
// but a paste may bring) is written as "?", so every file written is taken
// back by the reader.
Record cellRecord(const Form1& form, Kind kind) {
    Record r = blankRecord();
    for (int index = 0; index < arraySize(kind); ++index) {
        const std::uint8_t byte = firstChar(form.text({kind, index}));
        r[static_cast<std::size_t>(index)] = isControlByte(byte) ? '?' : byte;
    }
    return r;
}

void applyRowState(Form1& form, int row, std::span<const std::uint8_t, kTaskFileSize> bytes) {
    const int k = row + 1;
    const ControlId info = ctl::info(row);
    if (bytes[at(k, 1)] == '1') {
        form.setVisible(info, true);
        form.showVerdict(row, verdictOfLetter(bytes[at(k, 2)]));
    } else {
        form.setVisible(info, false);
    }

    const ControlId fehler = ctl::fehler(row);
    const std::optional<RowTag> tag = readRowTag(bytes, row);
    if (bytes[at(k, 3)] == '1') {
        form.setVisible(fehler, true);
        // The record holds the count's first character; the tag the whole count.
        const std::uint8_t mark = bytes[at(k, 4)];
        if (tag) {
            form.setErrorCount(row, tag->errors);
        } else if (mark >= '0' && mark <= '9') {
            form.setErrorCount(row, mark - '0');
        } else {
            form.setErrorMark(row, fromCp1252(mark));
        }
    } else {
        form.setVisible(fehler, false);
        form.setErrorCount(row, 0);
    }
    form.setTally(row, tag ? tag->tally : RowTally{});
}

// A cell's text from its position: a space stands for an empty cell.
Text cellText(std::uint8_t byte) {
    return byte == kSpace ? Text() : Text(1, fromCp1252(byte));
}

void applyCells(Form1& form, int k, Kind kind, std::span<const std::uint8_t, kTaskFileSize> bytes) {
    for (int index = 0; index < arraySize(kind); ++index) {
        form.setText({kind, index}, cellText(bytes[at(k, index + 1)]));
    }
}

} // namespace

char32_t fromCp1252(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return kHighControls[byte - 0x80u];
    }
    return byte;
}

std::uint8_t toCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<std::uint8_t>(c);
    }
    const auto* hit = std::find(kHighControls.begin(), kHighControls.end(), c);
    if (hit != kHighControls.end()) {
        return static_cast<std::uint8_t>(0x80 + (hit - kHighControls.begin()));
    }
    return '?';
}

Problem taskFileProblem(std::span<const std::uint8_t, kTaskFileSize> bytes) {
    // What is wrong first, in plain words; where, for whoever looks into
    // the bytes, after it.
    auto where = [](int k, int p) {
        return Failure{Msg::RecordWhere,
                       {std::to_string(at(k, p) + 1), std::to_string(k), std::to_string(p)}};
    };
    for (int k = 1; k <= kWorkRows; ++k) {
        for (int p : {1, 3}) {
            const std::uint8_t b = bytes[at(k, p)];
            if (b != '0' && b != '1') {
                return Failure{p == 1 ? Msg::RecordJudgedFlag : Msg::RecordCountFlag,
                               {std::to_string(k), where(k, p)}};
            }
        }
    }
    struct CellRecord {
        int k;
        int cells;
        Msg name;
    };
    const CellRecord cellRecords[] = {
        {kDividendRecord, kDividendCells, Msg::RecordInDividend},
        {kDivisorRecord, kDivisorCells, Msg::RecordInDivisor},
        {kResultatRecord, kResultatCells, Msg::RecordInQuotient},
    };
    auto controlIn = [&](int k, int cells, const Failure& name) -> Problem {
        for (int p = 1; p <= cells; ++p) {
            if (isControlByte(bytes[at(k, p)])) {
                char code[8];
                std::snprintf(code, sizeof code, "0x%02X", bytes[at(k, p)]);
                return Failure{Msg::RecordControlChar, {name, code, where(k, p)}};
            }
        }
        return std::nullopt;
    };
    for (const CellRecord& r : cellRecords) {
        if (Problem problem = controlIn(r.k, r.cells, Failure{r.name})) {
            return problem;
        }
    }
    for (int n = 1; n <= kWorkRows; ++n) {
        if (Problem problem = controlIn(kontrolleRecord(n), kRowCells,
                                        Failure{Msg::RecordInRow, {std::to_string(n)}})) {
            return problem;
        }
    }
    return std::nullopt;
}

void putCount(TaskFileBytes& out, std::size_t pos, std::uint64_t count) {
    count = std::min(count, kLargestCount);
    for (std::size_t d = kTagDigits; d > 0; count /= 10) {
        out[pos + --d] = static_cast<std::uint8_t>('0' + count % 10);
    }
}

std::optional<std::uint64_t> readCount(std::span<const std::uint8_t, kTaskFileSize> bytes,
                                       std::size_t pos) {
    std::uint64_t count = 0;
    for (std::size_t d = 0; d < kTagDigits; ++d) {
        const std::uint8_t b = bytes[pos + d];
        if (b < '0' || b > '9') {
            return std::nullopt;
        }
        count = count * 10 + (b - '0');
    }
    return count;
}

std::uint64_t shownErrorCount(const Form1& form, int row) {
    if (!form.visible(ctl::fehler(row))) {
        return 0;
    }
    return std::min(form.errorCount(row), kLargestCount);
}

std::optional<RowTag> readRowTag(std::span<const std::uint8_t, kTaskFileSize> bytes, int row) {
    if (row < 0 || row >= kWorkRows) {
        return std::nullopt;
    }
    const int k = row + 1;
    std::size_t pos = recordOffset(k) + kTagOffset;
    for (char c : kTagMark) {
        if (bytes[pos++] != static_cast<std::uint8_t>(c)) {
            return std::nullopt;
        }
    }
    std::array<std::uint64_t, kTagFields> fields{};
    for (std::uint64_t& value : fields) {
        const std::optional<std::uint64_t> count = readCount(bytes, pos);
        if (!count) {
            return std::nullopt;
        }
        value = *count;
        pos += kTagDigits;
    }
    RowTag tag;
    tag.errors = fields[0];
    std::copy(fields.begin() + 1, fields.end() - 1, tag.tally.mistakes.begin());
    tag.tally.hints = fields[kTagFields - 1];
    // No sum overflows: each kind has at most 16 digits.
    std::uint64_t kinds = 0;
    for (std::uint64_t n : tag.tally.mistakes) {
        kinds += n;
    }
    const bool shown = bytes[at(k, 3)] == '1';
    std::uint64_t firstDigit = tag.errors;
    while (firstDigit >= 10) {
        firstDigit /= 10;
    }
    const bool agrees = shown ? bytes[at(k, 4)] == '0' + firstDigit : tag.errors == 0;
    if (kinds > tag.errors || !agrees) {
        return std::nullopt;
    }
    return tag;
}

TaskFileBytes writeTaskRecords(const Form1& form) {
    TaskFileBytes out{};
    for (int row = 0; row < kWorkRows; ++row) {
        putRecord(out, row + 1, rowStateRecord(form, row));
        putTag(out, row, form);
    }
    putRecord(out, kDividendRecord, cellRecord(form, Kind::Dividend));
    putRecord(out, kDivisorRecord, cellRecord(form, Kind::Divisor));
    putRecord(out, kResultatRecord, cellRecord(form, Kind::Resultat));
    for (int n = 1; n <= kWorkRows; ++n) {
        putRecord(out, kontrolleRecord(n), cellRecord(form, kontrolleKind(n)));
    }
    putCheckLineTag(out, form);
    return out;
}

void applyTaskRecords(Form1& form, std::span<const std::uint8_t, kTaskFileSize> bytes) {
    for (int row = 0; row < kWorkRows; ++row) {
        applyRowState(form, row, bytes);
    }
    applyCells(form, kDividendRecord, Kind::Dividend, bytes);
    applyCells(form, kDivisorRecord, Kind::Divisor, bytes);
    applyCells(form, kResultatRecord, Kind::Resultat, bytes);
    // A product row restored as right keeps its quotient digit, as the check
    // that judged it right left it: locked.
    for (int k = 0; k < kResultatCells; ++k) {
        if (form.verdict(2 * k) == Verdict::Korrekt) {
            form.setEnabled(ctl::resultat(k), false);
        }
    }
    for (int n = 1; n <= kWorkRows; ++n) {
        const int k = kontrolleRecord(n);
        const bool locked = form.verdict(n - 1) == Verdict::Korrekt;
        for (int column = 0; column < kRowCells; ++column) {
            const ControlId cell = ctl::workRow(n - 1, column);
            form.setText(cell, cellText(bytes[at(k, column + 1)]));
            if (locked) {
                form.setEnabled(cell, false);
            }
        }
    }
    applyCheckLineTag(form, bytes);
}

} // namespace zifferon
