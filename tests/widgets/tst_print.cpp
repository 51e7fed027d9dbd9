// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheet on paper: 9434 : 13 worked with real keys in the real window,
// exported as PDF through the menu, and read back with poppler's pdftotext
// (line by line, and word by word with positions); the page's colours painted
// into an image; failed exports reported in German. Worksheets: the dialog,
// the pages read back, and the command line run without a display.

#include "MemoryTaskFiles.h"
#include "UnprivilegedUser.h"
#include "WhenHandoutDialog.h"

#include "platform/HandoutDialog.h"
#include "platform/HandoutPrinter.h"
#include "platform/OverviewPrinter.h"
#include "platform/RecentFolder.h"
#include "platform/SheetPrinter.h"
#include "platform/SheetWindow.h"

#include "check/RowCheck.h"
#include "handout/HandoutFiles.h"
#include "session/Worksheet.h"
#include "sheet/Layout.h"
#include "task/TaskEntry.h"
#include "taskfile/TaskFileCommands.h"
#include "tracker/ProgressTracker.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <map>
#include <optional>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zifferon;
using test::AsUnprivilegedUser;
using test::kNobody;

namespace {

class FixedPdfDialog : public PdfSaveDialog {
  public:
    QString answer;
    QStringList suggestions;
    QString askPdfPath(const QString& suggestedPath) override {
        suggestions << suggestedPath;
        return answer;
    }
};

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A device that takes the first page only, as a printer out of paper would.
class OnePageWriter : public QPdfWriter {
  public:
    using QPdfWriter::QPdfWriter;
    bool newPage() override { return false; }
};

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Output of a poppler tool, or nullopt when the tool is not installed.
std::optional<QString> runTool(const QString& tool, const QStringList& args) {
    if (QStandardPaths::findExecutable(tool).isEmpty()) {
        return std::nullopt;
    }
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The non-empty lines of `pdftotext -layout`, each with its runs of blanks
// made one space.
QStringList layoutLines(const QString& text) {
    QStringList lines;
    for (QString line : text.split('\n')) {
        line = line.simplified();
        if (!line.isEmpty()) {
            lines << line;
        }
    }
    return lines;
}

struct Word {
    double x = 0;
    double y = 0;
    QString text;
};

// The words of `pdftotext -bbox` with their left edge and vertical middle.
std::vector<Word> boxWords(const QString& html) {
    static const QRegularExpression re(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> words;
    for (const QRegularExpressionMatch& m : re.globalMatch(html)) {
        words.push_back({m.captured(1).toDouble(),
                         (m.captured(2).toDouble() + m.captured(3).toDouble()) / 2, m.captured(4)});
    }
    return words;
}

// Six cells of kontrolleN, leftmost (column 5) first, '.' for an empty cell.
QString rowFixture(const Form1& form, int n) {
    QString row;
    for (int c = kRowCells - 1; c >= 0; --c) {
        const Text& t = form.text(ctl::workRow(n - 1, c));
        row += t.empty() ? QString(".") : QString::fromStdU32String(t);
    }
    return row;
}

// Each key goes to the widget that has the focus at that moment, as from a
// keyboard: the window moves the focus on after every digit.
void typeKeys(const QString& keys) {
    for (QChar key : keys) {
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
}

// The window gives the keyboard focus to `id`; then the keys go there.
bool typeAt(SheetWindow& window, ControlId id, const QString& keys) {
    if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == window.cell(id); })) {
        return false;
    }
    typeKeys(keys);
    return true;
}

void pressEnter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// The pupil clicks into a cell and types there.
void typeInto(SheetWindow& window, ControlId id, const QString& keys) {
    QTest::mouseClick(window.cell(id), Qt::LeftButton);
    typeKeys(keys);
}

// 9434 : 13 as a pupil works it, with one wrong remainder in row 1 corrected,
// the Überschlag first and the Probe last.
// Returns the step at which the window did not move the focus as expected.
QString workTask9434By13(SheetWindow& window) {
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    typeInto(window, ctl::stellen, "3");
    pressEnter();
    if (!typeAt(window, ctl::etwa, "700")) {
        return "focus to etwa after the count of digits";
    }
    pressEnter();
    if (!typeAt(window, ctl::resultat(0), "7")) {
        return "focus to resultat(0) after Eingabe";
    }
    pressEnter();
    if (!typeAt(window, ctl::workRow(0, 5), "91")) {
        return "focus to kontrolle1(5) after the first quotient digit";
    }
    pressEnter();
    typeInto(window, ctl::workRow(1, 4), "4");
    pressEnter(); // wrong: one error in row 1
    typeInto(window, ctl::workRow(1, 4), "3");
    pressEnter(); // right: the 3 comes down
    if (!typeAt(window, ctl::resultat(1), "2")) {
        return "focus to resultat(1) after the first remainder";
    }
    pressEnter();
    typeKeys("26");
    pressEnter();
    typeInto(window, ctl::workRow(3, 3), "7");
    pressEnter(); // the 4 comes down
    if (!typeAt(window, ctl::resultat(2), "5")) {
        return "focus to resultat(2) after the second remainder";
    }
    pressEnter();
    typeKeys("65");
    pressEnter();
    typeInto(window, ctl::workRow(5, 2), "9");
    pressEnter(); // no digit left
    if (!QTest::qWaitFor([&] { return window.form().visible(ctl::Label4); })) {
        return "Label4 shown at the end";
    }
    typeInto(window, ctl::probe(0), "9425");
    pressEnter();
    if (!typeAt(window, ctl::probe(1), "9425")) {
        return "focus to probe(1) after the product";
    }
    pressEnter();
    typeKeys("9434");
    pressEnter();
    return {};
}

// The core's rules without the window, for the paint tests.
// Writes one digit per cell from `first` towards the right (lower columns).
void fillCells(Form1& form, ControlId first, TextView digits) {
    for (std::size_t k = 0; k < digits.size(); ++k) {
        form.setText({first.kind, first.index - static_cast<int>(k)}, Text(1, digits[k]));
        trackProgress(form);
    }
}

void workStep(Form1& form, int step, char32_t digit, int productLeft, TextView product,
              int remainderLeft, TextView remainder) {
    form.setText(ctl::resultat(step), Text(1, digit));
    trackProgress(form);
    fillCells(form, ctl::workRow(2 * step, productLeft), product);
    CheckRow(form, 2 * step);
    trackProgress(form);
    fillCells(form, ctl::workRow(2 * step + 1, remainderLeft), remainder);
    CheckRow(form, 2 * step + 1);
    trackProgress(form);
}

// What a task file asks its pupil for, read as "Laden" reads it.
Form1::CheckDemands demandsInFile(const QString& path) {
    const QByteArray bytes = readFile(path);
    Form1 form;
    if (bytes.size() == qsizetype(kTaskFileSize)) {
        applyTaskRecords(form,
                         std::span<const std::uint8_t, kTaskFileSize>(
                             reinterpret_cast<const std::uint8_t*>(bytes.data()), kTaskFileSize));
    }
    return form.demands();
}

void sheetInState(Worksheet& sheet, const QString& state) {
    Form1& f = sheet.form;
    f.setText(ctl::Text1, U"9434");
    f.setText(ctl::Text2, U"13");
    takeTaskIn(f);
    trackProgress(f);
    if (state == "entered") {
        return;
    }
    f.setText(ctl::resultat(0), U"7");
    trackProgress(f);
    fillCells(f, ctl::workRow(0, 5), U"91");
    if (state == "pending") {
        return;
    }
    CheckRow(f, 0);
    trackProgress(f);
    fillCells(f, ctl::workRow(1, 4), U"4");
    CheckRow(f, 1);
    trackProgress(f);
    if (state == "wrong") {
        return;
    }
    f.setText(ctl::workRow(1, 4), U"3");
    CheckRow(f, 1);
    trackProgress(f);
    workStep(f, 1, U'2', 4, U"26", 3, U"7");
    workStep(f, 2, U'5', 3, U"65", 2, U"9");
}

QColor colourNamed(const QString& name) {
    static const std::map<QString, QColor> colours{{"green", QColor(0, 255, 0)},
                                                   {"red", QColor(255, 0, 0)},
                                                   {"yellow", QColor(255, 255, 0)},
                                                   {"paper", QColor(Qt::white)}};
    return colours.at(name);
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void finishedSheetReadsLineByLine();
    void workDigitsStandUnderTheirDividendColumn_data();
    void workDigitsStandUnderTheirDividendColumn();
    void pageIsTextAndLinesNotAnImage();
    void labelColoursOnThePage_data();
    void labelColoursOnThePage();
    void printerGetsTheSamePage();
    void printMenuOpensThePrintDialog();
    void pdfNameGetsItsExtension_data();
    void pdfNameGetsItsExtension();
    void dialogStartsInTheDocumentsFolder_data();
    void dialogStartsInTheDocumentsFolder();
    void failedExportSaysWhyInGerman_data();
    void failedExportSaysWhyInGerman();
    void worksheetPagesReadBack();
    void refusedPageIsAFailure_data();
    void refusedPageIsAFailure();
    void worksheetFromTheMenu();
    void worksheetCommandLine_data();
    void worksheetCommandLine();

  private:
    QTemporaryDir dir_;
    QString finishedPdf_;
    QString exportDay_;
};

void TestPrint::initTestCase() {
    QVERIFY(dir_.isValid());
    // The settings (the worksheet's set-up, the folder used last) start
    // afresh in the test's folder, apart from the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath("settings"));
    FixedPdfDialog dialog;
    test::MemoryTaskFiles messages;
    SheetWindow window({.pdfDialog = &dialog, .messages = &messages});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QString stuck = workTask9434By13(window);
    QVERIFY2(stuck.isEmpty(), qPrintable("the worked task went wrong at: " + stuck));

    // The sheet the page is expected to show.
    const Form1& f = window.form();
    const QStringList rows{"91....", ".33...", ".26...", "..74..", "..65..", "...9.."};
    for (int n = 1; n <= 6; ++n) {
        QCOMPARE(rowFixture(f, n), rows[n - 1]);
        QCOMPARE(f.caption(ctl::info(n - 1)), Text(texts::Korrekt));
    }
    QCOMPARE(f.caption(ctl::fehler(1)), Text(U"1"));
    QVERIFY(f.visible(ctl::fehler(1)));

    // Exported through the menu; the chosen name lacks ".pdf".
    dialog.answer = dir_.filePath("fertig");
    const QString before = QDate::currentDate().toString("dd.MM.yyyy");
    window.pdfAction()->trigger();
    exportDay_ = QDate::currentDate().toString("dd.MM.yyyy");
    QVERIFY2(before == exportDay_, "the export ran over midnight");
    QCOMPARE(dialog.suggestions.size(), 1);
    QVERIFY(messages.messages.empty());
    finishedPdf_ = dir_.filePath("fertig.pdf");
    QVERIFY(readFile(finishedPdf_).startsWith("%PDF-"));
}

void TestPrint::finishedSheetReadsLineByLine() {
    const auto text = runTool("pdftotext", {"-layout", finishedPdf_, "-"});
    if (!text) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    // Top to bottom as on paper: the header, the task line (dividend, divisor,
    // quotient), each row's verdict, its error count when shown, its digits;
    // right of the rows the Überschlag and the Probe (725 · 13 = 9425,
    // 9425 + 9 = 9434).
    const QStringList expected{
        "Aufgabe: 9434 : 13 " + exportDay_,
        "9 4 3 4 1 3 7 2 5",
        "korrekt 9 1",
        "Berechnung beendet",
        "korrekt 1 3 3",
        "Wie viele Stellen hat das Ergebnis?",
        "korrekt 2 6",
        "3 etwa 700 korrekt",
        "korrekt 7 4",
        "725 · 13 = 9425 korrekt",
        "korrekt 6 5",
        "9425 +9= 9434 korrekt",
        "korrekt 9",
    };
    QCOMPARE(layoutLines(*text), expected);
}

void TestPrint::workDigitsStandUnderTheirDividendColumn_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("digits"); // leftmost column (5) first, '.' empty
    QTest::newRow("dividend") << 0 << "9434..";
    QTest::newRow("kontrolle1") << 1 << "91....";
    QTest::newRow("kontrolle2") << 2 << ".33...";
    QTest::newRow("kontrolle3") << 3 << ".26...";
    QTest::newRow("kontrolle4") << 4 << "..74..";
    QTest::newRow("kontrolle5") << 5 << "..65..";
    QTest::newRow("kontrolle6") << 6 << "...9..";
}

