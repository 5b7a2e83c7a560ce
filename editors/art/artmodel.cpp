#include "editors/art/artmodel.h"

#include "core/romaccess.h"

#include <algorithm>

void ReadArtPalette(const std::string& path, std::int32_t offset, TilePalette& palette, int& wordsRead)
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
    for (std::size_t at = 0; at < bitmap.size(); at += 4) {
        const int count = static_cast<int>(std::min<std::size_t>(4, bitmap.size() - at));
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i)
            value = value << 8 | static_cast<std::uint8_t>(bitmap[at + static_cast<std::size_t>(i)]);
        WriteRomBytes(bitmapPath, static_cast<std::int32_t>(at), count, value);
    }
}
