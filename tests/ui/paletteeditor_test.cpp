// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/detection.h"
#include "core/romaccess.h"
#include "editors/palette/paletteeditor.h"
#include "tests/support/recordingnotices.h"
#include "tests/support/testfiles.h"
#include "tests/ui/uitest.h"
#include "tools/samplerom/samples.h"
#include "core/syntheticimage.h"
#include "ui/colourswatch.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QUndoStack>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

constexpr std::size_t kImageSize = 0x4000;

using Bevel = ColourSwatch::Bevel;

// A small image of the game with a wrong header checksum, so that any repair
// of the header would show in the file.
SyntheticImage smallImage(const char* serial)
{
    SyntheticImage image(kImageSize, 0x00);
    for (std::size_t i = 0x200; i < kImageSize; i += 2)
        image.word(i, static_cast<std::uint16_t>((0x0100 + i) & 0x0EEE));
    image.serial(serial).word(0x18E, 0x1234);
    return image;
}

std::vector<std::uint8_t> withWord(std::vector<std::uint8_t> bytes, std::size_t offset, std::uint16_t word)
{
    bytes.at(offset) = static_cast<std::uint8_t>(word >> 8);
    bytes.at(offset + 1) = static_cast<std::uint8_t>(word);
    return bytes;
}

} // namespace

class PaletteEditorTest : public WindowTest
{
    Q_OBJECT

private:
    std::unique_ptr<PaletteEditor> mWindow;
    std::string mRom;

    // Selects the image as the ROM; with a list text, the support folder is
    // a temporary one holding only that list for the game.
    void useRom(const SyntheticImage& image, const std::string& listText = {}, bool writeList = true)
    {
        mRom = mPath;
        selectImage(image);
        if (!listText.empty() || !writeList) {
            const std::string exeDir = mDir->file("exe");
            std::filesystem::create_directories(exeDir + "/korvane");
            const std::string listPath = exeDir + "/korvane/" + mSession->gameCode() + "pals.txt";
            std::filesystem::remove(listPath);
            if (writeList)
                std::ofstream(listPath, std::ios::binary) << listText;
            SetSupportBase(exeDir + "/");
        }
    }

    PaletteEditor* open()
    {
        mWindow.reset();
        mWindow = std::make_unique<PaletteEditor>(*mSession, mMemory);
        mWindow->show();
        return mWindow.get();
    }

    // Entry k of the game's palette list, as the editor lists it.
    PaletteEntry entryOf(int k)
    {
        std::vector<PaletteEntry> table;
        LoadPaletteList(PaletteListPath(mSession->gameCode()), table, [](const std::string&) {});
        return table.at(static_cast<std::size_t>(k));
    }

    template <typename T>
    T* control(const char* name)
    {
        T* widget = mWindow->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    ColourSwatch* swatch(int k) { return control<ColourSwatch>(QStringLiteral("p%1").arg(k).toLatin1().constData()); }
    QScrollBar* bar(const char* name) { return control<QScrollBar>(name); }
    QString text(const char* name) { return control<QLineEdit>(name)->text(); }

    void click(int k) { QTest::mouseClick(swatch(k), Qt::LeftButton); }
    void typeAndChange(const QString& value)
    {
        control<QLineEdit>("SelPal")->setText(value);
        control<QPushButton>("changeButton")->click();
    }
    void save() { control<QPushButton>("saveButton")->click(); }
    void choose(int row) { control<QListWidget>("PltList")->setCurrentRow(row); }

    QList<int> visibleSwatches()
    {
        QList<int> shown;
        for (int k = 0; k < 64; ++k)
            if (swatch(k)->isVisible())
                shown << k;
        return shown;
    }
    QList<int> sunkenSwatches()
    {
        QList<int> sunken;
        for (int k = 0; k < 64; ++k)
            if (swatch(k)->bevel() == Bevel::Sunken)
                sunken << k;
        return sunken;
    }
    static QList<int> range(int first, int count)
    {
        QList<int> list;
        for (int k = first; k < first + count; ++k)
            list << k;
        return list;
    }
    QList<int> barLevels() { return {bar("BarB")->value(), bar("BarG")->value(), bar("BarR")->value()}; }
    QColor shown(int k) { return swatch(k)->colour(); }
    std::vector<std::uint8_t> romBytes() { return ReadFileBytes(mRom); }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
    }