void TestPrint::workDigitsStandUnderTheirDividendColumn() {
    QFETCH(int, line);
    QFETCH(QString, digits);
    const auto html = runTool("pdftotext", {"-bbox", finishedPdf_, "-"});
    if (!html) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    std::vector<Word> words = boxWords(*html);
    std::sort(words.begin(), words.end(),
              [](const Word& a, const Word& b) { return a.y < b.y || (a.y == b.y && a.x < b.x); });

    // The task line is the first with single digits (the header has none);
    // its leftmost digit is the dividend's first, in column 5, and the columns
    // follow at the step between its first two digits.
    const auto first = std::find_if(words.begin(), words.end(), [](const Word& w) {
        return w.text.size() == 1 && w.text[0].isDigit();
    });
    QVERIFY(first != words.end());
    const double taskY = first->y;
    std::vector<Word> taskLine;
    std::copy_if(words.begin(), words.end(), std::back_inserter(taskLine),
                 [&](const Word& w) { return std::abs(w.y - taskY) < 1; });
    QVERIFY(taskLine.size() >= 2);
    const double column5 = taskLine[0].x;
    const double step = taskLine[1].x - taskLine[0].x;
    QVERIFY(step > 5);
    const double gridRight = column5 + 6 * step;

    // Lines of digits inside the six columns, top to bottom.
    std::vector<std::vector<Word>> lines;
    for (const Word& w : words) {
        const bool digit = w.text.size() == 1 && w.text[0].isDigit();
        if (!digit || w.x < column5 - 1 || w.x > gridRight) {
            continue;
        }
        if (lines.empty() || std::abs(lines.back().front().y - w.y) > 1) {
            lines.emplace_back();
        }
        lines.back().push_back(w);
    }
    QVERIFY(line < static_cast<int>(lines.size()));

    QString actual(6, '.');
    for (const Word& w : lines[static_cast<std::size_t>(line)]) {
        const double offset = (w.x - column5) / step;
        const int slot = static_cast<int>(std::lround(offset));
        QVERIFY2(std::abs(offset - slot) < 0.02, qPrintable("digit off its column: " + w.text));
        QVERIFY(slot >= 0 && slot < 6);
        actual[slot] = w.text[0];
    }
    QCOMPARE(actual, digits);
}

