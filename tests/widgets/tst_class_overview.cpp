// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The class overview window from the "Datei" menu on a folder of task files
// written by the save path: the table sorted by any column keeps its summary
// line last, the chart counts the kinds, a double-click loads the file into
// the sheet window, the CSV carries a byte-order mark and the summary, the
// PDF is searchable text; a folder that is not there gets a message.

#include "MemoryTaskFiles.h"
#include "Pupil.h"
#include "WhenHandoutDialog.h"

#include "input/KeyCodes.h"
#include "platform/ClassOverviewWindow.h"
#include "platform/HandoutDialog.h"
#include "platform/MistakeChart.h"
#include "platform/SheetWindow.h"
#include "taskfile/TaskRecords.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace zifferon;

namespace {

void putFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bytesOf(const TaskFileBytes& records) {
    return QByteArray(reinterpret_cast<const char*>(records.data()),
                      static_cast<qsizetype>(records.size()));
}

} // namespace

class TestClassOverview : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void menuEntryFollowsASeparatorInDatei();
    void tableSortsWithTheSummaryLast();
    void doubleClickLoadsTheFile();
    void csvAndPdf();
    void missingFolderIsReported();
    void practiceSheetForAKindOfMistake();

  private:
    QTemporaryDir dir_;
    test::MemoryTaskFiles messages_;
};

void TestClassOverview::initTestCase() {
    QVERIFY(dir_.isValid());
    // 26 : 13 = 2 with one product written wrong first, and 9434 : 13 untouched.
    Worksheet sheet;
    test::Pupil p(sheet);
    p.enterTask(U"26", U"13");
    p.type(U'2');
    p.press(vk::Return);
    p.type(U"24");
    p.press(vk::Return);
    p.click(ctl::workRow(0, 4));
    p.backspace();
    p.click(ctl::workRow(0, 4));
    p.type(U'6');
    p.press(vk::Return);
    p.click(ctl::workRow(1, 4));
    p.press(vk::Return);
    QVERIFY(sheet.form.visible(ctl::Label4));
    putFile(dir_.filePath("fertig.AUF"), bytesOf(writeTaskRecords(sheet.form)));
    // Bert's sheet asks for the Überschlag.
    sheet.setCheckDemands({true, false});
    p.enterTask(U"9434", U"13");
    QDir(dir_.path()).mkdir("bert");
    putFile(dir_.filePath("bert/leer.auf"), bytesOf(writeTaskRecords(sheet.form)));
    putFile(dir_.filePath("kaputt.AUF"), QByteArray(10, '1'));
}

void TestClassOverview::menuEntryFollowsASeparatorInDatei() {
    SheetWindow window({.messages = &messages_});
    const QList<QAction*> actions = window.findChild<QMenu*>("mDatei")->actions();
    const auto at = actions.indexOf(window.overviewAction());
    QVERIFY(at > 0);
    QVERIFY(actions[at - 1]->isSeparator());
    QCOMPARE(window.overviewAction()->text(), QString::fromUtf8("&Klassenübersicht ..."));
}

void TestClassOverview::tableSortsWithTheSummaryLast() {
    SheetWindow window({.messages = &messages_});
    ClassOverviewWindow* overview = window.openClassOverview(dir_.path());
    QVERIFY(overview);
    QTableView* table = overview->table();
    QAbstractItemModel* model = table->model();
    QCOMPARE(model->rowCount(), 4);
    // A short title; the whole one as its tooltip.
    QCOMPARE(model->headerData(8, Qt::Horizontal).toString(), QString::fromUtf8("zu groß"));
    QCOMPARE(model->headerData(8, Qt::Horizontal, Qt::ToolTipRole).toString(),
             QString::fromUtf8("Ziffer zu groß"));
    QCOMPARE(model->index(0, 0).data().toString(), QString("bert/leer.auf"));
    QCOMPARE(model->index(1, 2).data().toString(), QString("beendet"));
    QCOMPARE(model->index(1, 3).data().toString(), QString("2 Rest 0"));
    QVERIFY(model->index(2, 2).data(Qt::ToolTipRole).toString().contains("zu kurz"));
    // A column no file of the class has anything in takes no room.
    QVERIFY(!table->isColumnHidden(static_cast<int>(Column::Ueberschlag)));
    QVERIFY(table->isColumnHidden(static_cast<int>(Column::Probe)));
    for (int column = 0; column < kColumns; ++column) {
        for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            table->sortByColumn(column, order);
            QVERIFY2(model->index(3, 0).data().toString() == "Summe: 3 Dateien",
                     qPrintable(QString("column %1").arg(column)));
        }
    }
    table->sortByColumn(static_cast<int>(Column::Fehlversuche), Qt::DescendingOrder);
    QCOMPARE(model->index(0, 0).data().toString(), QString("fertig.AUF"));
    QCOMPARE(model->index(3, static_cast<int>(Column::Einmaleins)).data().toString(), QString("1"));
    QVERIFY(overview->chart()->tally().has_value());
    QCOMPARE(overview->chart()->tally()->of(MistakeKind::Einmaleins), std::uint64_t{1});
    QVERIFY(overview->chart()->accessibleDescription().contains("Einmaleins: 1"));
}