    void cleanup()
    {
        mWindow.reset();
        endWindowTest();
    }

    void menuRouteOpensTheEditorModally()
    {
        const SampleImage sample = BuildSampleImages()[0];
        QCOMPARE(QString::fromStdString(sample.gameCode), QStringLiteral("p1"));
        useRom(sample.image);
        CreateMainWindow()->selectFile(QString::fromStdString(mPath));
        QString title;
        const bool seen = WithEditor([] { TestMainWindow()->openPaletteEditor(); },
                                    [&](QWidget* modal) {
                                        title = ShownTitle(modal);
                                        modal->close();
                                    });
        QVERIFY(seen);
        QCOMPARE(title, QStringLiteral("Palette Editor - rom.bin"));
        QVERIFY(mNotices->errors.isEmpty());
    }

    void sampleImagesShowTheirPalettes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("shownEntry");
        QTest::addColumn<int>("clicked");
        QTest::newRow("p1") << "p1" << 20 << 4 << 17;
        QTest::newRow("chaotix") << "chaotix" << 4 << 2 << 40;
    }

    void sampleImagesShowTheirPalettes()
    {
        QFETCH(QString, code);
        QFETCH(int, entries);
        QFETCH(int, shownEntry);
        QFETCH(int, clicked);
        for (const SampleImage& sample : BuildSampleImages())
            if (sample.gameCode == code.toStdString())
                useRom(sample.image);
        const auto before = romBytes();
        open();
        QVERIFY2(mNotices->errors.isEmpty(), qPrintable(mNotices->errors.join('\n')));
        auto* list = control<QListWidget>("PltList");
        QCOMPARE(list->count(), entries);

        // Right after opening: palette 0, nothing selected, bars at the top.
        const PaletteEntry first = entryOf(0);
        QCOMPARE(QString::fromStdString(first.name), list->item(0)->text());
        QCOMPARE(visibleSwatches(), range(0, first.count));
        QVERIFY(sunkenSwatches().isEmpty());
        QCOMPARE(barLevels(), (QList<int>{0, 0, 0}));
        QCOMPARE(text("SelPal"), QString());
        QCOMPARE(text("PalOff"), QString());

        choose(shownEntry);
        const PaletteEntry entry = entryOf(shownEntry);
        QCOMPARE(visibleSwatches(), range(0, entry.count));
        for (int k = 0; k < entry.count; ++k)
            QCOMPARE(shown(k), ToQColor(EditorColour(sample(before, entry.offset + 2 * k), entry.format)));
        click(clicked);
        QCOMPARE(sunkenSwatches(), QList<int>{clicked});
        const std::uint16_t word = sample(before, entry.offset + 2 * clicked);
        QCOMPARE(text("SelPal"), QString::fromStdString(HexWord(word)));
        QCOMPARE(control<ColourSwatch>("Color")->colour(), shown(clicked));
        // What the window draws is the colour, bevel aside.
        const QImage picture = mWindow->grab().toImage();
        const QPoint middle = swatch(5)->geometry().center();
        QCOMPARE(picture.pixelColor(middle * picture.devicePixelRatio()), shown(5));
        SaveScreenshot(mWindow.get(), QStringLiteral("palettes-") + code);
        QCOMPARE(romBytes(), before);
    }

    // The whole cycle on a Mega Drive palette: click, bar, "Change", Save.
    void barsAndChangeLandAsBigEndianWords()
    {
        SyntheticImage image = smallImage(kSerialP1);
        for (int i = 0; i < 32; ++i)
            image.word(0x400 + 2 * i, static_cast<std::uint16_t>(0x0222 * (i % 8)));
        image.word(0x400 + 2 * 17, 0x0246).word(0x400 + 2 * 3, 0x0000).word(0x440, 0x0ABC);
        useRom(image, "000400 20 test\n");
        const auto before = romBytes();
        open();
        QVERIFY(mNotices->errors.isEmpty());

        click(17);
        QCOMPARE(sunkenSwatches(), QList<int>{17});
        QCOMPARE(swatch(16)->bevel(), Bevel::Raised);
        QCOMPARE(text("SelPal"), QStringLiteral("0246"));
        QCOMPARE(text("PalOff"), QStringLiteral("000422"));
        QCOMPARE(barLevels(), (QList<int>{6, 5, 4}));
        QCOMPARE(control<ColourSwatch>("cB")->colour(), QColor(0, 0, 34));
        QCOMPARE(control<ColourSwatch>("cG")->colour(), QColor(0, 68, 0));
        QCOMPARE(control<ColourSwatch>("cR")->colour(), QColor(102, 0, 0));
        QCOMPARE(control<ColourSwatch>("Color")->colour(), QColor(102, 68, 34));

        bar("BarR")->setValue(0);
        QCOMPARE(text("SelPal"), QStringLiteral("024E"));
        QCOMPARE(shown(17).red(), 238);
        QCOMPARE(barLevels(), (QList<int>{6, 5, 0}));

        click(3);
        const QColor was = shown(3);
        // Bits the colour cannot hold are refused, never masked unseen.
        typeAndChange(QStringLiteral("ffff"));
        QCOMPARE(mNotices->errors, QStringList{"'ffff' has bits outside 0EEE for \"Colour word\": a Mega Drive colour "
                                               "holds blue, green and red in even steps, 0 to E (the nearest is 0EEE)."});
        QCOMPARE(shown(3), was);
        mNotices->clear();
        typeAndChange(QStringLiteral("0eee"));
        QCOMPARE(text("SelPal"), QStringLiteral("0EEE"));
        QCOMPARE(text("PalOff"), QStringLiteral("000406"));
        QCOMPARE(barLevels(), (QList<int>{0, 0, 0}));
        QCOMPARE(shown(3), QColor(238, 238, 238));

        click(31);
        typeAndChange(QStringLiteral("$AAC"));
        QCOMPARE(text("SelPal"), QStringLiteral("0AAC"));

        save();
        QVERIFY2(mNotices->errors.isEmpty(), qPrintable(mNotices->errors.join('\n')));
        QVERIFY(mNotices->saveReported());
        auto expected = withWord(withWord(withWord(before, 0x422, 0x024E), 0x406, 0x0EEE), 0x43E, 0x0AAC);
        QCOMPARE(romBytes(), expected);
        // Again without changes: the same bytes.
        save();
        QCOMPARE(romBytes(), expected);
    }

    // An odd nibble from the ROM is shown as it is, and rounded down to even
    // only once a refresh moves its bar; a colour only looked at is not saved.
    void oddNibblesRoundOnlyWhenTheirBarMoves()
    {
        SyntheticImage image = smallImage(kSerialP1);
        image.word(0x400, 0x000F).word(0x402, 0x0000).word(0x404, 0x0F0F);
        useRom(image, "000400 03 odd\n");
        const auto before = romBytes();
        open();
        click(0);
        QCOMPARE(shown(0), QColor(255, 0, 0));
        QCOMPARE(barLevels(), (QList<int>{7, 7, 0}));
        QCOMPARE(text("SelPal"), QStringLiteral("000F"));
        click(2); // blue moves from 7 to 0, red stays at 0
        QCOMPARE(text("SelPal"), QStringLiteral("0E0F"));
        click(1);
        click(0); // red moves from 7 to 0
        QCOMPARE(text("SelPal"), QStringLiteral("000E"));
        QCOMPARE(shown(0), QColor(238, 0, 0));
        // Only looked at: the rounding the refresh did is not saved.
        save();
        QCOMPARE(romBytes(), before);
    }

    void marsColoursKeepBit15ThroughTheBars()
    {
        SyntheticImage image = smallImage(kSerialChaotix);
        image.word(0x400, 0x801F).word(0x402, 0x7FFF).word(0x500, 0x0EEE).word(0x502, 0x0ECA);
        useRom(image, "000400 MARS 02 mars\n000500 02 md\n");
        QCOMPARE(QString::fromStdString(mSession->gameCode()), QStringLiteral("chaotix"));
        const auto before = romBytes();
        open();
        QVERIFY(mNotices->errors.isEmpty());
        QCOMPARE(shown(0), QColor(248, 0, 0));
        QCOMPARE(shown(1), QColor(248, 248, 248));

        click(0);
        QCOMPARE(bar("BarB")->maximum(), 31);
        QCOMPARE(barLevels(), (QList<int>{31, 31, 0}));
        bar("BarB")->setValue(0);
        QCOMPARE(text("SelPal"), QStringLiteral("FC1F"));
        bar("BarG")->setValue(10);
        QCOMPARE(text("SelPal"), QStringLiteral("FEBF"));
        QCOMPARE(control<ColourSwatch>("cG")->colour(), QColor(0, 168, 0));
        QCOMPARE(barLevels(), (QList<int>{0, 10, 0}));
        save();
        const auto barSaved = withWord(before, 0x400, 0xFEBF);
        QCOMPARE(romBytes(), barSaved);

        click(1);
        typeAndChange(QStringLiteral("801F"));
        QCOMPARE(mNotices->errors.size(), 1);
        QVERIFY(mNotices->errors.last().endsWith(QStringLiteral("a 32X colour holds 15 bits (the nearest is 001F).")));
        typeAndChange(QStringLiteral("1Fh"));
        QCOMPARE(text("SelPal"), QStringLiteral("001F"));
        QCOMPARE(barLevels(), (QList<int>{31, 31, 0}));
        save();
        QCOMPARE(romBytes(), withWord(barSaved, 0x402, 0x001F));

        // From MARS bars low down to a Mega Drive colour: the smaller maximum
        // pulls the bars up, which must not change the colour clicked next.
        choose(1);
        click(0);
        QCOMPARE(bar("BarB")->maximum(), 7);
        QCOMPARE(text("SelPal"), QStringLiteral("0EEE"));
        QCOMPARE(barLevels(), (QList<int>{0, 0, 0}));
        click(1);
        QCOMPARE(text("SelPal"), QStringLiteral("0ECA"));
        QCOMPARE(barLevels(), (QList<int>{0, 1, 2}));
        save();
        QCOMPARE(romBytes(), withWord(barSaved, 0x402, 0x001F));
    }

    void selectedIndexSurvivesReopening()
    {
        SyntheticImage image = smallImage(kSerialP1);
        useRom(image, "000400 08 eight\n");
        const auto before = romBytes();
        open();
        click(5);
        mWindow.reset();

        open();
        QVERIFY(sunkenSwatches().isEmpty());
        QCOMPARE(text("SelPal"), QString());
        typeAndChange(QStringLiteral("0246"));
        QCOMPARE(sunkenSwatches(), QList<int>{5});
        QCOMPARE(text("PalOff"), QStringLiteral("00040A"));
        save();
        QCOMPARE(romBytes(), withWord(before, 0x40A, 0x0246));
    }

    // Edits of a selected index beyond the palette shown go nowhere.
    void anotherPaletteKeepsTheSelectedIndex()
    {
        SyntheticImage image = smallImage(kSerialP1);
        image.word(0x400 + 2 * 20, 0x0444);
        useRom(image, "000400 20 wide\n000600 10 narrow\n000700 00 empty\n");
        const auto before = romBytes();
        open();
        click(20);
        choose(1);
        QCOMPARE(visibleSwatches(), range(0, 16));
        // The selection shows in the palette now shown, beyond its end.
        QCOMPARE(text("PalOff"), QStringLiteral("000628"));
        typeAndChange(QStringLiteral("0EEE"));
        QCOMPARE(text("PalOff"), QStringLiteral("000628"));
        QCOMPARE(sunkenSwatches(), QList<int>{20});
        QVERIFY(swatch(20)->isHidden());
        save();
        QCOMPARE(romBytes(), before);

        choose(2);
        QVERIFY(visibleSwatches().isEmpty());
        save();
        QCOMPARE(romBytes(), before);
        QVERIFY(mNotices->errors.isEmpty());
    }

    // A palette keeps its changes while another is shown; the list marks
    // the palettes with changes, Save writes them all, undo shows the
    // palette it changes.
    void everyPaletteKeepsItsChangesUntilSave()
    {
        SyntheticImage image = smallImage(kSerialP1);
        useRom(image, "000400 04 one\n000600 04 two\n000700 04 three\n");
        const auto before = romBytes();
        open();
        auto* list = control<QListWidget>("PltList");
        const auto bold = [list] {
            QList<int> rows;
            for (int row = 0; row < list->count(); ++row)
                if (list->item(row)->font().bold())
                    rows << row;
            return rows;
        };
        click(1);
        typeAndChange(QStringLiteral("0E00"));
        choose(1);
        click(2);
        typeAndChange(QStringLiteral("000E"));
        choose(2);
        QCOMPARE(bold(), (QList<int>{0, 1}));
        choose(0);
        QCOMPARE(shown(1), QColor(0, 0, 238));
        QVERIFY(mWindow->isWindowModified());
        QCOMPARE(romBytes(), before);

        save();
        const auto saved = withWord(withWord(before, 0x402, 0x0E00), 0x604, 0x000E);
        QCOMPARE(romBytes(), saved);
        QVERIFY(bold().isEmpty());
        QVERIFY(!mWindow->isWindowModified());

        // Undo past the Save: the colour of palette two goes back, on screen.
        mWindow->findChild<QUndoStack*>()->undo();
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(shown(2), ToQColor(EditorColour(sample(before, 0x604), ColourFormat::MegaDrive)));
        QCOMPARE(bold(), QList<int>{1});
        QVERIFY(mWindow->isWindowModified());
        choose(0);
        mNotices->answers << QMessageBox::Save;
        QVERIFY(mWindow->close());
        QCOMPARE(mNotices->questions.size(), 1);
        QCOMPARE(romBytes(), withWord(before, 0x402, 0x0E00));
    }

    // The swatches are one Tab stop; the arrow keys move between the shown
    // ones and Space or Enter selects one.
    void arrowKeysMoveBetweenSwatches()
    {
        useRom(smallImage(kSerialP1), "000400 20 wide\n");
        open();
        QApplication::setActiveWindow(mWindow.get());
        QVERIFY(QTest::qWaitForWindowActive(mWindow.get()));
        swatch(0)->setFocus();
        const struct
        {
            Qt::Key key;
            int focused;
        } steps[] = {{Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_Down, 17}, {Qt::Key_Down, 17},
                     {Qt::Key_Right, 18}, {Qt::Key_Up, 2}};
        for (const auto& step : steps) {
            QTest::keyClick(QApplication::focusWidget(), step.key);
            QCOMPARE(QApplication::focusWidget(), swatch(step.focused));
        }
        QVERIFY(sunkenSwatches().isEmpty());
        QTest::keyClick(swatch(2), Qt::Key_Space);
        QCOMPARE(sunkenSwatches(), QList<int>{2});
        QTest::keyClick(swatch(2), Qt::Key_Right);
        QTest::keyClick(swatch(3), Qt::Key_Return);
        QCOMPARE(sunkenSwatches(), QList<int>{3});
        QCOMPARE(text("PalOff"), QStringLiteral("000406"));
    }

    void changeRefusesTextThatIsNotHexadecimal()
    {
        SyntheticImage image = smallImage(kSerialP1);
        image.word(0x400, 0x0246);
        useRom(image, "000400 01 one\n");
        const auto before = romBytes();
        open();
        click(0);
        const QStringList bad = {QStringLiteral("xyz"), QString(), QStringLiteral("-1"), QStringLiteral("$$12")};
        for (const QString& typed : bad) {
            mNotices->clear();
            typeAndChange(typed);
            QCOMPARE(mNotices->errors,
                     QStringList{"'" + typed + "' is not a valid value for \"Colour word\" (hexadecimal 0000 to FFFF)."});
            QCOMPARE(shown(0), QColor(102, 68, 34));
        }
        save();
        QCOMPARE(romBytes(), before);
    }

    // Save writes only colours that this opening read from this ROM.
    void saveRefusesPalettesNotReadCompletely_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("writeList");
        QTest::addColumn<QStringList>("openErrors");
        QTest::addColumn<QList<int>>("visible");
        QTest::addColumn<QString>("saveError");
        const QString notRead = QStringLiteral("No palette has been read from this ROM; nothing was saved.");
        QTest::newRow("missing list") << QString() << false << QStringList{"File not found."} << range(0, 64)
                                      << notRead;
        QTest::newRow("bad first line") << "zz0400 10 a\n" << true
                                        << QStringList{"'$zz0400' is not a valid integer value."} << range(0, 64)
                                        << notRead;
        QTest::newRow("empty last line") << "000400 10 a\n000500 01 b\n\n" << true
                                         << QStringList{"'$' is not a valid integer value."} << range(0, 64)
                                         << notRead;
        QTest::newRow("more than 64 colours")
            << "000400 41 big\n" << true
            << QStringList{"The palette \"big\" has 65 colours, more than the 64 the editor can hold; it is not loaded."}
            << QList<int>() << notRead;
        QTest::newRow("palette past the end") << "003FF8 10 tail\n" << true << QStringList{"Stream read error."}
                                              << range(0, 4)
                                              << QStringLiteral("Only 4 of the 16 colours of this palette could be "
                                                                "read from the ROM; nothing was saved.");
    }

    void saveRefusesPalettesNotReadCompletely()
    {
        QFETCH(QString, list);
        QFETCH(bool, writeList);
        QFETCH(QStringList, openErrors);
        QFETCH(QList<int>, visible);
        QFETCH(QString, saveError);
        // An earlier opening leaves a good entry 0 and colours in the store.
        SyntheticImage image = smallImage(kSerialP1);
        useRom(image, "000400 10 good\n");
        open();
        click(3);
        mWindow.reset();
        QVERIFY(mNotices->errors.isEmpty());

        useRom(image, list.toStdString(), writeList);
        const auto before = romBytes();
        open();
        QCOMPARE(mNotices->errors, openErrors);
        QCOMPARE(visibleSwatches(), visible);
        mNotices->clear();
        save();
        QCOMPARE(mNotices->errors, QStringList{saveError});
        QCOMPARE(romBytes(), before);
    }

    void saveReportsAFileItCannotOpen()
    {
        SyntheticImage image = smallImage(kSerialP1);
        useRom(image, "000400 04 four\n");
        const auto before = romBytes();
        open();
        click(0);
        typeAndChange(QStringLiteral("0EEE"));
        {
            ForeignLock lock(mRom);
            save();
        }
        QCOMPARE(mNotices->errors, QStringList{QString::fromStdString("Cannot open file " + mRom + ".")});
        QCOMPARE(romBytes(), before);
        mNotices->clear();
        save();
        QVERIFY(mNotices->errors.isEmpty());
        QCOMPARE(romBytes(), withWord(before, 0x400, 0x0EEE));
    }

private:
    static std::uint16_t sample(const std::vector<std::uint8_t>& bytes, std::size_t offset)
    {
        return static_cast<std::uint16_t>(bytes.at(offset) << 8 | bytes.at(offset + 1));
    }
    static std::string HexWord(std::uint16_t word)
    {
        char text[8];
        std::snprintf(text, sizeof text, "%04X", word);
        return text;
    }
};

QTEST_MAIN(PaletteEditorTest)
#include "paletteeditor_test.moc"
