// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/platform/files.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// --help and --version need no display: a plain application object parses
// the command line first, and one of them ends the program here. A command
// line this parse refuses goes on to the window application, which takes
// out Qt's own options (-platform, -style ...) before StartProgram parses
// what is left and reports the rest.
void answerWithoutDisplay(int& argc, char** argv)
{
    QCoreApplication plain(argc, argv);
    NameApplication();
    const QStringList arguments = QCoreApplication::arguments();
    QCommandLineParser parser;
    AddProgramOptions(parser);
    if (!parser.parse(arguments)
        || !(parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))
             || parser.isSet(QStringLiteral("version"))))
        return;
    // The answer in the program's language, which the settings may name.
    GuardSettingsFile();
    UseProgramLanguage(arguments);
    QCommandLineParser translated;
    AddProgramOptions(translated);
    translated.process(arguments);
}

} // namespace

int main(int argc, char* argv[])
{
    UseBinaryStandardStreams();
    answerWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    NameApplication();
    InitApplication();
    UseProgramLanguage(QApplication::arguments());
    const std::unique_ptr<MainWindow> window = StartProgram(QApplication::arguments());
    return QApplication::exec();
}
