// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheet/ControlNames.h"

#include "sheet/Catalogue.h"

#include <array>

namespace zifferon {

namespace {

Text number(int n) {
    return decimalText(n);
}

// Digits of the dividend: cells filled from the leftmost column.
int dividendLength(const Form1& form) {
    int length = 0;
    for (int c = kDividendCells - 1; c >= 0 && !form.text(ctl::dividend(c)).empty(); --c) {
        ++length;
    }
    return length;
}

} // namespace

std::string_view kindName(Kind kind) {
    static constexpr std::string_view names[] = {
        "",           "Text1",      "Text2",      "Command1",   "Command2",
        "Label1",     "Label2",     "Label4",     "Label3",     "Label5",
        "info",       "fehler",     "dividend",   "divisor",    "resultat",
        "kontrolle1", "kontrolle2", "kontrolle3", "kontrolle4", "kontrolle5",
        "kontrolle6", "kontrolle7", "kontrolle8", "kontrolle9", "kontrolle10",
        "Label6",     "Label7",     "Label8",     "Label9",     "stellen",
        "etwa",       "probe",      "pruefung",   "pfehler",
    };
    static_assert(std::size(names) == static_cast<std::size_t>(Kind::PFehler) + 1);
    return names[static_cast<std::size_t>(kind)];
}

Text columnName(const Form1& form, int column) {
    static constexpr std::array<Msg, 6> places{
        Msg::ColumnUnits,     Msg::ColumnTens,         Msg::ColumnHundreds,
        Msg::ColumnThousands, Msg::ColumnTenThousands, Msg::ColumnHundredThousands};
    const int length = dividendLength(form);
    const int units = length > 0 ? kDividendCells - length : 0;
    const int place = column - units;
    if (place >= 0 && place < static_cast<int>(places.size())) {
        return say(places[static_cast<std::size_t>(place)]);
    }
    return say(Msg::ColumnNumbered, {number(kRowCells - column)});
}

namespace {

Text shownOrHidden(const Form1& form, ControlId id, TextView prefix) {
    if (form.visible(id)) {
        return say(Msg::NameShown, {prefix, shownWords(form.caption(id))});
    }
    return Text(prefix);
}

Text lineName(CheckLine line, Msg ueberschlag, Msg first, Msg second) {
    switch (line) {
    case CheckLine::Ueberschlag:
        return say(ueberschlag);
    case CheckLine::ProbeMal:
        return say(first);
    case CheckLine::ProbePlus:
        break;
    }
    return say(second);
}

// A caption of the Probe as said; while the Probe is hidden its caption may
// still hold an earlier task's numbers, so the words stand in.
Text probeCaption(const Form1& form, ControlId caption, Msg hidden) {
    return form.visible(caption) ? spokenCaption(form.caption(caption)) : say(hidden);
}

// The Überschlag's captions are the same for every task.
Text captionOr(const Form1& form, ControlId caption, Msg fallback) {
    return form.caption(caption).empty() ? say(fallback) : shownWords(form.caption(caption));
}

} // namespace

Text spokenCaption(TextView caption) {
    Text out;
    std::size_t start = 0;
    while (start <= caption.size()) {
        std::size_t end = caption.find(U' ', start);
        if (end == TextView::npos) {
            end = caption.size();
        }
        const TextView word = caption.substr(start, end - start);
        if (!out.empty()) {
            out += U' ';
        }
        out += word == U"·"   ? say(Msg::SpokenTimes)
               : word == U"+" ? say(Msg::SpokenPlus)
               : word == U"=" ? say(Msg::SpokenEqualsSign)
                              : Text(word);
        start = end + 1;
    }
    return out;
}

Text accessibleName(const Form1& form, ControlId id) {
    const int i = id.index;
    switch (id.kind) {
    case Kind::Text1:
        return say(Msg::NameDividend);
    case Kind::Text2:
        return say(Msg::NameDivisor);
    case Kind::Command1:
    case Kind::Command2:
    case Kind::Label1:
    case Kind::Label2:
    case Kind::Label4:
        return shownWords(form.caption(id));
    case Kind::Label5:
        return shownOrHidden(form, id, say(Msg::NameTaskNote));
    case Kind::Label3:
        return say(i == 0 ? Msg::NameDividendLimit : Msg::NameDivisorLimit, {form.caption(id)});
    case Kind::Info:
        return shownOrHidden(form, id, say(Msg::NameCheckRow, {number(i + 1)}));
    case Kind::Fehler:
        if (i >= kWorkRows) {
            return say(Msg::NameErrorLine);
        }
        return shownOrHidden(form, id, say(Msg::NameRowErrors, {number(i + 1)}));
    case Kind::Dividend:
        return say(Msg::NameDividendCell, {columnName(form, i)});
    case Kind::Divisor:
        return say(Msg::NameDivisorCell, {number(kDivisorCells - i)});
    case Kind::Resultat:
        return say(Msg::NameQuotientCell, {number(i + 1)});
    case Kind::Label6:
        return captionOr(form, id, Msg::EstimateQuestion);
    case Kind::Stellen:
        return say(Msg::NameEstimateDigits);
    case Kind::Label7:
        return captionOr(form, id, Msg::EstimateAbout);
    case Kind::Etwa:
        return say(Msg::NameEstimateAbout);
    case Kind::Label8:
        return say(Msg::NameProbe, {probeCaption(form, id, Msg::NameProbeTimesHidden)});
    case Kind::Label9:
        return probeCaption(form, id, Msg::NameProbePlusHidden);
    case Kind::Probe:
        if (i == 1) {
            return say(Msg::NameProbeAgain);
        }
        return say(Msg::NameProbe,
                   {i == 0 ? probeCaption(form, ctl::Label8, Msg::NameProbeTimesHidden)
                           : probeCaption(form, ctl::Label9, Msg::NameProbePlusHidden)});
    case Kind::Pruefung:
        return shownOrHidden(form, id,
                             lineName(checkLineOf(id), Msg::NameCheckEstimate,
                                      Msg::NameCheckProbeFirst, Msg::NameCheckProbeSecond));
    case Kind::PFehler:
        return shownOrHidden(form, id,
                             lineName(checkLineOf(id), Msg::NameEstimateErrors,
                                      Msg::NameProbeFirstErrors, Msg::NameProbeSecondErrors));
    default:
        break;
    }
    if (isKontrolle(id.kind)) {
        const int row = workRowOf(id.kind);
        return say(row % 2 == 0 ? Msg::NameProductCell : Msg::NameRemainderCell,
                   {number(row / 2 + 1), columnName(form, i)});
    }
    return {};
}

Text shownToolTip(const Form1& form, ControlId id) {
    const Verdict verdict = form.verdict(id.index);
    if (id.kind == Kind::Info &&
        !(form.visible(id) && (verdict == Verdict::Fehler || verdict == Verdict::Pending))) {
        return {};
    }
    if (id.kind == Kind::Pruefung) {
        const Verdict shown = form.lineVerdict(checkLineOf(id));
        if (!(form.visible(id) && (shown == Verdict::Fehler || shown == Verdict::Korrekt))) {
            return {};
        }
    }
    return form.toolTip(id);
}

} // namespace zifferon
