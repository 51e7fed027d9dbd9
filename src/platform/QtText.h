// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sheet's text (UTF-32, as the model keeps it) as Qt shows it.

#include "sheet/Text.h"

#include <QString>

namespace zifferon {

inline QString toQString(const Text& text) {
    return QString::fromStdU32String(text);
}

} // namespace zifferon
