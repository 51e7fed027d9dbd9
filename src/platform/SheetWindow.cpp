// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SheetWindow.h"

#include "overview/ClassOverview.h"
#include "platform/ClassOverviewWindow.h"
#include "platform/HandoutDialog.h"
#include "platform/HintWindow.h"
#include "platform/QtKeyCodes.h"
#include "platform/QtTaskFileServices.h"
#include "platform/RecentFolder.h"
#include "platform/ScreenReaderNotice.h"
#include "platform/SheetPrinter.h"
#include "platform/SheetWidgets.h"
#include "sheet/ControlNames.h"
#include "sheet/Layout.h"
#include "taskfile/TaskFileCommands.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace zifferon {

namespace {

int packId(ControlId id) {
    return static_cast<int>(id.kind) * 64 + id.index;
}

QString toQString(const Text& text) {
    return QString::fromStdU32String(text);
}

QString controlName(ControlId id) {
    static const char* const names[] = {
        "",           "Text1",      "Text2",      "Command1",   "Command2",
        "Label1",     "Label2",     "Label4",     "Label3",     "Label5",
        "info",       "fehler",     "dividend",   "divisor",    "resultat",
        "kontrolle1", "kontrolle2", "kontrolle3", "kontrolle4", "kontrolle5",
        "kontrolle6", "kontrolle7", "kontrolle8", "kontrolle9", "kontrolle10",
    };
    const QString base = QString::fromLatin1(names[static_cast<int>(id.kind)]);
    return arraySize(id.kind) > 1 || id.kind == Kind::Label3 ? base + QString("_%1").arg(id.index)
                                                             : base;
}

// The question before unsaved work is replaced, over the window.
class QtUnsavedWorkQuestion final : public UnsavedWorkQuestion {
  public:
    explicit QtUnsavedWorkQuestion(QWidget* parent) : parent_(parent) {}
    UnsavedWorkAnswer ask(const std::string& text) override {
        QMessageBox question(
            QMessageBox::Question, toQString(Text(texts::Caption)), QString::fromStdString(text),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
        question.setObjectName("unsavedWorkQuestion");
        // S and V answer from the keyboard, Esc cancels.
        question.button(QMessageBox::Save)->setText(QStringLiteral("&Speichern"));
        question.button(QMessageBox::Discard)->setText(QStringLiteral("&Verwerfen"));
        question.button(QMessageBox::Cancel)->setText(QStringLiteral("Abbrechen"));
        question.setDefaultButton(QMessageBox::Save);
        question.setEscapeButton(QMessageBox::Cancel);
        switch (question.exec()) {
        case QMessageBox::Save:
            return UnsavedWorkAnswer::Save;
        case QMessageBox::Discard:
            return UnsavedWorkAnswer::Discard;
        default:
            return UnsavedWorkAnswer::Cancel;
        }
    }

  private:
    QWidget* parent_;
};

} // namespace

SheetWindow::SheetWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services), sheet_(services.random) {
    if (!services_.taskFiles) {
        qtTaskFiles_ = std::make_unique<QtTaskFileServices>(this);
        services_.taskFiles = &qtTaskFiles_->services();
    }
    if (!services_.pdfDialog) {
        ownPdfDialog_ = std::make_unique<QtPdfSaveDialog>(this);
        services_.pdfDialog = ownPdfDialog_.get();
    }
    if (!services_.messages) {
        ownMessages_ = std::make_unique<QtMessageSink>(this);
        services_.messages = ownMessages_.get();
    }
    unsavedWorkQuestion_ = std::make_unique<QtUnsavedWorkQuestion>(this);
    sheet_.setUnsavedWorkGuard(unsavedWorkQuestion_.get(), services_.taskFiles);
    setWindowTitle(toQString(Text(texts::Caption)));

    page_ = new SheetPage(this);
    // Locked digits stay legible on a projector: a darker grey than the
    // usual disabled text, still set apart from the digits being written (a
    // lighter one on the dark cells of a high-contrast palette).
    QPalette pagePalette = page_->palette();
    const bool darkCells = pagePalette.color(QPalette::Disabled, QPalette::Base).lightness() < 128;
    pagePalette.setColor(QPalette::Disabled, QPalette::Text,
                         darkCells ? QColor(200, 200, 200) : QColor(90, 90, 90));
    page_->setPalette(pagePalette);
    setCentralWidget(page_);
    notice_ = new ScreenReaderNotice(this);
    // The font first: widgets made afterwards take it at once instead of
    // laying their text out again.
    applyFonts();
    buildControls();
    buildMenu();
    applyGeometry();
    // A fixed sheet: the window takes exactly the size of the client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connectFocusTracking();

    Form_Load(form(), QCoreApplication::applicationFilePath().toStdString());
    mirror();
}

