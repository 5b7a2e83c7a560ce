// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/windowregistry.h"

#include "app/mainwindow.h"
#include "core/apptexts.h"
#include "core/checksum.h"
#include "core/imagesnapshot.h"
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

TMainFrm* MainFrm = nullptr;

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
    SetBeforeWriteHook(BackUpBeforeFirstWrite);
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

void CreateWindows()
{
    MainFrm = new TMainFrm();
    CreateHiddenWindows();
}

void CreateHiddenWindows()
{
    p1demos = new Tp1demos(MainFrm);
    p2textz = new Tp2textz(MainFrm);
    p2waterf = new Tp2waterf(MainFrm);
    p2demos = new Tp2demos(MainFrm);
    p2bossesf = new Tp2bossesf(MainFrm);
    artf = new Tartf(MainFrm);
    p1texteditorf = new Tp1texteditorf(MainFrm);
    DisasmFrm = new TDisasmFrm(MainFrm);
    palform = new Tpalform(MainFrm);
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

void StartProgram(const QStringList& arguments)
{
    QCommandLineParser parser;
    AddProgramOptions(parser);
    parser.process(arguments);
    MainFrm = new TMainFrm();
    // The hidden instances once the main window is painted: its first
    // picture does not wait for them.
    QObject::connect(MainFrm, &TMainFrm::firstPainted, MainFrm, [] { CreateHiddenWindows(); }, Qt::QueuedConnection);
    MainFrm->show();
    const QStringList images = parser.positionalArguments();
    if (!images.isEmpty())
        RunHandler([&images] { MainFrm->selectFile(QFileInfo(images.first()).absoluteFilePath()); });
}

void DestroyWindows()
{
    delete MainFrm;
    MainFrm = nullptr;
    p1demos = nullptr;
    p2textz = nullptr;
    p2waterf = nullptr;
    p2demos = nullptr;
    p2bossesf = nullptr;
    artf = nullptr;
    p1texteditorf = nullptr;
    DisasmFrm = nullptr;
    palform = nullptr;
}

void OpenWindow(WindowId id, QWidget* owner)
{
    switch (id) {
    case WindowId::p1demos:
        OpenEditor(p1demos, owner);
        break;
    case WindowId::p2textz:
        OpenEditor(p2textz, owner);
        break;
    case WindowId::p2waterf:
        OpenEditor(p2waterf, owner);
        break;
    case WindowId::p2demos:
        OpenEditor(p2demos, owner);
        break;
    case WindowId::p2bossesf:
        OpenEditor(p2bossesf, owner);
        break;
    case WindowId::artf:
        OpenEditor(artf, owner);
        break;
    case WindowId::p1texteditorf:
        OpenEditor(p1texteditorf, owner);
        break;
    case WindowId::DisasmFrm:
        OpenEditor(DisasmFrm, owner);
        break;
    case WindowId::palform:
        OpenEditor(palform, owner);
        break;
    case WindowId::None:
        break;
    }
}
