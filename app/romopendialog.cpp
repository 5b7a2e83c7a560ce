// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/romopendialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString RomOpenDialog::filter()
{
    return QCoreApplication::translate("RomOpenDialog", kFilter);
}

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
    const QString chosen = mChooser(parent, startPath, filter(), &selectedFilter);
    if (!chosen.isEmpty()) {
        mFileName = chosen;
        mSelectedFilter = selectedFilter;
    }
    return mFileName;
}
