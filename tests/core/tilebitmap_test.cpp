// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/art/tilebitmap.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::uint32_t littleEndian(const std::string& bytes, std::size_t offset, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes.at(offset + static_cast<std::size_t>(i)));
    return value;
}

// The pixel of a 24-bit bottom-up 8 x 8 bitmap at column x, row y from the top.
ScreenColour shownPixel(const std::string& bitmap, int x, int y)
{
    const std::size_t at = 54 + 24 * static_cast<std::size_t>(7 - y) + 3 * static_cast<std::size_t>(x);
    return {static_cast<std::uint8_t>(bitmap.at(at + 2)), static_cast<std::uint8_t>(bitmap.at(at + 1)),
            static_cast<std::uint8_t>(bitmap.at(at))};
}

TEST(TileBitmap, HeaderFields)
{
    struct Field
    {
        std::size_t offset;
        int size;
        std::uint32_t value;
    };
    const Field fields[] = {
        {0, 2, 'B' | 'M' << 8}, {2, 4, 246}, {6, 4, 0},  {10, 4, 54}, {14, 4, 40}, {18, 4, 8}, {22, 4, 8},
        {26, 2, 1},             {28, 2, 24}, {30, 4, 0}, {34, 4, 192}, {38, 4, 0}, {42, 4, 0}, {46, 4, 0},
        {50, 4, 0},
    };
    const std::string header = TileBitmapHeader();
    ASSERT_EQ(header.size(), 54u);
    for (const Field& f : fields) {
        SCOPED_TRACE(f.offset);
        EXPECT_EQ(littleEndian(header, f.offset, f.size), f.value);
    }
}

TEST(TileBitmap, EncodesTilesByteForByte)
{
    TilePalette palette{};
    palette[1] = 0x0EEE;
    for (std::uint16_t k = 2; k <= 8; ++k)
        palette[k] = static_cast<std::uint16_t>(k << 8 | (8 - k) << 4 | k); // (16k, 16(8-k), 16k)
    const ScreenColour black{0, 0, 0};
    const auto colour = [&](int k) { return ViewerColour(palette[static_cast<std::size_t>(k)]); };

    TileBytes elevens{};
    elevens.fill(0x11);
    TileBytes firstRow{};
    for (std::size_t j = 0; j < 4; ++j)
        firstRow[j] = static_cast<std::uint8_t>(0x12 + 0x22 * j); // 12 34 56 78

    struct Case
    {
        const char* name;
        const TileBytes& tile;
        bool flip;
        int colouredRow; // shown row holding colours 1 to 8, or -1 for all (224, 224, 224)
    };
    const Case cases[] = {
        {"0x11 upright", elevens, false, -1},
        {"0x11 flipped", elevens, true, -1},
        {"first row upright", firstRow, false, 0},
        {"first row flipped", firstRow, true, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string bitmap = EncodeTileBitmap(c.tile, c.flip, [&](std::uint8_t b, bool high) {
            return TilePixelColour(palette, b, high);
        });
        ASSERT_EQ(bitmap.size(), 246u);
        EXPECT_EQ(bitmap.substr(0, 54), TileBitmapHeader());
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                SCOPED_TRACE(testing::Message() << "pixel " << x << "," << y);
                const ScreenColour expected = c.colouredRow < 0       ? ScreenColour{224, 224, 224}
                                              : y == c.colouredRow ? colour(x + 1)
                                                                   : black;
                EXPECT_EQ(shownPixel(bitmap, x, y), expected);
            }
        }
    }
}

} // namespace
