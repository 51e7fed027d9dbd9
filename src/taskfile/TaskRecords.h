// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The ".AUF" task file: 23 records of 128 bytes, each carrying six one-byte
// characters (Windows-1252) at its start; the rest of a record is filler.
//
//   records  1..10  row state of row i = k - 1: info(i) shown / verdict,
//                   fehler(i) shown / first character of its caption
//   record  11      dividend(0..5)
//   record  12      divisor(0..2), three spare spaces
//   record  13      resultat(0..4), one spare space
//   records 14..23  kontrolle1 ... kontrolle10, cells 0..5
//
// Nothing else is stored: no header, no Text1/Text2, no enabled states (those
// follow from the "korrekt" rows when the file is read back).

#include "sheet/Form1.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zifferon {

inline constexpr std::size_t kRecordLength = 128;
inline constexpr std::size_t kRecordCount = 23;
inline constexpr std::size_t kTaskFileSize = kRecordLength * kRecordCount; // 2944
inline constexpr std::size_t kRecordChars = 6;

using TaskFileBytes = std::array<std::uint8_t, kTaskFileSize>;

// Byte offset of record k (1-based).
constexpr std::size_t recordOffset(int k) {
    return kRecordLength * static_cast<std::size_t>(k - 1);
}

// Record numbers of the cell records.
inline constexpr int kDividendRecord = 11;
inline constexpr int kDivisorRecord = 12;
inline constexpr int kResultatRecord = 13;
constexpr int kontrolleRecord(int n) {
    return 13 + n;
}

// The sheet as the 23 records; filler bytes are zero. A control character in
// a cell is written as "?".
TaskFileBytes writeTaskRecords(const Form1& form);

// Why the bytes are no task file, in German; empty when they may be one. A
// task file has "0" or "1" at positions 1 and 3 of each row-state record and
// no control character (below 0x20, or 0x7F) at a position that holds a cell;
// every file the writer makes passes.
std::string taskFileProblem(std::span<const std::uint8_t, kTaskFileSize> bytes);

// Puts the records onto the sheet in file order: row states first, then the
// cells; each work cell of a row whose info caption is "korrekt" is disabled
// right after its text is set, and the quotient cell of such a product row
// too. A space at a cell position gives an empty cell.
// The caller resets the sheet first (EnterTask): labels that the file marks
// hidden keep their state, and no cell is enabled here.
void applyTaskRecords(Form1& form, std::span<const std::uint8_t, kTaskFileSize> bytes);

// Windows-1252. The five bytes without a character (81, 8D, 8F, 90, 9D) map
// to the C1 controls of the same number, as Windows does, so every byte has
// exactly one character and back.
char32_t fromCp1252(std::uint8_t byte);
// '?' for a character the code page cannot hold.
std::uint8_t toCp1252(char32_t c);

} // namespace zifferon
