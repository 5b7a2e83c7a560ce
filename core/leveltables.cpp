// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/leveltables.h"

#include "core/codepage.h"
#include "core/korvaneerror.h"
#include "core/supportfiles.h"

int LevelRow(LevelTable table, std::uint16_t value)
{
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row] == value)
            return static_cast<int>(row);
    }
    return -1;
}

std::uint16_t LevelAtRow(LevelTable table, int row, std::uint16_t current)
{
    if (row < 0 || static_cast<std::size_t>(row) >= table.size())
        return current;
    return table[static_cast<std::size_t>(row)];
}

std::vector<std::string> ReadLevelList(const std::string& listFile)
{
    const std::string path = SupportFilePath(listFile);
    const FileText file = ReadWholeFile(path);
    if (file.error != 0)
        throw OpenError(path, file.error);
    return SplitLines(file.text);
}

std::vector<std::string> ReadLevelNames(const std::string& listFile)
{
    std::vector<std::string> names = ReadLevelList(listFile);
    for (std::string& name : names)
        name = Cp1252ToUtf8(name);
    return names;
}
