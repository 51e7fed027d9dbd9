// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real window on Qt's offscreen platform: a task typed with real keys.

#include "MemoryTaskFiles.h"

#include "platform/Language.h"
#include "platform/RecentFolder.h"
#include "platform/SheetWindow.h"
#include "sheet/Catalogue.h"
#include "sheet/Layout.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

using namespace zifferon;

class TestWindow : public QObject {
    Q_OBJECT
  private slots:
    void startsAsAnEmptySheetOfTheRightSize();
    void typedTaskLandsInTheTopLine();
    void taskCellsRefuseTheFocus();
    void workColumnsLineUpUnderTheDividend();
    void numberBoxesTakeAtMostTheGridsRoom();
    void digitLimitsReactToClicks();
    void pupilWorksTheDefaultTaskWithTheKeyboard();
    void enterInTheNumberBoxesAndOnButtons();
    void closingAsksOnlyForUnsavedWork_data();
    void closingAsksOnlyForUnsavedWork();
    void speichernWritesToTheSheetsFile();
    void zoomStopsWhereTheScreenEnds();
    void aCorrectionReplacesTheDigit();
    void languageIsTheKeptOneElseTheDesktops_data();
    void languageIsTheKeptOneElseTheDesktops();
    void englishShowsTheWordsButKeepsTheModelGerman();
    void demandsFromTheMenuHoldFromTheNextTask();
};

namespace {

// Types into whatever has the keyboard focus, one key at a time, as a pupil.
void typeKeys(const char* keys) {
    for (const char* k = keys; *k; ++k) {
        QTest::keyClick(QApplication::focusWidget(), *k);
    }
}

void pressEnter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Replaces what a number box holds by typed keys; returns the box.
QLineEdit* typeInto(SheetWindow& window, ControlId box, const char* keys) {
    QLineEdit* edit = window.cell(box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
    return edit;
}

} // namespace

void TestWindow::startsAsAnEmptySheetOfTheRightSize() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("Schriftliche Zifferon"));
    QCOMPARE(window.centralWidget()->size(), QSize(531, 431));
    QCOMPARE(window.cell(ctl::Text1)->text(), QString("9434"));
    QCOMPARE(window.cell(ctl::Text2)->text(), QString("13"));
    QCOMPARE(window.label(ctl::label3(0))->text(), QString("4"));
    QCOMPARE(window.label(ctl::label3(1))->text(), QString("2"));
    QCOMPARE(window.button(ctl::Command1)->text(), QString("Eingabe"));
    QCOMPARE(window.button(ctl::Command2)->text(), QString::fromUtf8("nächste Aufgabe"));
    QVERIFY(!window.label(ctl::Label4)->isVisible());
    for (int i = 0; i < kWorkRows; ++i) {
        QVERIFY(!window.label(ctl::info(i))->isVisible());
        QVERIFY(!window.label(ctl::fehler(i))->isVisible());
    }
    for (int n = 1; n <= kWorkRows; ++n) {
        for (int c = 0; c < kRowCells; ++c) {
            QVERIFY(window.cell(ctl::workRow(n - 1, c))->text().isEmpty());
        }
    }
    QVERIFY(!window.form().timer1Enabled());
    const QStringList menus{window.menuBar()->actions().first()->text()};
    QCOMPARE(menus.first(), QString("&Datei"));
}

void TestWindow::typedTaskLandsInTheTopLine() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    typeInto(window, ctl::Text1, "875");
    typeInto(window, ctl::Text2, "25");
    QCOMPARE(window.form().text(ctl::Text1), std::u32string(U"875"));
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);

    const QStringList dividend{"8", "7", "5", "", "", ""};
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(window.cell(ctl::dividend(5 - k))->text(), dividend[k]);
    }
    QCOMPARE(window.cell(ctl::divisor(2))->text(), QString());
    QCOMPARE(window.cell(ctl::divisor(1))->text(), QString("2"));
    QCOMPARE(window.cell(ctl::divisor(0))->text(), QString("5"));
    QTRY_COMPARE(QApplication::focusWidget(), window.cell(ctl::resultat(0)));
    QVERIFY(window.form().timer1Enabled());
}

