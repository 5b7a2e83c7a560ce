// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/imagesnapshot.h"
#include "core/korvaneerror.h"
#include "editors/water/waterrows.h"

#include <array>
#include <cstdint>
#include <string>

// The rows and palette bytes of the water editor in one image.
struct WaterValues
{
    std::array<WaterBytes, kMaxWaterRows> rows{};
    std::array<std::uint8_t, kMaxWaterPalettes> palettes{};
};

// The palette box texts, one per palette byte.
using WaterPaletteTexts = std::array<std::string, kMaxWaterPalettes>;

// The values of the water editor in one image, at the layout's offsets,
// read and written one byte and one open of the file at a time.
class WaterModel
{
public:
    explicit WaterModel(const WaterLayout& layout) : mLayout(layout) {}

    const WaterLayout& layout() const { return mLayout; }

    // Takes the image's snapshot, then reads each row's size byte and
    // immediate word (A - 1, A, A + 1), rows in order. A read error ends it
    // and propagates; the rows before it stay read.
    void readRows(const std::string& path);
    // Reads the palette bytes in order, as readRows.
    void readPalettes(const std::string& path);
    int rowsRead() const { return mRowsRead; }
    int palettesRead() const { return mPalettesRead; }
    // The values as read, or as last written.
    const WaterValues& values() const { return mValues; }

    // The refusals of a Save, before anything is written: no row read at
    // all, or a palette text that is not a byte (ParseWaterPalette, in
    // order; FieldError with the palette's index, or with all given, every
    // refused palette added there instead). Returns the palette bytes of the
    // texts; those never read or refused keep their stored value.
    std::array<std::uint8_t, kMaxWaterPalettes> checkPalettes(const WaterPaletteTexts& texts,
                                                              FieldErrors* all = nullptr) const;

    // Writes every row of wanted that was read, is a byte or word compare
    // and differs from values() (its three bytes, in order), then every
    // palette byte that was read and differs. Refuses when no row was read,
    // and unless the image is still the one read (ImageSnapshot::check, even
    // when nothing differs). A write error ends it and propagates; what was
    // written before it counts as written.
    void write(const std::string& path, const WaterValues& wanted);

    // Takes the snapshot again once a Save has completed.
    void retakeSnapshot(const std::string& path) { mSnapshot.take(path); }

    // write's refusal when no row was read.
    void checkSomethingRead() const;

private:
    // Rows of wanted the write rewrites: read, editable, different.
    bool rewrites(const WaterValues& wanted, int row) const;

    const WaterLayout& mLayout;
    ImageSnapshot mSnapshot;
    WaterValues mValues;
    int mRowsRead = 0;
    int mPalettesRead = 0;
};
