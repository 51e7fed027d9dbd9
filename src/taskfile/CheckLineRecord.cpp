// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taskfile/CheckLineRecord.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace zifferon {

namespace {

constexpr std::string_view kMark = "ZIF2";
constexpr std::array<CheckLine, kCheckLines> kLines{CheckLine::Ueberschlag, CheckLine::ProbeMal,
                                                    CheckLine::ProbePlus};
constexpr std::array<ControlId, 5> kBoxes{ctl::stellen, ctl::etwa, ctl::probe(0), ctl::probe(1),
                                          ctl::probe(2)};

std::uint8_t letterOf(const Form1& form, CheckLine line) {
    if (!form.visible(ctl::pruefung(line))) {
        return '-';
    }
    switch (form.lineVerdict(line)) {
    case Verdict::Korrekt:
        return 'k';
    case Verdict::Pending:
        return '?';
    case Verdict::Fehler:
        return 'F';
    case Verdict::None:
        break;
    }
    return '-';
}

std::optional<Verdict> verdictOf(std::uint8_t letter) {
    switch (letter) {
    case '-':
        return Verdict::None;
    case '?':
        return Verdict::Pending;
    case 'k':
        return Verdict::Korrekt;
    case 'F':
        return Verdict::Fehler;
    default:
        return std::nullopt;
    }
}

struct LineState {
    Verdict verdict = Verdict::None;
    std::uint64_t errors = 0;
};

struct CheckLineTag {
    Form1::CheckDemands demands;
    std::array<LineState, kCheckLines> lines;
    std::array<Text, kBoxes.size()> boxes;
};

// Reads the tag at `pos`, field by field; nullopt at the first byte out of place.
class TagReader {
  public:
    explicit TagReader(std::span<const std::uint8_t, kTaskFileSize> bytes)
        : bytes_(bytes), pos_(kCheckLineTagOffset) {}

    bool mark() {
        return std::all_of(kMark.begin(), kMark.end(), [this](char c) {
            return bytes_[pos_++] == static_cast<std::uint8_t>(c);
        });
    }
    std::optional<bool> flag() {
        const std::uint8_t b = bytes_[pos_++];
        return b == '0' || b == '1' ? std::optional<bool>(b == '1') : std::nullopt;
    }
    std::optional<LineState> line() {
        const std::optional<Verdict> verdict = verdictOf(bytes_[pos_++]);
        const std::optional<std::uint64_t> count = readCount(bytes_, pos_);
        pos_ += kTagDigits;
        return verdict && count ? std::optional<LineState>({*verdict, *count}) : std::nullopt;
    }
    // Digits from the left, spaces after.
    std::optional<Text> box(std::size_t width) {
        Text digits;
        bool ended = false;
        for (std::size_t i = 0; i < width; ++i) {
            const std::uint8_t b = bytes_[pos_++];
            if (b == ' ') {
                ended = true;
            } else if (b >= '0' && b <= '9' && !ended) {
                digits += static_cast<char32_t>(b);
            } else {
                return std::nullopt;
            }
        }
        return digits;
    }

  private:
    std::span<const std::uint8_t, kTaskFileSize> bytes_;
    std::size_t pos_;
};

std::optional<CheckLineTag> readTag(std::span<const std::uint8_t, kTaskFileSize> bytes) {
    TagReader read(bytes);
    CheckLineTag tag;
    if (!read.mark()) {
        return std::nullopt;
    }
    const std::optional<bool> ueberschlag = read.flag();
    const std::optional<bool> probe = read.flag();
    if (!ueberschlag || !probe) {
        return std::nullopt;
    }
    tag.demands = {*ueberschlag, *probe};
    for (LineState& state : tag.lines) {
        const std::optional<LineState> line = read.line();
        if (!line) {
            return std::nullopt;
        }
        state = *line;
    }
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        std::optional<Text> digits = read.box(checkBoxLength(kBoxes[i].kind));
        if (!digits) {
            return std::nullopt;
        }
        tag.boxes[i] = std::move(*digits);
    }
    return tag;
}

} // namespace

void putCheckLineTag(TaskFileBytes& out, const Form1& form) {
    std::size_t pos = kCheckLineTagOffset;
    auto put = [&](std::uint8_t byte) { out[pos++] = byte; };
    for (char c : kMark) {
        put(static_cast<std::uint8_t>(c));
    }
    put(form.demands().ueberschlag ? '1' : '0');
    put(form.demands().probe ? '1' : '0');
    for (const CheckLine line : kLines) {
        put(letterOf(form, line));
        putCount(out, pos, form.lineErrors(line));
        pos += kTagDigits;
    }
    for (const ControlId box : kBoxes) {
        const Text& text = form.text(box);
        for (std::size_t i = 0; i < checkBoxLength(box.kind); ++i) {
            // The boxes take digits only; anything else is left out.
            const bool digit = i < text.size() && isDigit(text[i]);
            put(digit ? static_cast<std::uint8_t>(text[i]) : ' ');
        }
    }
}

bool applyCheckLineTag(Form1& form, std::span<const std::uint8_t, kTaskFileSize> bytes) {
    const std::optional<CheckLineTag> tag = readTag(bytes);
    if (!tag) {
        return false;
    }
    form.setDemands(tag->demands);
    for (std::size_t i = 0; i < kLines.size(); ++i) {
        const CheckLine line = kLines[i];
        const LineState& state = tag->lines[i];
        form.showLineVerdict(line, state.verdict);
        form.setVisible(ctl::pruefung(line), state.verdict != Verdict::None);
        form.setLineErrors(line, state.errors);
        form.setVisible(ctl::pfehler(line), state.errors > 0);
    }
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        form.setText(kBoxes[i], tag->boxes[i]);
    }
    return true;
}

} // namespace zifferon
