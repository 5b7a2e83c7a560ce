// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/art/tilebitmap.h"

namespace {

void putLittleEndian(std::string& bytes, std::size_t offset, int size, std::uint32_t value)
{
    for (int i = 0; i < size; ++i)
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFFu);
}

constexpr std::size_t kRowBytes = 3 * kTileSide;

} // namespace

ScreenColour TilePixelColour(const TilePalette& palette, std::uint8_t byte, bool high)
{
    const int index = high ? byte >> 4 : byte & 0x0F;
    return ViewerColour(palette[static_cast<std::size_t>(index)]);
}

int TileFileRow(int tileRow, bool flip)
{
    return flip ? tileRow : kTileSide - 1 - tileRow;
}

std::string TileBitmapHeader()
{
    std::string header(kTileBitmapHeaderSize, '\0');
    header[0] = 'B';
    header[1] = 'M';
    putLittleEndian(header, 2, 4, kTileBitmapSize);
    putLittleEndian(header, 10, 4, kTileBitmapHeaderSize);
    putLittleEndian(header, 14, 4, 40); // information header
    putLittleEndian(header, 18, 4, kTileSide);
    putLittleEndian(header, 22, 4, kTileSide); // positive: bottom-up
    putLittleEndian(header, 26, 2, 1);         // planes
    putLittleEndian(header, 28, 2, 24);        // bits per pixel
    putLittleEndian(header, 34, 4, kTileBitmapSize - kTileBitmapHeaderSize);
    // Compression, resolutions and colour counts stay 0.
    return header;
}

std::string EncodeTileBitmap(const TileBytes& tile, bool flip, const PixelColourFn& pixelColour)
{
    std::string bitmap = TileBitmapHeader();
    bitmap.resize(kTileBitmapSize, '\0');
    for (int r = 0; r < kTileSide; ++r) {
        const std::size_t row = kTileBitmapHeaderSize + kRowBytes * static_cast<std::size_t>(TileFileRow(r, flip));
        for (int x = 0; x < kTileSide; ++x) {
            const std::uint8_t byte = tile[static_cast<std::size_t>(4 * r + x / 2)];
            const ScreenColour colour = pixelColour(byte, x % 2 == 0);
            const std::size_t at = row + 3 * static_cast<std::size_t>(x);
            bitmap[at] = static_cast<char>(colour.blue);
            bitmap[at + 1] = static_cast<char>(colour.green);
            bitmap[at + 2] = static_cast<char>(colour.red);
        }
    }
    return bitmap;
}