SheetWindow::~SheetWindow() {
    sheet_.setUnsavedWorkGuard(nullptr, nullptr);
}

void SheetWindow::buildControls() {
    for (ControlId id : allControls()) {
        QWidget* w = nullptr;
        if (isTextBox(id.kind)) {
            auto* edit = new CellEdit(page_);
            edit->setAlignment(isCell(id.kind) ? Qt::AlignCenter : Qt::AlignLeft);
            if (isCell(id.kind)) {
                edit->setTextMargins(0, 0, 0, 0);
            }
            edit->selectOnArrival = id.kind == Kind::Resultat || isKontrolle(id.kind);
            if (id.kind == Kind::Text1) {
                edit->setMaxLength(static_cast<int>(Form1::kText1MaxLength));
            } else if (id.kind == Kind::Text2) {
                edit->setMaxLength(static_cast<int>(Form1::kText2MaxLength));
            }
            // The key's handler runs first; the widgets follow the model only
            // once the key's own character has landed in this cell (afterKey):
            // moving the focus earlier would drop the cell's selection.
            edit->onKeyDown = [this, id](QKeyEvent* e) { sheet_.keyDown(id, virtualKeyCode(*e)); };
            edit->afterKey = [this] { handle([](Worksheet& sheet) { sheet.keyDone(); }); };
            connect(edit, &QLineEdit::textEdited, this, [this, id](const QString& text) {
                sheet_.edited(id, text.toStdU32String());
                // The box shows at once what the change rule left of the edit
                // (or its old text, for an edit refused); the rest of the
                // window follows after the key, or right now for a paste.
                mirrorText(id);
                if (!sheet_.keyInProgress()) {
                    mirror();
                }
            });
            w = edit;
        } else if (isButton(id.kind)) {
            auto* button = new SheetButton(page_);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this,
                    [this, id] { handle([id](Worksheet& sheet) { sheet.click(id); }); });
            w = button;
        } else if (isLabel(id.kind)) {
            auto* label = new ClickableLabel(page_);
            label->setAlignment(id.kind == Kind::Label4 ? Qt::AlignCenter
                                                        : Qt::AlignLeft | Qt::AlignVCenter);
            if (id.kind == Kind::Info || id.kind == Kind::Label3) {
                label->setCursor(Qt::PointingHandCursor);
                connect(label, &ClickableLabel::clicked, this,
                        [this, id] { handle([id](Worksheet& sheet) { sheet.click(id); }); });
            }
            // The reason a task is refused may take a few lines.
            label->setWordWrap(id.kind == Kind::Label5);
            w = label;
        }
        if (w) {
            w->setObjectName(controlName(id));
            widgets_[packId(id)] = w;
        }
    }
    // Tab follows the window's tab order; disabled cells are skipped by Qt.
    const auto& order = tabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(widget(order[i - 1]), widget(order[i]));
    }
}

