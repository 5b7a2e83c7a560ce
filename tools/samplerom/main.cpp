// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane-samplerom [--replace] DIR: writes one synthetic image per detected
// game into DIR, so that every editor can be tried without a real cartridge
// image.

#include "core/apptexts.h"
#include "core/platform/files.h"
#include "core/romfile.h"
#include "tools/samplerom/samples.h"
#include "ui/filenames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <exception>
#include <iostream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    UseBinaryStandardStreams();
    QCoreApplication::setApplicationName(QStringLiteral("korvane-samplerom"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(PackageVersion()));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes one synthetic cartridge image for every game the editor recognises into DIR (made if missing),\n"
        "with plausible values at every editor's offsets and no real game data. Images already there are kept."));
    parser.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("The folder for the images."));
    const QCommandLineOption replace(QStringLiteral("replace"), QStringLiteral("Write over images already there."));
    parser.addOption(replace);
    parser.addHelpOption();
    parser.addVersionOption();
    const bool parsed = parser.parse(QCoreApplication::arguments());
    if (parsed && parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parsed && parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (!parsed || parser.positionalArguments().size() != 1) {
        std::cerr << "korvane-samplerom: " << (parsed ? std::string("give one folder") : parser.errorText().toStdString())
                  << "\nTry 'korvane-samplerom --help'.\n";
        return 2;
    }
    const std::string dir = CorePath(parser.positionalArguments().first());
    try {
        if (const int error = MakeFolders(dir); error != 0)
            throw std::runtime_error("cannot make " + dir + ": " + SystemErrorText(error));
        for (const std::string& path : WriteSampleImages(dir, parser.isSet(replace)))
            std::cout << path << '\n';
    } catch (const std::exception& e) {
        std::cerr << "korvane-samplerom: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
