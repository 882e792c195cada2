// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace KoUtils {

namespace {

const QString kCompiledIn = QStringLiteral(":/i18n");

// "de-CH" -> "de_CH": the form of the translations' file names.
QString FileLanguage(const QString& uiLanguage) {
    QString name = uiLanguage;
    name.replace(u'-', u'_');
    return name;
}

bool IsEnglish(const QString& language) {
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

} // namespace

QStringList TranslatedLanguages() {
    QStringList languages;
    for (const QString& file : QDir(kCompiledIn).entryList({QStringLiteral("nurva_*.qm")})) {
        languages << file.mid(6, file.size() - 6 - 3);
    }
    return languages;
}

QString InstallTranslations() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return {};
    auto own = std::make_unique<QTranslator>(app);
    QString language;
    for (const QString& ui : QLocale::system().uiLanguages()) {
        const QString name = FileLanguage(ui);
        if (IsEnglish(name))
            return {};
        // "nurva_de_CH" falls back to "nurva_de" by itself.
        if (own->load(QStringLiteral("nurva_") + name, kCompiledIn)) {
            language = own->language();
            break;
        }
    }
    if (language.isEmpty())
        return {};
    QCoreApplication::installTranslator(own.release());
    // Qt's own texts, where the system has them in that language (qt6-translations-l10n).
    auto qt = std::make_unique<QTranslator>(app);
    if (qt->load(QStringLiteral("qtbase_") + FileLanguage(language),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt.release());
    return language;
}

} // namespace KoUtils
