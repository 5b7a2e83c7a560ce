// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/editormodel.h"
#include "editors/palette/palettelist.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using PaletteColours = std::array<std::uint16_t, kMaxPaletteColours>;

// The colours of one palette of an image, as the palette editor reads and
// writes them: big-endian words from the entry's offset on.
class PaletteModel : public EditorModel
{
public:
    // The palette read() reads: set before it. Its colours count as loaded,
    // none read yet, unless it has more than kMaxPaletteColours.
    void setEntry(const PaletteEntry& entry)
    {
        mEntry = entry;
        mColoursRead = entry.count <= kMaxPaletteColours ? 0 : -1;
    }
    const PaletteEntry& entry() const { return mEntry; }

    // Colours read; -1 while no palette has been loaded (and for one refused
    // for its count).
    int coloursRead() const { return mColoursRead; }
    // The colours as read, or as last written; colours past those read are
    // 0.
    const PaletteColours& stored() const { return mStored; }
    const PaletteColours& wanted() const { return mWanted; }
    // The colours a Save writes: those below the entry's count.
    void want(const PaletteColours& colours) { mWanted = colours; }

    // No palette loaded, or not every one of its colours read from the
    // image.
    std::string unreadRefusal() const override;
    std::vector<ByteSpan> spans() const override;
    std::vector<ImageSnapshot::Value> changes() const override;
    // The Mega Drive colour words read with bits outside 0EEE.
    std::vector<SuspectValue> suspects() const override;
    // Each colour below the entry's count that differs, in order (a colour
    // that two palettes of one Save share takes the later one's).
    void write(RomFile& file) override;

protected:
    // Refuses an entry of more than kMaxPaletteColours colours
    // (CheckPaletteCount), then reads the entry's colour words from index 0,
    // in order.
    void readValues(RomFile& file) override;

private:
    // Where colour i lies in this image.
    std::int64_t colourAt(int i) const;

    PaletteEntry mEntry{};
    PaletteColours mStored{};
    PaletteColours mWanted{};
    int mColoursRead = -1;
};
