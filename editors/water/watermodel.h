// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/editormodel.h"
#include "core/korvaneerror.h"
#include "editors/water/waterrows.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// The rows and palette bytes of the water editor in one image.
struct WaterValues
{
    std::array<WaterBytes, kMaxWaterRows> rows{};
    std::array<std::uint8_t, kMaxWaterPalettes> palettes{};
};

// The palette box texts, one per palette byte.
using WaterPaletteTexts = std::array<std::string, kMaxWaterPalettes>;

// The act rule of the zone list's entries: entry 5 is a third act (its
// "Act 1" is act 3), entries 14 and 16 have one act only; such entries take
// "Act 1" alone.
bool WaterEntryIsThirdAct(int entry);
bool WaterEntryHasOneAct(int entry);

// The values of the water editor in one image, at the layout's offsets,
// read and written one byte at a time.
class WaterModel : public EditorModel
{
public:
    explicit WaterModel(const WaterLayout& layout) : mLayout(layout) {}

    const WaterLayout& layout() const { return mLayout; }

    int rowsRead() const { return mRowsRead; }
    int palettesRead() const { return mPalettesRead; }
    // The values as read, or as last written.
    const WaterValues& values() const { return mValues; }
    const WaterValues& wanted() const { return mWanted; }

    // The palette bytes of texts, one per palette box (ParseWaterPalette, in
    // order): the first refused throws FieldError with the palette's index,
    // or with all given, every refused palette is added there instead. Those
    // never read or refused keep their stored value.
    std::array<std::uint8_t, kMaxWaterPalettes> checkPalettes(const WaterPaletteTexts& texts,
                                                              FieldErrors* all = nullptr) const;

    // The values a Save writes: rows that are no byte or word compare, and
    // values never read, are kept as read whatever wanted holds.
    void want(const WaterValues& wanted) { mWanted = wanted; }

    // "No water row has been read from this ROM; nothing was saved" while no
    // row was read.
    std::string unreadRefusal() const override;
    std::vector<ByteSpan> spans() const override;
    std::vector<ImageSnapshot::Value> changes() const override;
    // A row whose size byte is no compare's, or whose zone is none of the
    // layout's list.
    std::vector<SuspectValue> suspects() const override;
    // Each row rewritten (its three bytes, in order), then each palette byte.
    void write(RomFile& file) override;

protected:
    // Each row's size byte and immediate word (A - 1, A, A + 1), rows in
    // order, then the palette bytes in order.
    void readValues(RomFile& file) override;

private:
    // Rows of wanted the write rewrites: read, editable, different.
    bool rewrites(int row) const;

    const WaterLayout& mLayout;
    WaterValues mValues;
    WaterValues mWanted;
    int mRowsRead = 0;
    int mPalettesRead = 0;
};
