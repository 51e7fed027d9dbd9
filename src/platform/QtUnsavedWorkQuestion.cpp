// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/QtUnsavedWorkQuestion.h"
#include "sheet/Catalogue.h"

#include "platform/QtText.h"
#include "sheet/Form1.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zifferon {

UnsavedWorkAnswer QtUnsavedWorkQuestion::ask(const std::string& text) {
    QMessageBox question(QMessageBox::Question, toQString(shownWords(texts::Caption)),
                         QString::fromStdString(text),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    question.setObjectName("unsavedWorkQuestion");
    // S and V answer from the keyboard, Esc cancels.
    question.button(QMessageBox::Save)
        ->setText(QCoreApplication::translate("QtUnsavedWorkQuestion", "&Speichern"));
    question.button(QMessageBox::Discard)
        ->setText(QCoreApplication::translate("QtUnsavedWorkQuestion", "&Verwerfen"));
    question.button(QMessageBox::Cancel)
        ->setText(QCoreApplication::translate("QtUnsavedWorkQuestion", "Abbrechen"));
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

} // namespace zifferon
