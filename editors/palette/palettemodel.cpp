// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/palette/palettemodel.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/romaccess.h"
#include "core/romfile.h"

PaletteEditorState PalEdit;

void PaletteModel::read(const std::string& path, const PaletteEntry& entry, PaletteColours& colours)
{
    mColoursRead = -1;
    CheckPaletteCount(entry);
    mColoursRead = 0;
    mSnapshot.take(path);
    for (int i = 0; i < entry.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const auto offset = static_cast<std::int32_t>(entry.offset + 2 * static_cast<std::uint32_t>(i));
        colours[k] = static_cast<std::uint16_t>(SwapWord(ReadRomValue(path, offset, 2)));
        mStored[k] = colours[k];
        ++mColoursRead;
    }
}

void PaletteModel::check(const PaletteEntry& entry) const
{
    // Only colours read from this image in this opening may be written back.
    if (mColoursRead < 0)
        throw KorvaneError("No palette has been read from this ROM; nothing was saved");
    if (mColoursRead < entry.count)
        throw KorvaneError("Only " + DecStr(static_cast<std::uint32_t>(mColoursRead)) + " of the "
                           + DecStr(entry.count) + " colours of this palette could be read from the ROM; "
                           + "nothing was saved");
}

std::vector<ImageSnapshot::Value> PaletteModel::changes(const PaletteEntry& entry,
                                                        const PaletteColours& colours) const
{
    std::vector<ImageSnapshot::Value> changed;
    for (int i = 0; i < entry.count; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (colours[k] != mStored[k])
            changed.push_back({entry.offset + 2 * static_cast<std::int64_t>(i), WordBytes(mStored[k])});
    }
    return changed;
}

void PaletteModel::write(const std::string& path, const PaletteEntry& entry, const PaletteColours& colours)
{
    writeAll(path, {{this, &entry, &colours}});
}

void PaletteModel::writeAll(const std::string& path, const std::vector<Save>& palettes)
{
    for (const Save& palette : palettes)
        palette.model->check(*palette.entry);
    ImageAccess access(path, RomFile::Access::Write);
    RomFile& file = *access;
    file.requireOpen(path);
    for (const Save& palette : palettes)
        palette.model->mSnapshot.check(file, palette.model->changes(*palette.entry, *palette.colours));
    for (const Save& palette : palettes) {
        const PaletteEntry& entry = *palette.entry;
        PaletteColours& stored = palette.model->mStored;
        for (int i = 0; i < entry.count; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const std::uint16_t word = (*palette.colours)[k];
            if (word == stored[k])
                continue;
            const unsigned char bytes[2] = {static_cast<unsigned char>(word >> 8), static_cast<unsigned char>(word)};
            if (!file.writeAt(entry.offset + 2 * static_cast<std::int64_t>(i), bytes, sizeof bytes))
                throw KorvaneError("Stream write error", file.error());
            stored[k] = word;
        }
    }
}
