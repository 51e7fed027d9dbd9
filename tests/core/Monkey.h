// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A monkey for the sheet: random input events played through the real
// handlers, with the sheet's invariants checked after every event, and a
// shrinker that cuts a failing event list down to the events that matter.
//
// Events are plain data drawn up front from a seed; what an event does is
// decided when it runs (a click on row label a % 10 only if that label is
// shown, the pupil's next move from the sheet as it stands), so any sub-list
// of events can be replayed from scratch.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zifferon {
class Form1;
}

namespace zifferon::test::monkey {

enum class Op : std::uint8_t {
    Digit,     // a digit typed into the focused control
    OtherChar, // a letter, space, umlaut, sign or emoji typed
    Left,
    Right,
    Up,
    Down,
    Enter,
    Shift, // Shift pressed on its own
    Backspace,
    Delete,
    InfoClick, // click on info(a % 10), when it is shown
    Label3Click,
    NextTask, // "nächste Aufgabe", random source seeded from a
    Eingabe,
    FocusClick, // click into a cell or a task box
    TypeTask,   // a task typed into Text1 and Text2
    Tick,       // a tick of Timer1
    SaveLoad,   // save, then load; or load an older save, a cut file, a cancel
    Pupil,      // the next move of a pupil working the task right
};

struct Event {
    Op op;
    std::uint32_t a = 0;
    std::uint32_t b = 0;
};

std::vector<Event> generate(std::uint32_t seed, std::size_t count);

struct Violation {
    std::size_t index = 0; // of the event after which it was seen
    std::string invariant; // short name, the same for the same fault
    std::string detail;
};

// What a run went through, to show that it reached the states that matter.
struct Coverage {
    std::size_t passes = 0;
    std::size_t tasksEntered = 0;
    std::size_t korrektVerdicts = 0; // checks ending on "korrekt"
    std::size_t fehlerVerdicts = 0;  // checks ending on "Fehler"
    std::size_t tasksFinished = 0;   // Label4 shown
    std::size_t loads = 0;           // files taken
    std::size_t loadsWithLockedRows = 0;
    std::size_t refusedLoads = 0;
    std::size_t deepestStep = 0;  // highest step k whose remainder row was judged right
    std::size_t refusedTasks = 0; // "Eingabe" refused with the reason shown
    std::size_t oracleRows = 0;   // rows shown "korrekt" held against the oracle's division
};

// An extra check run after every event besides the sheet's invariants; it
// returns a violation name or nothing (used to plant a fault on purpose).
using ExtraCheck = std::function<std::optional<std::string>(const Form1&)>;

struct Outcome {
    std::optional<Violation> violation;
    Coverage coverage;
    std::vector<std::string> log; // what each event did, when asked for
};

// Plays `events` on a fresh sheet and stops at the first violation.
Outcome play(const std::vector<Event>& events, bool withLog = false, const ExtraCheck& extra = {});

// The shortest list found (delta debugging, then single events) that still
// ends in a violation of the same invariant; gives up refining after
// `budgetSeconds`.
std::vector<Event> shrink(const std::vector<Event>& events, const Violation& violation,
                          double budgetSeconds = 120, const ExtraCheck& extra = {});

// The events with what each did, for a failure message.
std::string describe(const std::vector<Event>& events, const ExtraCheck& extra = {});

} // namespace zifferon::test::monkey
