// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's menus and the commands behind them: the task file, printing,
// the classroom's tools, the kind of task and the zoom.

#include "platform/Language.h"
#include "platform/SheetWindow.h"
#include "sheet/Catalogue.h"

#include "overview/ClassOverview.h"
#include "platform/CheckDemandSettings.h"
#include "platform/ClassOverviewWindow.h"
#include "platform/HandoutDialog.h"
#include "platform/HintWindow.h"
#include "platform/QtTaskFileServices.h"
#include "platform/QtText.h"
#include "platform/RecentFolder.h"
#include "platform/SheetPrinter.h"
#include "platform/SheetWidgets.h"
#include "sheet/Layout.h"
#include "taskfile/TaskFileCommands.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>
#include <filesystem>

namespace zifferon {

void SheetWindow::buildMenu() {
    buildFileMenu();
    buildTaskKindMenu();
    buildViewMenu();
    hints_ = new HintController(*this, page_);
    hints_->addMenu(menuBar());
}

void SheetWindow::buildFileMenu() {
    QMenu* datei = menuBar()->addMenu(toQString(shownWords(texts::MenuDatei)));
    datei->setObjectName("mDatei");
    loadAction_ = datei->addAction(toQString(shownWords(texts::MenuLaden)));
    loadAction_->setObjectName("mLaden");
    loadAction_->setShortcut(QKeySequence::Open);
    saveAction_ = datei->addAction(toQString(shownWords(texts::MenuSpeichern)));
    saveAction_->setObjectName("mSpeichern");
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAsAction_ =
        datei->addAction(QCoreApplication::translate("SheetWindowMenus", "Speichern &unter ..."));
    saveAsAction_->setObjectName("mSpeichernUnter");
    saveAsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(loadAction_, &QAction::triggered, this, &SheetWindow::loadTaskFile);
    connect(saveAction_, &QAction::triggered, this, &SheetWindow::saveTaskFile);
    connect(saveAsAction_, &QAction::triggered, this,
            [this] { handle([this](Worksheet& sheet) { sheet.saveAs(*services_.taskFiles); }); });
    datei->addSeparator();
    printAction_ =
        datei->addAction(QCoreApplication::translate("SheetWindowMenus", "&Drucken ..."));
    printAction_->setObjectName("mDrucken");
    printAction_->setShortcut(QKeySequence::Print);
    connect(printAction_, &QAction::triggered, this, &SheetWindow::printSheet);
    pdfAction_ = datei->addAction(
        QCoreApplication::translate("SheetWindowMenus", "Als &PDF exportieren ..."));
    pdfAction_->setObjectName("mPdf");
    connect(pdfAction_, &QAction::triggered, this, &SheetWindow::exportPdf);
    datei->addSeparator();
    // The classroom's tools.
    QAction* handout = datei->addAction(
        QCoreApplication::translate("SheetWindowMenus", "&Arbeitsblatt erstellen ..."));
    handout->setObjectName("mArbeitsblatt");
    connect(handout, &QAction::triggered, this, [this] {
        createHandout(this, form(), *services_.pdfDialog, *services_.messages, sheet_.taskKind());
    });
    datei->addSeparator();
    overviewAction_ =
        datei->addAction(QCoreApplication::translate("SheetWindowMenus", "&Klassenübersicht ..."));
    overviewAction_->setObjectName("mKlassenuebersicht");
    connect(overviewAction_, &QAction::triggered, this, &SheetWindow::chooseClassFolder);
    datei->addSeparator();
    quitAction_ = datei->addAction(QCoreApplication::translate("SheetWindowMenus", "&Beenden"));
    quitAction_->setObjectName("mBeenden");
    quitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // As the window's close button: the question about unsaved work first.
    connect(quitAction_, &QAction::triggered, this, &QWidget::close);
}

void SheetWindow::buildTaskKindMenu() {
    // The kind of task "nächste Aufgabe" draws: a menu of its own keeps the
    // sheet as it is. Each start begins with "gemischt": the sheet does not
    // show the kind, so a remembered one would surprise the next pupil.
    QMenu* kinds =
        menuBar()->addMenu(QCoreApplication::translate("SheetWindowMenus", "Aufgabenar&t"));
    kinds->setObjectName("mAufgabenart");
    auto* kindGroup = new QActionGroup(this);
    for (TaskKind kind : kAllTaskKinds) {
        QAction* a = kinds->addAction(QString::fromUtf8(taskKindName(kind)));
        a->setObjectName(QStringLiteral("mArt-%1").arg(QString::fromUtf8(taskKindKey(kind))));
        a->setCheckable(true);
        a->setChecked(kind == sheet_.taskKind());
        kindGroup->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, kind] { handle([kind](Worksheet& sheet) { sheet.setTaskKind(kind); }); });
    }
    // What the sheet asks for besides the division. Kept between runs, unlike
    // the kind: it is the teacher's choice for the class, not one task's.
    // A task already on the sheet keeps what it asked for.
    kinds->addSeparator();
    kinds->setToolTipsVisible(true);
    sheet_.setCheckDemands(keptCheckDemands());
    const QString fromNextTask = QCoreApplication::translate(
        "SheetWindowMenus", "Gilt ab der nächsten Aufgabe (Eingabe oder Laden).");
    const auto addDemand = [&](const char* name, const QString& text, bool on) {
        QAction* a = kinds->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        a->setChecked(on);
        a->setToolTip(fromNextTask);
        a->setStatusTip(fromNextTask);
        return a;
    };
    QAction* ueberschlag =
        addDemand("mUeberschlagVerlangen",
                  QCoreApplication::translate("SheetWindowMenus", "Ü&berschlag verlangen"),
                  sheet_.checkDemands().ueberschlag);
    QAction* probe = addDemand("mProbeVerlangen",
                               QCoreApplication::translate("SheetWindowMenus", "&Probe verlangen"),
                               sheet_.checkDemands().probe);
    const auto demandsChanged = [this, ueberschlag, probe] {
        const Form1::CheckDemands demands{ueberschlag->isChecked(), probe->isChecked()};
        keepCheckDemands(demands);
        handle([demands](Worksheet& sheet) { sheet.setCheckDemands(demands); });
    };
    connect(ueberschlag, &QAction::toggled, this, demandsChanged);
    connect(probe, &QAction::toggled, this, demandsChanged);
}

