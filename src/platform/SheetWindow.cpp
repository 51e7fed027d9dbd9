// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SheetWindow.h"
#include "sheet/Catalogue.h"

#include "platform/QtTaskFileServices.h"
#include "platform/QtText.h"
#include "platform/QtUnsavedWorkQuestion.h"
#include "platform/ScreenReaderNotice.h"
#include "platform/SheetPrinter.h"
#include "platform/SheetWidgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QWindow>

namespace zifferon {

SheetWindow::SheetWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services), sheet_(services.random) {
    if (!services_.taskFiles) {
        qtTaskFiles_ = std::make_unique<QtTaskFileServices>(this);
        services_.taskFiles = &qtTaskFiles_->services();
    }
    if (!services_.pdfDialog) {
        ownPdfDialog_ = std::make_unique<QtPdfSaveDialog>(this);
        services_.pdfDialog = ownPdfDialog_.get();
    }
    if (!services_.messages) {
        ownMessages_ = std::make_unique<QtMessageSink>(this);
        services_.messages = ownMessages_.get();
    }
    unsavedWorkQuestion_ = std::make_unique<QtUnsavedWorkQuestion>(this);
    sheet_.setUnsavedWorkGuard(unsavedWorkQuestion_.get(), services_.taskFiles);
    setWindowTitle(toQString(shownWords(texts::Caption)));

    buildPage();
    notice_ = new ScreenReaderNotice(this);
    // The font first: widgets made afterwards take it at once instead of
    // laying their text out again.
    applyFonts();
    buildControls();
    buildMenu();
    applyGeometry();
    // A fixed sheet: the window takes exactly the size of the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connectFocusTracking();

    Form_Load(form(), QCoreApplication::applicationFilePath().toStdString());
    mirror();
}

SheetWindow::~SheetWindow() {
    sheet_.setUnsavedWorkGuard(nullptr, nullptr);
}

void SheetWindow::handle(const std::function<void(Worksheet&)>& event) {
    event(sheet_);
    mirror();
}

void SheetWindow::announce(const QString& text) {
    if (!text.isEmpty()) {
        notice_->say(text);
    }
}

void SheetWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The focused control shows its focus frame from the start, not only
    // after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWindow* w = windowHandle(); w && !screenWatched_) {
        screenWatched_ = true;
        connect(w, &QWindow::screenChanged, this, &SheetWindow::watchScreen);
        watchScreen(w->screen());
    }
    fitZoomToScreen();
}

void SheetWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    handle([&mayClose](Worksheet& sheet) { mayClose = sheet.mayReplace(Replacement::Close); });
    if (mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool SheetWindow::focusNextPrevChild(bool next) {
    // Tab asks the sheet before the focus moves: a move the sheet would undo
    // at once (a blank quotient cell pulls the focus back) would otherwise be
    // two focus changes of one key, and a screen reader hears of both.
    QWidget* from = QApplication::focusWidget();
    const ControlId fromId = controlOf(from);
    const ControlId id = form().nextInTabOrder(fromId, next);
    if (fromId.kind == Kind::None || id.kind == Kind::None || id == fromId) {
        return QMainWindow::focusNextPrevChild(next);
    }
    handle([id](Worksheet& sheet) { sheet.focusChanged(id); });
    // Tab selects the text of the box it leads to, as in any Qt window.
    auto* box = qobject_cast<CellEdit*>(QApplication::focusWidget());
    if (box && box != from && !box->hasSelectedText()) {
        box->selectAll();
    }
    return true;
}

} // namespace zifferon