void SheetWindow::buildMenu() {
    QMenu* datei = menuBar()->addMenu(toQString(Text(texts::MenuDatei)));
    datei->setObjectName("mDatei");
    loadAction_ = datei->addAction(toQString(Text(texts::MenuLaden)));
    loadAction_->setObjectName("mLaden");
    loadAction_->setShortcut(QKeySequence::Open);
    saveAction_ = datei->addAction(toQString(Text(texts::MenuSpeichern)));
    saveAction_->setObjectName("mSpeichern");
    saveAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveAsAction_ = datei->addAction(QString::fromUtf8("Speichern &unter ..."));
    saveAsAction_->setObjectName("mSpeichernUnter");
    saveAsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(loadAction_, &QAction::triggered, this, &SheetWindow::loadTaskFile);
    connect(saveAction_, &QAction::triggered, this, &SheetWindow::saveTaskFile);
    connect(saveAsAction_, &QAction::triggered, this,
            [this] { handle([this](Worksheet& sheet) { sheet.saveAs(*services_.taskFiles); }); });
    datei->addSeparator();
    printAction_ = datei->addAction(QStringLiteral("&Drucken ..."));
    printAction_->setObjectName("mDrucken");
    printAction_->setShortcut(QKeySequence::Print);
    connect(printAction_, &QAction::triggered, this, &SheetWindow::printSheet);
    pdfAction_ = datei->addAction(QStringLiteral("Als &PDF exportieren ..."));
    pdfAction_->setObjectName("mPdf");
    connect(pdfAction_, &QAction::triggered, this, &SheetWindow::exportPdf);
    datei->addSeparator();
    // The classroom's tools.
    QAction* handout = datei->addAction(QStringLiteral("&Arbeitsblatt erstellen ..."));
    handout->setObjectName("mArbeitsblatt");
    connect(handout, &QAction::triggered, this, [this] {
        createHandout(this, form(), *services_.pdfDialog, *services_.messages, sheet_.taskKind());
    });
    datei->addSeparator();
    overviewAction_ = datei->addAction(QString::fromUtf8("&Klassen\u00FCbersicht ..."));
    overviewAction_->setObjectName("mKlassenuebersicht");
    connect(overviewAction_, &QAction::triggered, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(
            this, QString::fromUtf8("Ordner der Klasse w\u00E4hlen"),
            recentFolder(
                QString::fromStdString(taskFileStartFolder(form(), services_.taskFiles->storage))));
        if (!folder.isEmpty()) {
            rememberFolder(folder);
            openClassOverview(folder);
        }
    });
    datei->addSeparator();
    quitAction_ = datei->addAction(QStringLiteral("&Beenden"));
    quitAction_->setObjectName("mBeenden");
    quitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    // As the window's close button: the question about unsaved work first.
    connect(quitAction_, &QAction::triggered, this, &QWidget::close);

    // The kind of task "nächste Aufgabe" draws: a menu of its own keeps the
    // sheet as it is. Each start begins with "gemischt": the sheet does not
    // show the kind, so a remembered one would surprise the next pupil.
    QMenu* kinds = menuBar()->addMenu(QStringLiteral("Aufgabenar&t"));
    kinds->setObjectName("mAufgabenart");
    auto* kindGroup = new QActionGroup(this);
    for (TaskKind kind : kAllTaskKinds) {
        QAction* a = kinds->addAction(QString::fromUtf8(taskKindName(kind)));
        a->setObjectName(QStringLiteral("mArt-%1").arg(QString::fromUtf8(taskKindKey(kind))));
        a->setCheckable(true);
        a->setChecked(kind == sheet_.taskKind());
        kindGroup->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, kind] { handle([kind](Worksheet& sheet) { sheet.setTaskKind(kind); }); });
    }

    QMenu* ansicht = menuBar()->addMenu(QString::fromUtf8("&Ansicht"));
    ansicht->setObjectName("mAnsicht");
    zoomInAction_ = ansicht->addAction(QString::fromUtf8("Ver&größern"));
    zoomInAction_->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(zoomInAction_, &QAction::triggered, this, [this] { stepZoom(+1); });
    zoomOutAction_ = ansicht->addAction(QString::fromUtf8("Ver&kleinern"));
    zoomOutAction_->setShortcut(QKeySequence::ZoomOut);
    connect(zoomOutAction_, &QAction::triggered, this, [this] { stepZoom(-1); });
    QAction* zoomReset = ansicht->addAction(QString::fromUtf8("&Originalgröße"));
    zoomReset->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(zoomReset, &QAction::triggered, this, [this] { setZoom(1.0); });
    // Every step by name; those that would not fit the screen are disabled.
    ansicht->addSeparator();
    auto* steps = new QActionGroup(this);
    for (double step : kZoomSteps) {
        QAction* a = ansicht->addAction(QString("%1 %").arg(std::lround(step * 100)));
        a->setCheckable(true);
        a->setChecked(step == zoom_);
        steps->addAction(a);
        connect(a, &QAction::triggered, this, [this, step] { setZoom(step); });
        zoomStepActions_.push_back(a);
    }

    hints_ = new HintController(*this, page_);
    hints_->addMenu(menuBar());
}

void SheetWindow::setZoom(double zoom) {
    zoom = std::clamp(zoom, kZoomSteps.front(), kZoomSteps.back());
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    applyFonts();
    applyGeometry();
    adjustSize();
    updateZoomChoices();
}

QSize SheetWindow::nonScalingSize() const {
    // Menu bar and window frame; before the window manager framed the window
    // its frame is not known yet, so a title bar's height is assumed.
    QSize extra = frameGeometry().size() - page_->size();
    if (frameGeometry() == geometry()) {
        extra += QSize(0, 32);
    }
    return extra;
}