void SheetWindow::buildViewMenu() {
    QMenu* ansicht =
        menuBar()->addMenu(QCoreApplication::translate("SheetWindowMenus", "&Ansicht"));
    ansicht->setObjectName("mAnsicht");
    zoomInAction_ =
        ansicht->addAction(QCoreApplication::translate("SheetWindowMenus", "Ver&größern"));
    zoomInAction_->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(zoomInAction_, &QAction::triggered, this, [this] { stepZoom(+1); });
    zoomOutAction_ =
        ansicht->addAction(QCoreApplication::translate("SheetWindowMenus", "Ver&kleinern"));
    zoomOutAction_->setShortcut(QKeySequence::ZoomOut);
    connect(zoomOutAction_, &QAction::triggered, this, [this] { stepZoom(-1); });
    QAction* zoomReset =
        ansicht->addAction(QCoreApplication::translate("SheetWindowMenus", "&Originalgröße"));
    zoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(zoomReset, &QAction::triggered, this, [this] { setZoom(1.0); });
    // Every step by name; those that would not fit the screen are disabled.
    ansicht->addSeparator();
    auto* steps = new QActionGroup(this);
    for (double step : kZoomSteps) {
        QAction* a = ansicht->addAction(QString("%1 %").arg(std::lround(step * 100)));
        a->setCheckable(true);
        a->setChecked(step == zoom_);
        steps->addAction(a);
        connect(a, &QAction::triggered, this, [this, step] { setZoom(step); });
        zoomStepActions_.push_back(a);
    }
    // The language holds from the next start: sentences already on the sheet
    // (a row's reason, the hints) were made in the language of this run.
    ansicht->addSeparator();
    QMenu* sprache = ansicht->addMenu(
        QCoreApplication::translate("SheetWindow", "&Sprache (ab dem nächsten Start)"));
    sprache->setObjectName("mSprache");
    fillLanguageMenu(sprache);
}

void SheetWindow::loadTaskFile() {
    handle([this](Worksheet& sheet) { sheet.load(*services_.taskFiles); });
}

void SheetWindow::saveTaskFile() {
    handle([this](Worksheet& sheet) { sheet.save(*services_.taskFiles); });
}

void SheetWindow::openFile(const std::string& path) {
    // The path stays bytes: a name that is not UTF-8 is opened as it is.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    const std::string absolute = ec ? path : full.string();
    ChosenFile chosen(absolute);
    const TaskFileServices services{chosen, services_.taskFiles->storage,
                                    services_.taskFiles->messages};
    handle([&services](Worksheet& sheet) { sheet.load(services); });
}

void SheetWindow::printSheet() {
    QPrinter printer(QPrinter::HighResolution);
    // The job's name; the print dialog also offers it as the file name.
    printer.setDocName(sheetDocumentName(form()));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QCoreApplication::translate("SheetWindowMenus", "Drucken"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QString reason;
    if (!SheetPrinter().print(form(), printer, &reason)) {
        services_.messages->showError(
            printingText(kPrintFailedTitle).toStdString(),
            QCoreApplication::translate("SheetWindow", "Das Blatt kann nicht gedruckt werden.\n%1")
                .arg(reason)
                .toStdString());
    }
}

void SheetWindow::exportPdf() {
    exportSheetAsPdf(form(), *services_.pdfDialog, *services_.messages);
}

void SheetWindow::chooseClassFolder() {
    const QString folder = QFileDialog::getExistingDirectory(
        this, QCoreApplication::translate("SheetWindowMenus", "Ordner der Klasse wählen"),
        recentFolder(
            QString::fromStdString(taskFileStartFolder(form(), services_.taskFiles->storage))));
    if (!folder.isEmpty()) {
        rememberFolder(folder);
        openClassOverview(folder);
    }
}

ClassOverviewWindow* SheetWindow::openClassOverview(const QString& folder) {
    ClassOverview overview = readClassFolder(QFile::encodeName(folder).toStdString());
    if (overview.failure) {
        services_.messages->showError(
            QCoreApplication::translate("SheetWindow", "Klassenübersicht").toStdString(),
            failureText(*overview.failure));
        return nullptr;
    }
    auto* window =
        new ClassOverviewWindow(folder, std::move(overview.rows), *services_.messages, this);
    connect(window, &ClassOverviewWindow::practiceRequested, this,
            [this, window](MistakeKind kind) {
                createHandout(window, form(), *services_.pdfDialog, *services_.messages,
                              practiceKindFor(kind));
            });
    connect(window, &ClassOverviewWindow::openRequested, this, [this](const QByteArray& path) {
        openFile(path.toStdString());
        raise();
        activateWindow();
    });
    window->show();
    return window;
}

} // namespace zifferon
