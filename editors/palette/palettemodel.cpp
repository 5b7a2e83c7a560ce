// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/palette/palettemodel.h"

#include "core/colourwords.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/romaccess.h"
#include "core/romfile.h"
#include "core/translate.h"

#include <algorithm>

void PaletteModel::readValues(RomFile& file)
{
    mColoursRead = -1;
    CheckPaletteCount(mEntry);
    mColoursRead = 0;
    mStored = {};
    for (int i = 0; i < mEntry.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        mStored[k] = static_cast<std::uint16_t>(SwapWord(ReadRomValue(file, colourAt(i), 2)));
        ++mColoursRead;
    }
    mWanted = mStored;
}

std::string PaletteModel::unreadRefusal() const
{
    // Only colours read from this image in this opening may be written back.
    if (mColoursRead < 0)
        return Translated("PaletteModel", "No palette has been read from this ROM; nothing was saved");
    if (mColoursRead < mEntry.count)
        return Substituted(Translated("PaletteModel", "Only %1 of the %2 colours of this palette could be read from "
                                                      "the ROM; nothing was saved"),
                           {DecStr(static_cast<std::uint32_t>(mColoursRead)), DecStr(mEntry.count)});
    return {};
}

std::vector<ByteSpan> PaletteModel::spans() const
{
    return {{at(mEntry.offset), 2 * std::int64_t{mEntry.count}}};
}

std::int64_t PaletteModel::colourAt(int i) const
{
    return at(mEntry.offset + 2 * static_cast<std::int64_t>(i));
}

std::vector<SuspectValue> PaletteModel::suspects() const
{
    // A Mega Drive colour word keeps to its colour bits, as a typed one
    // must; a 32X word may hold any (bit 15 is its priority).
    std::vector<SuspectValue> suspect;
    if (mEntry.format != ColourFormat::MegaDrive)
        return suspect;
    for (int i = 0; i < std::max(mColoursRead, 0); ++i) {
        const std::uint16_t word = mStored[static_cast<std::size_t>(i)];
        if (TypedColourWord(word, mEntry.format) != word)
            suspect.push_back({colourAt(i), HexBytes(WordBytes(word)), Translated("PaletteModel", "a colour word")});
    }
    return suspect;
}

std::vector<ImageSnapshot::Value> PaletteModel::changes() const
{
    std::vector<ImageSnapshot::Value> changed;
    for (int i = 0; i < mEntry.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (mWanted[k] != mStored[k])
            changed.push_back({colourAt(i), WordBytes(mStored[k])});
    }
    return changed;
}

void PaletteModel::write(RomFile& file)
{
    for (int i = 0; i < mEntry.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (mWanted[k] == mStored[k])
            continue;
        WriteRomBytes(file, colourAt(i), 2, SwapWord(mWanted[k]));
        mStored[k] = mWanted[k];
    }
}