bool SheetWindow::zoomFitsScreen(double zoom) const {
    const QScreen* s = screen();
    if (!s) {
        return true;
    }
    const QRect room = s->availableGeometry();
    const QSize extra = nonScalingSize();
    return zoomFits(zoom, room.width(), room.height(), extra.width(), extra.height());
}

void SheetWindow::fitZoomToScreen() {
    const QScreen* s = screen();
    if (s && !zoomFitsScreen(zoom_)) {
        const QSize extra = nonScalingSize();
        const QRect room = s->availableGeometry();
        setZoom(largestFittingZoom(room.width(), room.height(), extra.width(), extra.height()));
    }
    updateZoomChoices();
}

void SheetWindow::updateZoomChoices() {
    for (std::size_t i = 0; i < zoomStepActions_.size(); ++i) {
        zoomStepActions_[i]->setEnabled(zoomFitsScreen(kZoomSteps[i]));
        zoomStepActions_[i]->setChecked(kZoomSteps[i] == zoom_);
    }
    if (zoomInAction_) {
        const auto next = std::find_if(kZoomSteps.begin(), kZoomSteps.end(),
                                       [this](double step) { return step > zoom_ + 1e-9; });
        zoomInAction_->setEnabled(next != kZoomSteps.end() && zoomFitsScreen(*next));
        zoomOutAction_->setEnabled(zoom_ > kZoomSteps.front() + 1e-9);
    }
}

void SheetWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The focused control shows its focus frame from the start, not only
    // after the first Tab.
    setAttribute(Qt::WA_KeyboardFocusChange);
    if (QWindow* w = windowHandle(); w && !screenWatched_) {
        screenWatched_ = true;
        connect(w, &QWindow::screenChanged, this, &SheetWindow::watchScreen);
        watchScreen(w->screen());
    }
    fitZoomToScreen();
}

void SheetWindow::watchScreen(QScreen* s) {
    // A move to another screen, or a panel that takes room: a zoom that no
    // longer fits falls back to the largest one that does.
    disconnect(screenConnection_);
    if (s) {
        screenConnection_ =
            connect(s, &QScreen::availableGeometryChanged, this, &SheetWindow::fitZoomToScreen);
    }
    fitZoomToScreen();
}

void SheetWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    handle([&mayClose](Worksheet& sheet) { mayClose = sheet.mayReplace(Replacement::Close); });
    if (mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool SheetWindow::focusNextPrevChild(bool next) {
    // Tab asks the sheet before the focus moves: a move the sheet would undo
    // at once (a blank quotient cell pulls the focus back) would otherwise be
    // two focus changes of one key, and a screen reader hears of both.
    QWidget* from = QApplication::focusWidget();
    const ControlId fromId = controlOf(from);
    const ControlId id = form().nextInTabOrder(fromId, next);
    if (fromId.kind == Kind::None || id.kind == Kind::None || id == fromId) {
        return QMainWindow::focusNextPrevChild(next);
    }
    handle([id](Worksheet& sheet) { sheet.focusChanged(id); });
    // Tab selects the text of the box it leads to, as in any Qt window.
    auto* box = qobject_cast<CellEdit*>(QApplication::focusWidget());
    if (box && box != from && !box->hasSelectedText()) {
        box->selectAll();
    }
    return true;
}

void SheetWindow::openFile(const std::string& path) {
    // The path stays bytes: a name that is not UTF-8 is opened as it is.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    const std::string absolute = ec ? path : full.string();
    ChosenFile chosen(absolute);
    const TaskFileServices services{chosen, services_.taskFiles->storage,
                                    services_.taskFiles->messages};
    handle([&services](Worksheet& sheet) { sheet.load(services); });
}

ClassOverviewWindow* SheetWindow::openClassOverview(const QString& folder) {
    ClassOverview overview = readClassFolder(QFile::encodeName(folder).toStdString());
    if (!overview.ok) {
        services_.messages->showError("Klassen\u00FCbersicht", overview.error);
        return nullptr;
    }
    auto* window =
        new ClassOverviewWindow(folder, std::move(overview.rows), *services_.messages, this);
    connect(window, &ClassOverviewWindow::practiceRequested, this,
            [this, window](MistakeKind kind) {
                createHandout(window, form(), *services_.pdfDialog, *services_.messages,
                              practiceKindFor(kind));
            });
    connect(window, &ClassOverviewWindow::openRequested, this, [this](const QByteArray& path) {
        openFile(path.toStdString());
        raise();
        activateWindow();
    });
    window->show();
    return window;
}

void SheetWindow::stepZoom(int direction) {
    // The next step above (or below) the current zoom.
    double target = zoom_;
    if (direction > 0) {
        for (double step : kZoomSteps) {
            if (step > zoom_ + 1e-9) {
                target = step;
                break;
            }
        }
    } else {
        for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it) {
            if (*it < zoom_ - 1e-9) {
                target = *it;
                break;
            }
        }
    }
    setZoom(target);
}

