// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The language the program speaks: German, the source language, or one of
// the translations built into the program (":/i18n/zifferon_<code>.qm", one
// per .ts file in translations/). The choice of "Ansicht → Sprache" is kept
// between runs; without one the desktop's language is taken when there is a
// translation for it. A language is installed once, before any window or
// sentence is made, so a new choice holds from the next start.

#include <QMenu>
#include <QString>
#include <QStringList>

namespace zifferon {

// The language codes there are translations for, German ("de") first.
QStringList availableLanguages();

// The language to speak: the kept choice if it is available, else the first
// of the desktop's languages (QLocale::uiLanguages, "en-GB" taken as "en")
// that is, else German. An empty choice stands for the desktop's language.
QString pickLanguage(const QString& kept, const QStringList& desktop, const QStringList& available);

// The kept choice ("" for the desktop's language) and its keeping.
QString keptLanguage();
void keepLanguage(const QString& code);

// Installs the language for the widgets, Qt's own dialogs and the rules'
// sentences; returns its code.
QString installLanguage(const QString& code);

// The program's name in the installed language.
QString programName();

// Fills the menu "Sprache": the desktop's language and each available one by
// its own name, the kept choice checked; a choice is kept for the next start.
void fillLanguageMenu(QMenu* menu);

} // namespace zifferon
