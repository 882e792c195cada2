// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the user's language: its own texts and Qt's (the standard dialogs' buttons, the
// editor's context menu), from the first of the user's languages that the program speaks.
#pragma once

#include <QString>

namespace KoUtils {

// Installs on the running application the translations for the user's languages, in the order
// the desktop gives them (LANGUAGE, then LC_ALL, LC_MESSAGES, LANG). English, the texts' own
// language, needs none, and a language the program has no translation for is passed over.
// Returns the language installed ("de", "fr", ...), empty for English.
QString InstallTranslations();

// The languages the program has translations for, besides English ("de", "es", "fr").
QStringList TranslatedLanguages();

} // namespace KoUtils
