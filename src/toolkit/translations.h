// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace tavelin {

// Puts the game's texts, and Qt's own (OK, Cancel, the command-line help), into the first of
// the user's languages ("de-AT", "pt-BR", …, most wanted first) that the game speaks, for as long
// as it lives. English, and the C locale, keep the source texts. Needs the application object.
class Translations {
public:
    explicit Translations(const QStringList& languages);
    Q_DISABLE_COPY_MOVE(Translations)
    ~Translations() = default;

    // The catalogue's language: "de_DE", "pt_BR", …, or "en" where the texts stay English.
    QString language() const { return game_.language(); }

private:
    bool install(const QLocale& locale);

    QTranslator game_;
    QTranslator qt_;
};

} // namespace tavelin
