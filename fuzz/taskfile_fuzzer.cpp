// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the task-file reader and writer.
//
// The input is the content of a task file, loaded onto a fresh sheet through
// the load command. A file shorter than 23 records, or one whose row states
// and cells are not those of a task file, must be refused without touching
// the sheet. A longer one is applied; the sheet is then written out,
// and what was written is loaded onto another fresh sheet and written again:
// both writes must be equal, the six characters of each record must be the
// input's in the form the writer gives them, and a row's tag that the reader
// took must come back with the same counts. Afterwards the row checks, the tracker and "Eingabe"
// run on the loaded sheet. Throughout, no work cell may hold more than one character, no quotient
// cell more than one, and the focus may not move onto a locked control (a cell locked while it has
// the focus keeps it).

#include "MemoryTaskFiles.h"

#include "session/Worksheet.h"
#include "sheet/Layout.h"
#include "taskfile/TaskFileCommands.h"
#include "taskfile/TaskRecords.h"

#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

using namespace zifferon;

constexpr const char* kPath = "/prog/fuzz.AUF";

void require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "taskfile_fuzzer: %s\n", what);
        std::abort();
    }
}

struct ControlState {
    Text text;
    Text caption;
    bool enabled = false;
    bool visible = false;
    std::optional<Rgb> background;
    friend bool operator==(const ControlState&, const ControlState&) = default;
};

struct SheetState {
    std::vector<ControlState> controls;
    ControlId focus;
    bool timer = false;
    char32_t lastCellChar = 0;
    friend bool operator==(const SheetState&, const SheetState&) = default;
};

SheetState stateOf(const Worksheet& sheet) {
    SheetState s;
    for (ControlId id : allControls()) {
        const Form1& f = sheet.form;
        s.controls.push_back(
            {f.text(id), f.caption(id), f.enabled(id), f.visible(id), f.background(id)});
    }
    s.focus = sheet.form.focus();
    s.timer = sheet.form.timer1Enabled();
    s.lastCellChar = sheet.rule.lastCellChar();
    return s;
}

// `focusBefore`: where the focus was before the last step; a focus that moved
// must have moved onto a control that can take it.
void requireSheetRules(const Form1& form, ControlId focusBefore) {
    for (ControlId id : allControls()) {
        if (isKontrolle(id.kind) || id.kind == Kind::Resultat) {
            require(form.text(id).size() <= 1, "a cell holds more than one character");
        }
    }
    const ControlId focus = form.focus();
    require(focus == focusBefore || focus.kind == Kind::None || form.canTakeFocus(focus),
            "the focus moved onto a control that cannot take it");
}

std::uint8_t at(std::span<const std::uint8_t> file, int record, int position) {
    return file[recordOffset(record) + static_cast<std::size_t>(position - 1)];
}

// What the reader takes: "0" or "1" at positions 1 and 3 of the row-state
// records, no control character at a cell's position.
bool looksLikeATaskFile(std::span<const std::uint8_t> file) {
    for (int k = 1; k <= kWorkRows; ++k) {
        for (int p : {1, 3}) {
            if (at(file, k, p) != '0' && at(file, k, p) != '1') {
                return false;
            }
        }
    }
    const int cells[] = {kDividendCells, kDivisorCells, kResultatCells};
    for (int k = kDividendRecord; k <= static_cast<int>(kRecordCount); ++k) {
        const int count = k < kDividendRecord + 3 ? cells[k - kDividendRecord] : kRowCells;
        for (int p = 1; p <= count; ++p) {
            if (at(file, k, p) < 0x20 || at(file, k, p) == 0x7F) {
                return false;
            }
        }
    }
    return true;
}

// The records the writer must give back after reading `in`: each field in the
// one form the writer uses for what the reader made of it.
TaskFileBytes expectedRecords(std::span<const std::uint8_t> in) {
    TaskFileBytes out{};
    auto put = [&out](int record, int position, std::uint8_t b) {
        out[recordOffset(record) + static_cast<std::size_t>(position - 1)] = b;
    };
    for (int record = 1; record <= static_cast<int>(kRecordCount); ++record) {
        for (int p = 1; p <= static_cast<int>(kRecordChars); ++p) {
            put(record, p, ' ');
        }
    }
    for (int row = 0; row < kWorkRows; ++row) {
        const int k = row + 1;
        const bool infoShown = at(in, k, 1) == '1';
        const std::uint8_t verdict = at(in, k, 2);
        put(k, 1, infoShown ? '1' : '0');
        put(k, 2, infoShown && (verdict == 'k' || verdict == '?') ? verdict : 'F');
        const bool markShown = at(in, k, 3) == '1';
        put(k, 3, markShown ? '1' : '0');
        put(k, 4, markShown ? at(in, k, 4) : ' ');
    }
    auto cells = [&](int record, int count) {
        for (int p = 1; p <= count; ++p) {
            put(record, p, at(in, record, p));
        }
    };
    cells(kDividendRecord, kDividendCells);
    cells(kDivisorRecord, kDivisorCells);
    cells(kResultatRecord, kResultatCells);
    for (int n = 1; n <= kWorkRows; ++n) {
        cells(kontrolleRecord(n), kRowCells);
    }
    return out;
}