void TestWindow::taskCellsRefuseTheFocus() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    for (int c = 0; c < kDividendCells; ++c) {
        QLineEdit* cell = window.cell(ctl::dividend(c));
        QVERIFY(!cell->isEnabled());
        QTest::mouseClick(cell, Qt::LeftButton);
        QVERIFY(QApplication::focusWidget() != cell);
    }
    // Tab from the last quotient cell skips nothing but the task cells.
    window.cell(ctl::resultat(4))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.cell(ctl::workRow(0, 0)));
}

void TestWindow::workColumnsLineUpUnderTheDividend() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int c = 0; c < kRowCells; ++c) {
        const QRect top = window.cell(ctl::dividend(c))->geometry();
        for (int n = 1; n <= kWorkRows; ++n) {
            const QRect cell = window.cell(ctl::workRow(n - 1, c))->geometry();
            QCOMPARE(cell.left(), top.left());
            QCOMPARE(cell.width(), top.width());
            QVERIFY(cell.top() > top.top());
        }
    }
    QVERIFY(window.cell(ctl::resultat(0))->x() < window.cell(ctl::resultat(1))->x());
}

void TestWindow::numberBoxesTakeAtMostTheGridsRoom() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(typeInto(window, ctl::Text1, "123456789")->text(), QString("123456"));
    QCOMPARE(window.form().text(ctl::Text1), std::u32string(U"123456"));
    QApplication::clipboard()->setText("98765");
    QTest::keyClick(typeInto(window, ctl::Text2, ""), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window.form().text(ctl::Text2), std::u32string(U"987"));
}

void TestWindow::digitLimitsReactToClicks() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.label(ctl::label3(0)), Qt::LeftButton);
    QCOMPARE(window.label(ctl::label3(0))->text(), QString("5"));
    QTest::mouseClick(window.label(ctl::label3(1)), Qt::LeftButton);
    QCOMPARE(window.label(ctl::label3(1))->text(), QString("3"));
    QTest::mouseClick(window.button(ctl::Command2), Qt::LeftButton);
    const int dividend = window.cell(ctl::Text1)->text().toInt();
    const int divisor = window.cell(ctl::Text2)->text().toInt();
    QVERIFY(dividend >= 1 && dividend <= 100000);
    QVERIFY(divisor >= 11 && divisor <= 999);
}

void TestWindow::pupilWorksTheDefaultTaskWithTheKeyboard() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), window.cell(ctl::resultat(0)));

    // Digits and Enter alone: after a right product the focus stands where
    // the remainder's first digit belongs.
    const struct Step {
        const char* digit;
        const char* product;
        ControlId remainderCell;
        const char* remainder;
    } steps[] = {
        {"7", "91", ctl::workRow(1, 4), "3"},
        {"2", "26", ctl::workRow(3, 3), "7"},
        {"5", "65", ctl::workRow(5, 2), "9"},
    };
    for (int k = 0; k < 3; ++k) {
        const Step& step = steps[k];
        QCOMPARE(QApplication::focusWidget(), window.cell(ctl::resultat(k)));
        typeKeys(step.digit);
        pressEnter(); // to the first cell of the product row
        typeKeys(step.product);
        QCOMPARE(window.label(ctl::info(2 * k))->text(), QString("korrekt?"));
        pressEnter();
        QCOMPARE(window.label(ctl::info(2 * k))->text(), QString("korrekt"));
        QCOMPARE(QApplication::focusWidget(), window.cell(step.remainderCell));
        typeKeys(step.remainder);
        pressEnter();
        QCOMPARE(window.label(ctl::info(2 * k + 1))->text(), QString("korrekt"));
    }
    QVERIFY(window.label(ctl::Label4)->isVisible());
    for (int row = 0; row < 6; ++row) {
        QVERIFY(window.label(ctl::info(row))->isVisible());
        QCOMPARE(window.label(ctl::info(row))->palette().color(QPalette::Window),
                 QColor(0, 255, 0));
        for (int c = 0; c < kRowCells; ++c) {
            QVERIFY(window.cell(ctl::workRow(row, c))->isReadOnly());
        }
    }
    const QStringList brought{window.cell(ctl::workRow(1, 3))->text(),
                              window.cell(ctl::workRow(3, 2))->text()};
    QCOMPARE(brought, QStringList({"3", "4"}));

    // A locked cell takes neither the focus nor a key.
    QLineEdit* locked = window.cell(ctl::workRow(0, 5));
    QTest::mouseClick(locked, Qt::LeftButton);
    QVERIFY(QApplication::focusWidget() != locked);
    QTest::keyClick(locked, '8');
    QCOMPARE(locked->text(), QString("9"));
    QCOMPARE(window.form().text(ctl::workRow(0, 5)), std::u32string(U"9"));
}