void TestPrint::pageIsTextAndLinesNotAnImage() {
    const auto text = runTool("pdftotext", {finishedPdf_, "-"});
    const auto images = runTool("pdfimages", {"-list", finishedPdf_});
    if (!text || !images) {
        QSKIP("pdftotext or pdfimages (poppler-utils) is not installed");
    }
    // Text can be read from the page at all, so it was not drawn as a picture,
    // and no picture is on it either (two heading lines, no entries).
    QVERIFY(text->contains("Berechnung beendet"));
    QCOMPARE(images->trimmed().split('\n').size(), 2);
}

void TestPrint::labelColoursOnThePage_data() {
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("colour");
    const int info = static_cast<int>(Kind::Info);
    const int label4 = static_cast<int>(Kind::Label4);
    QTest::newRow("entered: row 0 label hidden") << "entered" << info << 0 << "paper";
    QTest::newRow("entered: Label4 hidden") << "entered" << label4 << 0 << "paper";
    QTest::newRow("pending: row 0 yellow") << "pending" << info << 0 << "yellow";
    QTest::newRow("pending: row 1 hidden") << "pending" << info << 1 << "paper";
    QTest::newRow("wrong: row 0 green") << "wrong" << info << 0 << "green";
    QTest::newRow("wrong: row 1 red") << "wrong" << info << 1 << "red";
    QTest::newRow("finished: row 5 green") << "finished" << info << 5 << "green";
    QTest::newRow("finished: row 6 hidden") << "finished" << info << 6 << "paper";
    QTest::newRow("finished: Label4 yellow") << "finished" << label4 << 0 << "yellow";
}

