// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/UnsavedWork.h"

#include "sheet/Catalogue.h"

namespace zifferon {

std::string unsavedWorkQuestionText(Replacement what) {
    switch (what) {
    case Replacement::NewTask:
        return sayUtf8(Msg::UnsavedBeforeNewTask);
    case Replacement::Load:
        return sayUtf8(Msg::UnsavedBeforeLoad);
    case Replacement::Close:
        break;
    }
    return sayUtf8(Msg::UnsavedBeforeClose);
}

} // namespace zifferon
