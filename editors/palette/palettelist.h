// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colourwords.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// One line of a palette list file: where a palette lies in the ROM, how many
// colour words it holds and how the editor lists it.
struct PaletteEntry
{
    std::uint32_t offset = 0; // file offset of colour 0
    std::uint8_t count = 0;   // colour words
    std::string name;         // bytes of the file (Windows-1252)
    ColourFormat format = ColourFormat::MegaDrive;
};

// Entries a palette list table holds, and colours a palette may have for the
// editor to show and write it.
inline constexpr std::size_t kPaletteTableSize = 65536;
inline constexpr int kMaxPaletteColours = 64;

// Parses one line (without its line break). Fixed columns, counted from 1:
//   Mega Drive: 1-6 offset, 8-9 count, 11- name
//   MARS:       1-6 offset, 8-11 "MARS", 13-14 count, 16- name
// Offset and count are hexadecimal without prefix, upper or lower case; the
// separator columns are never looked at, and the name may hold blanks. A
// short line gives a shorter field, an empty name, or an empty number.
// Only the low 8 bits of the count are kept. A number field that is not
// hexadecimal (empty included) throws KorvaneError "'$<field>' is not a
// valid integer value".
PaletteEntry ParsePaletteLine(const std::string& line);

// The list file of a game code: the support base + "/korvane/" + code + "pals.txt".
std::string PaletteListPath(const std::string& gameCode);

// Reads the list file at path into table from entry 0 on, one entry a line,
// and hands each entry's name to addName once its line has been parsed. The
// first line is always read, so an empty file fails on its empty offset; a
// line break after the last line ends the file cleanly. Lines end at CR LF,
// LF or CR. Returns the number of entries read. Throws KorvaneError "File not
// found" (or "File access denied", "I/O error <n>") when the file cannot be
// read, "Cannot open file <path>" when it is no regular file of at most
// kMaxListFileSize bytes, the parser's message at the first bad line, or a
// message when the file has more lines than the table holds; the entries
// before the failure stay in the table. table is grown to kPaletteTableSize
// entries when smaller.
std::size_t LoadPaletteList(const std::string& path, std::vector<PaletteEntry>& table,
                            const std::function<void(const std::string& name)>& addName);

// Throws KorvaneError when entry holds more colours than the editor can show
// and write (kMaxPaletteColours).
void CheckPaletteCount(const PaletteEntry& entry);
