// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// korvane-tool: the editors' values of a cartridge image from the command
// line, through the same models as the windows.

#include "core/apptexts.h"
#include "core/romaccess.h"
#include "core/supportfiles.h"
#include "document/language.h"
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
    // summary and arguments: English, shown in the user's language.
    const char* summary;
    const char* arguments; // the usage line after the command's name
};

const Command kCommands[] = {
    {"info", QT_TRANSLATE_NOOP("korvane-tool", "Show the game, size, checksum and ROM end of each image."),
     QT_TRANSLATE_NOOP("korvane-tool", "IMAGE...")},
    {"fix", QT_TRANSLATE_NOOP("korvane-tool", "Repair the header checksum and ROM end of each image."),
     QT_TRANSLATE_NOOP("korvane-tool", "IMAGE...")},
    {"export", QT_TRANSLATE_NOOP("korvane-tool", "Write every value the game's editors show as a JSON document."),
     QT_TRANSLATE_NOOP("korvane-tool", "IMAGE")},
    {"import", QT_TRANSLATE_NOOP("korvane-tool", "Check a JSON document whole, then write the values that differ."),
     QT_TRANSLATE_NOOP("korvane-tool", "IMAGE FILE")},
    {"diff", QT_TRANSLATE_NOOP("korvane-tool", "List the values that differ between two images of one game."),
     QT_TRANSLATE_NOOP("korvane-tool", "A B")},
    {"locate",
     QT_TRANSLATE_NOOP("korvane-tool", "Find where the values of an untouched original lie in a modified image."),
     QT_TRANSLATE_NOOP("korvane-tool", "ORIGINAL IMAGE")},
    {"patch", QT_TRANSLATE_NOOP("korvane-tool", "Create, apply or describe a BPS or IPS patch."),
     //: create, apply and info are the words to type; the capitals name the files.
     QT_TRANSLATE_NOOP("korvane-tool", "create ORIGINAL CHANGED OUT | apply PATCH ORIGINAL OUT | info PATCH")},
};

QString overview()
{
    QString text =
        QCoreApplication::translate("korvane-tool", "The editors' values of Mega Drive cartridge images, as JSON.");
    text += QStringLiteral("\n\n") + QCoreApplication::translate("korvane-tool", "Commands:") + QLatin1Char('\n');
    for (const Command& c : kCommands)
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(c.name), QCoreApplication::translate("korvane-tool", c.arguments),
                         QCoreApplication::translate("korvane-tool", c.summary));
    text += QLatin1Char('\n')
            + QCoreApplication::translate("korvane-tool", "Run 'korvane-tool COMMAND --help' for a command's options.");
    text += QLatin1Char('\n')
            + QCoreApplication::translate("korvane-tool",
                                          "Exit status: 0 success, 1 refused or failed, 2 wrong usage;\n"
                                          "diff: 0 the same values, 1 they differ, 2 trouble;\n"
                                          "locate: 0 every value placed, 1 some not, 2 trouble.");
    return text;
}

// Where to read more after a wrong use: the tool's help, or a command's.
QString tryHelp(const QString& command = {})
{
    if (command.isEmpty())
        return QCoreApplication::translate("ToolMessages", "Try 'korvane-tool --help'.");
    return QCoreApplication::translate("ToolMessages", "Try 'korvane-tool %1 --help'.").arg(command);
}