void TestPrint::labelColoursOnThePage() {
    QFETCH(QString, state);
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(QString, colour);
    Worksheet sheet;
    sheetInState(sheet, state);
    const ControlId id{static_cast<Kind>(kind), index};

    QImage image(1240, 1754, QImage::Format_RGB32); // A4 at 150 dpi
    image.fill(Qt::white);
    const QRectF page(60, 80, 1100, 1600);
    {
        QPainter painter(&image);
        SheetPrinter().paint(painter, page, sheet.form, QDate(2025, 3, 7));
    }
    // Right end of the label: beside its caption, which starts on the left.
    const QRectF box = SheetPrinter::placeOnPage(page, geometry(id));
    const QPoint probe(static_cast<int>(box.right() - 4), static_cast<int>(box.center().y()));
    QCOMPARE(image.pixelColor(probe), colourNamed(colour));
}

void TestPrint::printerGetsTheSamePage() {
    // A printer that writes PDF stands in for a real one: the page is the
    // exported one, word for word.
    Worksheet sheet;
    sheetInState(sheet, "finished");
    const QDate day(2025, 3, 7);
    const QString exported = dir_.filePath("export.pdf");
    QString error;
    QVERIFY2(SheetPrinter().exportPdf(sheet.form, exported, &error, day), qPrintable(error));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir_.filePath("gedruckt.pdf"));
    QVERIFY2(SheetPrinter().print(sheet.form, printer, &error, day), qPrintable(error));

    const auto printed = runTool("pdftotext", {"-layout", dir_.filePath("gedruckt.pdf"), "-"});
    const auto expected = runTool("pdftotext", {"-layout", exported, "-"});
    if (!printed || !expected) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    QCOMPARE(layoutLines(*printed), layoutLines(*expected));
    QCOMPARE(layoutLines(*printed).first(), QString("Aufgabe: 9434 : 13 07.03.2025"));

    // A printer that cannot take the job is reported, not ignored.
    QPrinter broken(QPrinter::HighResolution);
    broken.setOutputFormat(QPrinter::PdfFormat);
    broken.setOutputFileName(dir_.filePath("gibtsnicht/gedruckt.pdf"));
    error.clear();
    QVERIFY(!SheetPrinter().print(sheet.form, broken, &error, day));
    QVERIFY(!error.isEmpty());
}