void TestWindow::enterInTheNumberBoxesAndOnButtons() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Enter in a number box takes the task in, as "Eingabe" does.
    QLineEdit* text1 = typeInto(window, ctl::Text1, "875");
    QTest::keyClick(text1, Qt::Key_Return);
    QCOMPARE(window.cell(ctl::dividend(5))->text(), QString("8"));
    QTRY_COMPARE(QApplication::focusWidget(), window.cell(ctl::resultat(0)));
    QLineEdit* text2 = typeInto(window, ctl::Text2, "25");
    QTest::keyClick(text2, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(window.cell(ctl::divisor(1))->text(), QString("2"));
    // Return on a focused button presses it.
    QPushButton* next = window.button(ctl::Command2);
    next->setFocus();
    const QString before = text1->text() + ":" + text2->text();
    for (int i = 0; i < 5 && text1->text() + ":" + text2->text() == before; ++i) {
        QTest::keyClick(next, Qt::Key_Return);
        QTRY_VERIFY(!next->isDown());
    }
    QVERIFY(text1->text() + ":" + text2->text() != before);
    window.button(ctl::Command1)->setFocus();
    QTest::keyClick(window.button(ctl::Command1), Qt::Key_Return);
    QTRY_COMPARE(window.form().text(ctl::dividend(5)), Text(1, text1->text()[0].unicode()));
}

// Closing (the window's button or Ctrl+Q), "Eingabe" (a click or Enter in a
// number box) and "Laden" ask the same question before unsaved work goes.
void TestWindow::closingAsksOnlyForUnsavedWork_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("done"); // the action went ahead
    QTest::addColumn<bool>("saved");
    for (const char* action : {"Schliessen", "Beenden", "Eingabe", "Enter", "Laden"}) {
        const auto row = [action](const char* answer) -> QTestData& {
            return QTest::newRow(qPrintable(QString("%1, %2").arg(action, answer)))
                   << QString(action);
        };
        row("fresh sheet") << false << 0 << true << false;
        row("Speichern") << true << int(QMessageBox::Save) << true << true;
        row("Verwerfen") << true << int(QMessageBox::Discard) << true << false;
        row("Abbrechen") << true << int(QMessageBox::Cancel) << false << false;
    }
}

void TestWindow::closingAsksOnlyForUnsavedWork() {
    QFETCH(QString, action);
    QFETCH(bool, written);
    QFETCH(int, answer);
    QFETCH(bool, done);
    QFETCH(bool, saved);
    test::MemoryTaskFiles files;
    files.answer("/prog/ende");
    SheetWindow::Services services;
    TaskFileServices taskFiles = files.services();
    services.taskFiles = &taskFiles;
    SheetWindow window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    if (written) {
        QTest::keyClick(QApplication::focusWidget(), '7');
    }

    QString asked;
    QTimer::singleShot(0, &window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            return;
        }
        asked = box->text() + " | " + box->button(QMessageBox::Save)->text() + " | " +
                box->button(QMessageBox::Discard)->text() + " | " +
                box->button(QMessageBox::Cancel)->text();
        box->button(static_cast<QMessageBox::StandardButton>(answer))->click();
    });
    QString before = "Vor dem Beenden";
    if (action == "Schliessen") {
        QCOMPARE(window.close(), done);
    } else if (action == "Beenden") {
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(!window.isVisible(), done);
    } else if (action == "Laden") {
        before = "Vor dem Laden";
        window.loadAction()->trigger();
        QCOMPARE(files.openCalls.size() == 1, done);
    } else {
        before = "Vor der neuen Aufgabe";
        if (action == "Eingabe") {
            QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
        } else {
            QTest::keyClick(window.cell(ctl::Text1), Qt::Key_Return);
        }
        QCOMPARE(window.cell(ctl::resultat(0))->text().isEmpty(), done);
    }
    QCOMPARE(asked.isEmpty(), !written);
    if (written) {
        QCOMPARE(asked.remove('&'), "Die Rechnung ist nicht gespeichert. " + before +
                                        " speichern? | Speichern | Verwerfen | Abbrechen");
    }
    QCOMPARE(files.files.count("/prog/ende.AUF") == 1, saved);
}

