// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/HintWindow.h"

#include "hints/HintPlacement.h"
#include "hints/SpokenHint.h"
#include "platform/ReadAloudMenu.h"
#include "platform/SheetWindow.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace zifferon {

namespace {

QString toQString(const Text& text) {
    return QString::fromStdU32String(text);
}

// A frame colour apart from the verdict colours (green, red, yellow), the
// light cyan of the digit limit and the blue of the keyboard focus.
const QColor kFrameColour(170, 0, 200);

const char* const kUsagePage = QT_TRANSLATE_NOOP(
    "HintWindow",
    "<h3>Wie geht das?</h3>"
    "<p><b>Aufgabe:</b> Schreibe oben den Dividenden und den Divisor in die zwei Felder "
    "und klicke auf <b>Eingabe</b>. <b>nächste Aufgabe</b> denkt sich eine Aufgabe aus; "
    "ein Klick auf die Zahlen neben „maximal“ ändert, wie viele Stellen sie hat.</p>"
    "<p><b>Rechnen:</b> Schreibe die erste Ziffer des Ergebnisses in das erste Kästchen "
    "hinter der Aufgabe und drücke <b>Enter</b>. Schreibe dann das Produkt unter die Zahl, "
    "von der du es abziehst, eine Ziffer in jedes Kästchen: der Cursor steht schon da, wo "
    "seine erste Ziffer hingehört.</p>"
    "<p><b>Prüfen:</b> Drücke <b>Enter</b> in der Zeile oder klicke auf das gelbe "
    "„korrekt?“ daneben. Grün „korrekt“ heißt: richtig. Rot „Fehler“ heißt: da stimmt "
    "etwas nicht; zeige mit der Maus auf „Fehler“, dann steht da, was nicht passt.</p>"
    "<p>Nach einem richtigen Produkt springt der Cursor dorthin, wo der Rest hingehört. "
    "Schreibe den Rest und lass ihn genauso prüfen. Die nächste Ziffer kommt "
    "von selbst herunter, und es geht mit der nächsten Ziffer des Ergebnisses weiter, bis "
    "„Berechnung beendet“ erscheint. Mit den Pfeiltasten oder der Maus kommst du in jedes "
    "andere Kästchen.</p>"
    "<p><b>Tipp:</b> Drücke <b>F1</b> (Hilfe → Tipp). Jedes Mal hilft es ein Stück mehr: "
    "zuerst werden die Kästchen markiert, dann kommt eine Frage, dann die Reihe des "
    "Divisors.</p>"
    "<p><b>Vorlesen</b> (Hilfe → Vorlesen): <b>F2</b> liest die Aufgabe vor, <b>F3</b> die "
    "Zeile, in der du gerade schreibst, mit ihren Zahlen, und <b>F4</b> die ganze Rechnung "
    "bis jetzt und was als Nächstes kommt. Der "
    "Text steht auch kurz unter dem Kästchen. Sobald eine Zeile „korrekt?“ zeigt, sagt ein "
    "Bildschirmleser einmal, dass sie geprüft werden kann.</p>"
    "<p><b>Überschlag und Probe:</b> Rechts neben der Rechnung fragt das Blatt zuerst: "
    "„Wie viele Stellen hat das Ergebnis?“ Schreibe die Zahl und drücke <b>Enter</b>; "
    "bei „etwa“ kannst du ein gerundetes Ergebnis schreiben, dann noch einmal "
    "<b>Enter</b>. Nach „Berechnung beendet“ kommt die Probe: Rechne Ergebnis mal "
    "Divisor und zähle den Rest dazu. Dann muss der Dividend herauskommen.</p>"
    "<p><b>Speichern:</b> Im Menü <b>Datei</b> speicherst du deine Rechnung als "
    "<b>.AUF</b>-Datei und lädst sie später wieder.</p>");

} // namespace

HintOverlay::HintOverlay(QWidget* page) : QWidget(page) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(page->rect());
    page->installEventFilter(this);
    raise();
}

void HintOverlay::setTargets(const std::vector<QWidget*>& targets) {
    // The sheet is mirrored after every change: repaint only when the frame moves.
    if (this->targets() == targets) {
        return;
    }
    targets_.assign(targets.begin(), targets.end());
    raise();
    update();
}

std::vector<QWidget*> HintOverlay::targets() const {
    std::vector<QWidget*> out;
    for (const QPointer<QWidget>& w : targets_) {
        if (w) {
            out.push_back(w);
        }
    }
    return out;
}

