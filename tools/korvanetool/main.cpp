// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane-tool: the editors' values of a cartridge image from the command
// line, through the same models as the windows.

#include "core/apptexts.h"
#include "core/romaccess.h"
#include "core/supportfiles.h"
#include "tools/korvanetool/commands.h"
#include "ui/filenames.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kUsageError = 2;

struct Command
{
    const char* name;
    const char* summary;
    const char* arguments; // the usage line after the command's name
};

const Command kCommands[] = {
    {"info", "Show the game, size, checksum and ROM end of each image.", "IMAGE..."},
    {"fix", "Repair the header checksum and ROM end of each image.", "IMAGE..."},
    {"export", "Write every value the game's editors show as a JSON document.", "IMAGE"},
    {"import", "Check a JSON document whole, then write the values that differ.", "IMAGE FILE"},
    {"diff", "List the values that differ between two images of one game.", "A B"},
    {"locate", "Find where the values of an untouched original lie in a modified image.", "ORIGINAL IMAGE"},
    {"patch", "Create, apply or describe a BPS or IPS patch.",
     "create ORIGINAL CHANGED OUT | apply PATCH ORIGINAL OUT | info PATCH"},
};

QString overview()
{
    QString text = QStringLiteral("The editors' values of Mega Drive cartridge images, as JSON.\n\nCommands:\n");
    for (const Command& c : kCommands)
        text += QStringLiteral("  %1 %2\n      %3\n").arg(QLatin1String(c.name), QLatin1String(c.arguments),
                                                       QLatin1String(c.summary));
    text += QStringLiteral("\nRun 'korvane-tool COMMAND --help' for a command's options.\n"
                           "Exit status: 0 success, 1 refused or failed, 2 wrong usage;\n"
                           "diff: 0 the same values, 1 they differ, 2 trouble;\n"
                           "locate: 0 every value placed, 1 some not, 2 trouble.");
    return text;
}

int usageError(const QString& message, const QString& command = {})
{
    std::cerr << "korvane-tool: " << message.toStdString() << "\nTry 'korvane-tool " << command.toStdString()
              << (command.isEmpty() ? "" : " ") << "--help'.\n";
    return kUsageError;
}

// Help and version on standard output, never in a message box (which Qt
// shows on Windows when the process has no console, as under a script).
int printAndExit(const QString& text)
{
    std::cout << text.toStdString() << std::flush;
    return 0;
}

