// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Level tables: row k of a table is the value that entry k of a level
// selector stands for. The demo tables hold 16-bit level identifiers (zone in
// the high byte, act from 0 in the low byte, big-endian in the ROM); the zone
// tables of the water editor hold 8-bit zone numbers.
using LevelTable = std::span<const std::uint16_t>;

// Zones 0 to 5 with three acts each, zone 1 with a fourth, and the single
// level of zone 6.
inline constexpr std::array<std::uint16_t, 20> kLevelRowsP1 = {
    0x0000, 0x0001, 0x0002, 0x0100, 0x0101, 0x0102, 0x0103, 0x0200, 0x0201, 0x0202,
    0x0300, 0x0301, 0x0302, 0x0400, 0x0401, 0x0402, 0x0500, 0x0501, 0x0502, 0x0600,
};

// Two acts for most zones; zones 5, 6, 14 and 16 have one.
inline constexpr std::array<std::uint16_t, 30> kLevelRowsP2 = {
    0x0000, 0x0001, 0x0100, 0x0101, 0x0200, 0x0201, 0x0300, 0x0301, 0x0400, 0x0401,
    0x0500, 0x0600, 0x0700, 0x0701, 0x0800, 0x0801, 0x0900, 0x0901, 0x0A00, 0x0A01,
    0x0B00, 0x0B01, 0x0C00, 0x0C01, 0x0D00, 0x0D01, 0x0E00, 0x0F00, 0x0F01, 0x1000,
};

// The early build: no zone 6, a second act in zone 14.
inline constexpr std::array<std::uint16_t, 30> kLevelRowsP2B = {
    0x0000, 0x0001, 0x0100, 0x0101, 0x0200, 0x0201, 0x0300, 0x0301, 0x0400, 0x0401,
    0x0500, 0x0700, 0x0701, 0x0800, 0x0801, 0x0900, 0x0901, 0x0A00, 0x0A01, 0x0B00,
    0x0B01, 0x0C00, 0x0C01, 0x0D00, 0x0D01, 0x0E00, 0x0E01, 0x0F00, 0x0F01, 0x1000,
};

// Two acts for zones 0 to 11 and 22, one for zone 12 and zones 14 to 21, no
// zone 13.
inline constexpr std::array<std::uint16_t, 35> kLevelRowsP3 = {
    0x0000, 0x0001, 0x0100, 0x0101, 0x0200, 0x0201, 0x0300, 0x0301, 0x0400, 0x0401,
    0x0500, 0x0501, 0x0600, 0x0601, 0x0700, 0x0701, 0x0800, 0x0801, 0x0900, 0x0901,
    0x0A00, 0x0A01, 0x0B00, 0x0B01, 0x0C00, 0x0E00, 0x0F00, 0x1000, 0x1100, 0x1200,
    0x1300, 0x1400, 0x1500, 0x1600, 0x1601,
};

inline constexpr std::array<std::uint16_t, 17> kLevelRowsW2 = {
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08,
    0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10,
};

inline constexpr std::array<std::uint16_t, 21> kLevelRowsW3 = {
    0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A,
    0x0B, 0x0C, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15,
};

inline constexpr LevelTable kDemoTableP1{kLevelRowsP1};  // "p1" and "p1j"
inline constexpr LevelTable kDemoTableP2{kLevelRowsP2};  // "p2" and "p2k"
inline constexpr LevelTable kDemoTableP2B{kLevelRowsP2B}; // "p2b"
inline constexpr LevelTable kDemoTableP3{kLevelRowsP3};  // "p3" and "pk"
inline constexpr LevelTable kZoneTableW2{kLevelRowsW2};  // water editor, "p2" and "p2k"
inline constexpr LevelTable kZoneTableW3{kLevelRowsW3};  // water editor, "p3"

// The support files naming the rows, one name per line, line k for row k.
// Written as joined to the support base by SupportFilePath.
inline constexpr const char* kP1LevelsFile = "\\korvane\\p1levels.txt";
inline constexpr const char* kP2LevelsFile = "\\korvane\\p2levels.txt";
inline constexpr const char* kP2BLevelsFile = "\\korvane\\p2blevels.txt";
inline constexpr const char* kP3LevelsFile = "\\korvane\\p3klevels.txt";
inline constexpr const char* kP2ZonesFile = "\\korvane\\p2levels_noacts.txt";
inline constexpr const char* kP3ZonesFile = "\\korvane\\p3klevels_noacts.txt";

// A list file together with the table whose rows it names.
struct LevelList
{
    const char* fileName;
    LevelTable table;
};

inline constexpr LevelList kP1Levels{kP1LevelsFile, kDemoTableP1};
inline constexpr LevelList kP2Levels{kP2LevelsFile, kDemoTableP2};
inline constexpr LevelList kP2BLevels{kP2BLevelsFile, kDemoTableP2B};
inline constexpr LevelList kP3Levels{kP3LevelsFile, kDemoTableP3};
inline constexpr LevelList kP2Zones{kP2ZonesFile, kZoneTableW2};
inline constexpr LevelList kP3Zones{kP3ZonesFile, kZoneTableW3};

// The row of table holding value, or -1 when the table does not hold it.
int LevelRow(LevelTable table, std::uint16_t value);

// The value of row in table; current when row is negative or not below the
// table's length (nothing selected, or a list line beyond the table).
std::uint16_t LevelAtRow(LevelTable table, int row, std::uint16_t current);

// Reads the lines of the support file listFile (such as kP1LevelsFile) from
// the support base (SplitLines). Throws KorvaneError "Cannot open file <full path>"
// when the file is missing, cannot be read, or is no regular file of at most
// kMaxListFileSize bytes.
std::vector<std::string> ReadLevelList(const std::string& listFile);

// The lines of the list file as the selectors show them: UTF-8 (the files
// are Windows-1252). Throws as ReadLevelList.
std::vector<std::string> ReadLevelNames(const std::string& listFile);
