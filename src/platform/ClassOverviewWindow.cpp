// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ClassOverviewWindow.h"

#include "overview/OverviewCsv.h"
#include "platform/MistakeChart.h"
#include "platform/MistakeTallyView.h"
#include "platform/OverviewPrinter.h"
#include "platform/OverviewTableModel.h"
#include "platform/QtTaskFileServices.h"
#include "platform/RecentFolder.h"
#include "platform/SheetPrinter.h"
#include "sheet/Catalogue.h"
#include "task/TaskKind.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace zifferon {

QString csvSavePath(const QString& chosen) {
    return chosen.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)
               ? chosen
               : chosen + QStringLiteral(".csv");
}

ClassOverviewWindow::ClassOverviewWindow(const QString& folder, std::vector<OverviewRow> rows,
                                         MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(folder), messages_(messages) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("classOverview"));
    setWindowTitle(QCoreApplication::translate("ClassOverviewWindow", "Klassenübersicht – %1")
                       .arg(QDir::toNativeSeparators(folder)));

    const QString files =
        rows.size() == 1
            ? QCoreApplication::translate("ClassOverviewWindow", "1 Datei")
            : QCoreApplication::translate("ClassOverviewWindow", "%1 Dateien").arg(rows.size());
    auto* where = new QLabel(
        QCoreApplication::translate("ClassOverviewWindow", "Ordner: %1 (%2, nur gelesen)")
            .arg(QDir::toNativeSeparators(folder), files),
        this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QLayout* buttons = buildFileButtons();

    chart_ = new MistakeChart(this);
    tallyView_ = new MistakeTallyView(chart_, this);
    tallyView_->setTally(classTally(rows));

    model_ = new OverviewTableModel(std::move(rows), this);
    pupilTable_ = buildPupilTable(model_->rows());
    buildFileTable();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addLayout(buttons);
    auto* chartRow = new QHBoxLayout;
    chartRow->addWidget(tallyView_, 1); // the bars with their table and sentence
    chartRow->addLayout(buildPracticeButtons());
    layout->addLayout(chartRow);
    tabs_ = new QTabWidget(this);
    tabs_->addTab(table_, QCoreApplication::translate("ClassOverviewWindow", "Dat&eien"));
    tabs_->addTab(pupilTable_, QCoreApplication::translate("ClassOverviewWindow", "&Kinder"));
    layout->addWidget(tabs_, 1);
    fitToScreen(layout->contentsMargins());
}

QLayout* ClassOverviewWindow::buildFileButtons() {
    auto* csv = new QPushButton(
        QCoreApplication::translate("ClassOverviewWindow", "Als &CSV speichern ..."), this);
    auto* print =
        new QPushButton(QCoreApplication::translate("ClassOverviewWindow", "&Drucken ..."), this);
    auto* pdf = new QPushButton(
        QCoreApplication::translate("ClassOverviewWindow", "Als &PDF exportieren ..."), this);
    csv->setObjectName(QStringLiteral("saveCsv"));
    print->setObjectName(QStringLiteral("print"));
    pdf->setObjectName(QStringLiteral("exportPdf"));
    connect(csv, &QPushButton::clicked, this, &ClassOverviewWindow::askSaveCsv);
    connect(print, &QPushButton::clicked, this, &ClassOverviewWindow::askPrint);
    connect(pdf, &QPushButton::clicked, this, &ClassOverviewWindow::askExportPdf);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(csv);
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addStretch();
    return buttons;
}