// Loads `file` onto `sheet` through the load command, without the pass that
// follows it in the window: what was read is compared with the file first.
void load(Worksheet& sheet, std::span<const std::uint8_t> file, test::MemoryTaskFiles& io) {
    io.files[kPath] = test::MemoryTaskFiles::Bytes(file.begin(), file.end());
    io.answer(kPath);
    loadTaskFileOntoSheet(sheet.form, io.services());
}

TaskFileBytes loadFreshAndWrite(std::span<const std::uint8_t> file) {
    Worksheet sheet;
    test::MemoryTaskFiles io;
    load(sheet, file, io);
    require(io.messages.empty(), "a file written by the program is refused");
    requireSheetRules(sheet.form, {});
    return writeTaskRecords(sheet.form);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    Worksheet sheet;
    sheet.form.setAppPath("/prog");
    test::MemoryTaskFiles io;
    const SheetState before = stateOf(sheet);
    load(sheet, file, io);

    if (size < kTaskFileSize || !looksLikeATaskFile(file)) {
        require(io.messages.size() == 1, "a short or foreign file is refused without a message");
        require(stateOf(sheet) == before, "a refused file changed the sheet");
        return 0;
    }
    require(io.messages.empty(), "a task file of 23 whole records is refused");
    Form1& form = sheet.form;
    requireSheetRules(form, {});
    require(form.timer1Enabled(), "the load leaves Timer1 off");

    // Exactly the cells of the rows read as "korrekt" are locked.
    for (int n = 1; n <= kWorkRows; ++n) {
        const bool korrekt = at(file, n, 1) == '1' && at(file, n, 2) == 'k';
        for (int c = 0; c < kRowCells; ++c) {
            require(form.enabled(ctl::workRow(n - 1, c)) == !korrekt,
                    "a work cell's lock does not follow its row's verdict");
        }
    }
    for (int k = 0; k < kResultatCells; ++k) {
        const bool korrekt = at(file, 2 * k + 1, 1) == '1' && at(file, 2 * k + 1, 2) == 'k';
        require(form.enabled(ctl::resultat(k)) == !korrekt,
                "a quotient cell's lock does not follow its product row's verdict");
    }

    // The six characters of each record come back in the writer's form; a
    // row's tag that the reader took comes back with the same counts.
    const TaskFileBytes first = writeTaskRecords(form);
    const TaskFileBytes expected = expectedRecords(file);
    for (int record = 1; record <= static_cast<int>(kRecordCount); ++record) {
        for (int p = 1; p <= static_cast<int>(kRecordChars); ++p) {
            require(at(first, record, p) == at(expected, record, p),
                    "the sheet read from a file is written back changed");
        }
    }
    const std::span<const std::uint8_t, kTaskFileSize> records(data, kTaskFileSize);
    for (int row = 0; row < kWorkRows; ++row) {
        const std::optional<RowTag> in = readRowTag(records, row);
        const std::optional<RowTag> out = readRowTag(first, row);
        require(!in || (out && out->errors == in->errors && out->tally == in->tally),
                "a row's tag is not written back as it was read");
    }
    const TaskFileBytes second = loadFreshAndWrite(first);
    require(second == first, "writing what was read is not stable");

    // The rules on whatever the file put onto the sheet: the pass that follows
    // the load, then each row judged, as a click on its label would; after
    // each event's pass a second pass finds nothing left to do.
    sheet.tick();
    requireSheetRules(form, {});
    for (int row = 0; row < kWorkRows; ++row) {
        const ControlId focus = form.focus();
        if (form.visible(ctl::info(row))) {
            sheet.click(ctl::info(row));
        }
        requireSheetRules(form, focus);
        const std::uint64_t revision = form.revision();
        sheet.tick();
        require(form.revision() == revision, "a second pass after an event changed the sheet");
    }
    // "Eingabe" with the boxes the load filled: a task it refuses (a dividend
    // of 0 typed) leaves the sheet as it was, the focus included.
    const ControlId focus = form.focus();
    sheet.click(ctl::Command1);
    requireSheetRules(form, focus);
    return 0;
}