void SheetWindow::connectFocusTracking() {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* /*old*/, QWidget* now) { onFocusChanged(now); });
}

int SheetWindow::toPixels(int twips) const {
    return static_cast<int>(std::lround(twips * zoom_ / kTwipsPerPixel));
}

void SheetWindow::applyGeometry() {
    page_->setFixedSize(toPixels(kClientWidth), toPixels(kClientHeight));
    page_->setZoom(zoom_);
    for (ControlId id : allControls()) {
        const Geometry g = zifferon::geometry(id);
        if (QWidget* w = widget(id)) {
            w->setGeometry(toPixels(g.left), toPixels(g.top), toPixels(g.width),
                           toPixels(g.height));
        }
    }
}

void SheetWindow::applyFonts() {
    // The sheet's font: the desktop's sans in bold, 8.25 point, scaled with
    // the zoom. Looking up another family would cost a fontconfig search at
    // every start.
    QFont font = QApplication::font();
    font.setPointSizeF(8.25 * zoom_);
    font.setBold(true);
    page_->setFont(font);
}

QWidget* SheetWindow::widget(ControlId id) const {
    auto it = widgets_.find(packId(id));
    return it == widgets_.end() ? nullptr : it->second;
}

QLineEdit* SheetWindow::cell(ControlId id) const {
    return qobject_cast<QLineEdit*>(widget(id));
}

QLabel* SheetWindow::label(ControlId id) const {
    return qobject_cast<QLabel*>(widget(id));
}

QPushButton* SheetWindow::button(ControlId id) const {
    return qobject_cast<QPushButton*>(widget(id));
}

ControlId SheetWindow::controlOf(const QWidget* w) const {
    for (const auto& [packed, widget] : widgets_) {
        if (widget == w) {
            return ControlId{static_cast<Kind>(packed / 64), packed % 64};
        }
    }
    return ControlId{};
}

void SheetWindow::onFocusChanged(QWidget* now) {
    if (mirroring_ || !now) {
        return;
    }
    const ControlId id = controlOf(now);
    if (id.kind != Kind::None) {
        handle([id](Worksheet& sheet) { sheet.focusChanged(id); });
    }
}

void SheetWindow::mirrorText(ControlId id) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget(id))) {
        const QString text = toQString(form().text(id));
        if (edit->text() != text) {
            edit->setText(text);
        }
    }
}

void SheetWindow::mirrorState(ControlId id) {
    QWidget* w = widget(id);
    if (!w) {
        return;
    }
    const Form1& f = form();
    const QString name = toQString(zifferon::accessibleName(f, id));
    if (w->accessibleName() != name) {
        w->setAccessibleName(name);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (id.kind == Kind::Resultat || isKontrolle(id.kind)) {
            if (edit->isReadOnly() == f.enabled(id)) {
                showLocked(edit, !f.enabled(id));
            }
        } else if (edit->isEnabled() != f.enabled(id)) {
            edit->setEnabled(f.enabled(id));
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString caption = toQString(f.caption(id));
        if (label->text() != caption) {
            label->setText(caption);
        }
        const QString tip = toQString(shownToolTip(f, id));
        if (label->toolTip() != tip) {
            label->setToolTip(tip);
        }
        if (id.kind == Kind::Info && label->accessibleDescription() != tip) {
            label->setAccessibleDescription(tip);
        }
        const auto background = f.background(id);
        const bool fill = background.has_value();
        QPalette palette = label->palette();
        const QColor colour = fill ? QColor(background->r, background->g, background->b)
                                   : page_->palette().color(QPalette::Window);
        // A caption on a verdict's light colour stays black, also when the
        // desktop's palette writes light text on dark.
        const QColor ink = fill ? QColor(Qt::black) : page_->palette().color(QPalette::WindowText);
        if (label->autoFillBackground() != fill || palette.color(QPalette::Window) != colour ||
            palette.color(QPalette::WindowText) != ink) {
            palette.setColor(QPalette::Window, colour);
            palette.setColor(QPalette::WindowText, ink);
            label->setPalette(palette);
            label->setAutoFillBackground(fill);
        }
        if (label->isVisibleTo(page_) != f.visible(id)) {
            label->setVisible(f.visible(id));
        }
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        const QString caption = toQString(f.caption(id));
        if (button->text() != caption) {
            button->setText(caption);
        }
    }
}

void SheetWindow::showLocked(QLineEdit* cell, bool locked) {
    // A disabled widget would lose the focus, and the pupil's next key would
    // land wherever the tab chain leads. A locked cell is read-only instead:
    // it keeps the focus it has, takes none by click or Tab, and looks as
    // a disabled cell does.
    cell->setReadOnly(locked);
    cell->setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
    if (locked) {
        const QPalette& page = page_->palette();
        QPalette look;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            for (QPalette::ColorRole role : {QPalette::Text, QPalette::Base}) {
                look.setColor(group, role, page.color(QPalette::Disabled, role));
            }
        }
        cell->setPalette(look);
    } else {
        cell->setPalette(QPalette());
    }
}