void ClassOverviewWindow::buildFileTable() {
    sorted_ = new OverviewSortModel(this);
    sorted_->setSourceModel(model_);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("overviewTable"));
    table_->setAccessibleName(
        QCoreApplication::translate("ClassOverviewWindow", "Aufgabendateien der Klasse"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(static_cast<int>(Column::Datei), Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    // A long file name is shortened in its middle, where names of one class
    // differ least ("Klasse 4b/Anna/Aufg…13.AUF").
    table_->setTextElideMode(Qt::ElideMiddle);
    table_->setWordWrap(false);
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    // A double-click, or Enter on a row.
    connect(table_, &QTableView::activated, this, &ClassOverviewWindow::openRow);
}

void ClassOverviewWindow::fitToScreen(const QMargins& margins) {
    // All columns side by side on the screen, a projector's 1024 pixels
    // included: the file names give up what the others need.
    const QRect room = screen()->availableGeometry();
    const int width = std::min(room.width() * 19 / 20, 1600);
    const int frame = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width() +
                      margins.left() + margins.right();
    // Each other column as wide as its cells and its title, without the room
    // the header keeps for a sort arrow in every column.
    const QFontMetrics titles(table_->horizontalHeader()->font());
    const int padding = 2 * fontMetrics().averageCharWidth();
    // The Überschlag and the Probe take room only in a class that does them
    // (the printout and the CSV keep both columns).
    for (const Column column : {Column::Ueberschlag, Column::Probe}) {
        const int c = static_cast<int>(column);
        bool any = false;
        for (int r = 0; r < sorted_->rowCount() && !any; ++r) {
            any = !sorted_->index(r, c).data().toString().isEmpty();
        }
        table_->setColumnHidden(c, !any);
    }
    int others = 0;
    for (int c = 0; c < kColumns; ++c) {
        if (c == static_cast<int>(Column::Datei) || table_->isColumnHidden(c)) {
            continue;
        }
        const QString title = sorted_->headerData(c, Qt::Horizontal).toString();
        const QAbstractItemView* view = table_;
        table_->setColumnWidth(
            c, std::max(view->sizeHintForColumn(c), titles.horizontalAdvance(title) + padding));
        others += table_->columnWidth(c);
    }
    const int datei = static_cast<int>(Column::Datei);
    const int fileRoom = width - frame - others;
    const int fileWidth = std::clamp(fileRoom, 12 * fontMetrics().averageCharWidth(),
                                     std::max(table_->columnWidth(datei), 1));
    table_->setColumnWidth(datei, fileWidth);
    resize(std::min(frame + others + fileWidth, width), std::min(640, room.height() * 9 / 10));
}

QLayout* ClassOverviewWindow::buildPracticeButtons() {
    auto* grid = new QGridLayout;
    for (int k = 0; k < kMistakeKinds; ++k) {
        const auto kind = static_cast<MistakeKind>(k);
        const QString title = QString::fromStdString(std::string(
            columnTitle(static_cast<Column>(static_cast<int>(Column::Einmaleins) + k))));
        const QString practice = QString::fromUtf8(taskKindName(practiceKindFor(kind)));
        auto* button = new QPushButton(
            QCoreApplication::translate("ClassOverviewWindow", "Übungsblatt dazu …"), this);
        const std::string_view key = mistakeKindKey(kind);
        button->setObjectName(QStringLiteral("practice-") +
                              QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
        button->setAccessibleName(
            QCoreApplication::translate("ClassOverviewWindow", "Übungsblatt zu %1").arg(title));
        button->setToolTip(
            QCoreApplication::translate("ClassOverviewWindow", "Arbeitsblatt mit Aufgaben „%1“")
                .arg(practice));
        connect(button, &QPushButton::clicked, this,
                [this, kind] { emit practiceRequested(kind); });
        practiceButtons_[static_cast<std::size_t>(k)] = button;
        grid->addWidget(new QLabel(title, this), k, 0);
        grid->addWidget(button, k, 1);
    }
    grid->setRowStretch(kMistakeKinds, 1);
    return grid;
}

QTableWidget* ClassOverviewWindow::buildPupilTable(const std::vector<OverviewRow>& rows) {
    const std::vector<PupilSummary> pupils = pupilSummaries(rows);
    auto* table = new QTableWidget(static_cast<int>(pupils.size()), 2 + kMistakeKinds, this);
    table->setObjectName(QStringLiteral("pupilTable"));
    table->setAccessibleName(
        QCoreApplication::translate("ClassOverviewWindow", "Fehlerarten je Kind"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    QStringList titles{QCoreApplication::translate("ClassOverviewWindow", "Kind"),
                       QCoreApplication::translate("ClassOverviewWindow", "Dateien")};
    for (int k = 0; k < kMistakeKinds; ++k) {
        titles << model_
                      ->headerData(static_cast<int>(Column::Einmaleins) + k, Qt::Horizontal,
                                   Qt::DisplayRole)
                      .toString();
    }
    table->setHorizontalHeaderLabels(titles);
    for (int k = 0; k < kMistakeKinds; ++k) {
        table->horizontalHeaderItem(2 + k)->setToolTip(
            QCoreApplication::translate("ClassOverviewWindow",
                                        "%1: in wie vielen Dateien des Kindes")
                .arg(QString::fromStdString(std::string(
                    columnTitle(static_cast<Column>(static_cast<int>(Column::Einmaleins) + k))))));
    }
    for (std::size_t r = 0; r < pupils.size(); ++r) {
        const PupilSummary& pupil = pupils[r];
        const int row = static_cast<int>(r);
        table->setItem(row, 0,
                       new QTableWidgetItem(QString::fromStdString(shownName(pupil.pupil))));
        table->setItem(row, 1, new QTableWidgetItem(QString::number(pupil.files)));
        for (int k = 0; k < kMistakeKinds; ++k) {
            auto* item = new QTableWidgetItem(
                QString::fromStdString(pupilKindText(pupil, static_cast<MistakeKind>(k))));
            if (pupil.repeated(static_cast<MistakeKind>(k))) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table->setItem(row, 2 + k, item);
        }
    }
    table->resizeColumnsToContents();
    table->resizeRowsToContents();
    return table;
}

std::vector<OverviewRow> ClassOverviewWindow::shownRows() const {
    std::vector<OverviewRow> rows;
    for (int r = 0; r < sorted_->rowCount(); ++r) {
        const int source = sorted_->mapToSource(sorted_->index(r, 0)).row();
        if (!model_->isSummary(source)) {
            rows.push_back(model_->rows()[static_cast<std::size_t>(source)]);
        }
    }
    return rows;
}

bool ClassOverviewWindow::saveCsv(const QString& path, QString* error) const {
    const std::string text = std::string(kUtf8ByteOrderMark) + overviewCsv(shownRows(), true);
    QtTaskFileStorage storage;
    const Problem failure = storage.writeAtomically(
        path.toStdString(),
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (failure && error) {
        *error = QString::fromStdString(failureText(*failure));
    }
    return !failure;
}

bool ClassOverviewWindow::exportPdf(const QString& path, QString* error) const {
    return OverviewPrinter(folder_, shownRows()).exportPdf(path, error);
}

void ClassOverviewWindow::askSaveCsv() {
    askWrite({QCoreApplication::translate("ClassOverviewWindow", "Als CSV speichern"),
              QCoreApplication::translate("ClassOverviewWindow", "Klassenübersicht.csv"),
              QCoreApplication::translate("ClassOverviewWindow", "CSV-Dateien (*.csv)"),
              QString::fromStdString(sayUtf8(Msg::SaveFailedTitle)),
              QCoreApplication::translate("ClassOverviewWindow", "gespeichert")},
             csvSavePath, &ClassOverviewWindow::saveCsv);
}

void ClassOverviewWindow::askPrint() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QCoreApplication::translate("ClassOverviewWindow", "Klassenübersicht"));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QCoreApplication::translate("ClassOverviewWindow", "Drucken"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QString reason;
    if (!OverviewPrinter(folder_, shownRows()).print(printer, &reason)) {
        messages_.showError(
            printingText(kPrintFailedTitle).toStdString(),
            QCoreApplication::translate("ClassOverviewWindow",
                                        "Die Übersicht kann nicht gedruckt werden.\n%1")
                .arg(reason)
                .toStdString());
    }
}

void ClassOverviewWindow::askExportPdf() {
    askWrite({QCoreApplication::translate("ClassOverviewWindow", "Als PDF exportieren"),
              QCoreApplication::translate("ClassOverviewWindow", "Klassenübersicht.pdf"),
              QCoreApplication::translate("ClassOverviewWindow", "PDF-Dokumente (*.pdf)"),
              printingText(kPdfExportFailedTitle),
              QCoreApplication::translate("ClassOverviewWindow", "exportiert")},
             pdfSavePath, &ClassOverviewWindow::exportPdf);
}

void ClassOverviewWindow::askWrite(const WriteTarget& target,
                                   QString (*withExtension)(const QString&),
                                   bool (ClassOverviewWindow::*write)(const QString&, QString*)
                                       const) {
    const QString chosen = QFileDialog::getSaveFileName(
        this, target.dialogTitle, inRecentFolder(target.fileName, documentsFolder()),
        target.filter);
    if (chosen.isEmpty()) {
        return;
    }
    rememberFolderOf(chosen);
    const QString path = withExtension(chosen);
    QString reason;
    if (!(this->*write)(path, &reason)) {
        messages_.showError(target.failedTitle.toStdString(),
                            QCoreApplication::translate("ClassOverviewWindow",
                                                        "Die Übersicht kann nicht als „%1“ "
                                                        "%2 werden.\n%3")
                                .arg(QDir::toNativeSeparators(path), target.done, reason)
                                .toStdString());
    }
}

void ClassOverviewWindow::openRow(const QModelIndex& index) {
    const int source = sorted_->mapToSource(index).row();
    if (source >= 0 && !model_->isSummary(source)) {
        const std::string& path = model_->rows()[static_cast<std::size_t>(source)].path;
        emit openRequested(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
    }
}

} // namespace zifferon
