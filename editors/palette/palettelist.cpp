// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/palette/palettelist.h"

#include "core/codepage.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/romaccess.h"
#include "core/supportfiles.h"
#include "core/translate.h"

#include <cerrno>

namespace {

// Characters from 1-based column first, at most count of them; empty past
// the end of the line.
std::string columns(const std::string& line, std::size_t first, std::size_t count = std::string::npos)
{
    if (line.size() < first)
        return {};
    return line.substr(first - 1, count);
}

std::uint32_t hexField(const std::string& field)
{
    return static_cast<std::uint32_t>(StrToInt("$" + field));
}

} // namespace

PaletteEntry ParsePaletteLine(const std::string& line)
{
    PaletteEntry entry;
    std::size_t shift = 0;
    if (columns(line, 8, 4) == "MARS") {
        entry.format = ColourFormat::Mars;
        shift = 5;
    }
    entry.offset = hexField(columns(line, 1, 6));
    entry.count = static_cast<std::uint8_t>(hexField(columns(line, 8 + shift, 2)));
    entry.name = columns(line, 11 + shift);
    return entry;
}

std::string PaletteListPath(const std::string& gameCode)
{
    return SupportFilePath("\\korvane\\" + gameCode + "pals.txt");
}

std::size_t LoadPaletteList(const std::string& path, std::vector<PaletteEntry>& table,
                            const std::function<void(const std::string& name)>& addName)
{
    if (table.size() < kPaletteTableSize)
        table.resize(kPaletteTableSize);
    const FileText file = ReadWholeFile(path);
    // A FIFO, a device or a huge file is named as unusable.
    if (file.error == EINVAL || file.error == EFBIG)
        throw OpenError(path, file.error);
    if (file.error != 0)
        ThrowFileError(file.error);
    std::vector<std::string> lines = SplitLines(file.text);
    // Even an empty file has one (empty) line.
    if (lines.empty())
        lines.emplace_back();

    std::size_t count = 0;
    for (const std::string& line : lines) {
        if (count == kPaletteTableSize)
            throw KorvaneError(Substituted(
                Translated("PaletteList", "The palette list has more than %1 lines; the rest was not read"),
                {DecStr(kPaletteTableSize)}));
        table[count] = ParsePaletteLine(line);
        addName(table[count].name);
        ++count;
    }
    return count;
}

void CheckPaletteCount(const PaletteEntry& entry)
{
    if (entry.count > kMaxPaletteColours)
        throw KorvaneError(Substituted(Translated("PaletteList", "The palette \"%1\" has %2 colours, more than the %3 "
                                                                 "the editor can hold; it is not loaded"),
                                       {Cp1252ToUtf8(entry.name), DecStr(entry.count), DecStr(kMaxPaletteColours)}));
}
