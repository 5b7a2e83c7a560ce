// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/art/artviewer.h"
#include "ui_artviewer.h"

#include "core/imagesession.h"
#include "core/supportfiles.h"
#include "editors/art/artmodel.h"
#include "editors/editorlist.h"
#include "ui/handlers.h"
#include "ui/filenames.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QTimer>


namespace {

// The built-in picture "omg", top row first: . black (transparent),
// A (64, 64, 160), D (32, 32, 128).
constexpr const char* kOmgRows[] = {
    "........", "........", "....AAAA", "..DDDDAA", "....DDDD", ".......D", "........", ".......A",
};

Picture omgPicture()
{
    Picture picture;
    picture.image = QImage(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const char c = kOmgRows[y][x];
            picture.image.setPixel(x, y, c == 'A' ? qRgb(64, 64, 160) : c == 'D' ? qRgb(32, 32, 128) : qRgb(0, 0, 0));
        }
    }
    picture.transparent = qRgb(0, 0, 0);
    return picture;
}

void fillPanel(QWidget* panel, const QColor& colour)
{
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colour);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

} // namespace

ArtViewer::ArtViewer(const ImageSession& session, QWidget* parent)
    : QDialog(parent), mUi(std::make_unique<Ui::ArtViewer>()), mSession(session)
{
    mUi->setupUi(this);

    fillPanel(mUi->Panel1, Qt::white);
    fillPanel(mUi->i1, Qt::white);
    fillPanel(mUi->i2, palette().color(QPalette::Highlight));
    mUi->Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    mSwatches = {mUi->p0, mUi->p1, mUi->p2,  mUi->p3,  mUi->p4,  mUi->p5,  mUi->p6,  mUi->p7,
                 mUi->p8, mUi->p9, mUi->p10, mUi->p11, mUi->p12, mUi->p13, mUi->p14, mUi->p15};

    mPictures[QStringLiteral("omg")] = omgPicture();
    mUi->surface->prepare();

    mTicker = new QTimer(this);
    mTicker->setObjectName(QStringLiteral("ticker"));
    mTicker->setInterval(1000);
    ConnectHandler(qGuiApp, &QGuiApplication::applicationStateChanged, this, &ArtViewer::applicationStateChanged);
    applicationStateChanged(QGuiApplication::applicationState());

    RunHandler([this] { showImage(); });
}

ArtViewer::~ArtViewer() = default;

void ArtViewer::showImage()
{
    readPalette(kArtColoursOffset);
    for (const ArtTile& tile : kArtTiles)
        makeTile(WritableSupportFilePath(tile.file), tile.tile, tile.piece, findChild<QLabel*>(QString::fromLatin1(tile.box)));

    Sprite sprite;
    sprite.picture = &mPictures.at(QStringLiteral("omg"));
    sprite.width = 8;
    sprite.height = 8;
    mSprites = {sprite};
    mUi->surface->fill(qRgb(0, 0, 0));
    mSprites.front().position = QPoint(0, 0);
    mUi->surface->drawSprites(mSprites);
    // The surface keeps no drawing context open: it repaints from its image.
}

void ArtViewer::readPalette(std::uint16_t offset)
{
    int read = 0;
    ReadThenShow([&] { ReadArtColours(mSession.path(), offset, mPalette, read); },
                 [&] {
                     for (int k = 0; k < read; ++k)
                         paintSwatch(mPalette[static_cast<std::size_t>(k)], mSwatches[static_cast<std::size_t>(k)]);
                 });
}

void ArtViewer::paintSwatch(std::uint16_t word, ColourSwatch* box)
{
    box->setColour(ViewerColour(word));
}

ScreenColour ArtViewer::pixelColour(std::uint8_t byte, bool high)
{
    return TilePixelColour(mPalette, byte, high);
}

void ArtViewer::makeTile(const std::string& file, std::int32_t tileOffset, std::int32_t pieceOffset, QLabel* box)
{
    const ArtTileBytes tile = ReadArtTile(mSession.path(), tileOffset, pieceOffset);
    WriteTileBitmapFile(file, EncodeTileBitmap(tile.bytes, tile.flip,
                                               [this](std::uint8_t b, bool high) { return pixelColour(b, high); }));
    box->setPixmap(QPixmap(ShownPath(file), "BMP"));
    box->repaint();
}

void ArtViewer::applicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive)
        mTicker->start();
    else
        mTicker->stop();
}

std::unique_ptr<QDialog> NewArtEditor(ImageSession* session, EditorMemory&, QWidget* owner)
{
    if (!session)
        return nullptr;
    return std::make_unique<ArtViewer>(*session, owner);
}
