// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The art viewer on files that fail and on random art.

#include "core/detection.h"
#include "core/romaccess.h"
#include "core/supportfiles.h"
#include "editors/art/artviewer.h"
#include "editors/art/artmodel.h"
#include "tests/support/recordingnotices.h"
#include "tests/ui/romfault.h"
#include "tests/ui/uitest.h"
#include "core/syntheticimage.h"

#include <QtTest>

namespace {

constexpr std::size_t kArtEnd = 0x22000; // past the last tile

std::string fileName(const ArtTile& tile)
{
    return std::string(tile.file).substr(std::string("\\korvane\\").size());
}

} // namespace

class ArtFaultsTest : public WindowTest
{
    Q_OBJECT

private:
    std::string mRom;

    // Selects image; the support folder is a fresh copy of the installed one.
    void useRom(const SyntheticImage& image)
    {
        mRom = mPath;
        selectImage(image);
        std::filesystem::create_directories(mDir->file("korvane"));
        for (const ArtTile& tile : kArtTiles)
            std::filesystem::copy_file(KORVANE_SUPPORT_DIR "/" + fileName(tile), mDir->file("korvane/" + fileName(tile)),
                                       std::filesystem::copy_options::overwrite_existing);
        SetSupportBase(mDir->path() + "/");
    }

    std::vector<QByteArray> bitmaps()
    {
        std::vector<QByteArray> states;
        for (const ArtTile& tile : kArtTiles)
            states.push_back(FileState(SupportFilePath(tile.file)));
        return states;
    }

    static SyntheticImage randomImage(unsigned seed, const char* serial, std::size_t size = kArtEnd)
    {
        std::mt19937 rng(seed);
        SyntheticImage image(0);
        image.bytes(0, RandomBytes(rng, size)).serial(serial);
        return image;
    }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init() { startWindowTest(); }

    void cleanup() { endWindowTest(); }

    // Every failure stops the set-up where it arose: the files before it
    // hold their tiles, those after it are untouched, the ROM never changes.
    void faultsStopTheSetUp_data()
    {
        QTest::addColumn<std::size_t>("romSize");
        QTest::addColumn<QString>("romFault");
        QTest::addColumn<int>("faultyTile"); // -1: none
        QTest::addColumn<QString>("tileFault");
        QTest::addColumn<QString>("error"); // %1 the ROM, %2 the faulty file
        QTest::addColumn<int>("written");
        QTest::newRow("ROM deleted") << kArtEnd << "deleted" << -1 << "" << "Cannot open file %1." << 0;
        QTest::newRow("ROM replaced by a folder") << kArtEnd << "directory" << -1 << "" << "Cannot open file %1." << 0;
        QTest::newRow("ROM locked") << kArtEnd << "locked" << -1 << "" << "Cannot open file %1." << 0;
        QTest::newRow("ROM ends inside the palette") << std::size_t{0x2390} << "" << -1 << "" << "Stream read error."
                                                     << 0;
        QTest::newRow("bitmap replaced by a folder") << kArtEnd << "" << 1 << "directory" << "Cannot open file %2."
                                                     << 1;
        QTest::newRow("bitmap locked") << kArtEnd << "" << 7 << "locked" << "Cannot open file %2." << 7;
    }

    void faultsStopTheSetUp()
    {
        QFETCH(std::size_t, romSize);
        QFETCH(QString, romFault);
        QFETCH(int, faultyTile);
        QFETCH(QString, tileFault);
        QFETCH(QString, error);
        QFETCH(int, written);
        // The bitmaps of a complete opening on the whole image.
        useRom(randomImage(7, kSerialP2));
        delete new ArtViewer(*mSession);
        const std::vector<QByteArray> complete = bitmaps();

        const SyntheticImage image = randomImage(7, kSerialP2, romSize);
        useRom(image);
        const std::vector<QByteArray> before = bitmaps();
        const std::string faulty = faultyTile < 0 ? std::string() : SupportFilePath(kArtTiles[faultyTile].file);
        {
            SKIP_IMPOSSIBLE_FAULT(romFault);
            FileFault heldRom(romFault, mRom);
            SKIP_IMPOSSIBLE_FAULT(tileFault);
            FileFault heldTile(tileFault, faulty);
            ArtViewer window(*mSession);
        }
        error.replace(QStringLiteral("%1"), QString::fromStdString(mRom))
            .replace(QStringLiteral("%2"), QString::fromStdString(faulty));
        QCOMPARE(mNotices->errors, QStringList{error});
        for (std::size_t t = 0; t < kArtTiles.size(); ++t) {
            const QByteArray state = FileState(SupportFilePath(kArtTiles[t].file));
            if (int(t) == faultyTile)
                QCOMPARE(state, tileFault == "locked" ? before[t] : QByteArray("directory"));
            else
                QCOMPARE(state, int(t) < written ? complete[t] : before[t]);
        }
        QCOMPARE(FileDifference(mRom, image.data()), DifferenceAfter(romFault));
    }

    // The disk fills up while the first bitmap is written: its bytes up to
    // the limit are the new ones, the rest and the other files are as before.
    void fullDiskWhileWritingABitmap()
    {
        const SyntheticImage image = randomImage(3, kSerialP1);
        useRom(image);
        const std::vector<QByteArray> before = bitmaps();
        delete new ArtViewer(*mSession);
        const QByteArray whole = FileState(SupportFilePath(kArtTiles[0].file));
        useRom(image);
        {
            SKIP_IMPOSSIBLE_FAULT("limit=64");
            FileFault held("limit=64", mRom);
            ArtViewer window(*mSession);
        }
        QCOMPARE(mNotices->errors, (QStringList{"Stream write error."}));
        const std::vector<QByteArray> after = bitmaps();
        QCOMPARE(after[0], whole.left(2 * 0x64) + before[0].mid(2 * 0x64));
        for (std::size_t t = 1; t < kArtTiles.size(); ++t)
            QCOMPARE(after[t], before[t]);
        QCOMPARE(FileDifference(mRom, image.data()), QString());
    }

    // Random palettes, pieces and tiles under every game code: opening
    // never changes the ROM and writes every bitmap.
    void openingNeverChangesTheRom_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<unsigned>("seed");
        for (const char* serial : {kSerialP1, kSerialP2, kSerialP3, kSerialChaotix, "GM 12345678-00"})
            for (unsigned seed = 1; seed <= 2; ++seed)
                QTest::newRow(qPrintable(QStringLiteral("%1 seed %2").arg(serial).arg(seed))) << serial << seed;
    }

    void openingNeverChangesTheRom()
    {
        QFETCH(QString, serial);
        QFETCH(unsigned, seed);
        const SyntheticImage image = randomImage(seed, serial.toLatin1().constData());
        useRom(image);
        const std::vector<QByteArray> before = bitmaps();
        delete new ArtViewer(*mSession);
        QCOMPARE(mNotices->errors, QStringList());
        const std::vector<QByteArray> after = bitmaps();
        for (std::size_t t = 0; t < after.size(); ++t)
            QVERIFY(after[t] != before[t]);
        QCOMPARE(FileDifference(mRom, image.data()), QString());
    }
};

QTEST_MAIN(ArtFaultsTest)
#include "faults_art_test.moc"
