// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "session/UnsavedWork.h"

class QWidget;

namespace zifferon {

// The question before unsaved work is replaced, over the window.
class QtUnsavedWorkQuestion final : public UnsavedWorkQuestion {
  public:
    explicit QtUnsavedWorkQuestion(QWidget* parent) : parent_(parent) {}
    UnsavedWorkAnswer ask(const std::string& text) override;

  private:
    QWidget* parent_;
};

} // namespace zifferon
