// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The widgets follow the model: after each event the window shows what the
// sheet holds (texts, captions, colours, locks, the focus) and says its news.

#include "platform/SheetWindow.h"
#include "sheet/Catalogue.h"

#include "platform/HintWindow.h"
#include "platform/QtText.h"
#include "platform/SheetWidgets.h"
#include "sheet/ControlNames.h"
#include "sheet/Layout.h"

#include <QApplication>
#include <QFileInfo>

namespace zifferon {

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
        if (id.kind == Kind::Resultat || isKontrolle(id.kind) || isCheckBox(id.kind)) {
            if (edit->isReadOnly() == f.enabled(id)) {
                showLocked(edit, !f.enabled(id));
            }
        } else if (edit->isEnabled() != f.enabled(id)) {
            edit->setEnabled(f.enabled(id));
        }
        if (isCheckBox(id.kind) && edit->isVisibleTo(page_) != f.visible(id)) {
            edit->setVisible(f.visible(id));
        }
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        mirrorLabel(label, id);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        const QString caption = toQString(shownWords(f.caption(id)));
        if (button->text() != caption) {
            button->setText(caption);
        }
    }
}

void SheetWindow::mirrorLabel(QLabel* label, ControlId id) {
    const Form1& f = form();
    const QString caption = toQString(shownWords(f.caption(id)));
    if (label->text() != caption) {
        label->setText(caption);
    }
    const QString tip = toQString(shownToolTip(f, id));
    if (label->toolTip() != tip) {
        label->setToolTip(tip);
    }
    if ((id.kind == Kind::Info || id.kind == Kind::Pruefung) &&
        label->accessibleDescription() != tip) {
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

void SheetWindow::mirrorCaption() {
    // "Anna.AUF – Schriftliche Zifferon", with the desktop's mark for unsaved
    // work; a new sheet shows the program's name alone.
    const QString path = QString::fromStdString(sheet_.filePath());
    if (windowFilePath() != path || (path.isEmpty() && windowTitle().contains("[*]"))) {
        const QString caption = toQString(shownWords(texts::Caption));
        setWindowFilePath(path);
        setWindowTitle(path.isEmpty() ? caption
                                      : QFileInfo(path).fileName() + "[*] \u2013 " + caption);
    }
    setWindowModified(!path.isEmpty() && sheet_.hasUnsavedWork());
}

} // namespace zifferon