void TestPrint::printMenuOpensThePrintDialog() {
    test::MemoryTaskFiles messages;
    SheetWindow window({.messages = &messages});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QMenu* datei = window.menuBar()->findChild<QMenu*>("mDatei");
    QVERIFY(datei);
    // Laden, Speichern, Speichern unter, a separator, then the two ways onto
    // paper; Beenden last.
    const QList<QAction*> items = datei->actions();
    QVERIFY(items.size() >= 6);
    QCOMPARE(items[0], window.loadAction());
    QCOMPARE(items[1], window.saveAction());
    QCOMPARE(items[2], window.saveAsAction());
    QVERIFY(items[3]->isSeparator());
    QCOMPARE(items[4], window.printAction());
    QCOMPARE(items[5], window.pdfAction());
    QCOMPARE(items.last(), window.quitAction());

    // Ctrl+P opens the print dialog for a job named after the task; the name
    // is what the dialog offers as a file name when printing to a file, so
    // it holds no colon. Cancelling prints nothing and says nothing.
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    bool sawDialog = false;
    QString jobName;
    QTimer::singleShot(0, &window, [&] {
        if (QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; })) {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QPrintDialog*>(modal)) {
                sawDialog = true;
                jobName = dialog->printer()->docName();
            }
            modal->close();
        }
    });
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    QVERIFY(sawDialog);
    QCOMPARE(jobName, QString("Aufgabe 9434 durch 13"));
    QVERIFY(messages.messages.empty());
}

void TestPrint::pdfNameGetsItsExtension_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::newRow("no extension") << "blatt"
                                  << "blatt.pdf";
    QTest::newRow("pdf") << "blatt.pdf"
                         << "blatt.pdf";
    QTest::newRow("PDF in capitals") << "Blatt.PDF"
                                     << "Blatt.PDF";
    QTest::newRow("other extension") << "blatt.txt"
                                     << "blatt.txt.pdf";
    QTest::newRow("pdf inside the name") << "blatt.pdf.alt"
                                         << "blatt.pdf.alt.pdf";
    QTest::newRow("cancelled") << ""
                               << "";
}

void TestPrint::pdfNameGetsItsExtension() {
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Worksheet sheet;
    sheetInState(sheet, "pending");
    FixedPdfDialog dialog;
    dialog.answer = chosen.isEmpty() ? QString() : dir.filePath(chosen);
    test::MemoryTaskFiles messages;

    const bool written = exportSheetAsPdf(sheet.form, dialog, messages);
    QCOMPARE(written, !saved.isEmpty());
    QVERIFY(messages.messages.empty());
    const QStringList expected = saved.isEmpty() ? QStringList{} : QStringList{saved};
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), expected);
    if (!saved.isEmpty()) {
        QVERIFY(readFile(dir.filePath(saved)).startsWith("%PDF-"));
    }
}

void TestPrint::dialogStartsInTheDocumentsFolder_data() {
    QTest::addColumn<bool>("haveDocuments");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("documents folder") << true << "pending"
                                      << "Aufgabe 9434 durch 13.pdf";
    QTest::newRow("no documents folder: home") << false << "pending"
                                               << "Aufgabe 9434 durch 13.pdf";
    QTest::newRow("no task entered") << true << "none"
                                     << "Aufgabe.pdf";
}

void TestPrint::dialogStartsInTheDocumentsFolder() {
    QFETCH(bool, haveDocuments);
    QFETCH(QString, state);
    QFETCH(QString, fileName);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    QVERIFY(QDir(home.path()).mkpath(".config"));
    // The user's own name for the documents folder, as xdg-user-dirs writes it.
    QVERIFY(writeFile(home.filePath(".config/user-dirs.dirs"),
                      "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"));
    if (haveDocuments) {
        QVERIFY(QDir(home.path()).mkdir("Dokumente"));
    }

    // No folder used before.
    QSettings(kSettingsOrganisation, kSettingsApplication).clear();
    Worksheet sheet;
    if (state != "none") {
        sheetInState(sheet, state);
    }
    FixedPdfDialog dialog; // answers with a cancel
    test::MemoryTaskFiles messages;
    QVERIFY(!exportSheetAsPdf(sheet.form, dialog, messages));
    qputenv("HOME", oldHome);
    if (oldConfig.isNull()) {
        qunsetenv("XDG_CONFIG_HOME");
    } else {
        qputenv("XDG_CONFIG_HOME", oldConfig);
    }

    QCOMPARE(dialog.suggestions.size(), 1);
    const QFileInfo suggested(dialog.suggestions.first());
    QCOMPARE(suggested.absolutePath(),
             haveDocuments ? home.filePath("Dokumente") : QDir(home.path()).absolutePath());
    QCOMPARE(suggested.fileName(), fileName);
    QVERIFY(messages.messages.empty());
}

void TestPrint::failedExportSaysWhyInGerman_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("reasonPart");
    QTest::newRow("missing folder") << "missing"
                                    << "existiert nicht";
    QTest::newRow("folder as target") << "folder"
                                      << "Ordner";
    QTest::newRow("read-only folder, old file stays") << "readonly"
                                                      << "kann nicht angelegt";
}