void SheetWindow::announce(const QString& text) {
    if (!text.isEmpty()) {
        notice_->say(text);
    }
}

void SheetWindow::mirror() {
    const Form1& f = form();
    // A verdict or the end of the task is spoken once the key that brought it
    // is done, whether or not its last part changed the sheet.
    const QString news = sheet_.keyInProgress() ? QString() : toQString(sheet_.takeNews());
    if (f.revision() == mirroredRevision_) {
        announce(news);
        // A save changes no control, only the caption.
        mirrorCaption();
        return;
    }
    mirroring_ = true;
    for (ControlId id : allControls()) {
        mirrorState(id);
    }
    // The verdict first, then the place the focus moves to. The cells' texts
    // come after the focus: a text written into the cell about to take the
    // focus moves its caret, and a screen reader that hears of the caret
    // before the focus takes the move as done and does not say it.
    announce(news);
    QWidget* moved = nullptr;
    if (QWidget* target = widget(f.focus())) {
        if (QApplication::focusWidget() != target) {
            target->setFocus(Qt::OtherFocusReason);
            moved = target;
        }
    }
    for (ControlId id : allControls()) {
        mirrorText(id);
    }
    if (auto* cell = qobject_cast<CellEdit*>(moved)) {
        cell->selectArrived();
    }
    mirroring_ = false;
    mirroredRevision_ = f.revision();
    mirrorCaption();
    if (hints_) {
        hints_->refresh();
    }
}

void SheetWindow::mirrorCaption() {
    // "Anna.AUF – Schriftliche Zifferon", with the desktop's mark for unsaved
    // work; a new sheet shows the program's name alone.
    const QString path = QString::fromStdString(sheet_.filePath());
    if (windowFilePath() != path || (path.isEmpty() && windowTitle().contains("[*]"))) {
        const QString caption = toQString(Text(texts::Caption));
        setWindowFilePath(path);
        setWindowTitle(path.isEmpty() ? caption
                                      : QFileInfo(path).fileName() + "[*] \u2013 " + caption);
    }
    setWindowModified(!path.isEmpty() && sheet_.hasUnsavedWork());
}

void SheetWindow::loadTaskFile() {
    handle([this](Worksheet& sheet) { sheet.load(*services_.taskFiles); });
}

void SheetWindow::saveTaskFile() {
    handle([this](Worksheet& sheet) { sheet.save(*services_.taskFiles); });
}

void SheetWindow::handle(const std::function<void(Worksheet&)>& event) {
    event(sheet_);
    mirror();
}

void SheetWindow::printSheet() {
    QPrinter printer(QPrinter::HighResolution);
    // The job's name; the print dialog also offers it as the file name.
    printer.setDocName(sheetDocumentName(form()));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    QString reason;
    if (!SheetPrinter().print(form(), printer, &reason)) {
        services_.messages->showError(
            kPrintFailedTitle, ("Das Blatt kann nicht gedruckt werden.\n" + reason).toStdString());
    }
}

void SheetWindow::exportPdf() {
    exportSheetAsPdf(form(), *services_.pdfDialog, *services_.messages);
}

} // namespace zifferon
