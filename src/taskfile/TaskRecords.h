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
// Nothing else is stored in those six characters: no header, no Text1/Text2,
// no enabled states (those follow from the "korrekt" rows when the file is
// read back).
//
// Our own record of each row goes into the filler of its row-state record,
// which every reader of the format ignores; all of it is ASCII:
//
//   bytes   6..9    "ZIF1", the mark of this layout
//   bytes  10..25   the row's full error count (fehler(i)), 16 decimal digits
//   bytes  26..105  the failed checks by kind, 16 digits each: Einmaleins,
//                   Abziehen, Ziffer zu gross, Ziffer zu klein, Stellenwert
//   bytes 106..121  the hints asked for the row, 16 digits
//   bytes 122..127  zero
//
// The filler of record 11 keeps the Überschlag and the Probe (see
// CheckLineRecord.h); the filler of the other cell records stays zero.

#include "sheet/Failure.h"
#include "sheet/Form1.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
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

// The sheet as the 23 records, each row's record with its tag; all other
// filler bytes are zero. A control character in a cell is written as "?".
TaskFileBytes writeTaskRecords(const Form1& form);

// The full error count the counter fehler(row) shows, 0 while it is hidden.
std::uint64_t shownErrorCount(const Form1& form, int row);

// What the tag of a row-state record says.
struct RowTag {
    std::uint64_t errors = 0;
    RowTally tally;
};

inline constexpr std::size_t kTagOffset = 6;
inline constexpr std::size_t kTagDigits = 16;
inline constexpr std::size_t kTagFields = 2 + kMistakeKinds;
// Where the tag ends: the mark, then the fields.
inline constexpr std::size_t kTagEnd = kTagOffset + 4 + kTagFields * kTagDigits;
static_assert(kTagEnd <= kRecordLength);

// A count in a tag: 16 decimal digits at `pos`, the count stopping at
// kLargestCount; read back, nullopt when a byte there is no digit.
void putCount(TaskFileBytes& out, std::size_t pos, std::uint64_t count);
std::optional<std::uint64_t> readCount(std::span<const std::uint8_t, kTaskFileSize> bytes,
                                       std::size_t pos);

// The tag of row `row` (0..9), when it is there and well-formed: the mark,
// digits only, the kinds adding up to no more than the error count, and the
// count agreeing with the record's own error mark (hidden: 0; shown: the
// count's first digit): a tag left in the filler by a program that rewrote
// only the six characters is not taken.
std::optional<RowTag> readRowTag(std::span<const std::uint8_t, kTaskFileSize> bytes, int row);

// Why the bytes are no task file; nothing when they may be one. A
// task file has "0" or "1" at positions 1 and 3 of each row-state record and
// no control character (below 0x20, or 0x7F) at a position that holds a cell;
// every file the writer makes passes.
Problem taskFileProblem(std::span<const std::uint8_t, kTaskFileSize> bytes);

// Puts the records onto the sheet in file order: row states first, then the
// cells; each work cell of a row whose verdict is "korrekt" is disabled
// right after its text is set, and the quotient cell of such a product row
// too. A space at a cell position gives an empty cell.
// A row with a tag gets its full error count back into fehler(i) and its
// tally; a row without one gets an empty tally.
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
