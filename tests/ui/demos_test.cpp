// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/romaccess.h"
#include "editors/demos/demoseditor.h"
#include "tests/support/recordingnotices.h"
#include "tests/support/testfiles.h"
#include "tests/ui/demotest.h"
#include "tests/ui/uitest.h"
#include "tools/samplerom/samples.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

struct Game
{
    const char* code;
    std::size_t length;
    std::size_t number; // 0: none
    std::size_t base;
    int slotCount;
    int entries; // lines of its list file
};

const Game kGames[] = {
    {"p2", 0x42AA, 0x3D4E, 0x3DAC, 4, 30},   {"p2b", 0x44B4, 0x3BC0, 0x3C16, 4, 30},
    {"p2k", 0x303D86, 0x303850, 0x3038A0, 4, 30}, {"p3", 0x4A84, 0x399E, 0x39EE, 3, 35},
    {"pk", 0x6492, 0, 0x434A, 3, 35},
};

const Game& gameOf(const QString& code)
{
    for (const Game& g : kGames) {
        if (code == QLatin1String(g.code))
            return g;
    }
    qFatal("no game %s", qPrintable(code));
}

// 540 frames, two demos, slots at rows 0, 5 and 10 and a fourth level no
// row holds; the word where pk would keep a number is left zero.
SyntheticImage storedValues(const Game& g)
{
    SyntheticImage image = DemoImage(g.code);
    image.word(g.length, 540);
    if (g.number)
        image.word(g.number, 2);
    image.word(g.base, 0x0000).word(g.base + 2, 0x0201).word(g.base + 4, 0x0500).word(g.base + 6, 0x0999);
    return image;
}

} // namespace

class P2DemosTest : public WindowTest
{
    Q_OBJECT

private:

    std::unique_ptr<DemosEditor> open(const SyntheticImage& image) { return openEditor<DemosEditor>(image); }

    static bool enabled(QWidget* w, const char* name) { return w->findChild<QWidget*>(name)->isEnabled(); }

