// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The folder a file dialog was last used in, kept between runs (QSettings):
// every file dialog of the program starts there.

#include <QString>

namespace zifferon {

// The program's settings file, the same whatever the running program is
// called: QSettings settings(kSettingsOrganisation, kSettingsApplication).
inline const QString kSettingsOrganisation = QStringLiteral("Zifferon");
inline const QString kSettingsApplication = QStringLiteral("zifferon");

// The folder used last if it still exists, else `fallback`.
QString recentFolder(const QString& fallback);
// `name` in the folder used last (or in `fallback`).
QString inRecentFolder(const QString& name, const QString& fallback);
// Remembers the folder of a chosen file, or a chosen folder itself.
void rememberFolderOf(const QString& chosenPath);
void rememberFolder(const QString& folder);

} // namespace zifferon
