// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/art/artmodel.h"
#include "editors/art/tilebitmap.h"
#include "editors/editorlist.h"
#include "tools/samplerom/samples.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ArtSamples, EveryImageHoldsPaletteTilesAndPieces)
{
    // The palette editor's samples already colour the first game's palette
    // there; the art must not overwrite it.
    SyntheticImage paletteOnly(0x80000, 0x00);
    FillPalettesSamples(paletteOnly, "p1");

    for (const SampleImage& sample : BuildSampleImages()) {
        if (sample.gameCode == "gst")
            continue;
        SCOPED_TRACE(sample.fileName);
        const SyntheticImage& image = sample.image;
        std::set<std::uint16_t> colours;
        for (std::size_t k = 0; k < 16; ++k) {
            colours.insert(image.wordAt(kArtColoursOffset + 2 * k));
            if (sample.gameCode == "p1") {
                EXPECT_EQ(image.wordAt(kArtColoursOffset + 2 * k), paletteOnly.wordAt(kArtColoursOffset + 2 * k));
            }
        }
        EXPECT_GE(colours.size(), 12u);
        // The first group upright, the second flipped.
        EXPECT_EQ(image.at(0x21294 + 2) & kPieceFlipBit, 0);
        EXPECT_NE(image.at(0x21299 + 2) & kPieceFlipBit, 0);
        for (const ArtTile& tile : kArtTiles) {
            int drawn = 0;
            for (std::size_t i = 0; i < kTileBytes; ++i)
                drawn += image.at(static_cast<std::size_t>(tile.tile) + i) != 0 ? 1 : 0;
            EXPECT_EQ(drawn, 32) << tile.file;
        }
    }
}

} // namespace
