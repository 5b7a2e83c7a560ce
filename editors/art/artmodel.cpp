// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/art/artmodel.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "core/romfile.h"
#include "core/translate.h"

void ReadArtColours(const std::string& path, std::int32_t offset, TilePalette& palette, int& wordsRead)
{
    wordsRead = 0;
    for (std::size_t k = 0; k < palette.size(); ++k) {
        palette[k] = static_cast<std::uint16_t>(
            SwapWord(ReadRomValue(path, offset + 2 * static_cast<std::int32_t>(k), 2)));
        ++wordsRead;
    }
}

ArtTileBytes ReadArtTile(const std::string& path, std::int32_t tileOffset, std::int32_t pieceOffset)
{
    ArtTileBytes tile;
    tile.flip = ReadRomValue(path, pieceOffset + 2, 1) & kPieceFlipBit;
    for (std::size_t i = 0; i < tile.bytes.size(); ++i)
        tile.bytes[i] = static_cast<std::uint8_t>(ReadRomValue(path, tileOffset + static_cast<std::int32_t>(i), 1));
    return tile;
}

void WriteTileBitmapFile(const std::string& bitmapPath, const std::string& bitmap)
{
    // Never through a link: a symbolic or hard link could lead to the image
    // or to a file outside the support folder. Overwritten in place, not
    // replaced through a new file: the bitmap keeps the size, the owner and
    // the mode the support folder gave it, and a folder that lets the file
    // be written need not let files be made in it.
    RomFile file(bitmapPath, RomFile::Access::Write, RomFile::Kind::PlainFile);
    file.requireOpen(bitmapPath);
    if (!file.writeAt(0, bitmap.data(), bitmap.size()))
        throw KorvaneError(Translated("Files", "Stream write error"), file.error());
}
