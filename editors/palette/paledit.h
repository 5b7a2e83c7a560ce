#pragma once

#include "editors/palette/colourswatch.h"
#include "editors/palette/colourwords.h"
#include "editors/palette/palettelist.h"
#include "ui_paledit.h"

#include <QDialog>

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

// The palette editor: the palettes of the game's palette list, their colours
// as 64 swatches, three bars and a typed word to change one colour, and Save,
// which writes the palette shown back through one open of the ROM.
class Tpalform : public QDialog, public Ui::Tpalform
{
    Q_OBJECT

public:
    explicit Tpalform(QWidget* parent = nullptr);

    void FormCreate();
    // Reads palette list entry k into the colour store, one ROM read a colour,
    // and shows its swatches; the others are hidden.
    void updateplt(int k);
    // Colours swatch i from colour word i.
    void loadcolor(int i);
    // Shows the selected colour: bevels, preview, offset and word boxes,
    // component boxes and bars.
    void update();

    void swatchClick(int k);
    void BarBChange();
    void BarGChange();
    void BarRChange();
    void Button1Click();
    void PltListClick(int row);
    void Button2Click();

private:
    ColourFormat format() const;
    void barChange(QScrollBar* bar, ColourComponent component);

    std::array<ColourSwatch*, kMaxPaletteColours> mSwatches{};
    // Colours of the palette shown that were read from the ROM in this
    // opening; -1 while no palette has been loaded. Save needs them all.
    int mColoursRead = -1;
};

extern Tpalform* palform;