void TestPrint::failedExportSaysWhyInGerman() {
    QFETCH(QString, where);
    QFETCH(QString, reasonPart);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0755) == 0);
    QString path = dir.filePath("gibtsnicht/blatt.pdf");
    const QByteArray old("altes Blatt");
    if (where == "folder") {
        path = dir.filePath("blatt.pdf");
        QVERIFY(QDir(dir.path()).mkdir("blatt.pdf"));
    } else if (where == "readonly") {
        const QString folder = dir.filePath("schreibgeschuetzt");
        QVERIFY(QDir(dir.path()).mkdir("schreibgeschuetzt"));
        path = folder + "/blatt.pdf";
        QVERIFY(writeFile(path, old));
        if (geteuid() == 0) {
            QVERIFY(::chown(QFile::encodeName(folder).constData(), kNobody, kNobody) == 0);
        }
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
    }

    FixedPdfDialog dialog;
    dialog.answer = path;
    test::MemoryTaskFiles messages;
    SheetWindow window({.pdfDialog = &dialog, .messages = &messages});
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    if (where == "readonly") {
        AsUnprivilegedUser user;
        if (!user.active()) {
            QSKIP("running as root and cannot switch the file-system user to nobody");
        }
        window.pdfAction()->trigger();
    } else {
        window.pdfAction()->trigger();
    }

    QCOMPARE(messages.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(messages.messages[0].first),
             QString("PDF-Export fehlgeschlagen"));
    const QString text = QString::fromStdString(messages.messages[0].second);
    QVERIFY2(text.contains(QString::fromUtf8("\u201E%1\u201C").arg(path)), qPrintable(text));
    QVERIFY2(text.contains(reasonPart), qPrintable(text));
    if (where == "missing") {
        QVERIFY(!QFileInfo::exists(dir.filePath("gibtsnicht")));
    } else if (where == "folder") {
        QVERIFY(QFileInfo(path).isDir());
    } else {
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"blatt.pdf"});
    }
}