bool HintOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        raise();
    }
    return QWidget::eventFilter(watched, event);
}

void HintOverlay::paintEvent(QPaintEvent* /*event*/) {
    if (targets_.empty()) {
        return;
    }
    // One frame around the group: the cells of a hint lie side by side.
    QRect group;
    for (const QWidget* w : targets()) {
        group = group.united(w->geometry());
    }
    if (group.isEmpty()) {
        return;
    }
    // The frame grows with the cells, so it follows the zoom.
    const int width = std::max(3, group.height() / 6);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kFrameColour, width));
    const double inset = width / 2.0;
    painter.drawRoundedRect(QRectF(group.adjusted(-width - 1, -width - 1, width + 1, width + 1))
                                .adjusted(inset, inset, -inset, -inset),
                            width, width);
}

HintWindow::HintWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setWindowTitle(QCoreApplication::translate("HintWindow", "Tipp"));
    setObjectName("hintWindow");
    // Showing the hint must not take the keyboard away from the sheet.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);

    auto* layout = new QVBoxLayout(this);
    instruction_ = new QLabel(this);
    question_ = new QLabel(this);
    multiples_ = new QLabel(this);
    explanation_ = new QLabel(this);
    count_ = new QLabel(this);
    // No names of their own: a screen reader reads each label as its text.
    for (QLabel* label : {instruction_, question_, multiples_, explanation_, count_}) {
        label->setWordWrap(label != multiples_);
        label->setTextInteractionFlags(Qt::NoTextInteraction);
        layout->addWidget(label);
    }
    layout->addStretch(1);
    applyZoom();
}

void HintWindow::setZoom(double zoom) {
    if (zoom != zoom_) {
        zoom_ = zoom;
        applyZoom();
    }
}

void HintWindow::applyZoom() {
    // The window's text grows with the sheet's.
    QFont text = QApplication::font();
    text.setPointSizeF(text.pointSizeF() * zoom_);
    setFont(text);
    QFont big = text;
    big.setBold(true);
    big.setPointSizeF(text.pointSizeF() * 1.2);
    question_->setFont(big);
    QFont mono = text;
    mono.setFamilies({"DejaVu Sans Mono", "Liberation Mono", "Monospace"});
    multiples_->setFont(mono);
    setMinimumWidth(static_cast<int>(260 * zoom_));
    adjustSize();
}

void HintWindow::showHint(const Hint& hint, int hintsUsed, const QString& outlinedCells) {
    QString instruction = toQString(hint.instruction);
    if (instruction.isEmpty()) {
        instruction = QCoreApplication::translate("HintWindow",
                                                  "Drücke F1 für einen Tipp zum nächsten Schritt.");
    }
    instruction_->setText(instruction);
    if (instruction_->accessibleDescription() != outlinedCells) {
        instruction_->setAccessibleDescription(outlinedCells);
    }
    question_->setText(toQString(hint.question));
    question_->setVisible(!hint.question.empty());
    QStringList lines;
    for (const Text& line : hint.multiples) {
        lines << toQString(line);
    }
    multiples_->setText(lines.join('\n'));
    multiples_->setVisible(!lines.isEmpty());
    explanation_->setText(toQString(hint.explanation));
    explanation_->setVisible(!hint.explanation.empty());
    count_->setText(
        QCoreApplication::translate("HintWindow", "Benutzte Tipps seit der letzten Eingabe: %1")
            .arg(hintsUsed));
    adjustSize();
}

QString HintWindow::instructionText() const {
    return instruction_->text();
}
QString HintWindow::questionText() const {
    return question_->text();
}
QString HintWindow::multiplesText() const {
    return multiples_->text();
}
QString HintWindow::explanationText() const {
    return explanation_->text();
}
QString HintWindow::countText() const {
    return count_->text();
}

HintController::HintController(SheetWindow& window, QWidget* page)
    : QObject(&window), window_(window) {
    overlay_ = new HintOverlay(page);
    hintWindow_ = new HintWindow(&window);
    window.installEventFilter(this);
}

bool HintController::eventFilter(QObject* watched, QEvent* event) {
    // A zoomed or moved sheet takes the hint window along: its text follows
    // the zoom, and it moves off the menu and the row again.
    if (watched == &window_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
        hintWindow_->isVisible()) {
        hintWindow_->setZoom(window_.zoom());
        placeHintWindow(false);
    }
    return QObject::eventFilter(watched, event);
}

