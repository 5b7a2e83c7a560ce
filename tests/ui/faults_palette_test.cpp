// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The palette editor on files that fail and on random palettes.

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/detection.h"
#include "core/romaccess.h"
#include "editors/palette/paletteeditor.h"
#include "tests/support/recordingnotices.h"
#include "tests/ui/romfault.h"
#include "tests/ui/uitest.h"
#include "core/syntheticimage.h"
#include "ui/colourswatch.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <fstream>

namespace {

// Colour words with even nibbles only, which a refresh never rounds; the
// header checksum is wrong, so that a repair would show.
SyntheticImage smallImage(const char* serial)
{
    SyntheticImage image(0x1000, 0x00);
    for (std::size_t i = 0x400; i < 0x500; i += 2)
        image.word(i, static_cast<std::uint16_t>(0x0222 * ((i / 2) % 8)));
    image.serial(serial).word(0x18E, 0x1234);
    return image;
}

} // namespace

class PaletteFaultsTest : public WindowTest
{
    Q_OBJECT

private:
    std::unique_ptr<PaletteEditor> mWindow;
    std::string mRom;

    // Selects image; with a list, the support folder holds only that list
    // ("dir": a folder in its place).
    void useRom(const SyntheticImage& image, const QByteArray& list = {})
    {
        mRom = mPath;
        selectImage(image);
        if (list.isEmpty())
            return;
        SetSupportBase(mDir->path() + "/");
        std::filesystem::create_directory(mDir->file("korvane"));
        const std::string listPath = PaletteListPath(mSession->gameCode());
        if (list == "dir")
            std::filesystem::create_directory(listPath);
        else
            std::ofstream(listPath, std::ios::binary).write(list.constData(), list.size());
    }

    void open()
    {
        mWindow = std::make_unique<PaletteEditor>(*mSession, mMemory);
        mWindow->show();
    }

