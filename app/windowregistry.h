// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/detection.h"
#include "core/romaccess.h"
#include "ui/savecompletion.h"

#include <QStringList>

#include <memory>

class QCommandLineParser;
class QWidget;
class TMainFrm;

// Window references: each holds the live instance of its window class.
// Every editor unit declares its own beside its class.
extern TMainFrm* MainFrm;

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

// The program's options, [IMAGE], --help and --version, added to parser.
void AddProgramOptions(QCommandLineParser& parser);

// The program's start: its command line (--help and --version print and
// end the program), the main window shown, the image the command line
// names, if any, selected as the dialog would, and the hidden windows
// (CreateHiddenWindows) made by the first turn of the event loop, once the
// main window is up.
void StartProgram(const QStringList& arguments);

// Start-up: the main window, then one hidden instance of every other window
// class (CreateHiddenWindows), each stored in its window reference.
void CreateWindows();
void CreateHiddenWindows();

// Destroys the main window, and with it every window it owns, and clears
// every window reference.
void DestroyWindows();

// A new editor window of class T owned by owner, as the menu makes it:
// sets OpenedFromMenu, so that it reads the image, and on a read-only image
// its Save is off (ShowReadOnly).
template <typename T>
std::unique_ptr<T> NewEditor(QWidget* owner)
{
    Rom.OpenedFromMenu = true;
    std::unique_ptr<T> window(new T(owner));
    ShowReadOnly(window.get());
    return window;
}

// Opens an editor: a new instance (NewEditor) stored in reference while it
// is shown modally; destroys it after it closes and gives the reference
// back its previous instance.
template <typename T>
void OpenEditor(T*& reference, QWidget* owner)
{
    T* const previous = reference;
    const std::unique_ptr<T> window = NewEditor<T>(owner);
    reference = window.get();
    window->exec();
    reference = previous;
}

// Opens the window of an Editor route; WindowId::None does nothing.
void OpenWindow(WindowId id, QWidget* owner);
