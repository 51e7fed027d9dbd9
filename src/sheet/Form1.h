// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Form1: the window as data.
//
// The program keeps its whole state in the window's controls: the digits in
// the cells' texts, the progress of the work in the captions, visibility and
// colours of the row labels and in the enabled state of the cells. Form1
// models exactly those properties, without any toolkit:
//
//   pupil / timer / menu  ->  platform binding  ->  handlers (task, input,
//   tracker, check, taskfile) read and write Form1  ->  binding mirrors
//   Form1 onto the widgets (whenever revision() has moved)
//
// Every write that changes the text of a work cell (kontrolle1 ... kontrolle10)
// calls the cell-change hook at once, whoever writes; the input subsystem
// installs its change rule there.

#include "sheet/ControlId.h"
#include "sheet/RowTally.h"
#include "sheet/Text.h"
#include "sheet/Verdict.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace zifferon {

// The window's own texts.
namespace texts {
inline constexpr TextView Caption = U"Schriftliche Zifferon";
inline constexpr TextView Beendet = U"Berechnung beendet";
inline constexpr TextView Eingabe = U"Eingabe";
inline constexpr TextView NaechsteAufgabe = U"nächste Aufgabe";
inline constexpr TextView Maximal = U"maximal";
inline constexpr TextView Stellen = U"Stellen";
inline constexpr TextView MenuDatei = U"&Datei";
inline constexpr TextView MenuLaden = U"&Laden";
inline constexpr TextView MenuSpeichern = U"&Speichern";
} // namespace texts

class Form1 {
  public:
    // Called after the text of cell `column` of work row `row` (0..9) changed.
    using CellChangeHook = std::function<void(Form1&, int row, int column)>;

    Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // Text of a text box or cell (Text1, Text2, dividend, divisor, resultat, kontrolleN).
    // A quotient cell keeps one character (see setText).
    const Text& text(ControlId id) const;
    void setText(ControlId id, TextView value);

    // Caption of a label or button. The captions of the row labels info(i)
    // and of the counters fehler(i) follow the verdict and the error count
    // below: setCaption leaves them alone.
    const Text& caption(ControlId id) const;
    void setCaption(ControlId id, TextView value);

    // The verdict info(row) shows (row 0..9); its caption follows it.
    // showVerdict also gives the label the verdict's colour.
    Verdict verdict(int row) const;
    void setVerdict(int row, Verdict verdict);
    void showVerdict(int row, Verdict verdict);

    // The count the counter fehler(i) shows (i 0..10), whether it is shown
    // or not. A file from a program without our tag may leave a character
    // there that is no digit: the counter shows that mark and counts 0.
    std::uint64_t errorCount(int i) const;
    void setErrorCount(int i, std::uint64_t count);
    void setErrorMark(int i, char32_t mark);

    bool enabled(ControlId id) const;
    void setEnabled(ControlId id, bool on);

    // Labels and the boxes of the Überschlag and the Probe only; every other
    // control is always visible.
    bool visible(ControlId id) const;
    void setVisible(ControlId id, bool on);

    // Background of a label; nullopt means the system's window colour.
    std::optional<Rgb> background(ControlId id) const;
    void setBackground(ControlId id, Rgb colour);

    // Tooltip of a label (empty when it has none).
    const Text& toolTip(ControlId id) const;
    void setToolTip(ControlId id, TextView value);

    // Keyboard focus. A move to a control that cannot take the focus (disabled,
    // a label, None) is refused and leaves the focus where it is. Disabling
    // the focused cell leaves the focus in it.
    ControlId focus() const { return focus_; }
    bool setFocus(ControlId id);
    bool canTakeFocus(ControlId id) const;
    // The next control after `from` (before it, for Shift+Tab) in the tab
    // order that can take the focus.
    ControlId nextInTabOrder(ControlId from, bool forward = true) const;

    // The lines around the calculation: the verdict pruefung(line) shows (its
    // caption and colour follow it) and the count of failed checks
    // pfehler(line) shows.
    Verdict lineVerdict(CheckLine line) const;
    void showLineVerdict(CheckLine line, Verdict verdict);
    std::uint64_t lineErrors(CheckLine line) const;
    void setLineErrors(CheckLine line, std::uint64_t count);

