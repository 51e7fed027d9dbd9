// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The sheet's widgets: one per control of the layout table, placed and sized
// at the current zoom, and the way back from a widget to its control.

#include "platform/SheetWindow.h"

#include "sheet/ControlNames.h"

#include "platform/QtKeyCodes.h"
#include "platform/SheetWidgets.h"
#include "sheet/Layout.h"

#include <QApplication>
#include <QKeyEvent>

#include <cmath>

namespace zifferon {

namespace {

int packId(ControlId id) {
    return static_cast<int>(id.kind) * 64 + id.index;
}

QString controlName(ControlId id) {
    const std::string_view kind = kindName(id.kind);
    const QString base = QString::fromLatin1(kind.data(), static_cast<qsizetype>(kind.size()));
    return arraySize(id.kind) > 1 || id.kind == Kind::Label3 ? base + QString("_%1").arg(id.index)
                                                             : base;
}

} // namespace

void SheetWindow::buildPage() {
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
}

void SheetWindow::buildControls() {
    for (ControlId id : allControls()) {
        QWidget* w = nullptr;
        if (isTextBox(id.kind)) {
            w = makeTextBox(id);
        } else if (isButton(id.kind)) {
            w = makeButton(id);
        } else if (isLabel(id.kind)) {
            w = makeLabel(id);
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

QWidget* SheetWindow::makeTextBox(ControlId id) {
    auto* edit = new CellEdit(page_);
    edit->setAlignment(isCell(id.kind) ? Qt::AlignCenter : Qt::AlignLeft);
    if (isCell(id.kind)) {
        edit->setTextMargins(0, 0, 0, 0);
    }
    edit->selectOnArrival =
        id.kind == Kind::Resultat || isKontrolle(id.kind) || id.kind == Kind::Stellen;
    if (id.kind == Kind::Text1) {
        edit->setMaxLength(static_cast<int>(Form1::kText1MaxLength));
    } else if (id.kind == Kind::Text2) {
        edit->setMaxLength(static_cast<int>(Form1::kText2MaxLength));
    } else if (isCheckBox(id.kind)) {
        // The count of digits takes a second digit for a moment, so that the
        // sheet can let it replace the first, as in a cell.
        const std::size_t room = checkBoxLength(id.kind) + (id.kind == Kind::Stellen ? 1 : 0);
        edit->setMaxLength(static_cast<int>(room));
        edit->setAlignment(id.kind == Kind::Stellen ? Qt::AlignCenter : Qt::AlignRight);
        edit->setTextMargins(0, 0, 0, 0);
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
    return edit;
}

QWidget* SheetWindow::makeButton(ControlId id) {
    auto* button = new SheetButton(page_);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this,
            [this, id] { handle([id](Worksheet& sheet) { sheet.click(id); }); });
    return button;
}

QWidget* SheetWindow::makeLabel(ControlId id) {
    auto* label = new ClickableLabel(page_);
    label->setAlignment(id.kind == Kind::Label4      ? Qt::AlignCenter
                        : captionLeadsToBox(id.kind) ? Qt::AlignRight | Qt::AlignVCenter
                                                     : Qt::AlignLeft | Qt::AlignVCenter);
    if (id.kind == Kind::Info || id.kind == Kind::Label3 || id.kind == Kind::Pruefung) {
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &ClickableLabel::clicked, this,
                [this, id] { handle([id](Worksheet& sheet) { sheet.click(id); }); });
    }
    // The reason a task is refused may take a few lines.
    label->setWordWrap(id.kind == Kind::Label5);
    return label;
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

void SheetWindow::connectFocusTracking() {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* /*old*/, QWidget* now) { onFocusChanged(now); });
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

} // namespace zifferon