    static void addGames()
    {
        QTest::addColumn<QString>("code");
        for (const Game& g : kGames)
            QTest::newRow(g.code) << QString(g.code);
    }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        // The header stays as it is, so that only the editor's writes show.
        CreateMainWindow();
        SetFixChecksum(false);
    }

    void cleanup() { endWindowTest(); }

    void opensWithTheControlsOfTheGame_data() { addGames(); }

    void opensWithTheControlsOfTheGame()
    {
        QFETCH(QString, code);
        const Game& g = gameOf(code);
        const auto w = open(storedValues(g));
        QCOMPARE(mNotices->errors, QStringList());
        QCOMPARE(spin(w.get(), "PoleLengthUpDown")->value(), 9);
        QCOMPARE(w->findChild<QLineEdit*>("PoleLength")->text(), QStringLiteral("9"));
        QCOMPARE(spin(w.get(), "PoleNumberUpDown")->value(), g.number ? 2 : 0);
        QCOMPARE(spin(w.get(), "PoleNumberUpDown")->maximum(), g.slotCount);
        QCOMPARE(enabled(w.get(), "PoleNumberUpDown"), g.number != 0);
        QCOMPARE(enabled(w.get(), "PoleNumber"), g.number != 0);
        QCOMPARE(enabled(w.get(), "Label5"), g.number != 0);
        QCOMPARE(enabled(w.get(), "Label9"), g.slotCount == 4);
        QCOMPARE(enabled(w.get(), "combo4"), g.slotCount == 4);
        const int rows[] = {0, 5, 10, -1};
        for (int n = 1; n <= 4; ++n) {
            const bool used = n <= g.slotCount;
            QCOMPARE(combo(w.get(), n)->count(), used ? g.entries : 0);
            QCOMPARE(combo(w.get(), n)->currentIndex(), used ? rows[n - 1] : -1);
        }
        if (g.slotCount == 3)
            QCOMPARE(combo(w.get(), 4)->placeholderText(), QStringLiteral("Disabled"));
        QVERIFY(w->findChild<QPushButton*>("saveButton")->isEnabled());
    }

    void saveWritesOnlyTheChangedWords_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("offset"); // -1: nothing written
        QTest::addColumn<int>("word");
        for (const Game& g : kGames) {
            const auto row = [&](const char* label) -> QTestData& {
                return QTest::newRow(QByteArray(g.code + QByteArray(": ") + label).constData()) << QString(g.code);
            };
            row("nothing changed") << "" << 0 << -1 << 0;
            row("length 9 to 10 s") << "PoleLengthUpDown" << 10 << int(g.length) << 600;
            row("length to 300 s") << "PoleLengthUpDown" << 300 << int(g.length) << 18000;
            row("number 2 to 3") << "PoleNumberUpDown" << 3 << (g.number ? int(g.number) : -1) << 3;
            row("number 2 to 0") << "PoleNumberUpDown" << 0 << (g.number ? int(g.number) : -1) << 0;
            row("first slot entry 1") << "combo1" << 1 << int(g.base) << 0x0001;
            row("third slot entry 3") << "combo3" << 3 << int(g.base + 4) << 0x0101;
            row("second slot last entry") << "combo2" << g.entries - 1 << int(g.base + 2)
                                          << (g.slotCount == 4 ? 0x1000 : 0x1601);
            if (g.slotCount == 4)
                row("unknown fourth level, entry 12") << "combo4" << 12 << int(g.base + 6)
                                                     << (QByteArray(g.code) == "p2b" ? 0x0701 : 0x0700);
        }
        // The row where the two second-game tables part.
        QTest::newRow("p2: entry 11") << "p2" << "combo1" << 11 << 0x3DAC << 0x0600;
        QTest::newRow("p2b: entry 11") << "p2b" << "combo1" << 11 << 0x3C16 << 0x0700;
        QTest::newRow("p3: entry 34") << "p3" << "combo3" << 34 << 0x39F2 << 0x1601;
    }

    void saveWritesOnlyTheChangedWords()
    {
        QFETCH(QString, code);
        QFETCH(QString, control);
        QFETCH(int, position);
        QFETCH(int, offset);
        QFETCH(int, word);
        SyntheticImage expected = storedValues(gameOf(code));
        const auto w = open(expected);
        if (auto* s = w->findChild<QSpinBox*>(control))
            s->setValue(position);
        else if (auto* c = w->findChild<QComboBox*>(control))
            c->setCurrentIndex(position);
        // The level no table names is written over only so.
        EditAnyway(w.get());
        save(w.get());
        if (offset >= 0)
            expected.word(std::size_t(offset), std::uint16_t(word));
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(mNotices->saveReported());
        QVERIFY(fileBytes() == expected.data());
    }

    // Every changed value of a game is written in one Save, and with Fix
    // unticked the header stays as it is.
    void saveWritesEveryChangedValue_data() { addGames(); }

    void saveWritesEveryChangedValue()
    {
        QFETCH(QString, code);
        const Game& g = gameOf(code);
        QVERIFY(!TestMainWindow()->findChild<QAction*>("Fix")->isChecked());
        SyntheticImage expected = storedValues(g);
        const auto w = open(expected);
        spin(w.get(), "PoleLengthUpDown")->setValue(1);
        spin(w.get(), "PoleNumberUpDown")->setValue(1);
        for (int n = 1; n <= 4; ++n)
            combo(w.get(), n)->setCurrentIndex(n + 5);
        QCOMPARE(combo(w.get(), 4)->currentIndex(), g.slotCount == 4 ? 9 : -1);
        EditAnyway(w.get());
        save(w.get());
        expected.word(g.length, 60);
        if (g.number)
            expected.word(g.number, 1);
        // Entries 6 to 9 are the same four levels in every table.
        const std::uint16_t levels[] = {0x0300, 0x0301, 0x0400, 0x0401};
        for (int n = 0; n < g.slotCount; ++n)
            expected.word(g.base + 2 * std::size_t(n), levels[n]);
        QVERIFY(fileBytes() == expected.data());
        QVERIFY(mNotices->saveReported());
    }

    void untouchedOutOfRangeValuesSurvive()
    {
        const Game& g = gameOf("p3");
        SyntheticImage expected = storedValues(g);
        expected.word(g.length, 0xFFFF).word(g.number, 9);
        const auto w = open(expected);
        QCOMPARE(spin(w.get(), "PoleLengthUpDown")->value(), 300);
        QCOMPARE(spin(w.get(), "PoleNumberUpDown")->value(), 3);
        save(w.get());
        QVERIFY(fileBytes() == expected.data());
        spin(w.get(), "PoleNumberUpDown")->setValue(2);
        // A number of demos no game has is written over only so.
        QVERIFY(EditAnyway(w.get()));
        save(w.get());
        expected.word(g.number, 2);
        QVERIFY(fileBytes() == expected.data());
    }

    void secondSaveWritesOnlyWhatChangedSinceTheFirst()
    {
        const Game& g = gameOf("p2");
        SyntheticImage expected = storedValues(g);
        const auto w = open(expected);
        spin(w.get(), "PoleNumberUpDown")->setValue(4);
        combo(w.get(), 4)->setCurrentIndex(0);
        QVERIFY(EditAnyway(w.get()));
        save(w.get());
        expected.word(g.number, 0xAAAA).word(g.base + 6, 0xBBBB);
        WaitForHeaderSum();
        expected.save(mPath);
        combo(w.get(), 2)->setCurrentIndex(0);
        save(w.get());
        expected.word(g.base + 2, 0x0000);
        QVERIFY(fileBytes() == expected.data());
    }

    void failedWriteShowsNoSuccess()
    {
        const Game& g = gameOf("p2b");
        SyntheticImage expected = storedValues(g);
        const auto w = open(expected);
        combo(w.get(), 1)->setCurrentIndex(11);
        {
            ForeignLock lock(mPath);
            save(w.get());
        }
        QCOMPARE(mNotices->errors, QStringList{Reported("Cannot open file " + mPath)});
        QCOMPARE(mNotices->messages, QStringList());
        QVERIFY(fileBytes() == expected.data());
        save(w.get());
        expected.word(g.base, 0x0700);
        QVERIFY(fileBytes() == expected.data());
        QVERIFY(mNotices->saveReported());
    }

    void missingListFileLeavesEveryLevelSlot_data() { addGames(); }

    void missingListFileLeavesEveryLevelSlot()
    {
        QFETCH(QString, code);
        const Game& g = gameOf(code);
        SyntheticImage expected = storedValues(g);
        selectImage(expected);
        TempDir elsewhere;
        SetSupportBase(elsewhere.path() + "/");
        const auto w = std::make_unique<DemosEditor>(*mSession);
        const char* file = g.entries == 30 ? (code == "p2b" ? "p2blevels.txt" : "p2levels.txt") : "p3klevels.txt";
        QCOMPARE(mNotices->errors,
                 QStringList{Reported("Cannot open file " + elsewhere.path() + "//korvane/" + file)});
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(combo(w.get(), n)->count(), 0);
        spin(w.get(), "PoleLengthUpDown")->setValue(2);
        save(w.get());
        expected.word(g.length, 120);
        QVERIFY(fileBytes() == expected.data());
    }

    // A lock-on image that ends before the demo length: the controls are
    // set up, nothing is read and nothing can be saved.
    void shortImageOpensEmptyAndCannotSave()
    {
        const SyntheticImage image =
            std::move(SyntheticImage(0x300000).serial(kSerialLockOn).secondSerial(kSerialP2));
        const auto w = open(image);
        QCOMPARE(mNotices->errors, QStringList{Reported("Stream read error")});
        QCOMPARE(spin(w.get(), "PoleLengthUpDown")->value(), 0);
        QCOMPARE(spin(w.get(), "PoleNumberUpDown")->maximum(), 4);
        QVERIFY(enabled(w.get(), "combo4"));
        QCOMPARE(combo(w.get(), 1)->count(), 0);
        QVERIFY(!w->findChild<QPushButton*>("saveButton")->isEnabled());
    }

    void samplesOpenWithoutErrors()
    {
        for (const SampleImage& sample : BuildSampleImages()) {
            if (!SecondGameDemoLayout(sample.gameCode))
                continue;
            const auto w = open(sample.image);
            QVERIFY2(mNotices->errors.isEmpty(), sample.gameCode.c_str());
            QVERIFY(spin(w.get(), "PoleLengthUpDown")->value() > 0);
            for (int n = 1; n <= SecondGameDemoLayout(sample.gameCode)->slotCount; ++n)
                QVERIFY(combo(w.get(), n)->currentIndex() >= 0);
            w->show();
            SaveScreenshot(w.get(), QString::fromStdString("demos-p2-" + sample.gameCode));
        }
    }
};

QTEST_MAIN(P2DemosTest)
#include "demos_test.moc"
