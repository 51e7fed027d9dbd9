// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader says when the sheet changes where the pupil is not:
// a row's "korrekt?" appearing (it can be checked now), the verdict beside a
// row just checked ("korrekt", or "Fehler" and the sentence why),
// "Berechnung beendet", the Probe appearing, and the same for the
// Überschlag and the Probe's lines. The focus stays in the cell, so
// nothing else would tell a pupil who cannot see the sheet. Which changes
// are worth a word is decided here; the binding only speaks the text.

#include "sheet/Form1.h"

#include <array>
#include <cstdint>

namespace zifferon {

// A text as it is read aloud: the arithmetic signs of the sheet's sentences
// ("13 · 7", "94 − 91", "9425 + 9", "9100 : 13", "13 · 2 = 26") as words.
Text spokenText(TextView text);

// The verdicts and the end of the task as the pupil last heard of them.
class AnnouncedSheet {
  public:
    explicit AnnouncedSheet(const Form1& form) { take(form); }

    // What changed since then, as one text ("" for nothing worth a word): a
    // row ready to be checked, a row judged now, also one judged wrong once
    // more (its error count moved), and the end of the task. The sheet as it stands counts as told.
    Text news(const Form1& form);

    // The sheet as it stands counts as told, without a word (after a load).
    void take(const Form1& form);

  private:
    void addLineNews(Text& out, const Form1& form, CheckLine line);

    std::array<Verdict, kWorkRows> verdicts_{}; // shown verdicts; None while hidden
    std::array<Text, kWorkRows> counts_;
    std::array<Verdict, kCheckLines> lineVerdicts_{};
    std::array<Text, kCheckLines> lineCounts_;
    bool finished_ = false;
    bool probeShown_ = false;
    std::uint64_t notices_ = 0;
    std::uint64_t seen_ = 0; // the sheet's revision when last compared
};

} // namespace zifferon
