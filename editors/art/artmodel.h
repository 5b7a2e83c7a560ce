// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/art/tilebitmap.h"

#include <array>
#include <cstdint>
#include <string>

// Where the art viewer finds its art in the ROM, whatever the game.

// File offset of the 16 colour words of the art palette (big-endian).
inline constexpr std::int32_t kArtColoursOffset = 0x2388;

// One tile the viewer shows: the bitmap file it is written to (a support
// file name), the image box that shows it, the sprite piece whose third
// byte says whether it is flipped, and the file offset of its 32 bytes.
struct ArtTile
{
    const char* file;
    const char* box;
    std::int32_t piece;
    std::int32_t tile;
};

// In the order the viewer writes them. The first three fill the top row of
// i1 from the left; the other eight fill the top two rows of i2 column by
// column.
inline constexpr std::array<ArtTile, 11> kArtTiles = {{
    {"\\korvane\\i1_1.bmp", "i1_1", 0x21294, 0x21AFE},
    {"\\korvane\\i1_2.bmp", "i1_2", 0x21294, 0x21B1E},
    {"\\korvane\\i1_3.bmp", "i1_3", 0x21294, 0x21B3E},
    {"\\korvane\\i2_1.bmp", "i2_1", 0x21299, 0x21B5E},
    {"\\korvane\\i2_2.bmp", "i2_5", 0x21299, 0x21B7E},
    {"\\korvane\\i2_3.bmp", "i2_2", 0x21299, 0x21B9E},
    {"\\korvane\\i2_4.bmp", "i2_6", 0x21299, 0x21BBE},
    {"\\korvane\\i2_5.bmp", "i2_3", 0x21299, 0x21BDE},
    {"\\korvane\\i2_6.bmp", "i2_7", 0x21299, 0x21BFE},
    {"\\korvane\\i2_7.bmp", "i2_4", 0x21299, 0x21C1E},
    {"\\korvane\\i2_8.bmp", "i2_8", 0x21299, 0x21C3E},
}};

// Reads the 16 big-endian colour words at offset of the file path into
// palette, in order, one open of the file each; wordsRead counts them as
// they arrive. A read error ends it and propagates.
void ReadArtColours(const std::string& path, std::int32_t offset, TilePalette& palette, int& wordsRead);

// One tile as the ROM holds it, and whether its sprite piece flips it.
struct ArtTileBytes
{
    TileBytes bytes{};
    bool flip = false;
};

// Reads the flip byte of the sprite piece at pieceOffset (its third byte),
// then the 32 bytes of the tile at tileOffset, one open of the file each.
// Read errors propagate.
ArtTileBytes ReadArtTile(const std::string& path, std::int32_t tileOffset, std::int32_t pieceOffset);

// Writes bitmap from offset 0 into the existing file bitmapPath, with one
// exclusive open. It is written in place, not through a new file renamed
// into place: the file is never created nor shortened, and what lies past
// the bitmap in a longer file stays. Only a regular file with one link, not
// a symbolic link, is written. Throws
// "Cannot open file <bitmapPath>" when it is missing, not writable or no such
// file, "Stream write error" when the write fails.
void WriteTileBitmapFile(const std::string& bitmapPath, const std::string& bitmap);
