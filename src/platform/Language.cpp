// SPDX-FileCopyrightText: 2026 Zifferon developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/Language.h"

#include "platform/RecentFolder.h"
#include "sheet/Catalogue.h"
#include "sheet/Form1.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace zifferon {

namespace {

const QString kKey = QStringLiteral("Ansicht/Sprache");
const QString kFolder = QStringLiteral(":/i18n");

QString translationFile(const QString& code) {
    return kFolder + QStringLiteral("/zifferon_%1.qm").arg(code);
}

// The language's name in itself: the translation's rendering of "Deutsch".
QString ownName(const QString& code) {
    //: The name of this translation's language, in that language ("English").
    static constexpr const char* kOwnName = QT_TRANSLATE_NOOP("Language", "Deutsch");
    QTranslator translator;
    if (code != QLatin1String("de") && translator.load(translationFile(code))) {
        const QString name = translator.translate("Language", kOwnName);
        return name.isEmpty() ? code : name;
    }
    return QString::fromUtf8(kOwnName);
}

} // namespace

QStringList availableLanguages() {
    QStringList codes{QStringLiteral("de")};
    const QStringList files =
        QDir(kFolder).entryList({QStringLiteral("zifferon_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString code = file.mid(9, file.size() - 9 - 3);
        if (!codes.contains(code)) {
            codes << code;
        }
    }
    return codes;
}

QString pickLanguage(const QString& kept, const QStringList& desktop,
                     const QStringList& available) {
    if (!kept.isEmpty() && available.contains(kept)) {
        return kept;
    }
    for (const QString& language : desktop) {
        const QString code = language.section(QLatin1Char('-'), 0, 0).toLower();
        if (available.contains(code)) {
            return code;
        }
    }
    return QStringLiteral("de");
}

QString keptLanguage() {
    return QSettings(kSettingsOrganisation, kSettingsApplication).value(kKey).toString();
}

void keepLanguage(const QString& code) {
    QSettings(kSettingsOrganisation, kSettingsApplication).setValue(kKey, code);
}

QString installLanguage(const QString& code) {
    static QTranslator own;
    static QTranslator qt;
    // Translators go to the application once it exists; before, only the
    // rules' sentences are translated.
    const bool application = QCoreApplication::instance() != nullptr;
    if (application) {
        QCoreApplication::removeTranslator(&own);
        QCoreApplication::removeTranslator(&qt);
    }
    const QLocale locale(code);
    QLocale::setDefault(locale);
    if (application && qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt);
    }
    if (code != QLatin1String("de") && own.load(translationFile(code))) {
        if (application) {
            QCoreApplication::installTranslator(&own);
        }
        // The rules' sentences too; read from the translator itself, so that
        // the command line is answered before any application exists.
        useTranslation([](const char* context, const char* source) {
            return own.translate(context, source).toStdString();
        });
        return code;
    }
    useTranslation(nullptr);
    return QStringLiteral("de");
}

QString programName() {
    return QString::fromStdU32String(shownWords(texts::Caption));
}

void fillLanguageMenu(QMenu* menu) {
    auto* group = new QActionGroup(menu);
    const QString kept = keptLanguage();
    QStringList codes = availableLanguages();
    codes.prepend(QString());
    for (const QString& code : codes) {
        QAction* a = menu->addAction(
            code.isEmpty() ? QCoreApplication::translate("Language", "Sprache des Desktops")
                           : ownName(code));
        a->setObjectName(QStringLiteral("mSprache-%1").arg(code.isEmpty() ? "desktop" : code));
        a->setCheckable(true);
        a->setChecked(code == kept);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, menu, [code] { keepLanguage(code); });
    }
}

} // namespace zifferon
