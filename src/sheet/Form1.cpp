// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/Form1.h"

#include "sheet/Layout.h"

#include <filesystem>
#include <utility>

namespace zifferon {

namespace {
const Text kNoText;

// What is left of `after` in a cell of one character that held `before`:
// the first character that was added, whichever side of the old one it went.
char32_t singleCharacterOf(TextView before, TextView after) {
    if (before.size() == 1 && after.size() > 1) {
        if (after.front() == before.front()) {
            return after[1];
        }
        if (after.back() == before.front()) {
            return after.front();
        }
    }
    return after.front();
}
} // namespace

Form1::Form1() {
    text1_.text = U"9434";
    text2_.text = U"13";
    for (auto& cell : dividend_) {
        cell.enabled = false;
    }
    for (auto& cell : divisor_) {
        cell.enabled = false;
    }
    command1_.caption = Text(texts::Eingabe);
    command2_.caption = Text(texts::NaechsteAufgabe);
    label1_.caption = Text(texts::Maximal);
    label2_.caption = Text(texts::Stellen);
    label3_[0] = {U"4", true, colors::LightCyan, {}};
    label3_[1] = {U"2", true, colors::Yellow, {}};
    label4_ = {Text(texts::Beendet), false, colors::Yellow, {}};
    label5_ = {{}, false, std::nullopt, {}};
    for (auto& label : info_) {
        label = {U"Label3", false, std::nullopt, {}};
    }
    for (auto& label : fehler_) {
        label = {U"Label3", false, std::nullopt, {}};
    }
    // The Überschlag and the Probe stay out of sight until a task asks for them.
    for (TextState* box : {&stellen_, &etwa_, &probe_[0], &probe_[1], &probe_[2]}) {
        *box = {{}, false, false};
    }
    for (auto& label : lineCaptions_) {
        label = {{}, false, std::nullopt, {}};
    }
    for (std::size_t line = 0; line < pruefung_.size(); ++line) {
        pruefung_[line] = {{}, false, verdictColour(Verdict::None), {}};
        pfehler_[line] = {U"0", false, std::nullopt, {}};
    }
    // The window starts with the focus on the first control of the tab order.
    focus_ = tabOrder().front();
}

Form1::TextState* Form1::textState(ControlId id) {
    return const_cast<TextState*>(std::as_const(*this).textState(id));
}

const Form1::TextState* Form1::textState(ControlId id) const {
    if (!isValid(id)) {
        return nullptr;
    }
    const auto i = static_cast<std::size_t>(id.index);
    switch (id.kind) {
    case Kind::Text1:
        return &text1_;
    case Kind::Text2:
        return &text2_;
    case Kind::Dividend:
        return &dividend_[i];
    case Kind::Divisor:
        return &divisor_[i];
    case Kind::Resultat:
        return &resultat_[i];
    case Kind::Stellen:
        return &stellen_;
    case Kind::Etwa:
        return &etwa_;
    case Kind::Probe:
        return &probe_[i];
    default:
        if (isKontrolle(id.kind)) {
            return &kontrolle_[static_cast<std::size_t>(workRowOf(id.kind))][i];
        }
        return nullptr;
    }
}

Form1::LabelState* Form1::labelState(ControlId id) {
    return const_cast<LabelState*>(std::as_const(*this).labelState(id));
}

const Form1::LabelState* Form1::labelState(ControlId id) const {
    if (!isValid(id)) {
        return nullptr;
    }
    const auto i = static_cast<std::size_t>(id.index);
    switch (id.kind) {
    case Kind::Command1:
        return &command1_;
    case Kind::Command2:
        return &command2_;
    case Kind::Label1:
        return &label1_;
    case Kind::Label2:
        return &label2_;
    case Kind::Label4:
        return &label4_;
    case Kind::Label5:
        return &label5_;
    case Kind::Label3:
        return &label3_[i];
    case Kind::Info:
        return &info_[i];
    case Kind::Fehler:
        return &fehler_[i];
    case Kind::Label6:
    case Kind::Label7:
    case Kind::Label8:
    case Kind::Label9:
        return &lineCaptions_[static_cast<std::size_t>(id.kind) -
                              static_cast<std::size_t>(Kind::Label6)];
    case Kind::Pruefung:
        return &pruefung_[i];
    case Kind::PFehler:
        return &pfehler_[i];
    default:
        return nullptr;
    }
}

const Text& Form1::text(ControlId id) const {
    const TextState* s = textState(id);
    return s ? s->text : kNoText;
}

void Form1::setText(ControlId id, TextView value) {
    TextState* s = textState(id);
    if (!s) {
        return;
    }
    if (id.kind == Kind::Text1 && value.size() > kText1MaxLength) {
        value = value.substr(0, kText1MaxLength);
    } else if (id.kind == Kind::Text2 && value.size() > kText2MaxLength) {
        value = value.substr(0, kText2MaxLength);
    } else if (isCheckBox(id.kind) && value.size() > checkBoxLength(id.kind)) {
        value = value.substr(0, checkBoxLength(id.kind));
    }
    // A quotient cell holds one digit: a character typed beside the one it
    // holds replaces it, a longer paste leaves its first character.
    char32_t kept = 0;
    if (id.kind == Kind::Resultat && value.size() > 1) {
        kept = singleCharacterOf(s->text, value);
        value = TextView(&kept, 1);
    }
    // A write that leaves the text as it was is no change: no change event.
    if (s->text == value) {
        return;
    }
    s->text.assign(value);
    ++revision_;
    if (isKontrolle(id.kind) && cellChangeHook_) {
        cellChangeHook_(*this, workRowOf(id.kind), id.index);
    }
}

const Text& Form1::caption(ControlId id) const {
    const LabelState* s = labelState(id);
    return s ? s->caption : kNoText;
}

void Form1::setCaption(ControlId id, TextView value) {
    if (id.kind == Kind::Info || id.kind == Kind::Fehler || id.kind == Kind::Pruefung ||
        id.kind == Kind::PFehler) {
        return;
    }
    LabelState* s = labelState(id);
    if (s && s->caption != value) {
        s->caption.assign(value);
        ++revision_;
    }
}

// Writes the caption of a row label or counter, which only the verdict and
// the count decide.
void Form1::writeCaption(LabelState& label, TextView value) {
    if (label.caption != value) {
        label.caption.assign(value);
        ++revision_;
    }
}

Verdict Form1::verdict(int row) const {
    return row >= 0 && row < kWorkRows ? verdicts_[static_cast<std::size_t>(row)] : Verdict::None;
}

void Form1::setVerdict(int row, Verdict verdict) {
    if (row < 0 || row >= kWorkRows) {
        return;
    }
    const auto r = static_cast<std::size_t>(row);
    verdicts_[r] = verdict;
    writeCaption(info_[r], verdictCaption(verdict));
}

void Form1::showVerdict(int row, Verdict verdict) {
    setVerdict(row, verdict);
    setBackground(ctl::info(row), verdictColour(verdict));
}

std::uint64_t Form1::errorCount(int i) const {
    return i >= 0 && i < kFehlerLabels ? counters_[static_cast<std::size_t>(i)].count : 0;
}

void Form1::setErrorCount(int i, std::uint64_t count) {
    if (i < 0 || i >= kFehlerLabels) {
        return;
    }
    const auto r = static_cast<std::size_t>(i);
    counters_[r] = {count, 0};
    writeCaption(fehler_[r], fromUtf8(std::to_string(count)));
}

void Form1::setErrorMark(int i, char32_t mark) {
    if (i < 0 || i >= kFehlerLabels) {
        return;
    }
    const auto r = static_cast<std::size_t>(i);
    counters_[r] = {0, mark};
    writeCaption(fehler_[r], Text(1, mark));
}

Verdict Form1::lineVerdict(CheckLine line) const {
    return lineVerdicts_[static_cast<std::size_t>(line)];
}

void Form1::showLineVerdict(CheckLine line, Verdict verdict) {
    const auto i = static_cast<std::size_t>(line);
    lineVerdicts_[i] = verdict;
    writeCaption(pruefung_[i], verdictCaption(verdict));
    setBackground(ctl::pruefung(line), verdictColour(verdict));
}

std::uint64_t Form1::lineErrors(CheckLine line) const {
    return lineErrors_[static_cast<std::size_t>(line)];
}

void Form1::setLineErrors(CheckLine line, std::uint64_t count) {
    const auto i = static_cast<std::size_t>(line);
    lineErrors_[i] = count;
    writeCaption(pfehler_[i], fromUtf8(std::to_string(count)));
}

void Form1::setDemands(CheckDemands demands) {
    if (demands_ != demands) {
        demands_ = demands;
        ++revision_;
    }
}

bool Form1::enabled(ControlId id) const {
    const TextState* s = textState(id);
    if (s) {
        return s->enabled;
    }
    return isValid(id);
}

void Form1::setEnabled(ControlId id, bool on) {
    TextState* s = textState(id);
    if (!s || s->enabled == on) {
        return;
    }
    // A cell locked while it has the focus keeps it: the pupil's next key
    // must not land in whatever control the tab order offers next.
    s->enabled = on;
    ++revision_;
}

bool Form1::visible(ControlId id) const {
    if (const LabelState* s = labelState(id)) {
        return s->visible;
    }
    if (isCheckBox(id.kind)) {
        return textState(id)->visible;
    }
    return isValid(id);
}

void Form1::setVisible(ControlId id, bool on) {
    bool* shown = nullptr;
    if (isLabel(id.kind)) {
        LabelState* s = labelState(id);
        shown = s ? &s->visible : nullptr;
    } else if (isCheckBox(id.kind) && isValid(id)) {
        shown = &textState(id)->visible;
    }
    if (shown && *shown != on) {
        *shown = on;
        ++revision_;
    }
}

std::optional<Rgb> Form1::background(ControlId id) const {
    const LabelState* s = labelState(id);
    return s ? s->background : std::nullopt;
}

void Form1::setBackground(ControlId id, Rgb colour) {
    if (!isLabel(id.kind)) {
        return;
    }
    LabelState* s = labelState(id);
    if (s && s->background != colour) {
        s->background = colour;
        ++revision_;
    }
}

const Text& Form1::toolTip(ControlId id) const {
    const LabelState* s = labelState(id);
    return s ? s->toolTip : kNoText;
}

void Form1::setToolTip(ControlId id, TextView value) {
    LabelState* s = labelState(id);
    if (s && s->toolTip != value) {
        s->toolTip.assign(value);
        ++revision_;
    }
}

bool Form1::canTakeFocus(ControlId id) const {
    if (!isValid(id)) {
        return false;
    }
    if (isButton(id.kind)) {
        return true;
    }
    const TextState* s = textState(id);
    return s && s->enabled && s->visible;
}

ControlId Form1::nextInTabOrder(ControlId from, bool forward) const {
    const auto& order = tabOrder();
    std::size_t start = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == from) {
            start = i;
            break;
        }
    }
    const std::size_t n = order.size();
    for (std::size_t step = 1; step <= n; ++step) {
        const ControlId candidate = order[forward ? (start + step) % n : (start + n - step) % n];
        if (canTakeFocus(candidate)) {
            return candidate;
        }
    }
    return {};
}