void TestClassOverview::doubleClickLoadsTheFile() {
    SheetWindow window({.messages = &messages_});
    window.show();
    ClassOverviewWindow* overview = window.openClassOverview(dir_.path());
    QVERIFY(QTest::qWaitForWindowExposed(overview));
    QTableView* table = overview->table();
    const QRect cell = table->visualRect(table->model()->index(1, 0));
    // A double-click arrives after the click it begins with.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(window.form().text(ctl::Text1), Text(U"26"));
    QVERIFY(window.form().visible(ctl::Label4));
    QCOMPARE(window.form().tally(0).of(MistakeKind::Einmaleins), std::uint64_t{1});
}

void TestClassOverview::csvAndPdf() {
    SheetWindow window({.messages = &messages_});
    ClassOverviewWindow* overview = window.openClassOverview(dir_.path());
    QTemporaryDir out;
    QString error;
    QVERIFY(overview->saveCsv(out.filePath("k.csv"), &error));
    QFile csv(out.filePath("k.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[0].startsWith(QString::fromUtf8("\uFEFFDatei;Aufgabe;Stand;")));
    QCOMPARE(lines[2], QString("fertig.AUF;26 : 13;beendet;2 Rest 0;ja;1;1;0;0;0;0;0;;;;0;0"));
    QVERIFY(lines[4].startsWith("Summe: 3 Dateien;"));
    QVERIFY(!overview->saveCsv(out.filePath("fehlt/k.csv"), &error));
    QVERIFY(error.contains("existiert nicht"));

    QVERIFY2(overview->exportPdf(out.filePath("k.pdf"), &error), qPrintable(error));
    QProcess text;
    // In reading order: a cell wrapped over two lines reads as one text.
    text.start("pdftotext", {out.filePath("k.pdf"), "-"});
    if (!text.waitForFinished() || text.exitCode() != 0) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const char* needle : {"Fehler der Klasse nach Art", "fertig.AUF", "2 Rest 0",
                               "keine Aufgabendatei", "Summe: 3 Dateien"}) {
        QVERIFY2(page.contains(QString::fromUtf8(needle)), needle);
    }
}

void TestClassOverview::missingFolderIsReported() {
    SheetWindow window({.messages = &messages_});
    messages_.messages.clear();
    QVERIFY(!window.openClassOverview(dir_.filePath("fehlt")));
    QCOMPARE(messages_.messages.size(), std::size_t{1});
    QVERIFY(QString::fromStdString(messages_.messages[0].second).contains("existiert nicht"));
}

// "Übungsblatt dazu ..." beside the chart opens the worksheet dialog with the
// kind of task that practises the mistake, its dividend limit raised to what
// the kind needs; the tab "Kinder" has one line per subfolder.
void TestClassOverview::practiceSheetForAKindOfMistake() {
    SheetWindow window({.messages = &messages_});
    window.form().setCaption(ctl::label3(0), U"2");
    ClassOverviewWindow* overview = window.openClassOverview(dir_.path());
    QVERIFY(overview);
    QCOMPARE(overview->pupilTable()->rowCount(), 1);
    QCOMPARE(overview->pupilTable()->item(0, 0)->text(), QString("bert"));
    QCOMPARE(overview->pupilTable()->item(0, 1)->text(), QString("1"));
    QString shown;
    test::whenHandoutDialog(overview, [&](HandoutDialog* dialog) {
        shown = QString("%1 %2")
                    .arg(dialog->kindBox()->currentText())
                    .arg(dialog->dividendDigitsBox()->value());
        dialog->close();
    });
    QPushButton* button = overview->practiceButton(MistakeKind::Stellenwert);
    QCOMPARE(button->text(), QString::fromUtf8("Übungsblatt dazu …"));
    button->click();
    QCOMPARE(shown, QString("Null im Ergebnis 3"));
}

QTEST_MAIN(TestClassOverview)
#include "tst_class_overview.moc"
