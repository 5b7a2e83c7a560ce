// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colourwords.h"
#include "editors/palette/palettemodel.h"
#include "ui/colourswatch.h"
#include "ui_paledit.h"

#include <QDialog>

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

// The palette editor: the palettes of the game's palette list, their colours
// as 64 swatches, three bars and a typed word to change one colour, and Save,
// which writes the palette shown back through one open of the ROM.
class Tpalform : public QDialog, private Ui::Tpalform
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
    // The colours of the palette shown as this opening read them; Save
    // needs them all.
    PaletteModel mModel;
    // Colours the user changed (a bar moved by the user, or "Change") since
    // the palette was read; only these are saved.
    std::bitset<kMaxPaletteColours> mChanged;
    // Above 0 while update() sets the bars from the selected colour.
    int mRefreshing = 0;
};

extern Tpalform* palform;
