// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Hilfe" menu on the real window: reached by keyboard, hints that leave
// the sheet alone, and the reason beside a "Fehler".

#include "platform/HintWindow.h"
#include "platform/SheetWindow.h"
#include "taskfile/TaskRecords.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace zifferon;

class TestHints : public QObject {
    Q_OBJECT
  private slots:
    void helpMenuIsReachedByKeyboard();
    void f1GivesStagedHintsWithoutTouchingTheSheet();
    void fehlerLabelExplainsItself();
};

namespace {

void startTask(SheetWindow& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), window.cell(ctl::resultat(0)));
}

// "Eingabe" over unsaved work: the question is answered "Verwerfen".
void clickEingabeDiscardingTheWork(SheetWindow& window) {
    QTimer::singleShot(0, &window, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Discard)->click();
        }
    });
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
}

QStringList menuTitles(SheetWindow& window) {
    QStringList titles;
    for (QAction* a : window.menuBar()->actions()) {
        titles << a->text();
    }
    return titles;
}

} // namespace

void TestHints::helpMenuIsReachedByKeyboard() {
    SheetWindow window;
    startTask(window);
    const QStringList titles = menuTitles(window);
    QCOMPARE(titles.last(), QString("&Hilfe"));
    QVERIFY(titles.indexOf("&Datei") >= 0 && titles.indexOf("&Datei") < titles.indexOf("&Hilfe"));
    QVERIFY(titles.indexOf("&Ansicht") >= 0 &&
            titles.indexOf("&Ansicht") < titles.indexOf("&Hilfe"));

    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), QString("mHilfe"));
    QCOMPARE(menu->actions().at(0)->text(), QString("&Tipp"));
    QCOMPARE(menu->actions().at(0)->shortcut(), QKeySequence(Qt::Key_F1));

    // "T" in the open menu gives the first hint, "W" opens the usage page.
    QTest::keyClick(menu, Qt::Key_T);
    QTRY_VERIFY(window.hints()->hintWindow()->isVisible());
    QCOMPARE(window.sheet().hintsUsed(), 1);
    QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_W);
    QTRY_VERIFY(window.hints()->usagePage() && window.hints()->usagePage()->isVisible());
    const QString text = window.hints()->usagePage()->findChild<QLabel*>("usageText")->text();
    for (const char* needle : {"Enter", "korrekt?", ".AUF", "F1", "Fehler"}) {
        QVERIFY2(text.contains(QString::fromUtf8(needle)), needle);
    }
}

void TestHints::f1GivesStagedHintsWithoutTouchingTheSheet() {
    SheetWindow window;
    startTask(window);
    HintController& hints = *window.hints();
    QLineEdit* quotient = window.cell(ctl::resultat(0));
    const std::uint64_t revision = window.form().revision();
    const TaskFileBytes file = writeTaskRecords(window.form());

    QTest::keyClick(quotient, Qt::Key_F1);
    QVERIFY(hints.hintWindow()->isVisible());
    QCOMPARE(hints.overlay()->targets(), std::vector<QWidget*>{quotient});
    QVERIFY(hints.hintWindow()->questionText().isEmpty());
    QVERIFY(hints.hintWindow()->countText().endsWith(": 1"));

    QTest::keyClick(quotient, Qt::Key_F1);
    QCOMPARE(hints.hintWindow()->questionText(), QString("Wie oft passt 13 in 94?"));
    QVERIFY(hints.hintWindow()->multiplesText().isEmpty());

    QTest::keyClick(quotient, Qt::Key_F1);
    const QStringList multiples = hints.hintWindow()->multiplesText().split('\n');
    QCOMPARE(multiples.size(), 9);
    QCOMPARE(multiples.at(6), QString::fromUtf8("13 · 7 = 91"));
    QVERIFY(hints.hintWindow()->countText().endsWith(": 3"));

    // Nothing on the sheet moved: no cell, no label, not the focus. The file
    // differs only in the tag of the quotient's row, which counts the hints.
    QCOMPARE(window.form().revision(), revision);
    QCOMPARE(window.form().tally(0).hints, std::uint64_t{3});
    const TaskFileBytes now = writeTaskRecords(window.form());
    for (std::size_t b = 0; b < now.size(); ++b) {
        const bool tag = b >= kTagOffset && b < kTagEnd;
        QVERIFY2(tag || now[b] == file[b], qPrintable(QString("byte %1").arg(b)));
    }
    QCOMPARE(QApplication::focusWidget(), quotient);
    QVERIFY(quotient->text().isEmpty());
    QVERIFY(!hints.hintWindow()->isActiveWindow());

    // The digit is written: the step is done and its hint is gone.
    QTest::keyClicks(quotient, "7");
    QVERIFY(hints.overlay()->targets().empty());
    QVERIFY(hints.hintWindow()->questionText().isEmpty());
    QVERIFY(hints.hintWindow()->multiplesText().isEmpty());
    QVERIFY(hints.hintWindow()->countText().endsWith(": 3"));

    // The next step starts at stage 1 again: the product cells are framed.
    QTest::keyClick(quotient, Qt::Key_F1);
    const std::vector<QWidget*> productCells{window.cell(ctl::workRow(0, 5)),
                                             window.cell(ctl::workRow(0, 4))};
    QCOMPARE(hints.overlay()->targets(), productCells);
    // The frames cover the whole sheet at any zoom.
    window.setZoom(2.0);
    QCOMPARE(hints.overlay()->geometry(), window.centralWidget()->rect());

    // "Eingabe" starts the count afresh.
    clickEingabeDiscardingTheWork(window);
    QVERIFY(hints.hintWindow()->countText().endsWith(": 0"));
    QVERIFY(hints.overlay()->targets().empty());
}

void TestHints::fehlerLabelExplainsItself() {
    SheetWindow window;
    startTask(window);
    QLabel* info0 = window.label(ctl::info(0));
    QTest::keyClicks(window.cell(ctl::resultat(0)), "7");
    QTest::keyClick(window.cell(ctl::resultat(0)), Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), window.cell(ctl::workRow(0, 5)));
    QTest::keyClicks(QApplication::focusWidget(), "9");
    QTest::keyClicks(QApplication::focusWidget(), "2");
    QTRY_COMPARE(info0->text(), QString("korrekt?"));
    QVERIFY(info0->toolTip().isEmpty());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(info0->text(), QString("Fehler"));
    const QString reason =
        QString::fromUtf8("13 · 7 ist nicht 92: rechne das Malnehmen noch einmal nach.");
    QCOMPARE(info0->toolTip(), reason);
    QCOMPARE(info0->accessibleDescription(), reason);

    // Emptying the row hides the label: no reason while it is hidden.
    window.handle([](Worksheet& sheet) {
        sheet.form.setText(ctl::workRow(0, 5), U"");
        sheet.form.setText(ctl::workRow(0, 4), U"");
        sheet.tick();
    });
    QVERIFY(!info0->isVisible());
    QVERIFY(info0->toolTip().isEmpty());
    QVERIFY(info0->accessibleDescription().isEmpty());

    clickEingabeDiscardingTheWork(window);
    for (int i = 0; i < kWorkRows; ++i) {
        QVERIFY(window.label(ctl::info(i))->toolTip().isEmpty());
        QVERIFY(window.form().toolTip(ctl::info(i)).empty());
    }
}

QTEST_MAIN(TestHints)
#include "tst_hints.moc"
