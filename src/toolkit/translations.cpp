// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tavelin {

// English keeps the source texts and has a catalogue only for its plural forms: where English
// comes first, or no language of the user's has a catalogue, that one is used.
Translations::Translations(const QStringList& languages) {
    for (const QString& name : languages) {
        const QLocale language(name);
        if (language.language() == QLocale::English) {
            break;
        }
        if (install(language)) {
            return;
        }
    }
    install(QLocale(QLocale::English));
}

bool Translations::install(const QLocale& locale) {
    if (!game_.load(locale, QStringLiteral("tavelin"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
        return false;
    }
    QCoreApplication::installTranslator(&game_);
    // Qt's texts in the same language only, never in one the game does not speak.
    if (qt_.load(QLocale(game_.language()), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
    return true;
}

} // namespace tavelin
