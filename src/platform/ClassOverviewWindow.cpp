// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/ClassOverviewWindow.h"

#include "overview/OverviewCsv.h"
#include "platform/MistakeChart.h"
#include "platform/MistakeTallyView.h"
#include "platform/OverviewPrinter.h"
#include "platform/OverviewTableModel.h"
#include "platform/QtTaskFileServices.h"
#include "platform/SheetPrinter.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
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
    setWindowTitle(
        QString::fromUtf8("Klassen\u00FCbersicht \u2013 %1").arg(QDir::toNativeSeparators(folder)));

    const QString files = rows.size() == 1 ? QStringLiteral("1 Datei")
                                           : QStringLiteral("%1 Dateien").arg(rows.size());
    auto* where = new QLabel(
        QStringLiteral("Ordner: %1 (%2, nur gelesen)").arg(QDir::toNativeSeparators(folder), files),
        this);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* csv = new QPushButton(QStringLiteral("Als &CSV speichern ..."), this);
    auto* print = new QPushButton(QStringLiteral("&Drucken ..."), this);
    auto* pdf = new QPushButton(QStringLiteral("Als &PDF exportieren ..."), this);
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

    chart_ = new MistakeChart(this);
    tallyView_ = new MistakeTallyView(chart_, this);
    tallyView_->setTally(classTally(rows));

    model_ = new OverviewTableModel(std::move(rows), this);
    sorted_ = new OverviewSortModel(this);
    sorted_->setSourceModel(model_);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("overviewTable"));
    table_->setAccessibleName(QString::fromUtf8("Aufgabendateien der Klasse"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(static_cast<int>(Column::Datei), Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    // A double-click, or Enter on a row.
    connect(table_, &QTableView::activated, this, &ClassOverviewWindow::openRow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addLayout(buttons);
    layout->addWidget(tallyView_);
    layout->addWidget(table_, 1);
    // Wide enough for all columns, as far as the screen allows.
    int tableWidth = 2 * table_->frameWidth() + table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < kColumns; ++c) {
        tableWidth += table_->columnWidth(c);
    }
    const QMargins margins = layout->contentsMargins();
    const QRect room = screen()->availableGeometry();
    resize(std::min(tableWidth + margins.left() + margins.right(), room.width() * 19 / 20),
           std::min(640, room.height() * 9 / 10));
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
    const WriteResult written = storage.writeAtomically(
        path.toStdString(),
        std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!written.ok && error) {
        *error = QString::fromStdString(written.reason);
    }
    return written.ok;
}

bool ClassOverviewWindow::exportPdf(const QString& path, QString* error) const {
    return OverviewPrinter(folder_, shownRows()).exportPdf(path, error);
}

void ClassOverviewWindow::askSaveCsv() {
    askWrite({QStringLiteral("Als CSV speichern"), QString::fromUtf8("Klassen\u00FCbersicht.csv"),
              QStringLiteral("CSV-Dateien (*.csv)"), kSaveFailedTitle,
              QStringLiteral("gespeichert")},
             csvSavePath, &ClassOverviewWindow::saveCsv);
}

void ClassOverviewWindow::askPrint() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromUtf8("Klassen\u00FCbersicht"));
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QString reason;
    if (!OverviewPrinter(folder_, shownRows()).print(printer, &reason)) {
        messages_.showError(
            kPrintFailedTitle,
            ("Die \u00DCbersicht kann nicht gedruckt werden.\n" + reason).toStdString());
    }
}

void ClassOverviewWindow::askExportPdf() {
    askWrite({QStringLiteral("Als PDF exportieren"), QString::fromUtf8("Klassen\u00FCbersicht.pdf"),
              QStringLiteral("PDF-Dokumente (*.pdf)"), kPdfExportFailedTitle,
              QStringLiteral("exportiert")},
             pdfSavePath, &ClassOverviewWindow::exportPdf);
}

void ClassOverviewWindow::askWrite(const WriteTarget& target,
                                   QString (*withExtension)(const QString&),
                                   bool (ClassOverviewWindow::*write)(const QString&, QString*)
                                       const) {
    const QString chosen = QFileDialog::getSaveFileName(
        this, target.dialogTitle, QDir(documentsFolder()).filePath(target.fileName), target.filter);
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = withExtension(chosen);
    QString reason;
    if (!(this->*write)(path, &reason)) {
        messages_.showError(target.failedTitle,
                            QStringLiteral("Die \u00DCbersicht kann nicht als \u201E%1\u201C "
                                           "%2 werden.\n%3")
                                .arg(QDir::toNativeSeparators(path), target.done, reason)
                                .toStdString());
    }
}

void ClassOverviewWindow::openRow(const QModelIndex& index) {
    const int source = sorted_->mapToSource(index).row();
    if (source >= 0 && !model_->isSummary(source)) {
        emit openRequested(
            QString::fromStdString(model_->rows()[static_cast<std::size_t>(source)].path));
    }
}

} // namespace zifferon
