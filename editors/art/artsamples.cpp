// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/syntheticimage.h"
#include "editors/editorlist.h"

#include "editors/art/artmodel.h"
#include "editors/art/tilebitmap.h"

#include <cstdint>
#include <vector>

namespace {

// Black, greys, a rainbow, sky blue, skin and two dark shades; even nibbles
// as the console uses them.
constexpr std::uint16_t kSamplePalette[16] = {
    0x0000, 0x0EEE, 0x0AAA, 0x0666, 0x000E, 0x006E, 0x00EE, 0x00E0,
    0x0EE0, 0x0E00, 0x0E0E, 0x0EA4, 0x0026, 0x08AE, 0x0800, 0x0080,
};

// The second group: a face of 4 x 2 tiles, in palette indices.
constexpr const char* kFace[16] = {
    "BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB", "BBBBBBBBBBBBB999999BBBBBBBBBBBBB",
    "BBBBBBBBBBB9999999999BBBBBBBBBBB", "BBBBBBBBBB999999999999BBBBBBBBBB",
    "BBBBBBBBBB991199991199BBBBBBBBBB", "BBBBBBBBB99111199111199BBBBBBBBB",
    "BBBBBBBBB99110199110199BBBBBBBBB", "BBBBBBBBB99110199110199BBBBBBBBB",
    "BBBBBBBBB99911999911999BBBBBBBBB", "BBBBBBBBB9999DDDDDD9999BBBBBBBBB",
    "BBBBBBBBB999DDDDDDDD999BBBBBBBBB", "BBBBBBBBBB99DD4444DD99BBBBBBBBBB",
    "BBBBBBBBBB999DDDDDD999BBBBBBBBBB", "BBBBBBBBBBB9999999999BBBBBBBBBBB",
    "77777777777779999997777777777777", "77777777777777777777777777777777",
};

// Sprite pieces: y, size, tile word (flags first), x. Bit 4 of the third
// byte flips the group vertically.
const std::vector<std::uint8_t> kFirstPiece = {0xF8, 0x08, 0x00, 0x00, 0xF4};
const std::vector<std::uint8_t> kSecondPiece = {0x00, 0x0D, 0x10, 0x03, 0xF0};

std::uint8_t faceIndex(int x, int y)
{
    const char c = kFace[y][x];
    return static_cast<std::uint8_t>(c <= '9' ? c - '0' : c - 'A' + 10);
}

// Diagonal rainbow stripes across the first group's three tiles.
std::uint8_t stripeIndex(int x, int y)
{
    return static_cast<std::uint8_t>(4 + (x + y) / 3 % 7);
}

} // namespace

void FillArtSamples(SyntheticImage& image, const std::string&)
{
    bool paletteFree = true;
    for (std::size_t i = 0; i < 32; ++i)
        paletteFree = paletteFree && image.at(kArtColoursOffset + i) == 0;
    if (paletteFree)
        for (std::size_t k = 0; k < 16; ++k)
            image.word(kArtColoursOffset + 2 * k, kSamplePalette[k]);

    image.bytes(static_cast<std::size_t>(kArtTiles[0].piece), kFirstPiece);
    image.bytes(static_cast<std::size_t>(kArtTiles[3].piece), kSecondPiece);
    for (std::size_t t = 0; t < kArtTiles.size(); ++t) {
        const bool first = t < 3;
        const int k = static_cast<int>(first ? t : t - 3);
        // Group tile k lies at column k of the stripes, or at column k / 2,
        // row k % 2 of the face; the face is stored upside down, as its
        // flipped piece shows it upright.
        for (int r = 0; r < kTileSide; ++r) {
            for (int j = 0; j < 4; ++j) {
                std::uint8_t pair[2];
                for (int h = 0; h < 2; ++h) {
                    const int x = 2 * j + h;
                    pair[h] = first ? stripeIndex(8 * k + x, r)
                                    : faceIndex(8 * (k / 2) + x, 8 * (k % 2) + kTileSide - 1 - r);
                }
                image.byte(static_cast<std::size_t>(kArtTiles[t].tile + 4 * r + j),
                           static_cast<std::uint8_t>(pair[0] << 4 | pair[1]));
            }
        }
    }
}
