// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/supportfiles.h"
#include "editors/art/artviewer.h"
#include "editors/art/tilebitmap.h"
#include "tests/support/recordingnotices.h"
#include "tests/support/testfiles.h"
#include "tests/ui/uitest.h"
#include "tools/samplerom/samples.h"
#include "core/syntheticimage.h"
#include "ui/colourswatch.h"

#include <QLabel>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

// Where each file's tile lies and which box shows it; the second group is
// flipped and fills i2 column by column.
struct TileRow
{
    const char* file;
    const char* box;
    std::size_t tile;
    bool flipped;
};
constexpr TileRow kTiles[] = {
    {"i1_1", "i1_1", 0x21AFE, false}, {"i1_2", "i1_2", 0x21B1E, false}, {"i1_3", "i1_3", 0x21B3E, false},
    {"i2_1", "i2_1", 0x21B5E, true},  {"i2_2", "i2_5", 0x21B7E, true},  {"i2_3", "i2_2", 0x21B9E, true},
    {"i2_4", "i2_6", 0x21BBE, true},  {"i2_5", "i2_3", 0x21BDE, true},  {"i2_6", "i2_7", 0x21BFE, true},
    {"i2_7", "i2_4", 0x21C1E, true},  {"i2_8", "i2_8", 0x21C3E, true},
};

constexpr std::uint16_t kPalette[16] = {0x0000, 0x0EEE, 0x0002, 0x0642, 0x0020, 0x0200, 0x0E00, 0x00E0,
                                        0x000E, 0x0EE0, 0x0E0E, 0x00EE, 0x0444, 0x0888, 0x0ACE, 0x0246};

// Tile t has colour t + 1 across its top row and colour 0 elsewhere.
SyntheticImage artImage(std::size_t size = 0x22000)
{
    SyntheticImage image(size, 0x00);
    image.serial("GM 00001051-01");
    for (std::size_t k = 0; k < 16; ++k)
        image.word(0x2388 + 2 * k, kPalette[k]);
    image.bytes(0x21294, {0xF8, 0x08, 0xEF, 0x00, 0xF4}).bytes(0x21299, {0x00, 0x0D, 0x10, 0x03, 0xF0});
    for (std::size_t t = 0; t < std::size(kTiles) && kTiles[t].tile + 4 <= size; ++t)
        image.bytes(kTiles[t].tile, std::vector<std::uint8_t>(4, static_cast<std::uint8_t>(0x11 * (t + 1))));
    return image;
}

QColor paletteColour(std::size_t k)
{
    return ToQColor(ViewerColour(kPalette[k]));
}

// How tile t shows: upside down when flipped.
QImage shownTile(std::size_t t)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(paletteColour(0));
    const int row = kTiles[t].flipped ? 7 : 0;
    for (int x = 0; x < 8; ++x)
        image.setPixelColor(x, row, paletteColour(t + 1));
    return image;
}

std::vector<std::uint8_t> bitmapBytes(const QImage& shown)
{
    const std::string header = TileBitmapHeader();
    std::vector<std::uint8_t> bytes(header.begin(), header.end());
    for (int y = 7; y >= 0; --y) {
        for (int x = 0; x < 8; ++x) {
            const QColor c = shown.pixelColor(x, y);
            bytes.insert(bytes.end(), {static_cast<std::uint8_t>(c.blue()), static_cast<std::uint8_t>(c.green()),
                                       static_cast<std::uint8_t>(c.red())});
        }
    }
    return bytes;
}

} // namespace

class ArtViewerTest : public WindowTest
{
    Q_OBJECT

private:
    std::string mSupport;

    std::string bitmapPath(const char* name) const { return mSupport + "/" + name + ".bmp"; }

