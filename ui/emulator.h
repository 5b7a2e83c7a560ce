// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QLineEdit;
class QWidget;

// The emulator that plays an image: a command line whose words are split
// as a shell would (double quotes group, """ is a quote), never run through
// a shell. "%f" in a word stands for the image's path; without one the path
// is the last argument.
struct EmulatorCommand
{
    QString program;
    QStringList arguments;
};
// The command for path, or nothing when the line holds no program.
std::optional<EmulatorCommand> ParseEmulatorCommand(const QString& commandLine, const QString& path);
// A word that ParseEmulatorCommand gives back as it is.
QString QuoteCommandWord(const QString& word);

// The command line kept in the settings; empty when none was chosen.
QString EmulatorSetting();
void SetEmulatorSetting(const QString& commandLine);
// The first of the emulators known to run these games found on PATH, as a
// command line; empty when none is.
QString DefaultEmulatorCommandLine();
// The folders searched after PATH: Debian's games folders on Linux, none on
// Windows.
void SetEmulatorSearchFolders(const QStringList& folders);
// The setting, else the default.
QString EmulatorCommandLine();

// Starts the emulator on the image at path as a process of its own, and
// does not wait for it. When no emulator is known or it cannot be started,
// says so and opens the emulator's dialog; returns whether it started.
bool PlayImage(QWidget* parent, const std::string& path);

// "Emulator": the command that plays images, with a Find button for the
// program; OK keeps it in the settings (empty: the default on PATH).
class EmulatorDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EmulatorDialog(QWidget* parent = nullptr);

    void accept() override;

private:
    void find();

    QLineEdit* mCommand;
};
