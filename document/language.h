// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// The languages of the program's texts: English, in the sources, and the
// translations built into the program (translations/korvane_*.ts).

// A language the program offers: its code ("pt_BR") and its name in itself
// ("Português (Brasil)").
struct Language
{
    QString code;
    QString name;
};

// English first, then every translation.
QList<Language> Languages();

// The language --lang names in arguments ("--lang es" or "--lang=es"; the
// last one when several do), found before any parser reads them; empty
// when there is none.
QString LanguageArgument(const QStringList& arguments);

// Installs the texts of choice in the application (which must exist): the
// program's translation, Qt's own (qtbase) for the same language, and the
// plain code's Translated. choice is a code ("pt_BR", "es", "es_MX" ...),
// "en", or empty (or "system") for the system's languages in order of
// preference; a language the program does not speak is English, silently.
// Returns the code of the language in use ("en", "pt_BR", "es"). Call it
// once, at start.
QString UseLanguage(const QString& choice);
