// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "document/language.h"
#include "core/translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The program's translations, built from translations/*.ts into the
// resources; korvane_en holds only English plural forms.
const QString kProgramTexts = QStringLiteral(":/i18n");

std::string translateWithQt(const char* context, const char* source, const char* disambiguation, int n)
{
    return QCoreApplication::translate(context, source, disambiguation, n).toStdString();
}

// Loads file_<language> from the first folder that has one into a new
// translator of the application.
bool install(const QString& file, const QLocale& locale, const QStringList& folders)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(locale, file, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
    }
    delete translator;
    return false;
}

} // namespace

QList<Language> Languages()
{
    return {{QStringLiteral("en"), QStringLiteral("English")},
            {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
            {QStringLiteral("es"), QStringLiteral("Español")}};
}

QString LanguageArgument(const QStringList& arguments)
{
    // The last one counts, as with every other option.
    const QString option = QStringLiteral("--lang");
    QString language;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--"))
            break;
        if (argument == option && i + 1 < arguments.size())
            language = arguments[++i];
        else if (argument.startsWith(option + QLatin1Char('=')))
            language = argument.mid(option.size() + 1);
    }
    return language;
}

QString UseLanguage(const QString& choice)
{
    const bool system = choice.isEmpty() || choice == QStringLiteral("system");
    // QLocale reads "pt-BR" and "pt_BR" alike, and a name it does not know
    // as the C locale, which no translation matches.
    const QLocale locale = system ? QLocale::system() : QLocale(choice);
    // The first of the wanted languages that the program speaks: a chosen
    // "es_MX" is Spanish, and "pt_PT" is read in Brazilian Portuguese rather
    // than in English.
    QString language = QStringLiteral("en");
    for (const QString& wanted : locale.uiLanguages()) {
        const QLocale::Language asked = QLocale(wanted).language();
        for (const Language& offered : Languages()) {
            if (QLocale(offered.code).language() == asked)
                language = offered.code;
        }
        if (language != QStringLiteral("en") || asked == QLocale::English)
            break;
    }
    const QLocale chosen(language);
    install(QStringLiteral("korvane"), chosen, {kProgramTexts});
    if (language != QStringLiteral("en")) {
        // Qt's own texts (standard buttons, the file dialog, --help's
        // options): beside the program (Windows) or where Qt keeps them.
        install(QStringLiteral("qtbase"), chosen,
                {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    }
    InstallTranslator(translateWithQt);
    return language;
}
