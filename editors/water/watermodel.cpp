// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/water/watermodel.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"

namespace {

std::uint8_t readByte(const std::string& path, std::int32_t offset)
{
    return static_cast<std::uint8_t>(ReadRomValue(path, offset, 1));
}

} // namespace

void WaterModel::readRows(const std::string& path)
{
    mRowsRead = 0;
    mSnapshot.take(path);
    for (int n = 0; n < mLayout.rowCount; ++n) {
        const std::int32_t a = mLayout.rows[static_cast<std::size_t>(n)];
        WaterBytes& row = mValues.rows[static_cast<std::size_t>(n)];
        row.size = readByte(path, a - 1);
        row.high = readByte(path, a);
        row.low = readByte(path, a + 1);
        ++mRowsRead;
    }
}

void WaterModel::readPalettes(const std::string& path)
{
    mPalettesRead = 0;
    for (int n = 0; n < mLayout.paletteCount; ++n) {
        mValues.palettes[static_cast<std::size_t>(n)] = readByte(path, mLayout.palettes[static_cast<std::size_t>(n)]);
        ++mPalettesRead;
    }
}

void WaterModel::checkSomethingRead() const
{
    // An opening that could not read the file leaves nothing to save; the
    // header repair and the success message would claim otherwise.
    if (mRowsRead == 0)
        throw KorvaneError("No water row has been read from this ROM; nothing was saved");
}

std::array<std::uint8_t, kMaxWaterPalettes> WaterModel::checkPalettes(const WaterPaletteTexts& texts,
                                                                      FieldErrors* all) const
{
    checkSomethingRead();
    std::array<std::uint8_t, kMaxWaterPalettes> palettes = mValues.palettes;
    for (int n = 0; n < mPalettesRead; ++n) {
        const auto k = static_cast<std::size_t>(n);
        try {
            palettes[k] = ParseWaterPalette(texts[k], n + 1);
        } catch (const KorvaneError& e) {
            if (!all)
                throw FieldError(k, e.what());
            all->emplace_back(k, e.what());
        }
    }
    return palettes;
}

bool WaterModel::rewrites(const WaterValues& wanted, int row) const
{
    const auto k = static_cast<std::size_t>(row);
    // Other forms are not the editor's to rewrite.
    return row < mRowsRead && IsEditableWaterRow(mValues.rows[k]) && wanted.rows[k] != mValues.rows[k];
}

void WaterModel::write(const std::string& path, const WaterValues& wanted)
{
    checkSomethingRead();
    std::vector<ImageSnapshot::Value> changed;
    for (int n = 0; n < mRowsRead; ++n) {
        const auto k = static_cast<std::size_t>(n);
        const WaterBytes& row = mValues.rows[k];
        if (rewrites(wanted, n))
            changed.push_back({mLayout.rows[k] - 1, {char(row.size), char(row.high), char(row.low)}});
    }
    for (int n = 0; n < mPalettesRead; ++n) {
        const auto k = static_cast<std::size_t>(n);
        if (wanted.palettes[k] != mValues.palettes[k])
            changed.push_back({mLayout.palettes[k], std::string(1, char(mValues.palettes[k]))});
    }
    mSnapshot.check(path, changed);

    for (int n = 0; n < mRowsRead; ++n) {
        const auto k = static_cast<std::size_t>(n);
        if (!rewrites(wanted, n))
            continue;
        const std::int32_t a = mLayout.rows[k];
        WriteRomBytes(path, a - 1, 1, wanted.rows[k].size);
        WriteRomBytes(path, a, 1, wanted.rows[k].high);
        WriteRomBytes(path, a + 1, 1, wanted.rows[k].low);
        mValues.rows[k] = wanted.rows[k];
    }
    for (int n = 0; n < mPalettesRead; ++n) {
        const auto k = static_cast<std::size_t>(n);
        if (wanted.palettes[k] == mValues.palettes[k])
            continue;
        WriteRomBytes(path, mLayout.palettes[k], 1, wanted.palettes[k]);
        mValues.palettes[k] = wanted.palettes[k];
    }
}
