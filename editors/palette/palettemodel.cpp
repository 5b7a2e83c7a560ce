// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/palette/palettemodel.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/romaccess.h"
#include "core/romfile.h"

void PaletteModel::readValues(RomFile& file)
{
    mColoursRead = -1;
    CheckPaletteCount(mEntry);
    mColoursRead = 0;
    mStored = {};
    for (int i = 0; i < mEntry.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto offset = static_cast<std::int32_t>(mEntry.offset + 2 * static_cast<std::uint32_t>(i));
        mStored[k] = static_cast<std::uint16_t>(SwapWord(ReadRomValue(file, offset, 2)));
        ++mColoursRead;
    }
    mWanted = mStored;
}

std::string PaletteModel::unreadRefusal() const
{
    // Only colours read from this image in this opening may be written back.
    if (mColoursRead < 0)
        return "No palette has been read from this ROM; nothing was saved";
    if (mColoursRead < mEntry.count)
        return "Only " + DecStr(static_cast<std::uint32_t>(mColoursRead)) + " of the " + DecStr(mEntry.count)
            + " colours of this palette could be read from the ROM; nothing was saved";
    return {};
}

std::vector<ByteSpan> PaletteModel::spans() const
{
    return {{mEntry.offset, 2 * std::int64_t{mEntry.count}}};
}

std::vector<ImageSnapshot::Value> PaletteModel::changes() const
{
    std::vector<ImageSnapshot::Value> changed;
    for (int i = 0; i < mEntry.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (mWanted[k] != mStored[k])
            changed.push_back({mEntry.offset + 2 * static_cast<std::int64_t>(i), WordBytes(mStored[k])});
    }
    return changed;
}

void PaletteModel::write(RomFile& file)
{
    for (int i = 0; i < mEntry.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (mWanted[k] == mStored[k])
            continue;
        WriteRomBytes(file, mEntry.offset + 2 * static_cast<std::int64_t>(i), 2, SwapWord(mWanted[k]));
        mStored[k] = mWanted[k];
    }
}