const Command* commandNamed(const QString& name)
{
    for (const Command& c : kCommands) {
        if (name == QLatin1String(c.name))
            return &c;
    }
    return nullptr;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> raw(argv, argv + argc);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvane-tool"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(PackageVersion()));
    IgnoreFileSizeSignal();
    UseBinaryStandardStreams();
    // The level and palette lists beside the executable.
    SetSupportBase(FindSupportBase(CorePath(QCoreApplication::applicationDirPath()) + "/"));

    // A file name is passed on as given or not at all.
    const QStringList given = QCoreApplication::arguments();
    for (qsizetype i = 1; i < given.size() && i < static_cast<qsizetype>(raw.size()); ++i) {
        if (!ExactArgument(given[i], raw[static_cast<std::size_t>(i)].c_str()))
            return usageError(QStringLiteral("argument %1 is not valid UTF-8, so it cannot be passed on exactly; "
                                             "rename the file")
                                  .arg(i));
    }

    // The command first; its own options are parsed once it is known.
    QCommandLineParser top;
    top.setApplicationDescription(overview());
    top.addPositionalArgument(QStringLiteral("command"), QStringLiteral("info, fix, export, import, diff, locate or patch."),
                              QStringLiteral("COMMAND [ARGUMENTS...]"));
    const QCommandLineOption help = top.addHelpOption();
    const QCommandLineOption version = top.addVersionOption();
    top.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!top.parse(QCoreApplication::arguments()))
        return usageError(top.errorText());
    if (top.isSet(version))
        return printAndExit(QStringLiteral("korvane-tool %1\n").arg(QCoreApplication::applicationVersion()));
    const QStringList rest = top.positionalArguments();
    if (rest.isEmpty()) {
        if (top.isSet(help))
            return printAndExit(top.helpText());
        return usageError(QStringLiteral("no command given"));
    }
    const Command* command = commandNamed(rest.first());
    if (!command)
        return usageError(QStringLiteral("'%1' is no command").arg(rest.first()));
    const QString name = QString::fromLatin1(command->name);

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(command->summary));
    parser.addPositionalArgument(name, QString(), name + QLatin1Char(' ') + QLatin1String(command->arguments));
    parser.addHelpOption();
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the result as JSON."));
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("Exit with 1 when a checksum or ROM end does not match."));
    const QCommandLineOption force(QStringLiteral("force"),
                                   QStringLiteral("Repair the header of a file that is no cartridge image too."));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("Write the document to FILE instead of standard output."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption layoutOutput({QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Write the layout of the moved values to FILE."),
                                          QStringLiteral("FILE"));
    const QCommandLineOption layout(QStringLiteral("layout"),
                                    QStringLiteral("Read the values through the layout FILE (else IMAGE.layout.json "
                                                   "when it exists)."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption editAnyway(QStringLiteral("edit-anyway"),
                                        QStringLiteral("Write the value KEY even though what was read there does not "
                                                       "look as expected (repeatable)."),
                                        QStringLiteral("KEY"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"), QStringLiteral("Print the changes, write nothing."));
    const QCommandLineOption noFix(QStringLiteral("no-fix"), QStringLiteral("Leave the header checksum as it is."));
    const QCommandLineOption patchFormat(QStringLiteral("format"),
                                         QStringLiteral("The patch format to create: bps or ips (else from OUT)."),
                                         QStringLiteral("FORMAT"));
    if (name == QLatin1String("info")) {
        parser.addOption(json);
        parser.addOption(check);
    }
    if (name == QLatin1String("fix"))
        parser.addOption(force);
    if (name == QLatin1String("export")) {
        parser.addOption(output);
        parser.addOption(layout);
    }
    if (name == QLatin1String("import")) {
        parser.addOption(dryRun);
        parser.addOption(noFix);
        parser.addOption(force);
        parser.addOption(layout);
        parser.addOption(editAnyway);
    }
    if (name == QLatin1String("diff"))
        parser.addOption(json);
    if (name == QLatin1String("locate"))
        parser.addOption(layoutOutput);
    if (name == QLatin1String("patch")) {
        parser.addOption(patchFormat);
        parser.addOption(json);
    }
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeAt(arguments.indexOf(rest.first()));
    if (!parser.parse(arguments))
        return usageError(parser.errorText(), name);
    if (parser.isSet(QStringLiteral("help")))
        return printAndExit(parser.helpText());

    const QStringList files = parser.positionalArguments();
    const auto exactly = [&](qsizetype count) { return files.size() == count; };
    int status = -1;
    if (name == QLatin1String("info") && !files.isEmpty())
        status = InfoCommand(files, parser.isSet(json), parser.isSet(check));
    else if (name == QLatin1String("fix") && !files.isEmpty())
        status = FixCommand(files, parser.isSet(force));
    else if (name == QLatin1String("export") && exactly(1))
        status = ExportCommand(files[0], parser.value(output), parser.value(layout));
    else if (name == QLatin1String("import") && exactly(2))
        status = ImportCommand(files[0], files[1], parser.isSet(dryRun), parser.isSet(noFix), parser.isSet(force),
                               parser.value(layout), parser.values(editAnyway));
    else if (name == QLatin1String("diff") && exactly(2))
        status = DiffCommand(files[0], files[1], parser.isSet(json));
    else if (name == QLatin1String("locate") && exactly(2))
        status = LocateCommand(files[0], files[1], parser.value(layoutOutput));
    else if (name == QLatin1String("patch") && !files.isEmpty()) {
        status = PatchCommand(files[0], files.mid(1), parser.value(patchFormat), parser.isSet(json));
        if (status == kUsageError)
            std::cerr << "Try 'korvane-tool patch --help'.\n";
    } else {
        return usageError(QStringLiteral("usage: korvane-tool %1 %2").arg(name, QLatin1String(command->arguments)),
                          name);
    }
    // What could not be written out is a failure, whatever the command did.
    if (!FlushStandardOutput() && status != kUsageError)
        return 1;
    return status;
}
