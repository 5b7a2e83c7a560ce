// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/water/watermodel.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "core/translate.h"

bool WaterEntryIsThirdAct(int entry)
{
    return entry == 5;
}

bool WaterEntryHasOneAct(int entry)
{
    return entry == 5 || entry == 14 || entry == 16;
}

void WaterModel::readValues(RomFile& file)
{
    mRowsRead = 0;
    mPalettesRead = 0;
    const auto byteAt = [this, &file](std::int64_t offset) {
        return static_cast<std::uint8_t>(ReadRomValue(file, at(offset), 1));
    };
    for (int n = 0; n < mLayout.rowCount; ++n) {
        const std::int64_t a = mLayout.rows[static_cast<std::size_t>(n)];
        WaterBytes& row = mValues.rows[static_cast<std::size_t>(n)];
        row.size = byteAt(a - 1);
        row.high = byteAt(a);
        row.low = byteAt(a + 1);
        mWanted.rows[static_cast<std::size_t>(n)] = row;
        ++mRowsRead;
    }
    for (int n = 0; n < mLayout.paletteCount; ++n) {
        const auto k = static_cast<std::size_t>(n);
        mValues.palettes[k] = mWanted.palettes[k] = byteAt(mLayout.palettes[k]);
        ++mPalettesRead;
    }
}

std::string WaterModel::unreadRefusal() const
{
    if (mRowsRead == 0)
        return Translated("WaterModel", "No water row has been read from this ROM; nothing was saved");
    return {};
}

std::array<std::uint8_t, kMaxWaterPalettes> WaterModel::checkPalettes(const WaterPaletteTexts& texts,
                                                                      FieldErrors* all) const
{
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

bool WaterModel::rewrites(int row) const
{
    const auto k = static_cast<std::size_t>(row);
    // Other forms are not the editor's to rewrite.
    return row < mRowsRead && IsEditableWaterRow(mValues.rows[k]) && mWanted.rows[k] != mValues.rows[k];
}

std::vector<ByteSpan> WaterModel::spans() const
{
    std::vector<ByteSpan> spans;
    for (int n = 0; n < mLayout.rowCount; ++n)
        spans.push_back({at(mLayout.rows[static_cast<std::size_t>(n)] - 1), 3});
    for (int n = 0; n < mLayout.paletteCount; ++n)
        spans.push_back({at(mLayout.palettes[static_cast<std::size_t>(n)]), 1});
    return spans;
}

std::vector<SuspectValue> WaterModel::suspects() const
{
    // Each row is the operand of a compare instruction: its size byte, then
    // a zone of the game's list.
    std::vector<SuspectValue> suspect;
    for (int n = 0; n < mRowsRead; ++n) {
        const WaterBytes& row = mValues.rows[static_cast<std::size_t>(n)];
        const std::string found = HexBytes({char(row.size), char(row.high), char(row.low)});
        const std::int64_t where = at(mLayout.rows[static_cast<std::size_t>(n)] - 1);
        if (row.size != kWaterZoneCompare && row.size != kWaterLevelCompare && row.size != kWaterLongCompare)
            suspect.push_back({where, found, Translated("WaterModel", "a level compare")});
        else if (const WaterLevel level = DecodeWaterRow(row);
                 level.decoded && LevelRow(mLayout.zones.table, level.zone) < 0)
            suspect.push_back({where, found, Translated("WaterModel", "a zone of the game")});
    }
    return suspect;
}

std::vector<ImageSnapshot::Value> WaterModel::changes() const
{
    std::vector<ImageSnapshot::Value> changed;
    for (int n = 0; n < mRowsRead; ++n) {
        const auto k = static_cast<std::size_t>(n);
        const WaterBytes& row = mValues.rows[k];
        if (rewrites(n))
            changed.push_back({at(mLayout.rows[k] - 1), {char(row.size), char(row.high), char(row.low)}});
    }
    for (int n = 0; n < mPalettesRead; ++n) {
        const auto k = static_cast<std::size_t>(n);
        if (mWanted.palettes[k] != mValues.palettes[k])
            changed.push_back({at(mLayout.palettes[k]), std::string(1, char(mValues.palettes[k]))});
    }
    return changed;
}

void WaterModel::write(RomFile& file)
{
    for (int n = 0; n < mRowsRead; ++n) {
        const auto k = static_cast<std::size_t>(n);
        if (!rewrites(n))
            continue;
        const std::int64_t a = mLayout.rows[k];
        WriteRomBytes(file, at(a - 1), 1, mWanted.rows[k].size);
        WriteRomBytes(file, at(a), 1, mWanted.rows[k].high);
        WriteRomBytes(file, at(a + 1), 1, mWanted.rows[k].low);
        mValues.rows[k] = mWanted.rows[k];
    }
    for (int n = 0; n < mPalettesRead; ++n) {
        const auto k = static_cast<std::size_t>(n);
        if (mWanted.palettes[k] == mValues.palettes[k])
            continue;
        WriteRomBytes(file, at(mLayout.palettes[k]), 1, mWanted.palettes[k]);
        mValues.palettes[k] = mWanted.palettes[k];
    }
}
