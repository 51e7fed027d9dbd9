// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The class overview window: the chart of the class's mistakes by kind above
// a sortable table of the folder's task files, with the summary line last.
// A double-click on a file (or Enter) asks for it to be loaded into the sheet
// window; the table can be saved as CSV, printed and exported as PDF. It only
// reads.

#include "overview/ClassOverview.h"

#include <QByteArray>
#include <QWidget>

class QTableView;
class QTableWidget;
class QTabWidget;
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
    // The second tab: one line per pupil (subfolder), the kinds of mistake
    // seen once or repeated.
    QTableWidget* pupilTable() const { return pupilTable_; }
    QTabWidget* tabs() const { return tabs_; }
    // "Übungsblatt dazu ..." beside the chart, one per kind of mistake.
    QPushButton* practiceButton(MistakeKind kind) const {
        return practiceButtons_[static_cast<std::size_t>(kind)];
    }
    MistakeTallyView* tallyView() const { return tallyView_; }
    // The files in the order the table shows them, without the summary line.
    std::vector<OverviewRow> shownRows() const;

    // The table as shown, with the summary line, as UTF-8 with a byte-order
    // mark; false with the reason when the file cannot be written.
    bool saveCsv(const QString& path, QString* error) const;
    bool exportPdf(const QString& path, QString* error) const;

  signals:
    // The file's path as bytes: a name that is not UTF-8 opens too.
    void openRequested(const QByteArray& path);
    // A worksheet that practises the kind of mistake is asked for.
    void practiceRequested(MistakeKind kind);

  private:
    // Where a copy of the table goes, and what a failure message says.
    struct WriteTarget {
        QString dialogTitle;
        QString fileName; // suggested, in the documents folder
        QString filter;
        QString failedTitle;
        QString done; // "gespeichert", "exportiert"
    };

    void askSaveCsv();
    void askPrint();
    void askExportPdf();
    // Asks for a file, writes the table there, and says so when that fails.
    void askWrite(const WriteTarget& target, QString (*withExtension)(const QString&),
                  bool (ClassOverviewWindow::*write)(const QString&, QString*) const);
    void openRow(const QModelIndex& index);
    QLayout* buildFileButtons();
    void buildFileTable();
    // All twelve columns side by side on the screen, as far as it has room.
    void fitToScreen(const QMargins& margins);
    QLayout* buildPracticeButtons();
    QTableWidget* buildPupilTable(const std::vector<OverviewRow>& rows);

    QString folder_;
    MessageSink& messages_;
    OverviewTableModel* model_ = nullptr;
    OverviewSortModel* sorted_ = nullptr;
    QTableView* table_ = nullptr;
    MistakeChart* chart_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* pupilTable_ = nullptr;
    std::array<QPushButton*, kMistakeKinds> practiceButtons_{};
    MistakeTallyView* tallyView_ = nullptr;
};

// Adds ".csv" unless the name ends in it (any case).
QString csvSavePath(const QString& chosen);

} // namespace zifferon
