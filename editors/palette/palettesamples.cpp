// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/syntheticimage.h"
#include "editors/editorlist.h"

#include "core/supportfiles.h"
#include "editors/palette/palettelist.h"
#include "palettelists.inc"

#include <cmath>
#include <cstdint>

namespace {

// A colour word for a hue (0 to 1 round the circle) and a brightness (0 to 1).
std::uint16_t sampleWord(double hue, double value, ColourFormat format)
{
    const double h = (hue - std::floor(hue)) * 6.0;
    const double x = value * (1.0 - std::fabs(std::fmod(h, 2.0) - 1.0));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h)) {
    case 0: r = value; g = x; break;
    case 1: r = x; g = value; break;
    case 2: g = value; b = x; break;
    case 3: g = x; b = value; break;
    case 4: r = x; b = value; break;
    default: r = value; b = x; break;
    }
    if (format == ColourFormat::MegaDrive) {
        // Even nibbles, as the console uses them.
        const auto n = [](double c) { return static_cast<unsigned>(std::lround(c * 7.0)) * 2; };
        return static_cast<std::uint16_t>(n(b) << 8 | n(g) << 4 | n(r));
    }
    const auto c = [](double v) { return static_cast<unsigned>(std::lround(v * 31.0)); };
    return static_cast<std::uint16_t>(c(b) << 10 | c(g) << 5 | c(r));
}

} // namespace

void FillPalettesSamples(SyntheticImage& image, const std::string& code)
{
    for (const auto& [listCode, text] : kShippedPaletteLists) {
        if (code != listCode)
            continue;
        int palette = 0;
        for (const std::string& line : SplitLines(text)) {
            const PaletteEntry entry = ParsePaletteLine(line);
            // Each line of 16 sweeps the hue; lower lines are darker, and
            // every palette starts at another hue.
            for (int i = 0; i < entry.count; ++i) {
                const double hue = (i % 16) / 16.0 + palette * 0.13;
                const double value = 1.0 - (i / 16) * 0.2;
                std::uint16_t word = sampleWord(hue, value, entry.format);
                // The 32X marks colours through bit 15; keep one such word.
                if (entry.format == ColourFormat::Mars && i == 0)
                    word |= 0x8000;
                image.word(entry.offset + 2 * static_cast<std::size_t>(i), word);
            }
            ++palette;
        }
    }
}
