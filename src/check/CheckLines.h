// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The judgement of the lines around the calculation, held against the worked
// solution of the task in the top line, like the rows.
//
// Überschlag, before the first quotient digit: the count written into
// `stellen` is right when the quotient has that many digits (as the sheet
// writes it: 47 : 96 = 0 has one). The rounded quotient in `etwa` may be left
// empty; written, it is right when it is at most one unit of the quotient's
// first place away from the quotient (725: 625 to 825, so "etwa 700" and
// "etwa 800" both are).
//
// Probe, after "Berechnung beendet": its first line is right when probe(0)
// holds quotient x divisor; its second, judged once the first is right, when
// probe(1) holds that product again and probe(2) the product plus the
// remainder, which is the dividend.

#include "sheet/Form1.h"

namespace zifferon {

enum class LineOutcome {
    Judged, // a verdict is due
    Empty,  // a box of the line is empty: no attempt
    NotYet, // the line is not open yet (the Probe before the end, its second line before the first)
    Locked, // judged "korrekt": never judged again
    NoTask, // the top line holds no task that can be worked
};

struct LineJudgement {
    LineOutcome outcome = LineOutcome::NoTask;
    bool right = false;
    // Why a wrong line is wrong; for a right Probe what it proved; else empty.
    Text reason;
};

LineJudgement judgeLine(const Form1& form, CheckLine line);

// What a check that gave no verdict tells the pupil ("" for nothing).
Text noLineVerdictText(const Form1& form, CheckLine line, LineOutcome outcome);

// The check of a line, by Enter in its last box or a click on its label: shows
// the verdict with its reason as the label's tooltip, then locks a right
// line's boxes or counts one more error. A check that gives no verdict says
// why in a notice.
void checkLine(Form1& form, CheckLine line);

// After a load: each line's verdict label gets the sentence its content
// earns (why a "Fehler" is wrong, what a right Probe proved), when the
// content, read now, earns that verdict; otherwise none.
void explainRestoredLines(Form1& form);

// The Überschlag a pupil could write: the first quotient digit in its place,
// the rest zeros (725 gives 700), and the dividend it comes from (9100 for
// 9434 : 13). Both 0 without a workable task.
struct RoundedTask {
    long long dividend = 0;
    long long quotient = 0;
};
RoundedTask roundedTask(const Form1& form);

} // namespace zifferon
