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

Verdict shownVerdict(const Form1& form, CheckLine line) {
    return form.visible(ctl::pruefung(line)) ? form.lineVerdict(line) : Verdict::None;
}

// The count a counter shows (its mark, for a counter showing one); "" while
// it is hidden.
TextView shownCount(const Form1& form, ControlId counter) {
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

// What a verdict label that changed says: "korrekt?" newly shown, that its
// line can be checked (`ready`, filled with `which`); a verdict, its word
// and the label's tooltip (why a "Fehler", what a right Probe proved).
void addVerdictNews(Text& out, const Form1& form, ControlId label, Verdict verdict, Msg ready,
                    TextView which) {
    if (verdict == Verdict::Pending) {
        addSentence(out, say(ready, {which}));
    } else if (verdict == Verdict::Korrekt || verdict == Verdict::Fehler) {
        addSentence(out, shownWords(verdictCaption(verdict)));
        addSentence(out, spokenText(shownToolTip(form, label)));
    }
}

} // namespace

Text spokenText(TextView text) {
    const std::pair<TextView, Text> kWords[] = {{U" · ", U' ' + say(Msg::SpokenTimes) + U' '},
                                                {U" − ", U' ' + say(Msg::SpokenMinus) + U' '},
                                                {U" + ", U' ' + say(Msg::SpokenPlus) + U' '},
                                                {U" : ", U' ' + say(Msg::SpokenDivided) + U' '},
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
    addLineNews(out, form, CheckLine::Ueberschlag);
    for (int row = 0; row < kWorkRows; ++row) {
        const std::size_t r = static_cast<std::size_t>(row);
        const Verdict verdict = shownVerdict(form, row);
        const TextView count = shownCount(form, ctl::fehler(row));
        if (verdict == verdicts_[r] && count == counts_[r]) {
            continue;
        }
        // The row has just become ready to be checked: said once, as its
        // "korrekt?" appears, not on every digit written after.
        addVerdictNews(out, form, ctl::info(row), verdict,
                       row % 2 == 0 ? Msg::RowReady : Msg::RowReadyRemainder,
                       decimalText(row / 2 + 1));
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
    const bool probe = form.visible(ctl::probe(0));
    if (probe && !probeShown_) {
        addSentence(out, say(Msg::ProbeComes));
    }
    probeShown_ = probe;
    addLineNews(out, form, CheckLine::ProbeMal);
    addLineNews(out, form, CheckLine::ProbePlus);
    return out;
}

void AnnouncedSheet::addLineNews(Text& out, const Form1& form, CheckLine line) {
    const auto i = static_cast<std::size_t>(lineIndex(line));
    const Verdict verdict = shownVerdict(form, line);
    const TextView count = shownCount(form, ctl::pfehler(line));
    if (verdict == lineVerdicts_[i] && count == lineCounts_[i]) {
        return;
    }
    addVerdictNews(out, form, ctl::pruefung(line), verdict,
                   line == CheckLine::Ueberschlag ? Msg::EstimateReady : Msg::ProbeReady, {});
    lineVerdicts_[i] = verdict;
    lineCounts_[i] = count;
}

void AnnouncedSheet::take(const Form1& form) {
    for (int row = 0; row < kWorkRows; ++row) {
        const std::size_t r = static_cast<std::size_t>(row);
        verdicts_[r] = shownVerdict(form, row);
        counts_[r] = shownCount(form, ctl::fehler(row));
    }
    for (const CheckLine line :
         {CheckLine::Ueberschlag, CheckLine::ProbeMal, CheckLine::ProbePlus}) {
        const auto i = static_cast<std::size_t>(lineIndex(line));
        lineVerdicts_[i] = shownVerdict(form, line);
        lineCounts_[i] = shownCount(form, ctl::pfehler(line));
    }
    finished_ = form.visible(ctl::Label4);
    probeShown_ = form.visible(ctl::probe(0));
    notices_ = form.notices();
    seen_ = form.revision();
}

} // namespace zifferon