bool Form1::setFocus(ControlId id) {
    if (!canTakeFocus(id)) {
        return false;
    }
    if (focus_ != id) {
        focus_ = id;
        ++revision_;
    }
    return true;
}

const RowTally& Form1::tally(int row) const {
    static const RowTally kNone;
    return row >= 0 && row < kWorkRows ? tallies_[static_cast<std::size_t>(row)] : kNone;
}

void Form1::setTally(int row, const RowTally& tally) {
    if (row >= 0 && row < kWorkRows) {
        tallies_[static_cast<std::size_t>(row)] = tally;
    }
}

// Counts stop at the largest value rather than wrap around to 0.
void Form1::countMistake(int row, MistakeKind kind) {
    if (row >= 0 && row < kWorkRows) {
        std::uint64_t& n = tallies_[static_cast<std::size_t>(row)].of(kind);
        n += n < UINT64_MAX ? 1 : 0;
    }
}

void Form1::countHint(int row) {
    if (row >= 0 && row < kWorkRows) {
        std::uint64_t& n = tallies_[static_cast<std::size_t>(row)].hints;
        n += n < UINT64_MAX ? 1 : 0;
    }
}

void Form1::setTimer1Enabled(bool on) {
    if (timer1Enabled_ != on) {
        timer1Enabled_ = on;
        ++revision_;
    }
}

void Form1::notify(TextView message) {
    notice_ = message;
    ++notices_;
    ++revision_;
}

void Form1::setAppPath(std::string path) {
    appPath_ = std::move(path);
}

void Form_Load(Form1& form, const std::string& executablePath) {
    std::filesystem::path folder = std::filesystem::path(executablePath).parent_path();
    std::string s = folder.string();
    while (s.size() > 1 && (s.back() == '/' || s.back() == '\\')) {
        s.pop_back();
    }
    form.setAppPath(s);
}

} // namespace zifferon
