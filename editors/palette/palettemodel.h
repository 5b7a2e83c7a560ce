#pragma once

#include "editors/palette/palettelist.h"

#include <array>
#include <cstdint>
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
    // Entry i is line i of the list file and item i of the editor's list.
    std::vector<PaletteEntry> table = std::vector<PaletteEntry>(kPaletteTableSize);
};

extern PaletteEditorState PalEdit;
