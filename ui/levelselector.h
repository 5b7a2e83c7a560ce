// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/leveltables.h"

#include <cstdint>
#include <string>

class QComboBox;

// Level selectors: drop-down lists whose entry k stands for row k of a level
// table (leveltables.h). Only the selection index counts; the entry text is
// never interpreted. Used by the demo editors and the water editor:
//
//   LoadLevelList(combo, kP2ZonesFile);                  // on opening
//   SelectLevel(combo, kZoneTableW2, zoneReadFromRom);
//   ...
//   const auto zone = SelectedLevel(combo, kZoneTableW2, zoneReadFromRom); // on Save
//   if (zone != zoneReadFromRom) write it;

// Replaces the entries of selector by the lines of the support file listFile
// (such as kP1LevelsFile; Windows-1252 text), read afresh on every call.
// Nothing is selected afterwards. Throws KorvaneError "Cannot open file
// <path>" and leaves the selector unchanged when the file cannot be read.
void LoadLevelList(QComboBox* selector, const std::string& listFile);

// Selects the entry of the row of table holding value; selects nothing when
// the table does not hold it or the list has no line for that row.
void SelectLevel(QComboBox* selector, LevelTable table, std::uint16_t value);

// The value of the selected row of table, or current when nothing is
// selected or the selected entry lies beyond the table's end.
std::uint16_t SelectedLevel(const QComboBox* selector, LevelTable table, std::uint16_t current);
