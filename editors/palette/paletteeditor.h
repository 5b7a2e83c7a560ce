// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/colourwords.h"
#include "editors/palette/palettemodel.h"
#include "ui/colourswatch.h"

#include <QDialog>

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

namespace Ui {
class PaletteEditor;
}

class ImageSession;
class QScrollBar;
struct EditorMemory;
class TrackedForm;

// The palette editor: the palettes of the game's palette list, their colours
// as 64 swatches, three bars and a typed word to change one colour, and Save,
// which writes the changed colours of every palette back through one open of
// the ROM. A palette keeps its changes while others are shown; the list
// shows the palettes that hold changes in bold.
class PaletteEditor : public QDialog
{
    Q_OBJECT

public:
    // memory keeps the colour edited from one opening to the next.
    PaletteEditor(ImageSession& session, EditorMemory& memory, QWidget* parent = nullptr);
    ~PaletteEditor() override;

    void showImage();
    // Reads palette list entry k into the colour store, one ROM read a colour,
    // and shows its swatches; the others are hidden.
    void readPalette(int k);
    // Colours swatch i from colour word i.
    void showColour(int i);
    // Shows the selected colour: bevels, preview, offset and word boxes,
    // component boxes and bars.
    void showSelectedColour();

    void selectColour(int k);
    void blueMoved();
    void greenMoved();
    void redMoved();
    void applyWord();
    void showPalette(int row);
    // The colours changed, as the models' wanted values.
    std::vector<EditorModel*> want();
    // Reads every palette held again and shows the image's colours.
    void reread();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The generated form.
    std::unique_ptr<Ui::PaletteEditor> mUi;
    // What the window shows.
    struct State
    {
        // Colour words of the palette shown, in host order (already swapped).
        PaletteColours colours{};
        // Palette list entry shown.
        int currentEntry = 0;
        // File offset of colour 0 of the palette shown.
        std::uint32_t currentOffset = 0;
        // Entry i is line i of the list file and item i of the list;
        // kPaletteTableSize entries once the list was loaded.
        std::vector<PaletteEntry> table;
    };

    // A palette of the list this opening has read.
    struct HeldPalette
    {
        // The colours as read, or as last saved.
        PaletteModel model;
        // The colours as read: what undo goes back to.
        PaletteColours original{};
        // The colours as shown; the palette shown keeps them in
        // mState.colours meanwhile.
        PaletteColours colours{};
        // Colours the user changed (a bar moved by the user, or "Change");
        // only these are saved.
        std::bitset<kMaxPaletteColours> changed;
    };

    ColourFormat format() const;
    // The word box holds a word other than the selected colour's.
    bool wordTyped() const;
    void barChange(QScrollBar* bar, ColourComponent component);
    // The palette shown, with its colours taken from mState.colours.
    HeldPalette& shown();
    // The colours of a palette as shown; the shown one's are mState.colours.
    const PaletteColours& coloursOf(int row, const HeldPalette& palette) const;
    // The user's changes of a palette since it was read, as "row index
    // word" texts, for the undo stack.
    QStringList editsOf(int row, const HeldPalette& palette) const;
    // Changes the image does not hold yet.
    bool unsaved(int row, const HeldPalette& palette) const;
    QStringList heldEdits();
    void putBackEdits(const QStringList& edits);
    // The models of the palettes read.
    std::vector<EditorModel*> heldModels();
    // Bold list items for the palettes with changes.
    void markChangedPalettes();
    void edited(const QString& what, int key);
    void showSwatches();
    void moveFocus(int from, int by);

    ImageSession& mSession;
    EditorMemory& mMemory;
    State mState;
    std::array<ColourSwatch*, kMaxPaletteColours> mSwatches{};
    std::map<int, HeldPalette> mHeld;
    TrackedForm* mTracked = nullptr;
    // Undo steps: moves of one bar on one colour make one step; each
    // "Change" is a step of its own.
    int mEditKey = 0;
    // Above 0 while showSelectedColour() sets the bars from the selected colour.
    int mRefreshing = 0;
    // Above 0 while undo or redo puts colours back.
    int mPuttingBack = 0;
};
