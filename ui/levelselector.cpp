// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/levelselector.h"

#include <QComboBox>
#include <QStringList>

void LoadLevelList(QComboBox* selector, const std::string& listFile)
{
    QStringList entries;
    for (const std::string& name : ReadLevelNames(listFile))
        entries << QString::fromStdString(name);
    selector->clear();
    selector->addItems(entries);
    // A combo box selects its first entry when it is filled; a selector
    // must not claim a level the ROM does not hold.
    selector->setCurrentIndex(-1);
}

void SelectLevel(QComboBox* selector, LevelTable table, std::uint16_t value)
{
    const int row = LevelRow(table, value);
    selector->setCurrentIndex(row < selector->count() ? row : -1);
}

std::uint16_t SelectedLevel(const QComboBox* selector, LevelTable table, std::uint16_t current)
{
    return LevelAtRow(table, selector->currentIndex(), current);
}