// "Speichern" asks for a name only for a new sheet, then writes to the
// sheet's file; "Speichern unter ..." always asks; the caption names the file
// and marks unsaved work; "Eingabe" makes a new sheet, a load takes its file.
void TestWindow::speichernWritesToTheSheetsFile() {
    test::MemoryTaskFiles files;
    SheetWindow::Services services;
    TaskFileServices taskFiles = files.services();
    services.taskFiles = &taskFiles;
    SheetWindow window(services);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto caption = [&window] { return window.windowHandle()->title(); };
    const auto press = [&window](QKeyCombination key) {
        QTest::keyClick(&window, key.key(), key.keyboardModifiers());
    };
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    QCOMPARE(caption(), QString("Schriftliche Zifferon"));
    typeKeys("7");

    files.answer("/prog/Anna");
    press(Qt::CTRL | Qt::Key_S);
    QCOMPARE(files.saveCalls.size(), std::size_t{1});
    QCOMPARE(caption(), QString::fromUtf8("Anna.AUF \u2013 Schriftliche Zifferon"));
    QCOMPARE(window.windowFilePath(), QString("/prog/Anna.AUF"));
    pressEnter();
    typeKeys("9");
    QVERIFY(window.isWindowModified());
    QCOMPARE(caption(), QString::fromUtf8("Anna.AUF* \u2013 Schriftliche Zifferon"));
    press(Qt::CTRL | Qt::Key_S); // no dialog: straight into Anna.AUF
    QCOMPARE(files.saveCalls.size(), std::size_t{1});
    QCOMPARE(files.writes, 2);
    // Record 14 holds kontrolle1, its sixth byte kontrolle1(5).
    QCOMPARE(files.files.at("/prog/Anna.AUF").at(13 * 128 + 5), std::uint8_t('9'));
    QVERIFY(!window.isWindowModified());

    files.answer("/prog/Ben.auf");
    press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    QCOMPARE(files.saveCalls.size(), std::size_t{2});
    QCOMPARE(caption(), QString::fromUtf8("Ben.auf \u2013 Schriftliche Zifferon"));

    files.answer("/prog/Anna.AUF");
    window.loadAction()->trigger();
    QCOMPARE(caption(), QString::fromUtf8("Anna.AUF \u2013 Schriftliche Zifferon"));
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    QCOMPARE(caption(), QString("Schriftliche Zifferon"));
    QCOMPARE(window.windowFilePath(), QString());
    QCOMPARE(files.files.size(), std::size_t{2});
}

// On a 1280 x 1024 screen the window fits up to 200 %: larger steps are
// offered disabled, and Ctrl++ stops there.
void TestWindow::zoomStopsWhereTheScreenEnds() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.screen()->size(), QSize(1280, 1024));
    QStringList enabled;
    for (QAction* a : window.zoomStepActions()) {
        if (a->isEnabled()) {
            enabled << a->text();
        }
    }
    QCOMPARE(enabled, QStringList({"50 %", "75 %", "100 %", "125 %", "150 %", "200 %"}));
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
    }
    QCOMPARE(window.zoom(), 2.0);
    QVERIFY(window.frameGeometry().width() <= 1280 && window.frameGeometry().height() <= 1024);
}

// 9434 : 13: 7, Enter, 9, 1; back to the 9 with Left, Left and an 8 typed;
// then a click into the middle of the cell holding 1 and a 5 typed; then a
// second click into that cell, which has the focus, and a 6. Every
// correction takes, wherever the caret would stand.
void TestWindow::aCorrectionReplacesTheDigit() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    typeKeys("7");
    pressEnter();
    typeKeys("91");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), window.cell(ctl::workRow(0, 5)));
    typeKeys("8");
    QCOMPARE(window.cell(ctl::workRow(0, 5))->text(), QString("8"));
    QCOMPARE(window.cell(ctl::workRow(0, 4))->text(), QString("1"));

    QLineEdit* one = window.cell(ctl::workRow(0, 4));
    QTest::mouseClick(window.cell(ctl::workRow(0, 2)), Qt::LeftButton);
    QTest::mouseClick(one, Qt::LeftButton, {}, one->rect().center());
    QCOMPARE(QApplication::focusWidget(), one);
    typeKeys("5");
    QCOMPARE(one->text(), QString("5"));
    QVERIFY(window.form().text(ctl::workRow(0, 4)) == U"5");

    // The last column keeps the focus after a digit: a click into it, then a
    // click at the right edge and a digit typed behind the old one.
    QLineEdit* last = window.cell(ctl::workRow(0, 0));
    QTest::mouseClick(last, Qt::LeftButton);
    typeKeys("2");
    QTest::mouseClick(one, Qt::LeftButton); // another cell changes in between
    typeKeys("4");
    QTest::mouseClick(last, Qt::LeftButton);
    QTest::mouseClick(last, Qt::LeftButton, {}, QPoint(last->width() - 2, last->height() / 2));
    QCOMPARE(QApplication::focusWidget(), last);
    typeKeys("6");
    QCOMPARE(last->text(), QString("6"));
    QVERIFY(window.form().text(ctl::workRow(0, 0)) == U"6");
}

