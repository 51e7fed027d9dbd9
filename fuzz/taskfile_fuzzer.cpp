// libFuzzer target for the task-file reader and writer.
//
// The input is the content of a task file, loaded onto a fresh sheet through
// the load command. A file shorter than 23 records must be refused without
// touching the sheet. A longer one is applied; the sheet is then written out,
// and what was written is loaded onto another fresh sheet and written again:
// both writes must be equal, and must be the input's records in the form the
// writer gives them. Afterwards the row checks, the tracker and "Eingabe" run
// on the loaded sheet. Throughout, no work cell may hold more than one
// character and the focus may not rest on a disabled control.

#include "MemoryTaskFiles.h"

#include "check/RowCheck.h"
#include "input/Worksheet.h"
#include "sheet/Layout.h"
#include "task/TaskEntry.h"
#include "taskfile/TaskRecords.h"
#include "tracker/ProgressTracker.h"

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

void requireSheetRules(const Form1& form) {
    for (int n = 1; n <= kWorkRows; ++n) {
        for (int c = 0; c < kRowCells; ++c) {
            require(form.text(ctl::kontrolle(n, c)).size() <= 1,
                    "a work cell holds more than one character");
        }
    }
    const ControlId focus = form.focus();
    require(focus.kind == Kind::None || form.canTakeFocus(focus),
            "the focus rests on a control that cannot take it");
}

std::uint8_t at(std::span<const std::uint8_t> file, int record, int position) {
    return file[recordOffset(record) + static_cast<std::size_t>(position - 1)];
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

// Loads `file` onto `sheet` through the load command.
void load(Worksheet& sheet, std::span<const std::uint8_t> file, test::MemoryTaskFiles& io) {
    io.files[kPath] = test::MemoryTaskFiles::Bytes(file.begin(), file.end());
    io.chosenPath = kPath;
    mLaden_Click(sheet.form, io.services());
}

TaskFileBytes loadFreshAndWrite(std::span<const std::uint8_t> file) {
    Worksheet sheet;
    test::MemoryTaskFiles io;
    load(sheet, file, io);
    require(io.messagesShown == 0, "a file written by the program is refused");
    requireSheetRules(sheet.form);
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

    if (size < kTaskFileSize) {
        require(io.messagesShown == 1, "a short file is refused without a message");
        require(stateOf(sheet) == before, "a refused file changed the sheet");
        return 0;
    }
    require(io.messagesShown == 0, "a file of 23 whole records is refused");
    Form1& form = sheet.form;
    requireSheetRules(form);
    require(form.timer1Enabled(), "the load leaves Timer1 off");

    // Exactly the cells of the rows read as "korrekt" are locked.
    for (int n = 1; n <= kWorkRows; ++n) {
        const bool korrekt = at(file, n, 1) == '1' && at(file, n, 2) == 'k';
        for (int c = 0; c < kRowCells; ++c) {
            require(form.enabled(ctl::kontrolle(n, c)) == !korrekt,
                    "a work cell's lock does not follow its row's verdict");
        }
    }
    for (int j = 0; j < kResultatCells; ++j) {
        require(form.enabled(ctl::resultat(j)), "the load locked a quotient cell");
    }

    const TaskFileBytes first = writeTaskRecords(form);
    require(first == expectedRecords(file), "the sheet read from a file is written back changed");
    const TaskFileBytes second = loadFreshAndWrite(first);
    require(second == first, "writing what was read is not stable");

    // The rules on whatever the file put onto the sheet.
    Timer1_Timer(form);
    requireSheetRules(form);
    for (int row = 0; row < kWorkRows; ++row) {
        CheckRow(form, row);
        requireSheetRules(form);
        Timer1_Timer(form);
        requireSheetRules(form);
    }
    Command1_Click(form);
    Timer1_Timer(form);
    requireSheetRules(form);
    return 0;
}