void TestPrint::worksheetPagesReadBack() {
    // Five tasks: a full task page and one with a single task, and their answers.
    HandoutSheet sheet{
        drawHandout({5, 4, 2, 4711}).tasks, 4711, true, TaskKind::Gemischt, {true, true}};
    QCOMPARE(HandoutPrinter::pageCount(sheet), 4);
    QString error;
    const QByteArray pdf = HandoutPrinter().pdf(sheet, &error);
    QVERIFY2(!pdf.isEmpty(), qPrintable(error));
    const QString path = dir_.filePath("arbeitsblatt.pdf");
    QVERIFY(writeFile(path, pdf));
    const auto text = runTool("pdftotext", {"-layout", path, "-"});
    if (!text) {
        QSKIP("pdftotext (poppler-utils) is not installed");
    }
    const QStringList pages = text->split('\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 4);
    for (int p = 0; p < 4; ++p) {
        const bool answers = p >= 2;
        QVERIFY(pages[p].contains(answers ? "Lösungen zum Arbeitsblatt 4711"
                                          : "Arbeitsblatt 4711: Schriftlich dividieren"));
        QVERIFY(pages[p].contains(QString("Seite %1 von 4").arg(p + 1)));
        for (int i = 0; i < 5; ++i) {
            const HandoutTask& t = sheet.tasks[static_cast<std::size_t>(i)];
            const QString line =
                QString("Aufgabe %1: %2 ")
                    .arg(i + 1)
                    .arg(QString::fromStdString(answers ? solutionLine(t) : taskLine(t)));
            // Tasks 1 to 4 on the first page of each kind, task 5 on the second.
            QCOMPARE(pages[p].simplified().contains(line), (i < 4) == (p % 2 == 0));
            for (const std::string& check : {estimateLine(t), probeLines(t)[0], probeLines(t)[1]}) {
                QCOMPARE(pages[p].simplified().contains(QString::fromStdString(check + " ")),
                         answers && (i < 4) == (p % 2 == 0));
            }
        }
        // Room to write them on the task pages.
        for (const char* blank :
             {"Überschlag: ___ Stellen, etwa ______", "Probe: ______ · ______"}) {
            QCOMPARE(pages[p].count(QString::fromUtf8(blank)), answers ? 0 : p == 0 ? 4 : 1);
        }
    }
}

void TestPrint::refusedPageIsAFailure_data() {
    QTest::addColumn<QString>("document");
    QTest::newRow("worksheet of two pages") << "worksheet";
    QTest::newRow("class overview of 80 files") << "overview";
}

void TestPrint::refusedPageIsAFailure() {
    QFETCH(QString, document);
    OnePageWriter writer(dir_.filePath("refused.pdf"));
    QString error;
    bool ok = true;
    if (document == "worksheet") {
        ok = HandoutPrinter().paint(writer, {drawHandout({4, 4, 2, 7}).tasks, 7, true}, &error);
    } else {
        ok = OverviewPrinter("klasse", std::vector<OverviewRow>(80)).paint(writer, &error);
    }
    QVERIFY(!ok);
    QCOMPARE(error, QString("Der Drucker nimmt keine weitere Seite an."));
}

void TestPrint::worksheetFromTheMenu() {
    FixedPdfDialog pdfDialog;
    pdfDialog.answer = dir_.filePath("menu");
    test::MemoryTaskFiles messages;
    SheetWindow window({.pdfDialog = &pdfDialog, .messages = &messages});
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.label(ctl::label3(0)), Qt::LeftButton); // limit 4 -> 5
    // An entry of "Datei" after a separator.
    const QList<QAction*> items = window.menuBar()->findChild<QMenu*>("mDatei")->actions();
    const auto at = std::find_if(items.begin(), items.end(),
                                 [](QAction* a) { return a->objectName() == "mArbeitsblatt"; });
    QVERIFY(at != items.end() && at != items.begin());
    QVERIFY((*(at - 1))->isSeparator());

    // The window asks its pupils for the Probe: the dialog starts asking for it too.
    QSettings(kSettingsOrganisation, kSettingsApplication).setValue("check/probe", true);
    QString defaults;
    test::whenHandoutDialog(&window, [&](HandoutDialog* dialog) {
        defaults = QString("%1 %2 %3 %4 %5 %6 %7")
                       .arg(dialog->taskCountBox()->value())
                       .arg(dialog->dividendDigitsBox()->value())
                       .arg(dialog->divisorDigitsBox()->value())
                       .arg(dialog->answersBox()->isChecked())
                       .arg(dialog->taskFilesBox()->isChecked())
                       .arg(dialog->ueberschlagBox()->isChecked())
                       .arg(dialog->probeBox()->isChecked());
        dialog->seedBox()->setValue(4711);
        dialog->taskFilesBox()->setChecked(true);
        dialog->folderEdit()->clear();
        QTest::keyClicks(dialog->folderEdit(), dir_.filePath("menu-dateien"));
        dialog->answersBox()->setChecked(true);
        QTest::mouseClick(dialog->pdfButton(), Qt::LeftButton);
    });
    (*at)->trigger();
    QCOMPARE(defaults, QString("8 5 2 0 0 0 1"));
    // It says where the files went.
    QCOMPARE(messages.messages.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(messages.messages[0].second),
             QString::fromUtf8("Das Arbeitsblatt steht in \u201E%1\u201C.\nDie Aufgabendateien "
                               "stehen im Ordner \u201E%2\u201C.")
                 .arg(dir_.filePath("menu.pdf"), dir_.filePath("menu-dateien")));
    QCOMPARE(pdfDialog.suggestions.size(), 1);
    QVERIFY(pdfDialog.suggestions[0].endsWith("/Arbeitsblatt 4711.pdf"));
    QVERIFY(readFile(dir_.filePath("menu.pdf")).startsWith("%PDF-"));
    QStringList names;
    for (const HandoutTask& t : drawHandout({8, 5, 2, 4711}).tasks) {
        names << QString::fromStdString(handoutFileName(int(names.size()) + 1, t));
    }
    QCOMPARE(QDir(dir_.filePath("menu-dateien")).entryList(QDir::Files), names);
    QVERIFY((demandsInFile(dir_.filePath("menu-dateien/" + names[0])) ==
             Form1::CheckDemands{false, true}));

    // Opened again: the set-up of the last sheet, and Enter in the number
    // field makes the sheet (the PDF's name is asked, here cancelled)
    // instead of drawing a new number.
    pdfDialog.answer.clear();
    QString again;
    int seedBefore = -1;
    int seedAfter = -2;
    test::whenHandoutDialog(&window, [&](HandoutDialog* dialog) {
        again = QString("%1 %2 %3 %4")
                    .arg(dialog->taskCountBox()->value())
                    .arg(dialog->answersBox()->isChecked())
                    .arg(dialog->taskFilesBox()->isChecked())
                    .arg(dialog->folderEdit()->text());
        dialog->taskFilesBox()->setChecked(false);
        seedBefore = dialog->seedBox()->value();
        QTest::keyClick(dialog->seedBox(), Qt::Key_Return);
        seedAfter = dialog->seedBox()->value();
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    (*at)->trigger();
    QCOMPARE(again, "8 1 1 " + dir_.filePath("menu-dateien"));
    QCOMPARE(seedAfter, seedBefore);
    QCOMPARE(pdfDialog.suggestions.size(), 2);
}

void TestPrint::worksheetCommandLine_data() {
    QTest::addColumn<QStringList>("args"); // "@" stands for the test's folder
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("written"); // what the folder holds afterwards
    QTest::addColumn<QString>("says");        // on standard error
    const QStringList files{"blatt.pdf", "datei"};
    const QStringList nothing{"datei"};
    QTest::newRow("8 tasks, answers, task files")
        << QStringList{"--worksheet", "8",         "--seed",       "4711",    "--pdf",
                       "@/blatt.pdf", "--answers", "--task-files", "@/klasse"}
        << 0 << QStringList{"blatt.pdf", "datei", "klasse"} << "";
    QTest::newRow("task files asking for the Überschlag and the Probe")
        << QStringList{"--worksheet", "8",         "--seed",  "4711",          "--pdf",
                       "@/blatt.pdf", "--answers", "--probe", "--ueberschlag", "--task-files",
                       "@/klasse"}
        << 0 << QStringList{"blatt.pdf", "datei", "klasse"} << "";
    QTest::newRow("20 tasks of every size")
        << QStringList{"--worksheet", "20", "--digits", "6,3", "--pdf", "@/blatt.pdf"} << 0 << files
        << "";
    QTest::newRow("21 tasks") << QStringList{"--worksheet", "21", "--pdf", "@/blatt.pdf"} << 2
                              << nothing << "1 bis 20";
    QTest::newRow("divisor limit 4")
        << QStringList{"--worksheet", "8", "--digits", "4,4", "--pdf", "@/blatt.pdf"} << 2
        << nothing << "--digits erwartet";
    QTest::newRow("PDF in a missing folder")
        << QStringList{"--worksheet", "8", "--pdf", "@/fehlt/blatt.pdf", "--task-files", "@/klasse"}
        << 2 << nothing << "existiert nicht";
    QTest::newRow("PDF onto a folder")
        << QStringList{"--worksheet", "8", "--pdf", "@", "--task-files", "@/klasse"} << 2 << nothing
        << "ist ein Ordner";
    QTest::newRow("task files into a file")
        << QStringList{"--worksheet", "8", "--pdf", "@/blatt.pdf", "--task-files", "@/datei"} << 2
        << nothing << "ist kein Ordner";
    QTest::newRow("a new folder written with a slash")
        << QStringList{"--worksheet", "8", "--pdf", "@/blatt.pdf", "--task-files", "@/neu/"} << 0
        << QStringList{"blatt.pdf", "datei", "neu"} << "";
    // The same sheet again into the class's folder: the pupils' files stay.
    QTest::newRow("a task file of the sheet already there")
        << QStringList{"--worksheet", "8",           "--seed",       "4711",
                       "--pdf",       "@/blatt.pdf", "--task-files", "@/klasse"}
        << 2 << QStringList{"datei", "klasse"} << "nicht \u00FCberschrieben";
}

void TestPrint::worksheetCommandLine() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QStringList, written);
    QFETCH(QString, says);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeFile(dir.filePath("datei"), "schon da"));
    const HandoutDraw sheet = drawHandout({8, 4, 2, 4711});
    const QString firstFile =
        "klasse/" + QString::fromStdString(handoutFileName(1, sheet.tasks.front()));
    if (exitCode == 2 && written.contains("klasse")) {
        QVERIFY(QDir(dir.path()).mkdir("klasse"));
        QVERIFY(writeFile(dir.filePath(firstFile), "Annas Arbeit"));
    }
    args.replaceInStrings(QRegularExpression("^@"), dir.path());
    // Without a display and without a platform named: the command needs neither.
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(env);
    program.start(ZIFFERON_EXECUTABLE, args);
    QVERIFY(program.waitForFinished(60000));
    const QString err = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitCode(), exitCode);
    // The program's own lines (Qt may add notes of its own, such as a missing XDG_RUNTIME_DIR).
    const QStringList ours = err.split('\n').filter(QRegularExpression("^zifferon: "));
    QVERIFY2(says.isEmpty() ? ours.isEmpty() : ours.size() == 1 && ours[0].contains(says),
             qPrintable(err));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             written);
    if (exitCode == 0) {
        QVERIFY(readFile(dir.filePath("blatt.pdf")).startsWith("%PDF-"));
    }
    if (exitCode == 2 && written.contains("klasse")) {
        QCOMPARE(readFile(dir.filePath(firstFile)), QByteArray("Annas Arbeit"));
    } else if (written.contains("klasse")) {
        // The same number gives the same tasks: the files the core names.
        QStringList names;
        for (const HandoutTask& t : sheet.tasks) {
            names << QString::fromStdString(handoutFileName(int(names.size()) + 1, t));
        }
        QCOMPARE(QDir(dir.filePath("klasse")).entryList(QDir::Files), names);
        // Each file asks for what the command line asked for.
        const Form1::CheckDemands asked{args.contains("--ueberschlag"), args.contains("--probe")};
        for (const QString& name : names) {
            QVERIFY(demandsInFile(dir.filePath("klasse/" + name)) == asked);
        }
        const auto info = runTool("pdfinfo", {dir.filePath("blatt.pdf")});
        if (info) {
            QVERIFY2(info->contains(QRegularExpression("Pages:\\s+4\\n")), qPrintable(*info));
        }
    }
}

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
