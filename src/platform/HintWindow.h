// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The "&Hilfe" menu: staged hints ("&Tipp", F1), a short page on how the
// program is used ("&Wie geht das?") and the reading commands ("&Vorlesen").
//
// A hint is drawn over the sheet (frames around the cells to be written next)
// and shown in a small window beside it. Neither touches the model: the step
// is read from the sheet (HintCoach), and a hint disappears as soon as the
// sheet has moved on to another step.

#include "hints/HintPlacement.h"
#include "hints/HintSteps.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <vector>

class QAction;
class QLabel;
class QMenuBar;

namespace zifferon {

class ReadAloudMenu;
class SheetWindow;

// Frames around some widgets of the sheet, drawn above them. It takes no
// mouse events and follows the size of the page it covers.
class HintOverlay : public QWidget {
    Q_OBJECT
  public:
    explicit HintOverlay(QWidget* page);

    void setTargets(const std::vector<QWidget*>& targets);
    std::vector<QWidget*> targets() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<QPointer<QWidget>> targets_;
};

// The small window beside the sheet: what to do, the question, the divisor's
// multiples (for the Überschlag and the Probe the way to the answer) and how
// many hints were used since the last task entry or load.
// A screen reader sees a dialog "Tipp" whose labels read as their texts; it
// never takes the focus, and a hint is read aloud through the sheet's notice.
class HintWindow : public QDialog {
    Q_OBJECT
  public:
    explicit HintWindow(QWidget* parent);

    void showHint(const Hint& hint, int hintsUsed, const QString& outlinedCells);
    // The text grows with the sheet's zoom.
    void setZoom(double zoom);

    QString instructionText() const;
    QString questionText() const;
    QString multiplesText() const;
    QString explanationText() const;
    QString countText() const;

  private:
    QLabel* instruction_ = nullptr;
    QLabel* question_ = nullptr;
    QLabel* multiples_ = nullptr;
    QLabel* explanation_ = nullptr;
    QLabel* count_ = nullptr;
    double zoom_ = 1.0;

    void applyZoom();
};

class HintController : public QObject {
    Q_OBJECT
  public:
    HintController(SheetWindow& window, QWidget* page);

    // Appends "&Hilfe" to the menu bar.
    void addMenu(QMenuBar* bar);

    // "&Tipp": the next stage for the current step.
    void giveHint();
    // After the sheet changed: a hint whose step is done disappears.
    void refresh();
    // "&Wie geht das?"
    void showUsage();

    QAction* tipAction() const { return tip_; }
    QAction* usageAction() const { return usageAction_; }
    HintOverlay* overlay() const { return overlay_; }
    HintWindow* hintWindow() const { return hintWindow_; }
    QDialog* usagePage() const { return usage_; }
    ReadAloudMenu* readAloud() const { return readAloud_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    HintPlaceInput placeInput() const;
    // Off the menu and the row being worked; `always` places it anew even
    // where it stands out of the way.
    void placeHintWindow(bool always);

    SheetWindow& window_;
    HintOverlay* overlay_ = nullptr;
    HintWindow* hintWindow_ = nullptr;
    QDialog* usage_ = nullptr;
    QAction* tip_ = nullptr;
    QAction* usageAction_ = nullptr;
    ReadAloudMenu* readAloud_ = nullptr;
};

} // namespace zifferon
