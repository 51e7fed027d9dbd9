// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Überschlag and the Probe in a task file. They go into the filler of
// the dividend's record (record 11), which every reader of the format
// ignores, so older programs load the file as before; all of it is ASCII:
//
//   bytes   6..9    "ZIF2", the mark of this layout
//   byte   10       "1" when the sheet asks for the Überschlag, else "0"
//   byte   11       "1" when it asks for the Probe, else "0"
//   bytes  12..28   the Überschlag line: its verdict letter ("-" while no
//                   verdict is shown, "?" for "korrekt?", "k", "F"), then
//                   its error count, 16 decimal digits
//   bytes  29..45   the Probe's first line, the same way
//   bytes  46..62   the Probe's second line, the same way
//   byte   63       stellen: its digit, a space when empty
//   bytes  64..69   etwa, digits from the left, spaces after
//   bytes  70..87   probe(0), probe(1), probe(2), six characters each, the same way
//   bytes  88..127  zero
//
// A file without the mark, or with anything else in these bytes, loads
// with the lines empty, as a file from before them.

#include "sheet/Form1.h"
#include "taskfile/TaskRecords.h"

#include <span>

namespace zifferon {

inline constexpr std::size_t kCheckLineTagOffset = recordOffset(kDividendRecord) + kTagOffset;
inline constexpr std::size_t kCheckLineTagLength = 82;
static_assert(kTagOffset + kCheckLineTagLength <= kRecordLength);

// Writes the lines' state into the filler of record 11.
void putCheckLineTag(TaskFileBytes& out, const Form1& form);

// Puts a well-formed tag's state onto a sheet just filled from the records;
// false (the sheet untouched) for none. Enabled states are the pass's.
bool applyCheckLineTag(Form1& form, std::span<const std::uint8_t, kTaskFileSize> bytes);

} // namespace zifferon
