// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// SheetWindow: the Qt face of the Worksheet.
//
// It builds one widget per control from the layout table, turns every widget
// event into a call of the Worksheet (handle()), and after each event mirrors
// the model back onto the widgets (only when the model's revision moved).
// It holds no rule of its own, and no timer: the Worksheet runs the tracker
// pass after every event.
//
// Its parts live in files of their own: the sheet's widgets
// (SheetWindowControls), the mirroring (SheetWindowMirror), the menus and
// their commands (SheetWindowMenus) and the zoom (SheetWindowZoom).

#include "session/Worksheet.h"
#include "sheet/ControlId.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScreen;

namespace zifferon {

class CellEdit;
class ClassOverviewWindow;
class HintController;
class ClickableLabel;
class RandomSource;
class SheetPage;
class QtTaskFileServices;
class ScreenReaderNotice;
class MessageSink;
class PdfSaveDialog;
class TaskFileServices;

class SheetWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Services that tests replace; null means the real ones.
    struct Services {
        RandomSource* random = nullptr;
        TaskFileServices* taskFiles = nullptr;
        PdfSaveDialog* pdfDialog = nullptr;
        MessageSink* messages = nullptr; // print and PDF export failures
    };

    explicit SheetWindow(const Services& services, QWidget* parent = nullptr);
    SheetWindow() : SheetWindow(Services{}) {}
    ~SheetWindow() override;

    Form1& form() { return sheet_.form; }
    Worksheet& sheet() { return sheet_; }

    // The widget that shows a control (nullptr for None).
    QWidget* widget(ControlId id) const;
    QLineEdit* cell(ControlId id) const;
    QLabel* label(ControlId id) const;
    QPushButton* button(ControlId id) const;
    QAction* loadAction() const { return loadAction_; }
    QAction* saveAction() const { return saveAction_; }
    QAction* saveAsAction() const { return saveAsAction_; }
    QAction* quitAction() const { return quitAction_; }
    QAction* printAction() const { return printAction_; }
    HintController* hints() const { return hints_; }
    QAction* pdfAction() const { return pdfAction_; }

    // The one way an event reaches the rules: the call on the Worksheet,
    // then the widgets show the model.
    void handle(const std::function<void(Worksheet&)>& event);

    // Has a screen reader say text without moving the focus.
    void announce(const QString& text);
    ScreenReaderNotice* notice() const { return notice_; }

    // Pixel position of a twip coordinate at the current zoom.
    int toPixels(int twips) const;

    // Zoom of the whole sheet (1.0 = the designed size), for the run only.
    // The menu offers the steps that fit the screen; setZoom takes any step.
    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void stepZoom(int direction);
    const std::vector<QAction*>& zoomStepActions() const { return zoomStepActions_; }

    // Loads a task file given at start, with the load command's checks.
    void openFile(const std::string& path);

    // "Klassenübersicht": the overview of the task files in `folder` and its
    // subfolders in a window of its own; nullptr (after a message) when the
    // folder cannot be read.
    ClassOverviewWindow* openClassOverview(const QString& folder);
    QAction* overviewAction() const { return overviewAction_; }

  protected:
    void showEvent(QShowEvent* event) override;
    // Asks before unsaved work is thrown away.
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    void buildPage();
    void buildControls();
    QWidget* makeTextBox(ControlId id);
    QWidget* makeButton(ControlId id);
    QWidget* makeLabel(ControlId id);
    void buildMenu();
    void buildFileMenu();
    void buildTaskKindMenu();
    void buildViewMenu();
    void connectFocusTracking();
    void applyGeometry();
    void applyFonts();

    ControlId controlOf(const QWidget* w) const; // None for other widgets
    void onFocusChanged(QWidget* now);
    void loadTaskFile();
    void saveTaskFile();
    void printSheet();
    void exportPdf();
    void chooseClassFolder();

    void mirror();
    void mirrorState(ControlId id);
    void mirrorText(ControlId id);
    void mirrorLabel(QLabel* label, ControlId id);
    void mirrorCaption();
    void showLocked(QLineEdit* cell, bool locked);
    QSize nonScalingSize() const;
    bool zoomFitsScreen(double zoom) const;
    void updateZoomChoices();
    void fitZoomToScreen();
    void watchScreen(QScreen* screen);

    Services services_;
    Worksheet sheet_;
    std::unique_ptr<QtTaskFileServices> qtTaskFiles_;
    std::unique_ptr<PdfSaveDialog> ownPdfDialog_;
    std::unique_ptr<MessageSink> ownMessages_;
    std::unique_ptr<UnsavedWorkQuestion> unsavedWorkQuestion_;

    SheetPage* page_ = nullptr;
    std::map<int, QWidget*> widgets_; // key: packed ControlId
    QAction* loadAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* saveAsAction_ = nullptr;
    QAction* quitAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* pdfAction_ = nullptr;
    QAction* overviewAction_ = nullptr;
    double zoom_ = 1.0;
    QAction* zoomInAction_ = nullptr;
    QAction* zoomOutAction_ = nullptr;
    std::vector<QAction*> zoomStepActions_;
    bool screenWatched_ = false;
    QMetaObject::Connection screenConnection_;
    std::uint64_t mirroredRevision_ = ~std::uint64_t{0};
    bool mirroring_ = false;
    HintController* hints_ = nullptr;
    ScreenReaderNotice* notice_ = nullptr;
};

} // namespace zifferon
