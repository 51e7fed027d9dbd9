// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Zoom and screen-reader support of the real window on the offscreen
// platform: the whole sheet scales without anything moving out of its column,
// the zoom keys work from inside a cell, every control has a German name that
// follows the sheet, each verdict is announced, and the reading keys work
// from a cell.

// The event recorder below is a built-in accessibility bridge plugin.
#define QT_STATICPLUGIN

#include "platform/SheetWindow.h"

#include "sheet/ControlNames.h"
#include "sheet/Layout.h"

#include <QAccessible>
#include <QAccessibleBridge>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtPlugin>
#include <QtTest>

#include <cmath>
#include <vector>

using namespace zifferon;

namespace {

QString nameOf(ControlId id) {
    return QString("%1(%2)")
        .arg(QString::fromStdString(std::string(kindName(id.kind))))
        .arg(id.index);
}

// What a screen reader is told a widget is called.
QString spokenName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// Notices that reach the platform's accessibility bridges (where a screen
// reader's bridge gets them): notifications being shown, with the text they
// carry then. QAccessible::installUpdateHandler would only see events while
// a screen reader has switched accessibility on, which never happens here.
std::vector<QString> gNotices;

} // namespace

class NoticeRecorder : public QAccessibleBridge {
  public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        QAccessibleInterface* iface = event->accessibleInterface();
        if (event->type() == QAccessible::ObjectShow && iface &&
            iface->role() == QAccessible::Notification) {
            gNotices.push_back(iface->text(QAccessible::Name));
        }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        if (event->type() == QAccessible::Announcement) {
            gNotices.push_back(static_cast<QAccessibleAnnouncementEvent*>(event)->message());
        }
#endif
    }
};

class NoticeRecorderPlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QAccessibleBridgeFactoryInterface" FILE
                          "a11y_event_recorder.json")
  public:
    QAccessibleBridge* create(const QString&) override { return new NoticeRecorder; }
};

Q_IMPORT_PLUGIN(NoticeRecorderPlugin)

namespace {

// Keys from the keyboard: each goes to the widget that has the focus then.
// '\n' is Enter.
void typeKeys(const QString& keys) {
    for (QChar key : keys) {
        QWidget* target = QApplication::focusWidget();
        if (key == '\n') {
            QTest::keyClick(target, Qt::Key_Return);
        } else {
            QTest::keyClick(target, key.toLatin1());
        }
    }
}

// Eingabe with the start task 9434 : 13, then the pupil's keys.
bool startTask(SheetWindow& window, const QString& keys) {
    window.show();
    if (!QTest::qWaitForWindowActive(&window)) {
        return false;
    }
    QTest::mouseClick(window.button(ctl::Command1), Qt::LeftButton);
    if (!QTest::qWaitFor(
            [&] { return QApplication::focusWidget() == window.cell(ctl::resultat(0)); })) {
        return false;
    }
    typeKeys(keys);
    return true;
}

} // namespace

class TestZoomA11y : public QObject {
    Q_OBJECT
  private slots:
    void everyControlScalesWithTheSheet_data();
    void everyControlScalesWithTheSheet();
    void zoomKeysWorkFromACell_data();
    void zoomKeysWorkFromACell();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void namesFollowTheSheet_data();
    void namesFollowTheSheet();
    void verdictsAreAnnounced_data();
    void verdictsAreAnnounced();
    void readingKeysWorkFromACell_data();
    void readingKeysWorkFromACell();
};

void TestZoomA11y::everyControlScalesWithTheSheet_data() {
    QTest::addColumn<double>("zoom");
    for (double zoom : kZoomSteps) {
        QTest::newRow(qPrintable(QString("%1 %").arg(zoom * 100))) << zoom;
    }
}

void TestZoomA11y::everyControlScalesWithTheSheet() {
    QFETCH(double, zoom);
    SheetWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setZoom(zoom);
    QCOMPARE(window.zoom(), zoom);

    // Every control sits where its twip rectangle lands at this zoom, to the
    // pixel (each edge is rounded on its own).
    const double pixelsPerTwip = zoom / kTwipsPerPixel;
    for (ControlId id : allControls()) {
        const Geometry g = geometry(id);
        const QRect actual = window.widget(id)->geometry();
        const QRectF expected(g.left * pixelsPerTwip, g.top * pixelsPerTwip,
                              g.width * pixelsPerTwip, g.height * pixelsPerTwip);
        const bool near = std::abs(actual.x() - expected.x()) <= 1 &&
                          std::abs(actual.y() - expected.y()) <= 1 &&
                          std::abs(actual.width() - expected.width()) <= 1 &&
                          std::abs(actual.height() - expected.height()) <= 1;
        QVERIFY2(near, qPrintable(nameOf(id)));
    }

    // Column c of every work row stays exactly under dividend(c).
    for (int c = 0; c < kRowCells; ++c) {
        const QRect top = window.cell(ctl::dividend(c))->geometry();
        int above = top.top();
        for (int n = 1; n <= kWorkRows; ++n) {
            const QRect cell = window.cell(ctl::workRow(n - 1, c))->geometry();
            QCOMPARE(cell.left(), top.left());
            QCOMPARE(cell.width(), top.width());
            QVERIFY(cell.top() > above);
            above = cell.top();
        }
    }

    // The client area grows by the factor and the window follows it.
    const QSize client = window.centralWidget()->size();
    QVERIFY(std::abs(client.width() - 531 * zoom) <= 0.5);
    QVERIFY(std::abs(client.height() - 431 * zoom) <= 0.5);
    if (zoom == 1.0) {
        QCOMPARE(client, QSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel));
        QCOMPARE(client, QSize(531, 431));
    }
    QTRY_COMPARE(window.width(), client.width());
    QVERIFY(window.height() > client.height());
}

