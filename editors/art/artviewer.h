// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/art/drawsurface.h"
#include "editors/art/tilebitmap.h"

#include <QDialog>
#include <QString>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class ArtViewer;
}

class ImageSession;
class ColourSwatch;
class QLabel;
class QTimer;

// A test window that shows a fixed piece of tile art of the ROM: the art
// palette as 16 swatches and eleven tiles, each written into a bitmap file
// of the support folder and loaded from there; a drawing surface shows one
// built-in sprite.
class ArtViewer : public QDialog
{
    Q_OBJECT

public:
    ArtViewer(const ImageSession& session, QWidget* parent = nullptr);
    ~ArtViewer() override;

    void showImage();
    // Reads the 16 big-endian colour words at offset into the art palette,
    // one ROM read a word, and colours p0 to p15 with them. Throws the ROM
    // access errors.
    void readPalette(std::uint16_t offset);
    // Colours box with a Mega Drive colour word as the viewer shows it
    // (nibble x 16).
    void paintSwatch(std::uint16_t word, ColourSwatch* box);
    // The colour of the high or low nibble of a tile byte in the art palette.
    ScreenColour pixelColour(std::uint8_t byte, bool high);
    // Reads the tile at tileOffset and the flip bit of the sprite piece at
    // pieceOffset, writes the tile's 246-byte bitmap into the existing file
    // (never created nor shortened) and shows it in box. Throws "Cannot open
    // file <file>" when the file is missing or not writable, and the ROM
    // read errors; the ROM is read in full before the file is touched.
    void makeTile(const std::string& file, std::int32_t tileOffset, std::int32_t pieceOffset, QLabel* box);

private:
    // The generated form.
    std::unique_ptr<Ui::ArtViewer> mUi;
    void applicationStateChanged(Qt::ApplicationState state);

    const ImageSession& mSession;
    // The colour words of the art palette as read.
    TilePalette mPalette{};
    std::array<ColourSwatch*, 16> mSwatches{};
    // The surface's picture list and sprite list.
    std::map<QString, Picture> mPictures;
    std::vector<Sprite> mSprites;
    // Ticks while the application is active; nothing listens to it.
    QTimer* mTicker = nullptr;
};
