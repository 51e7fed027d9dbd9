// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/CheckDemandSettings.h"

#include "platform/RecentFolder.h"

#include <QSettings>

namespace zifferon {

Form1::CheckDemands keptCheckDemands() {
    const QSettings settings(kSettingsOrganisation, kSettingsApplication);
    return {settings.value(kUeberschlagKey, false).toBool(),
            settings.value(kProbeKey, false).toBool()};
}

void keepCheckDemands(Form1::CheckDemands demands) {
    QSettings settings(kSettingsOrganisation, kSettingsApplication);
    settings.setValue(kUeberschlagKey, demands.ueberschlag);
    settings.setValue(kProbeKey, demands.probe);
}

} // namespace zifferon
