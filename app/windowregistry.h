// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/editorlist.h"
#include "ui/editormemory.h"

#include <QStringList>

#include <memory>

class ImageSession;
class QCommandLineParser;
class QDialog;
class QWidget;
class MainWindow;

// Application-wide settings every run and every window test needs: the
// font the forms are laid out for, the backup before a Save's first write,
// writes past a file-size limit reported instead of killing the program,
// and GuardSettingsFile.
void InitApplication();

// The settings are read and written only as regular files: when something
// else stands where they are kept (a FIFO, which would hang the start, or a
// device, which a write would replace), it is left alone, a line on
// standard error says so, and this run keeps its settings in a folder of
// its own. Nothing to do on Windows (the registry).
void GuardSettingsFile();

// The program's names: its settings folder (~/.config/korvane/) and the
// version --version prints.
void NameApplication();

// The program's options, [IMAGE], --lang, --help and --version, added to
// parser.
void AddProgramOptions(QCommandLineParser& parser);

// Installs the language of this run (UseLanguage): --lang in arguments,
// else the one "Settings > Language" chose (LanguageSettingKey), else the
// system's. Call after NameApplication, before any text is made.
void UseProgramLanguage(const QStringList& arguments);

// The settings key of the language "Settings > Language" chose: a code of
// Languages(), or none for the system's.
QString LanguageSettingKey();

// The program's start: its command line (--help and --version print and
// end the program), the main window shown, and the image the command line
// names, if any, selected as the dialog would. Returns the main window.
std::unique_ptr<MainWindow> StartProgram(const QStringList& arguments);

// A new editor window of a route on session's image, owned by owner, as the
// menu opens it: titled "Object Editor - sample-p2.bin", and on a
// read-only image its Save is off (ShowReadOnly).
// nullptr for EditorId::None, and without a session for every window but
// the machine-code converter.
std::unique_ptr<QDialog> NewEditor(EditorId id, ImageSession* session, EditorMemory& memory, QWidget* owner);