void TestZoomA11y::zoomKeysWorkFromACell_data() {
    QTest::addColumn<QString>("keys"); // + = - 0, each with Ctrl
    QTest::addColumn<double>("zoom");
    QTest::newRow("Ctrl++") << "+" << 1.25;
    QTest::newRow("Ctrl++ twice") << "++" << 1.5;
    QTest::newRow("Ctrl+= as Ctrl++") << "=" << 1.25;
    QTest::newRow("Ctrl+-") << "-" << 0.75;
    QTest::newRow("down to 50 % and no further") << "---" << 0.5;
    QTest::newRow("up to 300 % and no further") << "++++++" << 3.0;
    QTest::newRow("Ctrl+0 from above") << "++0" << 1.0;
    QTest::newRow("Ctrl+0 from below") << "-0" << 1.0;
    QTest::newRow("up and down again") << "+++-" << 1.5;
}

void TestZoomA11y::zoomKeysWorkFromACell() {
    QFETCH(QString, keys);
    QFETCH(double, zoom);
    SheetWindow window;
    QVERIFY(startTask(window, "7"));
    QLineEdit* cell = window.cell(ctl::resultat(0));
    QCOMPARE(QApplication::focusWidget(), cell);

    for (QChar key : keys) {
        const Qt::Key code = key == '+'   ? Qt::Key_Plus
                             : key == '=' ? Qt::Key_Equal
                             : key == '-' ? Qt::Key_Minus
                                          : Qt::Key_0;
        QTest::keyClick(QApplication::focusWidget(), code, Qt::ControlModifier);
    }
    QCOMPARE(window.zoom(), zoom);
    QTRY_COMPARE(window.centralWidget()->width(), static_cast<int>(std::lround(531 * zoom)));
    // The keys zoomed; none of them was typed into the cell.
    QCOMPARE(cell->text(), QString("7"));
    QCOMPARE(window.form().text(ctl::resultat(0)), Text(U"7"));
    QCOMPARE(QApplication::focusWidget(), cell);
}

void TestZoomA11y::everyControlHasAName_data() {
    QTest::addColumn<QString>("keys"); // after Eingabe; "-" for a fresh window
    QTest::newRow("fresh window, all labels hidden") << "-";
    QTest::newRow("task entered") << "";
    QTest::newRow("row 0 pending") << "7\n91";
    QTest::newRow("row 0 wrong") << "7\n92\n";
}

void TestZoomA11y::everyControlHasAName() {
    QFETCH(QString, keys);
    SheetWindow window;
    if (keys == "-") {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    } else {
        QVERIFY(startTask(window, keys));
    }
    for (ControlId id : allControls()) {
        QWidget* w = window.widget(id);
        QVERIFY2(w, qPrintable(nameOf(id)));
        // The reader is told the name the sheet gives the control right now,
        // whether or not the control is shown.
        const QString spoken = spokenName(w);
        QVERIFY2(!spoken.trimmed().isEmpty(), qPrintable(nameOf(id)));
        QCOMPARE(spoken, QString::fromStdU32String(accessibleName(window.form(), id)));
    }
}

