// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/RecentFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zifferon {

namespace {
const QString kKey = QStringLiteral("Dialoge/zuletztBenutzterOrdner");
}

QString recentFolder(const QString& fallback) {
    const QString folder =
        QSettings(kSettingsOrganisation, kSettingsApplication).value(kKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

QString inRecentFolder(const QString& name, const QString& fallback) {
    return QDir(recentFolder(fallback)).filePath(name);
}

void rememberFolderOf(const QString& chosenPath) {
    if (!chosenPath.isEmpty()) {
        rememberFolder(QFileInfo(chosenPath).absolutePath());
    }
}

void rememberFolder(const QString& folder) {
    if (!folder.isEmpty()) {
        QSettings(kSettingsOrganisation, kSettingsApplication)
            .setValue(kKey, QDir(folder).absolutePath());
    }
}

} // namespace zifferon
