// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/emulator.h"

#include "ui/filenames.h"
#include "ui/notices.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

const QString kEmulatorKey = QStringLiteral("emulator/command");
const QString kPathWord = QStringLiteral("%f");

// The emulators in Debian that run Mega Drive images, in the order they are
// offered: their program and the words that make them play an image.
struct KnownEmulator
{
    const char* program;
    const char* arguments;
};
const KnownEmulator kKnownEmulators[] = {
    {"blastem", "%f"},
    {"mednafen", "-force_module md %f"},
    {"ares", "--system \"Mega Drive\" %f"},
};

#ifdef Q_OS_WIN
QStringList gSearchFolders;
#else
// Debian installs emulators as games, outside the PATH of root and of
// desktops started without a login shell.
QStringList gSearchFolders = {QStringLiteral("/usr/local/games"), QStringLiteral("/usr/games")};
#endif

void openDialog(QWidget* parent)
{
    // Not modal for the caller: the message before it said what went wrong,
    // and the window that asked goes on.
    auto* dialog = new EmulatorDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

} // namespace

std::optional<EmulatorCommand> ParseEmulatorCommand(const QString& commandLine, const QString& path)
{
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty() || words.first().isEmpty())
        return std::nullopt;
    bool placed = false;
    for (QString& word : words) {
        if (word.contains(kPathWord)) {
            word.replace(kPathWord, path);
            placed = true;
        }
    }
    if (!placed)
        words << path;
    EmulatorCommand command;
    command.program = words.takeFirst();
    command.arguments = words;
    return command;
}

QString QuoteCommandWord(const QString& word)
{
    if (!word.isEmpty() && !word.contains(QLatin1Char(' ')) && !word.contains(QLatin1Char('\t'))
        && !word.contains(QLatin1Char('"')))
        return word;
    QString quoted = word;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString EmulatorSetting()
{
    return QSettings().value(kEmulatorKey).toString().trimmed();
}

void SetEmulatorSetting(const QString& commandLine)
{
    QSettings settings;
    if (commandLine.trimmed().isEmpty())
        settings.remove(kEmulatorKey);
    else
        settings.setValue(kEmulatorKey, commandLine.trimmed());
}

QString DefaultEmulatorCommandLine()
{
    for (const KnownEmulator& known : kKnownEmulators) {
        const QString program = QString::fromLatin1(known.program);
        const QString arguments = QLatin1Char(' ') + QString::fromLatin1(known.arguments);
        if (!QStandardPaths::findExecutable(program).isEmpty())
            return program + arguments;
        const QString elsewhere =
            gSearchFolders.isEmpty() ? QString() : QStandardPaths::findExecutable(program, gSearchFolders);
        if (!elsewhere.isEmpty())
            return QuoteCommandWord(elsewhere) + arguments;
    }
    return {};
}

void SetEmulatorSearchFolders(const QStringList& folders)
{
    gSearchFolders = folders;
}

QString EmulatorCommandLine()
{
    const QString chosen = EmulatorSetting();
    return chosen.isEmpty() ? DefaultEmulatorCommandLine() : chosen;
}

bool PlayImage(QWidget* parent, const std::string& path)
{
    const QString commandLine = EmulatorCommandLine();
    const std::optional<EmulatorCommand> command = ParseEmulatorCommand(commandLine, QDir::toNativeSeparators(ShownPath(path)));
    if (!command) {
        ShowMessage(EmulatorDialog::tr("No emulator was found to play the image: none is chosen, and none of "
                                       "blastem, mednafen and ares is on the PATH. Choose one in the dialog that "
                                       "follows."));
        openDialog(parent);
        return false;
    }
    // Detached: the emulator outlives the editor and the program, and gets
    // no handle of theirs (the image's is never inherited).
    QProcess process;
    process.setProgram(command->program);
    process.setArguments(command->arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        ShowMessage(EmulatorDialog::tr("The emulator could not be started (%1): %2. Check its command in the dialog "
                                       "that follows.")
                        .arg(command->program, process.errorString()));
        openDialog(parent);
        return false;
    }
    return true;
}

EmulatorDialog::EmulatorDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("EmulatorDialog"));
    setWindowTitle(tr("Emulator"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("The &command that plays an image; %f stands for the image's path:"));
    layout->addWidget(label);
    auto* row = new QHBoxLayout;
    mCommand = new QLineEdit(EmulatorSetting());
    mCommand->setObjectName(QStringLiteral("EmulatorCommand"));
    mCommand->setMinimumWidth(360);
    const QString found = DefaultEmulatorCommandLine();
    mCommand->setPlaceholderText(found.isEmpty() ? tr("no emulator found on the PATH") : found);
    label->setBuddy(mCommand);
    row->addWidget(mCommand);
    auto* find = new QPushButton(tr("&Find..."));
    find->setObjectName(QStringLiteral("EmulatorFind"));
    find->setAutoDefault(false);
    connect(find, &QPushButton::clicked, this, &EmulatorDialog::find);
    row->addWidget(find);
    layout->addLayout(row);
    auto* hint = new QLabel(found.isEmpty()
                                ? tr("Left empty, the first of blastem, mednafen and ares on the PATH plays.")
                                : tr("Left empty, \"%1\" plays.").arg(found));
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void EmulatorDialog::accept()
{
    SetEmulatorSetting(mCommand->text());
    QDialog::accept();
}

void EmulatorDialog::find()
{
#ifdef Q_OS_WIN
    const QString filter = tr("Programs (*.exe)");
#else
    const QString filter;
#endif
    const QString program = QFileDialog::getOpenFileName(this, tr("Emulator program"), QString(), filter);
    if (!program.isEmpty())
        mCommand->setText(QuoteCommandWord(program) + QStringLiteral(" %f"));
}