void TestZoomA11y::namesFollowTheSheet_data() {
    QTest::addColumn<QString>("keys"); // after Eingabe; "-" for a fresh window
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    const auto k = [](Kind kind) { return static_cast<int>(kind); };
    QTest::newRow("fresh: hidden verdict") << "-" << k(Kind::Info) << 0 << "Zeile 1 prüfen";
    QTest::newRow("fresh: hidden counter") << "-" << k(Kind::Fehler) << 0 << "Fehler in Zeile 1";
    QTest::newRow("fresh: Label4 hidden") << "-" << k(Kind::Label4) << 0 << "Berechnung beendet";
    QTest::newRow("entered: first dividend digit")
        << "" << k(Kind::Dividend) << 5 << "Dividend, Tausenderspalte";
    QTest::newRow("entered: units digit")
        << "" << k(Kind::Dividend) << 2 << "Dividend, Einerspalte";
    QTest::newRow("entered: first product")
        << "" << k(Kind::Kontrolle1) << 4 << "1. Produkt, Hunderterspalte";
    QTest::newRow("entered: first remainder")
        << "" << k(Kind::Kontrolle2) << 3 << "1. Rest, Zehnerspalte";
    QTest::newRow("entered: quotient") << "" << k(Kind::Resultat) << 1 << "Ergebnis, 2. Ziffer";
    QTest::newRow("pending") << "7\n91" << k(Kind::Info) << 0 << "Zeile 1 prüfen: korrekt?";
    QTest::newRow("right") << "7\n91\n" << k(Kind::Info) << 0 << "Zeile 1 prüfen: korrekt";
    QTest::newRow("wrong") << "7\n92\n" << k(Kind::Info) << 0 << "Zeile 1 prüfen: Fehler";
    QTest::newRow("wrong: counter") << "7\n92\n" << k(Kind::Fehler) << 0 << "Fehler in Zeile 1: 1";
    QTest::newRow("wrong twice: counter") << "7\n92\n\n"
                                          << k(Kind::Fehler) << 0 << "Fehler in Zeile 1: 2";
}

void TestZoomA11y::namesFollowTheSheet() {
    QFETCH(QString, keys);
    QFETCH(int, kind);
    QFETCH(int, index);
    QFETCH(QString, name);
    SheetWindow window;
    if (keys == "-") {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    } else {
        QVERIFY(startTask(window, keys));
    }
    QCOMPARE(spokenName(window.widget({static_cast<Kind>(kind), index})), name);
}

void TestZoomA11y::verdictsAreAnnounced_data() {
    QTest::addColumn<QString>("keys");          // after Eingabe
    QTest::addColumn<QStringList>("announced"); // texts of the notices shown, in order
    const QString wrong =
        QString::fromUtf8("Fehler. 13 mal 7 ist nicht 92: rechne das Malnehmen noch einmal nach.");
    const QString ready = QString::fromUtf8("1. Produkt kann geprüft werden.");
    QTest::newRow("writing only: ready, once") << "7\n91" << QStringList{ready};
    QTest::newRow("right") << "7\n91\n" << QStringList{ready, "korrekt."};
    QTest::newRow("wrong") << "7\n92\n" << QStringList{ready, wrong};
    QTest::newRow("wrong, then wrong again") << "7\n92\n\n" << QStringList{ready, wrong, wrong};
    QTest::newRow("wrong, corrected") << "7\n92\n" << QStringList{ready, wrong, "korrekt."};
    QTest::newRow("Enter in an empty product row: nothing") << "7\n\n" << QStringList{};
}

void TestZoomA11y::verdictsAreAnnounced() {
    QFETCH(QString, keys);
    QFETCH(QStringList, announced);
    SheetWindow window;
    gNotices.clear();
    QVERIFY(startTask(window, keys));
    if (QTest::currentDataTag() == QString("wrong, corrected")) {
        // Back to the second cell of the row, the 2 overwritten by a 1.
        QTest::mouseClick(window.cell(ctl::workRow(0, 4)), Qt::LeftButton);
        typeKeys("1\n");
    }
    QCOMPARE(QStringList(gNotices.begin(), gNotices.end()), announced);
}

void TestZoomA11y::readingKeysWorkFromACell_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("said");
    QTest::newRow("F2: the task") << int(Qt::Key_F2) << "Aufgabe: 9434 geteilt durch 13.";
    QTest::newRow("F3: the row") << int(Qt::Key_F3)
                                 << QString::fromUtf8(
                                        "1. Produkt: 9, unter 9, noch nicht geprüft.");
    QTest::newRow("F4: the calculation")
        << int(Qt::Key_F4)
        << QString::fromUtf8("Aufgabe: 9434 geteilt durch 13. 1. Produkt: 9, unter 9, noch nicht "
                             "geprüft. Ergebnis bisher: 7. Als Nächstes: das 1. Produkt prüfen.");
}

// The reading keys reach the window from a cell that takes digits: said
// through the notice and shown in a note, the focus and the cell untouched.
void TestZoomA11y::readingKeysWorkFromACell() {
    QFETCH(int, key);
    QFETCH(QString, said);
    SheetWindow window;
    QVERIFY(startTask(window, "7\n9"));
    QLineEdit* cell = window.cell(ctl::workRow(0, 4));
    QCOMPARE(QApplication::focusWidget(), cell);
    gNotices.clear();
    QTest::keyClick(cell, static_cast<Qt::Key>(key));
    QCOMPARE(QStringList(gNotices.begin(), gNotices.end()), QStringList{said});
    const auto* note = window.findChild<QLabel*>("readingNote");
    QVERIFY(note && note->isVisible());
    QCOMPARE(note->text(), said);
    QCOMPARE(QApplication::focusWidget(), cell);
    QCOMPARE(cell->text(), QString());
}

QTEST_MAIN(TestZoomA11y)
#include "tst_zoom_a11y.moc"