void HintController::addMenu(QMenuBar* bar) {
    QMenu* hilfe = bar->addMenu(QCoreApplication::translate("HintWindow", "&Hilfe"));
    hilfe->setObjectName("mHilfe");
    tip_ = hilfe->addAction(QCoreApplication::translate("HintWindow", "&Tipp"));
    tip_->setObjectName("mTipp");
    tip_->setShortcut(QKeySequence(Qt::Key_F1));
    usageAction_ = hilfe->addAction(QCoreApplication::translate("HintWindow", "&Wie geht das?"));
    usageAction_->setObjectName("mWieGehtDas");
    readAloud_ = new ReadAloudMenu(window_, hilfe);
    connect(tip_, &QAction::triggered, this, &HintController::giveHint);
    connect(usageAction_, &QAction::triggered, this, &HintController::showUsage);
}

void HintController::giveHint() {
    const int used = window_.sheet().hintsUsed();
    const Hint now = window_.sheet().askForHint();
    if (!hintWindow_->isVisible()) {
        hintWindow_->setZoom(window_.zoom());
        placeHintWindow(true);
        hintWindow_->show();
    }
    refresh();
    // Read aloud from the sheet's own notice: one inside the hint window
    // would have the screen reader say the whole window first.
    window_.announce(
        toQString(spokenHint(window_.form(), now, window_.sheet().hintsUsed() > used)));
}

void HintController::refresh() {
    const Hint hint = window_.sheet().shownHint();
    std::vector<QWidget*> targets;
    for (ControlId id : hint.outline) {
        if (QWidget* w = window_.widget(id)) {
            targets.push_back(w);
        }
    }
    overlay_->setTargets(targets);
    if (hintWindow_->isVisible()) {
        hintWindow_->showHint(hint, window_.sheet().hintsUsed(),
                              toQString(outlinedCells(window_.form(), hint)));
        placeHintWindow(false);
    }
}

void HintController::showUsage() {
    if (!usage_) {
        usage_ = new QDialog(&window_);
        usage_->setObjectName("usagePage");
        usage_->setWindowTitle(QCoreApplication::translate("HintWindow", "Wie geht das?"));
        auto* layout = new QVBoxLayout(usage_);
        auto* text = new QLabel(QCoreApplication::translate("HintWindow", kUsagePage), usage_);
        text->setObjectName("usageText");
        text->setWordWrap(true);
        text->setTextFormat(Qt::RichText);
        text->setFixedWidth(440);
        layout->addWidget(text);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, usage_);
        connect(buttons, &QDialogButtonBox::rejected, usage_, &QDialog::close);
        layout->addWidget(buttons);
    }
    usage_->show();
    usage_->raise();
    usage_->activateWindow();
}

namespace {

ScreenRect screenRect(const QRect& r) {
    return {r.left(), r.top(), r.width(), r.height()};
}

} // namespace

HintPlaceInput HintController::placeInput() const {
    HintPlaceInput in;
    const QScreen* screen = window_.screen();
    in.screen = screenRect(screen ? screen->availableGeometry() : QRect(0, 0, 1 << 20, 1 << 20));
    const QRect frame = window_.frameGeometry();
    in.window = screenRect(frame);
    const QWidget* bar = window_.menuBar();
    in.menu = screenRect(QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size()));
    // The row being worked: the framed cells, else the control with the
    // focus; with the row above it, which holds the number it works on.
    QRect row;
    for (QWidget* w : overlay_->targets()) {
        row = row.united(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
    }
    if (QWidget* focus = window_.focusWidget(); row.isEmpty() && focus && focus != &window_) {
        row = QRect(focus->mapToGlobal(QPoint(0, 0)), focus->size());
    }
    if (!row.isEmpty()) {
        in.row = screenRect(
            QRect(frame.left(), row.top() - row.height(), frame.width(), 2 * row.height()));
    }
    // The frame's size is known once the window is shown; before, a title bar
    // is assumed.
    hintWindow_->adjustSize();
    const QSize extra = hintWindow_->isVisible()
                            ? hintWindow_->frameGeometry().size() - hintWindow_->size()
                            : QSize(0, 32);
    in.width = hintWindow_->width() + extra.width();
    in.height = hintWindow_->height() + extra.height();
    return in;
}

void HintController::placeHintWindow(bool always) {
    const HintPlaceInput in = placeInput();
    // A hint window that is already out of the way stays where it is.
    if (!always && hintPlaceFree(in, screenRect(hintWindow_->frameGeometry()))) {
        return;
    }
    const ScreenRect at = zifferon::placeHintWindow(in);
    hintWindow_->move(at.left, at.top);
}

} // namespace zifferon
