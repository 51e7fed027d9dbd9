// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Runs `act` on the worksheet dialog once the event loop shows it modally;
// any other modal window that comes instead is closed, so a test that opens
// the wrong one fails on its checks instead of hanging.

#include "platform/HandoutDialog.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace zifferon::test {

template <typename Act> void whenHandoutDialog(QObject* context, Act act) {
    QTimer::singleShot(0, context, [act] {
        if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; })) {
            return;
        }
        auto* dialog = qobject_cast<HandoutDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QApplication::activeModalWidget()->close();
            return;
        }
        act(dialog);
    });
}

} // namespace zifferon::test
