// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/windowregistry.h"

#include "app/mainwindow.h"
#include "core/apptexts.h"
#include "core/checksum.h"
#include "core/imagesession.h"
#include "core/platform/files.h"
#include "editors/art/art.h"
#include "editors/demos/p1demosp.h"
#include "editors/demos/p2demosp.h"
#include "editors/disasm/disasm.h"
#include "editors/objects/p2bosses.h"
#include "editors/palette/paledit.h"
#include "editors/text/p1texteditor.h"
#include "editors/text/texteditor.h"
#include "editors/water/p2water.h"
#include "ui/handlers.h"
#include "ui/filenames.h"
#include "ui/savecompletion.h"

#include <QApplication>
#include <QCommandLineParser>
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
        std::cerr << QCoreApplication::applicationName().toStdString() << ": " << CorePath(file)
                  << " is no regular file: the settings of this run are not kept\n";
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
    parser.setApplicationDescription(QStringLiteral("An editor of the values of Mega Drive cartridge images."));
    parser.addPositionalArgument(QStringLiteral("IMAGE"), QStringLiteral("The image to select at start."),
                                 QStringLiteral("[IMAGE]"));
    parser.addHelpOption();
    parser.addVersionOption();
}

std::unique_ptr<TMainFrm> StartProgram(const QStringList& arguments)
{
    QCommandLineParser parser;
    AddProgramOptions(parser);
    parser.process(arguments);
    auto window = std::make_unique<TMainFrm>();
    window->show();
    const QStringList images = parser.positionalArguments();
    if (!images.isEmpty()) {
        TMainFrm* const main = window.get();
        RunHandler([main, &images] { main->selectFile(QFileInfo(images.first()).absoluteFilePath()); });
    }
    return window;
}

std::unique_ptr<QDialog> NewEditor(WindowId id, ImageSession* image, EditorMemory& memory, QWidget* owner)
{
    // The machine-code converter alone needs no image.
    if (id == WindowId::DisasmFrm)
        return std::make_unique<TDisasmFrm>(owner);
    if (!image)
        return nullptr;
    ImageSession& session = *image;
    std::unique_ptr<QDialog> window;
    switch (id) {
    case WindowId::p1demos:
        window = std::make_unique<Tp1demos>(session, owner);
        break;
    case WindowId::p2textz:
        window = std::make_unique<Tp2textz>(session, owner);
        break;
    case WindowId::p2waterf:
        window = std::make_unique<Tp2waterf>(session, owner);
        break;
    case WindowId::p2demos:
        window = std::make_unique<Tp2demos>(session, owner);
        break;
    case WindowId::p2bossesf:
        window = std::make_unique<Tp2bossesf>(session, owner);
        break;
    case WindowId::artf:
        window = std::make_unique<Tartf>(session, owner);
        break;
    case WindowId::p1texteditorf:
        window = std::make_unique<Tp1texteditorf>(owner);
        break;
    case WindowId::palform:
        window = std::make_unique<Tpalform>(session, memory.palette, owner);
        break;
    case WindowId::DisasmFrm:
    case WindowId::None:
        return nullptr;
    }
    ShowReadOnly(window.get(), session);
    return window;
}

void OpenWindow(WindowId id, ImageSession* session, EditorMemory& memory, QWidget* owner)
{
    if (const std::unique_ptr<QDialog> window = NewEditor(id, session, memory, owner))
        window->exec();
}