    // Selects the image as the ROM; the support folder is a temporary copy
    // of the installed one.
    void useRom(const SyntheticImage& image)
    {
        image.save(mPath);
        selectPath();
        TestMainWindow()->selectFile(QString::fromStdString(mPath));
        const std::string exeDir = mDir->file("exe");
        mSupport = exeDir + "/korvane";
        std::filesystem::create_directories(mSupport);
        for (const TileRow& row : kTiles)
            std::filesystem::copy_file(KORVANE_SUPPORT_DIR "/" + std::string(row.file) + ".bmp",
                                       bitmapPath(row.file), std::filesystem::copy_options::overwrite_existing);
        SetSupportBase(exeDir + "/");
    }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        CreateMainWindow();
    }

    void cleanup() { endWindowTest(); }

    void opensFromItsRouteAndWritesEveryTile()
    {
        RecordingNotices notices;
        useRom(artImage());
        // An empty file grows to a whole bitmap; a longer one keeps its tail.
        std::ofstream(bitmapPath("i1_1"), std::ios::trunc);
        std::ofstream(bitmapPath("i2_8"), std::ios::trunc) << std::string(300, 'x');
        // Nothing is written before the viewer opens.
        QCOMPARE(ReadFileBytes(bitmapPath("i1_2")), ReadFileBytes(KORVANE_SUPPORT_DIR "/i1_2.bmp"));

        QList<QColor> swatches;
        QList<QImage> boxes;
        QImage surface;
        const bool opened = WithEditor([] { TestMainWindow()->openArtViewer(); }, [&](QWidget* modal) {
            for (int k = 0; k < 16; ++k)
                swatches << modal->findChild<ColourSwatch*>(QStringLiteral("p%1").arg(k))->colour();
            for (const TileRow& row : kTiles)
                boxes << modal->findChild<QLabel*>(QString::fromLatin1(row.box))->pixmap().toImage();
            surface = modal->findChild<DrawSurface*>("surface")->image();
            modal->close();
        });
        QVERIFY(opened);
        QCOMPARE(notices.errors, QStringList());

        for (std::size_t k = 0; k < 16; ++k)
            QCOMPARE(swatches[static_cast<qsizetype>(k)], paletteColour(k));
        QCOMPARE(swatches[3], QColor(32, 64, 96));

        for (std::size_t t = 0; t < std::size(kTiles); ++t) {
            const QImage expected = shownTile(t);
            std::vector<std::uint8_t> bytes = bitmapBytes(expected);
            if (t + 1 == std::size(kTiles))
                bytes.insert(bytes.end(), 300 - 246, 'x');
            const std::vector<std::uint8_t> written = ReadFileBytes(bitmapPath(kTiles[t].file));
            QCOMPARE(written, bytes);
            // Qt's own reader sees the tile as the box shows it.
            const QImage decoded = QImage::fromData(written.data(), static_cast<int>(written.size()), "BMP");
            QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), expected);
            QCOMPARE(boxes[static_cast<qsizetype>(t)].convertToFormat(QImage::Format_RGB32), expected);
        }

        // The one sprite: 16 pixels of "omg" at (0, 0), black left out.
        QCOMPARE(surface.size(), QSize(257, 257));
        int lit = 0;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                lit += surface.pixel(x, y) == qRgb(0, 0, 0) ? 0 : 1;
        QCOMPARE(lit, 16);
        QCOMPARE(surface.pixel(4, 2), qRgb(64, 64, 160));
        QCOMPARE(surface.pixel(2, 3), qRgb(32, 32, 128));
        QCOMPARE(surface.pixel(7, 7), qRgb(64, 64, 160));
    }

    void failuresStopTheSetUp_data()
    {
        QTest::addColumn<std::size_t>("romSize");
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("written");
        QTest::newRow("missing bitmap") << std::size_t{0x22000} << "i2_3" << "Cannot open file %1/i2_3.bmp." << 5;
        // The ROM ends inside the fifth tile: its file is left alone.
        QTest::newRow("short ROM") << std::size_t{0x21B90} << "" << "Stream read error." << 4;
    }

    void failuresStopTheSetUp()
    {
        QFETCH(std::size_t, romSize);
        QFETCH(QString, missing);
        QFETCH(QString, error);
        QFETCH(int, written);
        RecordingNotices notices;
        useRom(artImage(romSize));
        std::vector<std::vector<std::uint8_t>> before;
        for (const TileRow& row : kTiles)
            before.push_back(ReadFileBytes(bitmapPath(row.file)));
        if (!missing.isEmpty())
            std::filesystem::remove(bitmapPath(missing.toLatin1().constData()));
        ArtViewer window(*mSession);
        error.replace(QStringLiteral("%1"), QString::fromStdString(SupportBase() + "/korvane"));
        QCOMPARE(notices.errors, QStringList{error});
        for (std::size_t t = 0; t < std::size(kTiles); ++t) {
            if (kTiles[t].file == missing)
                continue;
            const auto bytes = ReadFileBytes(bitmapPath(kTiles[t].file));
            if (static_cast<int>(t) < written)
                QCOMPARE(bytes, bitmapBytes(shownTile(t)));
            else
                QCOMPARE(bytes, before[t]);
        }
    }

    void screenshotOfASample()
    {
        useRom(BuildSampleImages().at(3).image); // the second game
        ArtViewer window(*mSession);
        window.show();
        QVERIFY(!window.findChild<QLabel*>("i2_8")->pixmap().isNull());
        SaveScreenshot(&window, QStringLiteral("art"));
    }
};

QTEST_MAIN(ArtViewerTest)
#include "artviewer_test.moc"