    int visibleSwatches()
    {
        int shown = 0;
        for (int k = 0; k < kMaxPaletteColours; ++k)
            shown += mWindow->findChild<ColourSwatch*>(QStringLiteral("p%1").arg(k))->isVisible();
        return shown;
    }
    void change(int k, const char* word)
    {
        QTest::mouseClick(mWindow->findChild<ColourSwatch*>(QStringLiteral("p%1").arg(k)), Qt::LeftButton);
        mWindow->findChild<QLineEdit*>("SelPal")->setText(QString::fromLatin1(word));
        mWindow->findChild<QPushButton*>("changeButton")->click();
    }
    void save() { mWindow->findChild<QPushButton*>("saveButton")->click(); }
    QString withRom(QString text) { return text.replace(QStringLiteral("%1"), QString::fromStdString(mRom)); }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        // The header stays as it is, so that only the editor's writes show.
        CreateMainWindow();
        SetFixChecksum(false);
        // A full disk would refuse the backup before any write is tried.
        SetBackUpBeforeSaving(false);
    }

    void cleanup()
    {
        mWindow.reset();
        endWindowTest();
    }

    // The ROM fails while the first palette is read: no swatch, and Save
    // refuses to write colours it never read.
    void unopenableAtOpening_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QString>("fault");
        QTest::newRow("p1 deleted") << kSerialP1 << "deleted";
        QTest::newRow("chaotix directory") << kSerialChaotix << "directory";
        QTest::newRow("p1 locked") << kSerialP1 << "locked";
    }

    void unopenableAtOpening()
    {
        QFETCH(QString, serial);
        QFETCH(QString, fault);
        const SyntheticImage image = smallImage(serial.toLatin1().constData());
        useRom(image, "000400 10 a\n000440 MARS 10 b\n");
        SKIP_IMPOSSIBLE_FAULT(fault);
        FileFault held(fault, mRom);
        open();
        QCOMPARE(mNotices->errors, QStringList{withRom("Cannot open file %1.")});
        QCOMPARE(visibleSwatches(), 0);
        mNotices->clear();
        save();
        QCOMPARE(mNotices->errors, QStringList{"Only 0 of the 16 colours of this palette could be read from the "
                                               "ROM; nothing was saved."});
        QCOMPARE(mNotices->messages, QStringList());
        QCOMPARE(FileDifference(mRom, image.data()), DifferenceAfter(fault));
    }

    // Colours 1 and 14 changed; the Save fails before colour 1 (deleted,
    // replaced) or between the two (disk full at 0x410): what was written
    // stays, nothing after it is, and nothing repairs the header.
    void unwritableAtSave_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("firstWritten");
        QTest::newRow("p1 deleted") << kSerialP1 << QByteArray("000400 10 a\n") << "deleted"
                                    << "Cannot open file %1." << false;
        QTest::newRow("chaotix directory") << kSerialChaotix << QByteArray("000400 MARS 10 b\n") << "directory"
                                           << "Cannot open file %1." << false;
        QTest::newRow("p1 full inside the palette")
            << kSerialP1 << QByteArray("000400 10 a\n") << "limit=410" << "Stream write error." << true;
        QTest::newRow("chaotix full inside the palette")
            << kSerialChaotix << QByteArray("000400 MARS 10 b\n") << "limit=410" << "Stream write error." << true;
    }

    void unwritableAtSave()
    {
        QFETCH(QString, serial);
        QFETCH(QByteArray, list);
        QFETCH(QString, fault);
        QFETCH(QString, error);
        QFETCH(bool, firstWritten);
        SyntheticImage image = smallImage(serial.toLatin1().constData());
        useRom(image, list);
        open();
        QCOMPARE(mNotices->errors, QStringList());
        change(1, "0ECA");
        change(14, "0246");
        {
            SKIP_IMPOSSIBLE_FAULT(fault);
            FileFault held(fault, mRom);
            save();
        }
        QCOMPARE(mNotices->errors, QStringList{withRom(error)});
        QCOMPARE(mNotices->messages, QStringList());
        SyntheticImage expected = image;
        if (firstWritten)
            expected.word(0x402, 0x0ECA);
        QCOMPARE(FileDifference(mRom, expected.data()), DifferenceAfter(fault));
        if (firstWritten) {
            mNotices->clear();
            save();
            QCOMPARE(mNotices->errors, QStringList());
            QCOMPARE(FileDifference(mRom, expected.word(0x41C, 0x0246).data()), QString());
        }
    }

    // Lists that cannot be read, or name a palette the ROM does not hold.
    void unusableListsWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QString>("openError");
        QTest::addColumn<QString>("saveError");
        QTest::newRow("folder") << QByteArray("dir") << "File access denied."
                                << "No palette has been read from this ROM; nothing was saved.";
        QTest::newRow("beyond the end") << QByteArray("FFFFF0 10 far\n") << "Stream read error."
                                        << "Only 0 of the 16 colours of this palette could be read from the ROM; "
                                           "nothing was saved.";
    }

    void unusableListsWriteNothing()
    {
        QFETCH(QByteArray, list);
        QFETCH(QString, openError);
        QFETCH(QString, saveError);
        const SyntheticImage image = smallImage(kSerialP1);
        useRom(image, list);
        open();
        QCOMPARE(mNotices->errors, QStringList{openError});
        mWindow->findChild<QLineEdit*>("SelPal")->setText(QStringLiteral("0EEE"));
        mWindow->findChild<QPushButton*>("changeButton")->click();
        mNotices->clear();
        save();
        QCOMPARE(mNotices->errors, QStringList{saveError});
        QCOMPARE(FileDifference(mRom, image.data()), QString());
    }

    // Random colour words under every palette of the installed lists,
    // each palette chosen and saved untouched: the file stays as it was.
    void saveWithoutEditsKeepsRandomPalettes_data()
    {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<unsigned>("seed");
        for (const char* serial : {kSerialP1, kSerialChaotix})
            for (unsigned seed = 1; seed <= 3; ++seed)
                QTest::newRow(qPrintable(QStringLiteral("%1 seed %2").arg(serial).arg(seed))) << serial << seed;
    }

    void saveWithoutEditsKeepsRandomPalettes()
    {
        QFETCH(QString, serial);
        QFETCH(unsigned, seed);
        // Sized to hold the furthest palette of the game's list.
        useRom(SyntheticImage(0x200).serial(serial.toStdString()));
        std::vector<PaletteEntry> table;
        const std::size_t entries = LoadPaletteList(PaletteListPath(mSession->gameCode()), table, [](const std::string&) {});
        std::size_t end = 0x200;
        for (std::size_t i = 0; i < entries; ++i)
            end = std::max<std::size_t>(end, table[i].offset + 2u * table[i].count);
        std::mt19937 rng(seed);
        SyntheticImage image(0);
        image.bytes(0, RandomBytes(rng, end + end % 2)).serial(serial.toStdString());
        useRom(image);
        open();
        auto* list = mWindow->findChild<QListWidget*>("PltList");
        QCOMPARE(list->count(), int(entries));
        for (int k = 0; k < list->count(); ++k) {
            list->setCurrentRow(k);
            save();
        }
        QCOMPARE(mNotices->errors, QStringList());
        QCOMPARE(mNotices->statuses.size(), list->count());
        QCOMPARE(FileDifference(mRom, image.data()), QString());
    }
};

QTEST_MAIN(PaletteFaultsTest)
#include "faults_palette_test.moc"
