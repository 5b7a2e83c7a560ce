// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colourwords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// The art viewer's tile art. A tile is 8 x 8 pixels of 4 bits stored in 32
// bytes: 8 rows of 4 bytes, top row first; in each byte the high nibble is
// the left pixel. A nibble indexes a 16-colour palette of Mega Drive colour
// words.

inline constexpr int kTileSide = 8;
inline constexpr std::size_t kTileBytes = 32;

// Size of a tile bitmap file: a 54-byte header and 8 rows of 24 bytes.
inline constexpr std::size_t kTileBitmapHeaderSize = 54;
inline constexpr std::size_t kTileBitmapSize = 246;

// Bit of the third byte of a sprite piece that flips its tiles vertically.
inline constexpr std::uint32_t kPieceFlipBit = 0x10;

// Palette colour words in host order (already swapped from the ROM).
using TilePalette = std::array<std::uint16_t, 16>;
using TileBytes = std::array<std::uint8_t, kTileBytes>;

// The screen colour of the pixel in the high nibble (high set) or the low
// nibble of a tile byte: its palette word expanded as ViewerColour does.
ScreenColour TilePixelColour(const TilePalette& palette, std::uint8_t byte, bool high);

// Row of the bitmap file (0 is stored first and shown at the bottom) that
// holds tile row tileRow (0 is the top): 7 - tileRow, so that the tile shows
// upright, or tileRow when flipped, so that it shows upside down.
int TileFileRow(int tileRow, bool flip);

// The 54-byte header of a tile bitmap file: an uncompressed 24-bit BMP of
// 8 x 8 pixels, rows bottom-up, all numbers little-endian.
std::string TileBitmapHeader();

// The whole 246-byte bitmap file of a tile: the header, then each pixel as
// blue, green, red bytes, the colour of byte b's nibble given by
// pixelColour(b, high).
using PixelColourFn = std::function<ScreenColour(std::uint8_t byte, bool high)>;
std::string EncodeTileBitmap(const TileBytes& tile, bool flip, const PixelColourFn& pixelColour);
