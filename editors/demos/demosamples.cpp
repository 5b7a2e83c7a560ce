// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/syntheticimage.h"
#include "editors/editorlist.h"

#include "editors/demos/demomodel.h"

#include <array>

namespace {

struct DemoSample
{
    const char* gameCode;
    std::uint16_t length;        // frames
    std::uint16_t specialLength; // frames, first game only
    std::uint16_t number;
    std::array<std::uint16_t, kDemoLevelWords> levels;
};

constexpr std::array<DemoSample, 7> kSamples = {{
    {"p1", 540, 1800, 4, {0x0000, 0x0200, 0x0400, 0x0500}},
    {"p1j", 600, 1800, 4, {0x0000, 0x0200, 0x0400, 0x0501}},
    {"p2", 540, 0, 4, {0x0000, 0x0D00, 0x0F00, 0x0C00}},
    {"p2b", 540, 0, 3, {0x0000, 0x0800, 0x0C00, 0x0A00}},
    {"p2k", 900, 0, 4, {0x0001, 0x0D00, 0x0F00, 0x0C00}},
    {"p3", 1800, 0, 3, {0x0000, 0x0100, 0x0300, 0x0000}},
    {"pk", 1800, 0, 0, {0x0700, 0x0900, 0x0A00, 0x0000}},
}};

} // namespace

void FillDemosSamples(SyntheticImage& image, const std::string& gameCode)
{
    const DemoLayout* layout = DemoLayoutFor(gameCode);
    if (!layout)
        return;
    for (const DemoSample& sample : kSamples) {
        if (gameCode != sample.gameCode)
            continue;
        image.word(static_cast<std::size_t>(layout->length), sample.length);
        if (layout->specialLength != kNoDemoOffset)
            image.word(static_cast<std::size_t>(layout->specialLength), sample.specialLength);
        if (layout->number != kNoDemoOffset)
            image.word(static_cast<std::size_t>(layout->number), sample.number);
        for (int n = 0; n < kDemoLevelWords; ++n)
            image.word(static_cast<std::size_t>(layout->levelBase + 2 * n), sample.levels[static_cast<std::size_t>(n)]);
    }
}
