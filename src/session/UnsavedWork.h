// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The question before unsaved work is replaced: a new task ("Eingabe"), a
// load (the menu or the class overview) or closing the window. One question
// with three answers, its words following the action.

#include <string>

namespace zifferon {

enum class Replacement { NewTask, Load, Close };

enum class UnsavedWorkAnswer { Save, Discard, Cancel };

class UnsavedWorkQuestion {
  public:
    virtual ~UnsavedWorkQuestion() = default;
    // "Speichern", "Verwerfen" or "Abbrechen" (also for a question closed
    // without an answer).
    virtual UnsavedWorkAnswer ask(const std::string& text) = 0;
};

// The question's text for the action about to replace the sheet.
std::string unsavedWorkQuestionText(Replacement what);

} // namespace zifferon
