// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class overview window: the chart of the class's mistakes by kind above
// a sortable table of the folder's task files, with the summary line last.
// A double-click on a file (or Enter) asks for it to be loaded into the sheet
// window; the table can be saved as CSV, printed and exported as PDF. It only
// reads.

#include "overview/ClassOverview.h"

#include <QWidget>

class QTableView;
class QPushButton;

namespace zifferon {

class MessageSink;
class MistakeChart;
class MistakeTallyView;
class OverviewSortModel;
class OverviewTableModel;

class ClassOverviewWindow : public QWidget {
    Q_OBJECT
  public:
    // `messages` reports failed saves, prints and exports.
    ClassOverviewWindow(const QString& folder, std::vector<OverviewRow> rows, MessageSink& messages,
                        QWidget* parent = nullptr);

    QTableView* table() const { return table_; }
    MistakeChart* chart() const { return chart_; }
    MistakeTallyView* tallyView() const { return tallyView_; }
    // The files in the order the table shows them, without the summary line.
    std::vector<OverviewRow> shownRows() const;

    // The table as shown, with the summary line, as UTF-8 with a byte-order
    // mark; false with the reason when the file cannot be written.
    bool saveCsv(const QString& path, QString* error) const;
    bool exportPdf(const QString& path, QString* error) const;

  signals:
    void openRequested(const QString& path);

  private:
    // Where a copy of the table goes, and what a failure message says.
    struct WriteTarget {
        QString dialogTitle;
        QString fileName; // suggested, in the documents folder
        QString filter;
        const char* failedTitle;
        QString done; // "gespeichert", "exportiert"
    };

    void askSaveCsv();
    void askPrint();
    void askExportPdf();
    // Asks for a file, writes the table there, and says so when that fails.
    void askWrite(const WriteTarget& target, QString (*withExtension)(const QString&),
                  bool (ClassOverviewWindow::*write)(const QString&, QString*) const);
    void openRow(const QModelIndex& index);

    QString folder_;
    MessageSink& messages_;
    OverviewTableModel* model_ = nullptr;
    OverviewSortModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    MistakeChart* chart_ = nullptr;
    MistakeTallyView* tallyView_ = nullptr;
};

// Adds ".csv" unless the name ends in it (any case).
QString csvSavePath(const QString& chosen);

} // namespace zifferon
