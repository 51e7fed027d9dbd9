// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/UnsavedWork.h"

namespace zifferon {

std::string unsavedWorkQuestionText(Replacement what) {
    const std::string before = [what] {
        switch (what) {
        case Replacement::NewTask:
            return "Vor der neuen Aufgabe";
        case Replacement::Load:
            return "Vor dem Laden";
        case Replacement::Close:
            break;
        }
        return "Vor dem Beenden";
    }();
    return "Die Rechnung ist nicht gespeichert. " + before + " speichern?";
}

} // namespace zifferon
