// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Tile bitmap encoding of arbitrary tiles, palettes and flip bits.

#include "editors/art/tilebitmap.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < kTileBytes + 32 + 1)
        return 0;
    TileBytes tile{};
    std::memcpy(tile.data(), data, kTileBytes);
    TilePalette palette{};
    for (std::size_t k = 0; k < palette.size(); ++k)
        palette[k] = static_cast<std::uint16_t>(data[kTileBytes + 2 * k] << 8 | data[kTileBytes + 2 * k + 1]);
    const bool flip = (data[kTileBytes + 32] & kPieceFlipBit) != 0;

    const std::string file = EncodeTileBitmap(tile, flip, [&](std::uint8_t byte, bool high) {
        return TilePixelColour(palette, byte, high);
    });
    FUZZ_CHECK(file.size() == kTileBitmapSize);
    FUZZ_CHECK(file.compare(0, kTileBitmapHeaderSize, TileBitmapHeader()) == 0);
    // Every pixel lands where its row and column say, as blue, green, red.
    for (int r = 0; r < kTileSide; ++r) {
        for (int x = 0; x < kTileSide; ++x) {
            const std::uint8_t byte = tile[static_cast<std::size_t>(4 * r + x / 2)];
            const ScreenColour c = TilePixelColour(palette, byte, x % 2 == 0);
            const std::size_t at = kTileBitmapHeaderSize + 24 * static_cast<std::size_t>(TileFileRow(r, flip))
                                   + 3 * static_cast<std::size_t>(x);
            FUZZ_CHECK(static_cast<std::uint8_t>(file[at]) == c.blue);
            FUZZ_CHECK(static_cast<std::uint8_t>(file[at + 1]) == c.green);
            FUZZ_CHECK(static_cast<std::uint8_t>(file[at + 2]) == c.red);
        }
    }
    return 0;
}
