// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/romopendialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

// Qt's filter syntax: the patterns in parentheses are separated by blanks.
// Images named .md, .gen or .32x are found through the last entry.
const QString RomOpenDialog::kFilter = QStringLiteral(
    "Cartridge images (*.bin *.gen *.md *.smd);;Genecyst save states (*.gs*);;"
    "All supported files (*.bin *.gen *.md *.smd *.gs*);;All files (*)");

RomOpenDialog::RomOpenDialog()
    : mChooser([](QWidget* parent, const QString& startPath, const QString& filter, QString* selectedFilter) {
          return QFileDialog::getOpenFileName(parent, QString(), startPath, filter, selectedFilter);
      })
{
}

QString RomOpenDialog::execute(QWidget* parent)
{
    QString startPath = mInitialDir;
    if (!mFileName.isEmpty()) {
        const QString name = QFileInfo(mFileName).fileName();
        startPath = mInitialDir.isEmpty() ? name : QDir(mInitialDir).filePath(name);
    }
    QString selectedFilter = mSelectedFilter;
    const QString chosen = mChooser(parent, startPath, kFilter, &selectedFilter);
    if (!chosen.isEmpty()) {
        mFileName = chosen;
        mSelectedFilter = selectedFilter;
    }
    return mFileName;
}
