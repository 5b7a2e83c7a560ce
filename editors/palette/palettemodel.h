// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/imagesnapshot.h"
#include "editors/palette/palettelist.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Palette editor state that outlives the window: every opening in a run
// shares it.
struct PaletteEditorState
{
    // Colour words of the palette shown, in host order (already swapped).
    std::array<std::uint16_t, kMaxPaletteColours> colours{};
    // Colour being edited, 0 to 63; kept from one opening to the next.
    int selected = 0;
    // Palette list entry shown.
    int currentEntry = 0;
    // File offset of colour 0 of the palette shown.
    std::uint32_t currentOffset = 0;
    // Entry i is line i of the list file and item i of the editor's list;
    // kPaletteTableSize entries once a list was loaded (LoadPaletteList),
    // none before, so that no program pays for them at start-up.
    std::vector<PaletteEntry> table;
};

extern PaletteEditorState PalEdit;

using PaletteColours = std::array<std::uint16_t, kMaxPaletteColours>;

// The colours of one palette of an image, as the palette editor reads and
// writes them: big-endian words from the entry's offset on.
class PaletteModel
{
public:
    // Refuses an entry of more than kMaxPaletteColours colours
    // (CheckPaletteCount), takes the image's snapshot, then reads the entry's colour words into colours
    // from index 0, in order, one open of the file each; colours past the
    // ones read keep what they held. A read error ends it and propagates;
    // the colours before it stay read.
    void read(const std::string& path, const PaletteEntry& entry, PaletteColours& colours);
    // Colours of the last entry read; -1 while none has been loaded.
    int coloursRead() const { return mColoursRead; }
    // The colours as read, or as last written.
    const PaletteColours& stored() const { return mStored; }

    // The refusals of a Save of entry: no palette loaded, or not every one
    // of its colours read from the image.
    void check(const PaletteEntry& entry) const;

    // check, then opens the file once, exclusively, checks that it is still
    // the image read (ImageSnapshot::check, even when nothing differs) and
    // writes each colour i below the entry's count that differs from what
    // was read (or last written), in order. An error ends it and propagates;
    // the colours written before it count as written.
    void write(const std::string& path, const PaletteEntry& entry, const PaletteColours& colours);

    // One palette of a Save of several.
    struct Save
    {
        PaletteModel* model;
        const PaletteEntry* entry;
        const PaletteColours* colours;
    };
    // write for several palettes at once: every check first, then one
    // exclusive open, every snapshot check, and the writes in order (a
    // colour that two palettes share takes the later one's).
    static void writeAll(const std::string& path, const std::vector<Save>& palettes);

    // Takes the snapshot again once a Save has completed.
    void retakeSnapshot(const std::string& path) { mSnapshot.take(path); }

private:
    std::vector<ImageSnapshot::Value> changes(const PaletteEntry& entry, const PaletteColours& colours) const;

    ImageSnapshot mSnapshot;
    PaletteColours mStored{};
    int mColoursRead = -1;
};
