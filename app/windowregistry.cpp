// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/windowregistry.h"

#include "app/mainwindow.h"
#include "core/apptexts.h"
#include "core/checksum.h"
#include "core/imagesession.h"
#include "core/platform/files.h"
#include "core/translate.h"
#include "document/language.h"
#include "ui/handlers.h"
#include "ui/filenames.h"
#include "ui/imagesave.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QFileInfo>
#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <iostream>

void InitApplication()
{
    // The forms are laid out for a small sans-serif face of Arial's metrics:
    // Liberation Sans, or Arial itself (Windows), else DejaVu Sans.
    QFont font(QStringLiteral("DejaVu Sans"));
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}) {
        if (installed.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSize(8);
    QApplication::setFont(font);
    IgnoreFileSizeSignal();
    GuardSettingsFile();
}

void GuardSettingsFile()
{
#ifndef Q_OS_WIN
    // Where QSettings looks: the application's file and the organisation's.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QString organization = QCoreApplication::organizationName();
    if (organization.isEmpty())
        organization = QStringLiteral("Unknown Organization");
    for (const QString& file : {folder + QLatin1Char('/') + organization + QLatin1Char('/')
                                    + QCoreApplication::applicationName() + QStringLiteral(".conf"),
                                folder + QLatin1Char('/') + organization + QStringLiteral(".conf")}) {
        const QFileInfo info(file);
        if (!info.exists() || info.isFile())
            continue;
        static QTemporaryDir own;
        std::cerr << Substituted(QCoreApplication::translate(
                                     "Program", "%1: %2 is no regular file: the settings of this run are not kept")
                                     .toStdString(),
                                 {QCoreApplication::applicationName().toStdString(), CorePath(file)})
                  << '\n';
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, own.path());
        return;
    }
#endif
}

void NameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("pelbo-korvane"));
    QCoreApplication::setOrganizationName(QStringLiteral("korvane"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(PackageVersion()));
}

void AddProgramOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("Program", "An editor of the values of Mega Drive cartridge images."));
    parser.addPositionalArgument(QStringLiteral("IMAGE"),
                                 QCoreApplication::translate("Program", "The image to select at start."),
                                 QStringLiteral("[IMAGE]"));
    parser.addOption(QCommandLineOption(
        QStringLiteral("lang"),
        QCoreApplication::translate("Program", "Show the program in LANGUAGE (en, pt_BR, es) for this run."),
        QCoreApplication::translate("Program", "LANGUAGE")));
    parser.addHelpOption();
    parser.addVersionOption();
}

QString LanguageSettingKey()
{
    return QStringLiteral("language");
}

void UseProgramLanguage(const QStringList& arguments)
{
    QString language = LanguageArgument(arguments);
    if (language.isEmpty())
        language = QSettings().value(LanguageSettingKey()).toString();
    UseLanguage(language);
}

std::unique_ptr<MainWindow> StartProgram(const QStringList& arguments)
{
    QCommandLineParser parser;
    AddProgramOptions(parser);
    parser.process(arguments);
    auto window = std::make_unique<MainWindow>();
    window->show();
    const QStringList images = parser.positionalArguments();
    if (!images.isEmpty()) {
        MainWindow* const main = window.get();
        RunHandler([main, &images] { main->selectFile(QFileInfo(images.first()).absoluteFilePath()); });
    }
    return window;
}

std::unique_ptr<QDialog> NewEditor(EditorId id, ImageSession* session, EditorMemory& memory, QWidget* owner)
{
    std::unique_ptr<QDialog> window = NewEditorWindow(id, session, memory, owner);
    if (!window)
        return nullptr;
    // The list's title in the user's language (context EditorList).
    QString title = QCoreApplication::translate("EditorList", InfoOf(id).title);
    if (session)
        title += QStringLiteral(" - ") + QFileInfo(ShownPath(session->path())).fileName();
    window->setWindowTitle(title + QStringLiteral("[*]"));
    if (session)
        ShowReadOnly(window.get(), *session);
    return window;
}