    // Whether this sheet asks for the Überschlag before the first quotient
    // digit and for the Probe before the task counts as checked. A task file
    // carries them, so a teacher's worksheet asks its pupils for them.
    struct CheckDemands {
        bool ueberschlag = false;
        bool probe = false;
        friend bool operator==(CheckDemands, CheckDemands) = default;
    };
    CheckDemands demands() const { return demands_; }
    void setDemands(CheckDemands demands);

    // The row's record of mistakes by kind and hints (row 0..9). No control
    // shows it: its changes do not move the revision.
    const RowTally& tally(int row) const;
    void setTally(int row, const RowTally& tally);
    void countMistake(int row, MistakeKind kind);
    void countHint(int row);

    // A short message for the pupil that no control keeps for long (a row
    // checked before its turn): the screen reader says each one, also the
    // same again. `notices()` counts them.
    void notify(TextView message);
    const Text& notice() const { return notice_; }
    std::uint64_t notices() const { return notices_; }

    bool timer1Enabled() const { return timer1Enabled_; }
    void setTimer1Enabled(bool on);

    // The program's folder, without a trailing separator; set by Form_Load.
    const std::string& appPath() const { return appPath_; }
    void setAppPath(std::string path);

    void setCellChangeHook(CellChangeHook hook) { cellChangeHook_ = std::move(hook); }

    // Moves on every change of any property; the binding mirrors when it moved.
    std::uint64_t revision() const { return revision_; }

    // Largest number of characters Text1 and Text2 accept (the grid's room).
    static constexpr std::size_t kText1MaxLength = 6;
    static constexpr std::size_t kText2MaxLength = 3;

  private:
    struct TextState {
        Text text;
        bool enabled = true;
        bool visible = true;
    };
    struct LabelState {
        Text caption;
        bool visible = true;
        std::optional<Rgb> background;
        Text toolTip;
    };

    void writeCaption(LabelState& label, TextView value);
    TextState* textState(ControlId id);
    const TextState* textState(ControlId id) const;
    LabelState* labelState(ControlId id);
    const LabelState* labelState(ControlId id) const;

    TextState text1_;
    TextState text2_;
    std::array<TextState, kDividendCells> dividend_;
    std::array<TextState, kDivisorCells> divisor_;
    std::array<TextState, kResultatCells> resultat_;
    std::array<std::array<TextState, kRowCells>, kWorkRows> kontrolle_;
    TextState stellen_;
    TextState etwa_;
    std::array<TextState, kProbeBoxes> probe_;

    LabelState command1_;
    LabelState command2_;
    LabelState label1_;
    LabelState label2_;
    LabelState label4_;
    LabelState label5_;
    std::array<LabelState, 2> label3_;
    std::array<LabelState, kWorkRows> info_;
    std::array<LabelState, kFehlerLabels> fehler_;
    std::array<LabelState, 4> lineCaptions_; // Label6 ... Label9
    std::array<LabelState, kCheckLines> pruefung_;
    std::array<LabelState, kCheckLines> pfehler_;
    std::array<Verdict, kCheckLines> lineVerdicts_{};
    std::array<std::uint64_t, kCheckLines> lineErrors_{};
    CheckDemands demands_;

    std::array<Verdict, kWorkRows> verdicts_{};
    struct Counter {
        std::uint64_t count = 0;
        char32_t mark = 0; // shown instead of the count when not 0
    };
    std::array<Counter, kFehlerLabels> counters_{};
    std::array<RowTally, kWorkRows> tallies_;

    ControlId focus_;
    bool timer1Enabled_ = false;
    std::string appPath_;
    Text notice_;
    std::uint64_t notices_ = 0;
    CellChangeHook cellChangeHook_;
    std::uint64_t revision_ = 0;
};

// Load event of the window: records the folder of the running executable.
void Form_Load(Form1& form, const std::string& executablePath);

} // namespace zifferon
