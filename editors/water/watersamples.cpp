// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/syntheticimage.h"
#include "editors/editorlist.h"

#include "editors/water/waterrows.h"

#include <array>

namespace {

struct WaterSample
{
    const char* gameCode;
    std::array<WaterBytes, kMaxWaterRows> rows;
    std::array<std::uint8_t, kMaxWaterPalettes> palettes;
};

constexpr std::array<WaterSample, 3> kSamples = {{
    {"p2", {{{0x78, 0x0F, 0x00}, {0x38, 0x00, 0x0D}, {0x78, 0x0B, 0x01}}}, {0x0A, 0x0B, 0x0C}},
    {"p2k", {{{0x78, 0x0F, 0x01}, {0x38, 0x00, 0x0D}, {0x38, 0x00, 0x08}}}, {0x0A, 0x0B, 0x0D}},
    {"p3",
     {{{0x38, 0x00, 0x01}, {0x78, 0x00, 0x01}, {0x78, 0x03, 0x00}, {0x78, 0x06, 0x00}, {0x38, 0x00, 0x07}}},
     {}},
}};

// The zone variable the compares read, an absolute short address.
constexpr std::uint16_t kZoneVariable = 0xFE10;

} // namespace

void FillWaterSamples(SyntheticImage& image, const std::string& gameCode)
{
    const WaterLayout* layout = WaterLayoutFor(gameCode);
    if (!layout)
        return;
    for (const WaterSample& sample : kSamples) {
        if (gameCode != sample.gameCode)
            continue;
        for (int n = 0; n < layout->rowCount; ++n) {
            const auto a = static_cast<std::size_t>(layout->rows[n]);
            const WaterBytes& row = sample.rows[static_cast<std::size_t>(n)];
            // cmpi.b / cmpi.w #imm, (zone).w, then beq.s to the water set-up.
            image.bytes(a - 2, {0x0C, row.size, row.high, row.low});
            image.word(a + 2, kZoneVariable);
            image.bytes(a + 4, {0x67, static_cast<std::uint8_t>(0x40 - 8 * n)});
        }
        for (int n = 0; n < layout->paletteCount; ++n) {
            // moveq #palette, d0
            const auto p = static_cast<std::size_t>(layout->palettes[n]);
            image.bytes(p - 1, {0x70, sample.palettes[static_cast<std::size_t>(n)]});
        }
    }
}
