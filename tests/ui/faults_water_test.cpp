// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The water editor on files that fail and on random rows.

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/romaccess.h"
#include "core/supportfiles.h"
#include "editors/water/watereditor.h"
#include "tests/support/recordingnotices.h"
#include "tests/ui/demotest.h"
#include "tests/ui/romfault.h"
#include "tests/ui/uitest.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <fstream>

namespace {

// Rows of no entry the act rule changes, so that a Save without edits
// rewrites them as they are: p2 entries 11, 3 and 2; p3 entries 13, 7, 3, 6
// and 1.
const std::vector<WaterBytes> kRowsP2 = {{0x78, 0x0B, 0x01}, {0x38, 0x00, 0x03}, {0x78, 0x02, 0x00}};
const std::vector<WaterBytes> kRowsP3 = {
    {0x78, 0x0E, 0x00}, {0x38, 0x00, 0x07}, {0x78, 0x03, 0x01}, {0x78, 0x06, 0x00}, {0x38, 0x00, 0x01}};
const std::uint8_t kPalettes[] = {0x0A, 0x0B, 0x0C};

void putRow(SyntheticImage& image, std::int32_t a, WaterBytes b)
{
    image.bytes(static_cast<std::size_t>(a - 1), {b.size, b.high, b.low});
}

// The stored rows of the game; its checksum is wrong, so that a repair shows.
SyntheticImage storedImage(const std::string& code)
{
    const WaterLayout& layout = *WaterLayoutFor(code);
    SyntheticImage image = DemoImage(code);
    for (int n = 0; n < layout.rowCount; ++n)
        putRow(image, layout.rows[n], (layout.paletteCount ? kRowsP2 : kRowsP3)[std::size_t(n)]);
    for (int n = 0; n < layout.paletteCount; ++n)
        image.byte(std::size_t(layout.palettes[n]), kPalettes[n]);
    return image;
}

// The user's edits on both sides of the limit of each game: row 1 becomes
// a byte compare; p2 and p2k: palette 3 becomes 5A; p3: row 5 Act 1.
const char* const kEdits[] = {"l1both", "l3plt=5A", "l5act1"};

SyntheticImage editedImage(const std::string& code, bool belowLimitOnly)
{
    const WaterLayout& layout = *WaterLayoutFor(code);
    SyntheticImage image = storedImage(code);
    const WaterBytes first = (layout.paletteCount ? kRowsP2 : kRowsP3)[0];
    putRow(image, layout.rows[0], {0x38, 0x00, first.high});
    if (belowLimitOnly)
        return image;
    if (layout.paletteCount)
        image.byte(std::size_t(layout.palettes[2]), 0x5A);
    else
        putRow(image, layout.rows[4], {0x78, 0x01, 0x00});
    return image;
}

} // namespace

class WaterFaultsTest : public WindowTest
{
    Q_OBJECT

private:
    std::unique_ptr<WaterEditor> mWindow;

    void openSelected()
    {
        mWindow = std::make_unique<WaterEditor>(*mSession);
        mWindow->show();
        QTRY_VERIFY_WITH_TIMEOUT(!mWindow->Timer->isActive(), 1000);
    }

    // "l1cmb=14" picks an entry, "l1plt=1F" types, "l1both" checks.
    void act(const QString& action)
    {
        const QStringList parts = action.split(QLatin1Char('='));
        if (auto* cmb = mWindow->findChild<QComboBox*>(parts[0])) {
            cmb->setCurrentIndex(parts[1].toInt());
            emit cmb->activated(parts[1].toInt());
        } else if (auto* edit = mWindow->findChild<QLineEdit*>(parts[0])) {
            edit->setText(parts[1]);
        } else {
            mWindow->findChild<QRadioButton*>(parts[0])->click();
        }
    }