void TestWindow::languageIsTheKeptOneElseTheDesktops_data() {
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("English desktop") << "" << QStringList{"en-GB", "en"} << "en";
    QTest::newRow("German desktop") << "" << QStringList{"de-DE"} << "de";
    QTest::newRow("no translation, next one") << "" << QStringList{"fr-FR", "en-US"} << "en";
    QTest::newRow("no translation at all") << "" << QStringList{"fr-FR", "C"} << "de";
    QTest::newRow("kept over the desktop") << "de" << QStringList{"en-US"} << "de";
    QTest::newRow("kept English") << "en" << QStringList{"de-DE"} << "en";
    QTest::newRow("kept, since removed") << "xx" << QStringList{"de-AT"} << "de";
}

void TestWindow::languageIsTheKeptOneElseTheDesktops() {
    QFETCH(QString, kept);
    QFETCH(QStringList, desktop);
    QFETCH(QString, spoken);
    QCOMPARE(availableLanguages(), QStringList({"de", "en"}));
    QCOMPARE(pickLanguage(kept, desktop, availableLanguages()), spoken);
}

// In English the window and the rules' sentences speak English; what the
// model holds, and so what files store, stays German.
void TestWindow::englishShowsTheWordsButKeepsTheModelGerman() {
    QCOMPARE(installLanguage("en"), QString("en"));
    {
        SheetWindow window;
        QCOMPARE(window.button(ctl::Command1)->text(), QString("Enter"));
        QCOMPARE(window.form().caption(ctl::Command1), Text(U"Eingabe"));
        QCOMPARE(window.menuBar()->findChild<QMenu*>("mAnsicht")->title(), QString("&View"));
        QCOMPARE(say(Msg::RowNotYet, {U"3"}),
                 Text(U"Row 3 must be right first: this row comes after it."));
        QCOMPARE(shownWords(U"Fehler"), Text(U"wrong"));
    }
    QCOMPARE(installLanguage("de"), QString("de"));
    QCOMPARE(say(Msg::RowNotYet, {U"3"}),
             Text(U"Zuerst muss Zeile 3 stimmen: diese Zeile kommt danach."));
}

// Ticked, the entries are kept for the next start and hold from the next task.
void TestWindow::demandsFromTheMenuHoldFromTheNextTask() {
    QTemporaryDir apart; // from the user's settings
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, apart.path());
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    const auto tickBoth = [&settings](SheetWindow& window) {
        window.findChild<QAction*>("mUeberschlagVerlangen")->trigger();
        window.findChild<QAction*>("mProbeVerlangen")->trigger();
        settings.sync();
        return settings.value("check/ueberschlag").toString() + " " +
               settings.value("check/probe").toString();
    };
    QCOMPARE(tickBoth(*std::make_unique<SheetWindow>()), "true true");
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    QCOMPARE(window.form().demands(), (Form1::CheckDemands{true, true}));
    QVERIFY(window.cell(ctl::resultat(0))->isReadOnly());
    QTRY_COMPARE(QApplication::focusWidget(), window.cell(ctl::stellen));
    // Unticked: the task on the sheet keeps what it asked for, the next not.
    QCOMPARE(tickBoth(window), "false false");
    QCOMPARE(window.form().demands(), (Form1::CheckDemands{true, true}));
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    QCOMPARE(window.form().demands(), Form1::CheckDemands{});
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
