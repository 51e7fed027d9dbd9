// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Überschlag verlangen" and "Probe verlangen", kept between runs in the
// program's settings (QSettings, keys "check/ueberschlag" and "check/probe";
// the worksheet dialog reads the same keys).

#include "sheet/Form1.h"

#include <QString>

namespace zifferon {

inline const QString kUeberschlagKey = QStringLiteral("check/ueberschlag");
inline const QString kProbeKey = QStringLiteral("check/probe");

// What the user asked for last; neither when nothing was kept.
Form1::CheckDemands keptCheckDemands();
void keepCheckDemands(Form1::CheckDemands demands);

} // namespace zifferon
