// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QWidget;

// The ROM file-open dialog. Like the platform's own dialog object it keeps
// the file chosen at its last successful use, its initial directory and the
// filter entry last chosen, across uses and Cancels.
class RomOpenDialog
{
public:
    // Shows a file chooser; returns the chosen file, or an empty text on
    // Cancel. Tests replace it.
    using Chooser = std::function<QString(QWidget* parent, const QString& startPath, const QString& filter,
                                          QString* selectedFilter)>;

    // Qt's filter syntax: the patterns in parentheses are separated by
    // blanks. Images named .md, .gen or .32x are found through the last
    // entry.
    static constexpr const char* kFilter = QT_TRANSLATE_NOOP(
        "RomOpenDialog", "Cartridge images (*.bin *.gen *.md *.smd);;Genecyst save states (*.gs*);;"
                         "All supported files (*.bin *.gen *.md *.smd *.gs*);;All files (*)");
    // kFilter in the user's language.
    static QString filter();

    RomOpenDialog();

    // Shows the chooser. Returns the file name the dialog holds afterwards:
    // the file just chosen, or after a Cancel the one chosen last, or empty.
    QString execute(QWidget* parent);

    QString initialDir() const { return mInitialDir; }
    // Makes fileName the file the dialog offers next, as if it was chosen.
    void remember(const QString& fileName) { mFileName = fileName; }
    void setInitialDir(const QString& dir) { mInitialDir = dir; }
    void setChooser(Chooser chooser) { mChooser = std::move(chooser); }

private:
    Chooser mChooser;
    QString mFileName;
    QString mInitialDir;
    QString mSelectedFilter;
};
