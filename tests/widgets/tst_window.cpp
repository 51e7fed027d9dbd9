// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The real window on Qt's offscreen platform: a task typed with real keys.

#include "MemoryTaskFiles.h"

#include "platform/SheetWindow.h"
#include "sheet/Layout.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
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
    void zoomStopsWhereTheScreenEnds();
    void aCorrectionReplacesTheDigit();
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
            QVERIFY(window.cell(ctl::kontrolle(n, c))->text().isEmpty());
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
    QCOMPARE(QApplication::focusWidget(), window.cell(ctl::kontrolle(1, 0)));
}

void TestWindow::workColumnsLineUpUnderTheDividend() {
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int c = 0; c < kRowCells; ++c) {
        const QRect top = window.cell(ctl::dividend(c))->geometry();
        for (int n = 1; n <= kWorkRows; ++n) {
            const QRect cell = window.cell(ctl::kontrolle(n, c))->geometry();
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

    // The product's last cell keeps the focus when its row locks; Down and
    // Left lead to the remainder's place below the product's units digit.
    const struct Step {
        const char* digit;
        const char* product;
        ControlId afterProduct;
        ControlId remainderCell;
        const char* remainder;
    } steps[] = {
        {"7", "91", ctl::kontrolle(1, 3), ctl::kontrolle(2, 4), "3"},
        {"2", "26", ctl::kontrolle(3, 2), ctl::kontrolle(4, 3), "7"},
        {"5", "65", ctl::kontrolle(5, 1), ctl::kontrolle(6, 2), "9"},
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
        QCOMPARE(QApplication::focusWidget(), window.cell(step.afterProduct));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
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
            QVERIFY(window.cell(ctl::kontrolle(row + 1, c))->isReadOnly());
        }
    }
    const QStringList brought{window.cell(ctl::kontrolle(2, 3))->text(),
                              window.cell(ctl::kontrolle(4, 2))->text()};
    QCOMPARE(brought, QStringList({"3", "4"}));

    // A locked cell takes neither the focus nor a key.
    QLineEdit* locked = window.cell(ctl::kontrolle(1, 5));
    QTest::mouseClick(locked, Qt::LeftButton);
    QVERIFY(QApplication::focusWidget() != locked);
    QTest::keyClick(locked, '8');
    QCOMPARE(locked->text(), QString("9"));
    QCOMPARE(window.form().text(ctl::kontrolle(1, 5)), std::u32string(U"9"));
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

void TestWindow::closingAsksOnlyForUnsavedWork_data() {
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("saved");
    QTest::newRow("fresh sheet") << false << 0 << true << false;
    QTest::newRow("Speichern") << true << int(QMessageBox::Save) << true << true;
    QTest::newRow("Verwerfen") << true << int(QMessageBox::Discard) << true << false;
    QTest::newRow("Abbrechen") << true << int(QMessageBox::Cancel) << false << false;
}

void TestWindow::closingAsksOnlyForUnsavedWork() {
    QFETCH(bool, written);
    QFETCH(int, answer);
    QFETCH(bool, closed);
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
    QCOMPARE(window.close(), closed);
    QCOMPARE(asked.isEmpty(), !written);
    if (written) {
        QVERIFY2(asked.startsWith(QString::fromUtf8(
                     "Die Rechnung ist nicht gespeichert. Vor dem Beenden speichern?")),
                 qPrintable(asked));
    }
    QCOMPARE(files.files.count("/prog/ende.AUF") == 1, saved);
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
// then a click into the middle of the cell holding 1 and a 5 typed. Both
// corrections take, wherever the caret would stand.
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
    QCOMPARE(QApplication::focusWidget(), window.cell(ctl::kontrolle(1, 5)));
    typeKeys("8");
    QCOMPARE(window.cell(ctl::kontrolle(1, 5))->text(), QString("8"));
    QCOMPARE(window.cell(ctl::kontrolle(1, 4))->text(), QString("1"));

    QLineEdit* one = window.cell(ctl::kontrolle(1, 4));
    QTest::mouseClick(window.cell(ctl::kontrolle(1, 2)), Qt::LeftButton);
    QTest::mouseClick(one, Qt::LeftButton, {}, one->rect().center());
    QCOMPARE(QApplication::focusWidget(), one);
    typeKeys("5");
    QCOMPARE(one->text(), QString("5"));
    QVERIFY(window.form().text(ctl::kontrolle(1, 4)) == U"5");
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