int usageError(const QString& message, const QString& command = {})
{
    std::cerr << "korvane-tool: " << message.toStdString() << '\n' << tryHelp(command).toStdString() << '\n';
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
    // Before any text is made: --lang, else the system's language.
    UseLanguage(LanguageArgument(QCoreApplication::arguments()));
    // The level and palette lists beside the executable.
    SetSupportBase(FindSupportBase(CorePath(QCoreApplication::applicationDirPath()) + "/"));

    // A file name is passed on as given or not at all.
    const QStringList given = QCoreApplication::arguments();
    for (qsizetype i = 1; i < given.size() && i < static_cast<qsizetype>(raw.size()); ++i) {
        if (!ExactArgument(given[i], raw[static_cast<std::size_t>(i)].c_str()))
            return usageError(QCoreApplication::translate("ToolMessages",
                                                          "argument %1 is not valid UTF-8, so it cannot be passed on "
                                                          "exactly; rename the file")
                                  .arg(i));
    }

    // The command first; its own options are parsed once it is known.
    QCommandLineParser top;
    top.setApplicationDescription(overview());
    top.addPositionalArgument(
        QCoreApplication::translate("korvane-tool", "command"),
        //: The names of the commands, as they are typed.
        QCoreApplication::translate("korvane-tool", "info, fix, export, import, diff, locate or patch."),
        QCoreApplication::translate("korvane-tool", "COMMAND [ARGUMENTS...]"));
    const QCommandLineOption help = top.addHelpOption();
    const QCommandLineOption version = top.addVersionOption();
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QCoreApplication::translate("korvane-tool",
                                    "Write messages and help in LANGUAGE (en, pt_BR, es) instead of the system's."),
        QCoreApplication::translate("korvane-tool", "LANGUAGE"));
    top.addOption(language);
    top.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!top.parse(QCoreApplication::arguments()))
        return usageError(top.errorText());
    if (top.isSet(version))
        return printAndExit(QStringLiteral("korvane-tool %1\n").arg(QCoreApplication::applicationVersion()));
    const QStringList rest = top.positionalArguments();
    if (rest.isEmpty()) {
        if (top.isSet(help))
            return printAndExit(top.helpText());
        return usageError(QCoreApplication::translate("ToolMessages", "no command given"));
    }
    const Command* command = commandNamed(rest.first());
    if (!command)
        return usageError(QCoreApplication::translate("ToolMessages", "'%1' is no command").arg(rest.first()));
    const QString name = QString::fromLatin1(command->name);

    QCommandLineParser parser;
    const QString commandArguments = QCoreApplication::translate("korvane-tool", command->arguments);
    parser.setApplicationDescription(QCoreApplication::translate("korvane-tool", command->summary));
    parser.addPositionalArgument(name, QString(), name + QLatin1Char(' ') + commandArguments);
    parser.addHelpOption();
    parser.addOption(language);
    const QString fileValue = QCoreApplication::translate("korvane-tool", "FILE");
    const QCommandLineOption json(QStringLiteral("json"),
                                  QCoreApplication::translate("korvane-tool", "Print the result as JSON."));
    const QCommandLineOption check(
        QStringLiteral("check"),
        QCoreApplication::translate("korvane-tool", "Exit with 1 when a checksum or ROM end does not match."));
    const QCommandLineOption force(
        QStringLiteral("force"),
        QCoreApplication::translate("korvane-tool", "Repair the header of a file that is no cartridge image too."));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("korvane-tool", "Write the document to FILE instead of standard output."),
        fileValue);
    const QCommandLineOption layoutOutput(
        {QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("korvane-tool", "Write the layout of the moved values to FILE."), fileValue);
    const QCommandLineOption layout(QStringLiteral("layout"),
                                    QCoreApplication::translate("korvane-tool",
                                                                "Read the values through the layout FILE (else "
                                                                "IMAGE.layout.json when it exists)."),
                                    fileValue);
    const QCommandLineOption editAnyway(QStringLiteral("edit-anyway"),
                                        QCoreApplication::translate("korvane-tool",
                                                                    "Write the value KEY even though what was read "
                                                                    "there does not look as expected (repeatable)."),
                                        QCoreApplication::translate("korvane-tool", "KEY"));
    const QCommandLineOption dryRun(QStringLiteral("dry-run"),
                                    QCoreApplication::translate("korvane-tool", "Print the changes, write nothing."));
    const QCommandLineOption noFix(QStringLiteral("no-fix"),
                                   QCoreApplication::translate("korvane-tool", "Leave the header checksum as it is."));
    //: bps and ips are the words to type.
    const QCommandLineOption patchFormat(
        QStringLiteral("format"),
        QCoreApplication::translate("korvane-tool", "The patch format to create: bps or ips (else from OUT)."),
        QCoreApplication::translate("korvane-tool", "FORMAT"));
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
            std::cerr << tryHelp(name).toStdString() << '\n';
    } else {
        return usageError(
            QCoreApplication::translate("ToolMessages", "usage: korvane-tool %1 %2").arg(name, commandArguments), name);
    }
    // What could not be written out is a failure, whatever the command did.
    if (!FlushStandardOutput() && status != kUsageError)
        return 1;
    return status;
}