    void save() { mWindow->findChild<QPushButton*>(QStringLiteral("saveButton"))->click(); }
    int decodedRows()
    {
        int n = 0;
        while (n < kMaxWaterRows && mWindow->findChild<QWidget*>(QStringLiteral("l%1cmb").arg(n + 1))->isEnabled())
            ++n;
        return n;
    }
    QString withPath(QString text) { return text.replace(QStringLiteral("%1"), QString::fromStdString(mPath)); }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        CreateMainWindow();
        // A full disk would refuse the backup before any write is tried.
        SetBackUpBeforeSaving(false);
    }

    void cleanup()
    {
        mWindow.reset();
        endWindowTest();
    }

    // The image fails while opening: nothing is shown, and Save refuses.
    void unopenableAtOpening_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("fault");
        QTest::newRow("p2 deleted") << "p2" << "deleted";
        QTest::newRow("p2k directory") << "p2k" << "directory";
        QTest::newRow("p3 locked") << "p3" << "locked";
    }

    void unopenableAtOpening()
    {
        QFETCH(QString, code);
        QFETCH(QString, fault);
        const SyntheticImage image = storedImage(code.toStdString());
        selectImage(image);
        SKIP_IMPOSSIBLE_FAULT(fault);
        FileFault held(fault, mPath);
        openSelected();
        QCOMPARE(mNotices->errors, QStringList{withPath("Cannot open file %1.")});
        QCOMPARE(decodedRows(), 0);
        mNotices->clear();
        save();
        QCOMPARE(mNotices->errors, QStringList{"No water row has been read from this ROM; nothing was saved."});
        QCOMPARE(mNotices->messages, QStringList());
        QCOMPARE(FileDifference(mPath, image.data()), DifferenceAfter(fault));
    }

    // The user changed values below and above the place where the Save
    // fails: what lies before it is written, nothing after, and neither the
    // header repair nor a Save's report follows.
    void unwritableAtSave_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("firstRowWritten");
        QTest::newRow("p2 deleted") << "p2" << "deleted" << "Cannot open file %1." << false;
        QTest::newRow("p3 directory") << "p3" << "directory" << "Cannot open file %1." << false;
        // Between the rows and the palette bytes; between rows 2 and 3.
        QTest::newRow("p2 full after the rows") << "p2" << "limit=4000" << "Stream write error." << true;
        QTest::newRow("p2k full after the rows") << "p2k" << "limit=303B00" << "Stream write error." << true;
        QTest::newRow("p3 full after row 2") << "p3" << "limit=5EAE" << "Stream write error." << true;
    }

    void unwritableAtSave()
    {
        QFETCH(QString, code);
        QFETCH(QString, fault);
        QFETCH(QString, error);
        QFETCH(bool, firstRowWritten);
        const std::string game = code.toStdString();
        selectImage(storedImage(game));
        openSelected();
        QCOMPARE(mNotices->errors, QStringList());
        for (const char* edit : kEdits)
            if (mWindow->findChild<QWidget*>(QString::fromLatin1(edit).section('=', 0, 0))->isEnabled())
                act(QString::fromLatin1(edit));
        {
            SKIP_IMPOSSIBLE_FAULT(fault);
            FileFault held(fault, mPath);
            save();
        }
        QCOMPARE(mNotices->errors, QStringList{withPath(error)});
        QCOMPARE(mNotices->messages, QStringList());
        const SyntheticImage expected = firstRowWritten ? editedImage(game, true) : storedImage(game);
        QCOMPARE(FileDifference(mPath, expected.data()), DifferenceAfter(fault));
        // Nothing was lost: the next Save writes every edit.
        if (firstRowWritten) {
            mNotices->clear();
            save();
            QVERIFY(mNotices->saveReported());
            QCOMPARE(FileDifference(mPath, editedImage(game, false).validChecksum().data()), QString());
        }
    }

    // Level lists that are no list, or do not fit the table: nothing
    // crashes, and a row whose entry the list does not reach keeps its bytes.
    void malformedLevelLists_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("list"); // "dir": a folder in its place
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("decoded");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<bool>("firstRowChanged");
        QTest::newRow("p2 folder") << "p2" << QByteArray("dir") << "Cannot open file %1." << 0 << QStringList()
                                   << false;
        QTest::newRow("p3 empty") << "p3" << QByteArray() << "" << 5 << QStringList() << false;
        // Row 1 names entry 11 (p2) or 13 (p3), beyond three lines.
        QTest::newRow("p2 three lines") << "p2" << QByteArray("a\nb\nc\n") << "" << 3 << QStringList{"l1both"}
                                        << false;
        QTest::newRow("p3 control bytes") << "p3" << QByteArray("\0\r\xff\r\n\x1a", 6) << "" << 5
                                          << QStringList{"l1both"} << false;
        // Entries beyond the table's end name no zone.
        QTest::newRow("p2 forty lines") << "p2" << QByteArray(40, '\n') << "" << 3
                                        << QStringList{"l1cmb=30", "l1both"} << false;
        QTest::newRow("p3 forty lines, within the table")
            << "p3" << QByteArray(40, '\n') << "" << 5 << QStringList{"l1cmb=13", "l1both"} << true;
    }

    void malformedLevelLists()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, list);
        QFETCH(QString, error);
        QFETCH(int, decoded);
        QFETCH(QStringList, actions);
        QFETCH(bool, firstRowChanged);
        const std::string game = code.toStdString();
        selectImage(storedImage(game));
        SetSupportBase(mDir->path() + "/");
        std::filesystem::create_directory(mDir->file("korvane"));
        const std::string listPath = SupportFilePath(WaterLayoutFor(game)->zones.fileName);
        if (list == "dir")
            std::filesystem::create_directory(listPath);
        else
            std::ofstream(listPath, std::ios::binary).write(list.constData(), list.size());
        openSelected();
        const QString reported = QString(error).replace(QStringLiteral("%1"), QString::fromStdString(listPath));
        QCOMPARE(mNotices->errors, reported.isEmpty() ? QStringList() : QStringList{reported});
        QCOMPARE(decodedRows(), decoded);
        for (const QString& a : actions)
            act(a);
        save();
        QVERIFY(mNotices->saveReported());
        SyntheticImage expected = firstRowChanged ? editedImage(game, true) : storedImage(game);
        QCOMPARE(FileDifference(mPath, expected.validChecksum().data()), QString());
    }

    // Random rows and palette bytes, opened and saved untouched, stay as
    // they were, the rows of entries 5, 14 and 16 too, whose act the act
    // rule shows otherwise.
    void saveWithoutEditsKeepsRandomRows_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<unsigned>("seed");
        unsigned seed = 0;
        for (const char* code : {"p2", "p2k", "p3"})
            for (int k = 0; k < 5; ++k, ++seed)
                QTest::newRow(qPrintable(QStringLiteral("%1 seed %2").arg(code).arg(seed))) << code << seed;
    }

    void saveWithoutEditsKeepsRandomRows()
    {
        QFETCH(QString, code);
        QFETCH(unsigned, seed);
        const std::string game = code.toStdString();
        const WaterLayout& layout = *WaterLayoutFor(game);
        std::mt19937 rng(seed);
        SyntheticImage image = DemoImage(game);
        SyntheticImage expected = image;
        const std::uint8_t sizes[] = {kWaterZoneCompare, kWaterLevelCompare, kWaterLongCompare};
        // Mostly small numbers, so that zones and acts are listed.
        const auto pick = [&rng](unsigned small) {
            return static_cast<std::uint8_t>(rng() % 4 ? rng() % small : rng());
        };
        for (int n = 0; n < layout.rowCount; ++n) {
            const auto size = static_cast<std::uint8_t>(rng() % 4 ? sizes[rng() % 3] : rng());
            WaterBytes row{size, pick(24), pick(3)};
            if (size == kWaterZoneCompare)
                row.low = pick(24);
            putRow(image, layout.rows[n], row);
            putRow(expected, layout.rows[n], row);
        }
        for (int n = 0; n < layout.paletteCount; ++n) {
            const auto value = static_cast<std::uint8_t>(rng());
            image.byte(std::size_t(layout.palettes[n]), value);
            expected.byte(std::size_t(layout.palettes[n]), value);
        }
        selectImage(image);
        SetFixChecksum(false);
        openSelected();
        save();
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(mNotices->saveReported());
        QCOMPARE(FileDifference(mPath, expected.data()), QString());
    }
};

QTEST_MAIN(WaterFaultsTest)
#include "faults_water_test.moc"
