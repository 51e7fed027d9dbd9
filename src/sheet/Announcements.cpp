// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/Announcements.h"

#include "sheet/Catalogue.h"
#include "sheet/ControlNames.h"

namespace zifferon {

namespace {

// The verdict a row label shows; None while it is hidden.
Verdict shownVerdict(const Form1& form, int row) {
    return form.visible(ctl::info(row)) ? form.verdict(row) : Verdict::None;
}

// The count a counter shows (its mark, for a counter showing one); "" while
// it is hidden.
TextView shownCount(const Form1& form, int row) {
    const ControlId counter = ctl::fehler(row);
    return form.visible(counter) ? TextView(form.caption(counter)) : TextView();
}

void addSentence(Text& out, TextView sentence) {
    if (sentence.empty()) {
        return;
    }
    if (!out.empty()) {
        out += U' ';
    }
    out += sentence;
    if (out.back() != U'.' && out.back() != U'?' && out.back() != U'!') {
        out += U'.';
    }
}

} // namespace

Text spokenText(TextView text) {
    const std::pair<TextView, Text> kWords[] = {{U" · ", U' ' + say(Msg::SpokenTimes) + U' '},
                                                {U" − ", U' ' + say(Msg::SpokenMinus) + U' '},
                                                {U" = ", U' ' + say(Msg::SpokenEquals) + U' '}};
    Text out(text);
    for (const auto& [sign, word] : kWords) {
        for (std::size_t at = out.find(sign); at != Text::npos;
             at = out.find(sign, at + word.size())) {
            out.replace(at, sign.size(), word);
        }
    }
    return out;
}

Text AnnouncedSheet::news(const Form1& form) {
    // Runs after every event: nothing it reads changed while the revision
    // stands; else it compares first and copies only what changed.
    if (form.revision() == seen_) {
        return {};
    }
    seen_ = form.revision();
    Text out;
    for (int row = 0; row < kWorkRows; ++row) {
        const std::size_t r = static_cast<std::size_t>(row);
        const ControlId label = ctl::info(row);
        const Verdict verdict = shownVerdict(form, row);
        const TextView count = shownCount(form, row);
        if (verdict == verdicts_[r] && count == counts_[r]) {
            continue;
        }
        if (verdict == Verdict::Pending) {
            // The row has just become ready to be checked: said once, as
            // its "korrekt?" appears, not on every digit written after.
            addSentence(out, say(row % 2 == 0 ? Msg::RowReady : Msg::RowReadyRemainder,
                                 {decimalText(row / 2 + 1)}));
        } else if (verdict == Verdict::Korrekt || verdict == Verdict::Fehler) {
            addSentence(out, shownWords(verdictCaption(verdict)));
            if (verdict == Verdict::Fehler) {
                addSentence(out, spokenText(shownToolTip(form, label)));
            }
        }
        verdicts_[r] = verdict;
        counts_[r] = count;
    }
    if (form.notices() != notices_) {
        addSentence(out, spokenText(form.notice()));
        notices_ = form.notices();
    }
    const bool finished = form.visible(ctl::Label4);
    if (finished && !finished_) {
        addSentence(out, shownWords(form.caption(ctl::Label4)));
    }
    finished_ = finished;
    return out;
}

void AnnouncedSheet::take(const Form1& form) {
    for (int row = 0; row < kWorkRows; ++row) {
        const std::size_t r = static_cast<std::size_t>(row);
        verdicts_[r] = shownVerdict(form, row);
        counts_[r] = shownCount(form, row);
    }
    finished_ = form.visible(ctl::Label4);
    notices_ = form.notices();
    seen_ = form.revision();
}

} // namespace zifferon
