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

struct Offsets
{
    std::size_t normal;
    std::size_t special;
    std::size_t number;
    std::size_t base;
};

Offsets offsetsOf(const QString& code)
{
    return code == QLatin1String("p1j") ? Offsets{0x3A56, 0x4702, 0x340A, 0x3454}
                                        : Offsets{0x3A5A, 0x4700, 0x3416, 0x3458};
}

// What the first-game tests start from: 540 and 1234 frames, three demos,
// slots at rows 0 and 6, the last row and a level no row holds.
SyntheticImage storedValues(const QString& code)
{
    const Offsets o = offsetsOf(code);
    SyntheticImage image = DemoImage(code.toStdString());
    image.word(o.normal, 540).word(o.special, 1234).word(o.number, 3);
    image.word(o.base, 0x0000).word(o.base + 2, 0x0103).word(o.base + 4, 0x0600).word(o.base + 6, 0x0999);
    return image;
}

} // namespace

class P1DemosTest : public WindowTest
{
    Q_OBJECT

private:

    std::unique_ptr<DemosEditor> open(const SyntheticImage& image) { return openEditor<DemosEditor>(image); }


private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        CreateMainWindow();
        SetFixChecksum(false);
    }

    void cleanup() { endWindowTest(); }

    void opensWithTheStoredValues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("p1") << "p1";
        QTest::newRow("p1j") << "p1j";
    }

    void opensWithTheStoredValues()
    {
        QFETCH(QString, code);
        const auto w = open(storedValues(code));
        QCOMPARE(mNotices->errors, QStringList());
        QCOMPARE(spin(w.get(), "PoleLengthUpDown")->value(), 9);
        QCOMPARE(w->findChild<QLineEdit*>("PoleLength")->text(), QStringLiteral("9"));
        QCOMPARE(spin(w.get(), "PoleSpecialLengthUpDown")->value(), 20);
        QCOMPARE(spin(w.get(), "PoleNumberUpDown")->value(), 3);
        QCOMPARE(spin(w.get(), "PoleNumberUpDown")->maximum(), 4);
        QCOMPARE(spin(w.get(), "PoleLengthUpDown")->maximum(), 300);
        const int rows[] = {0, 6, 19, -1};
        for (int n = 1; n <= 4; ++n) {
            QCOMPARE(combo(w.get(), n)->count(), 20);
            QCOMPARE(combo(w.get(), n)->currentIndex(), rows[n - 1]);
        }
        QCOMPARE(combo(w.get(), 2)->currentText(), QStringLiteral("LZ Act 4 (SBZ Act 3)"));
        QVERIFY(!w->findChild<QPushButton*>("importButton")->isEnabled());
        QVERIFY(w->findChild<QPushButton*>("saveButton")->isEnabled());
    }

    void saveWritesOnlyTheChangedWord_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("offset"); // from the table's offsets below, or -1
        QTest::addColumn<int>("word");
        for (const char* code : {"p1", "p1j"}) {
            const Offsets o = offsetsOf(code);
            const auto row = [&](const char* label) -> QTestData& {
                return QTest::newRow(QByteArray(code + QByteArray(": ") + label).constData()) << QString(code);
            };
            row("nothing changed") << "" << 0 << -1 << 0;
            row("normal length 9 to 10 s") << "PoleLengthUpDown" << 10 << int(o.normal) << 600;
            row("normal length 9 to 0 s") << "PoleLengthUpDown" << 0 << int(o.normal) << 0;
            row("special length 20 to 21 s") << "PoleSpecialLengthUpDown" << 21 << int(o.special) << 1260;
            row("special length to 300 s") << "PoleSpecialLengthUpDown" << 300 << int(o.special) << 18000;
            row("number 3 to 4") << "PoleNumberUpDown" << 4 << int(o.number) << 4;
            row("first slot entry 6") << "combo1" << 6 << int(o.base) << 0x0103;
            row("second slot entry 0") << "combo2" << 0 << int(o.base + 2) << 0x0000;
            row("unknown level, entry 19") << "combo4" << 19 << int(o.base + 6) << 0x0600;
            row("same entry again") << "combo3" << 19 << -1 << 0;
        }
    }

    void saveWritesOnlyTheChangedWord()
    {
        QFETCH(QString, code);
        QFETCH(QString, control);
        QFETCH(int, position);
        QFETCH(int, offset);
        QFETCH(int, word);
        SyntheticImage expected = storedValues(code);
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

    // Values beyond what the spin boxes can show stay as they are until the
    // user changes that control.
    void untouchedOutOfRangeValuesSurvive()
    {
        const Offsets o = offsetsOf("p1");
        SyntheticImage expected = storedValues("p1");
        expected.word(o.normal, 20000).word(o.number, 7);
        const auto w = open(expected);
        QCOMPARE(spin(w.get(), "PoleLengthUpDown")->value(), 300);
        QCOMPARE(spin(w.get(), "PoleNumberUpDown")->value(), 4);
        save(w.get());
        QVERIFY(fileBytes() == expected.data());

        spin(w.get(), "PoleLengthUpDown")->setValue(299);
        save(w.get());
        expected.word(o.normal, 17940);
        QVERIFY(fileBytes() == expected.data());
        QCOMPARE(mNotices->statuses.size(), 2);
    }

    void secondSaveWritesOnlyWhatChangedSinceTheFirst()
    {
        const Offsets o = offsetsOf("p1");
        SyntheticImage expected = storedValues("p1");
        const auto w = open(expected);
        spin(w.get(), "PoleLengthUpDown")->setValue(10);
        combo(w.get(), 1)->setCurrentIndex(3);
        save(w.get());
        // Another program changes the saved words meanwhile: the next Save
        // must not write them again.
        expected.word(o.normal, 0xAAAA).word(o.base, 0xBBBB);
        WaitForHeaderSum();
        expected.save(mPath);
        spin(w.get(), "PoleNumberUpDown")->setValue(1);
        save(w.get());
        expected.word(o.number, 1);
        QVERIFY(fileBytes() == expected.data());
        QCOMPARE(mNotices->statuses.size(), 2);
        QVERIFY(mNotices->saveReported());
    }

    void saveRepairsTheHeaderOnlyWhenFixIsTicked_data()
    {
        QTest::addColumn<bool>("fix");
        QTest::newRow("ticked") << true;
        QTest::newRow("not ticked") << false;
    }

    void saveRepairsTheHeaderOnlyWhenFixIsTicked()
    {
        QFETCH(bool, fix);
        SetFixChecksum(fix);
        SyntheticImage expected = storedValues("p1");
        const auto w = open(expected);
        spin(w.get(), "PoleNumberUpDown")->setValue(2);
        save(w.get());
        expected.word(offsetsOf("p1").number, 2);
        if (fix)
            expected.validChecksum();
        QVERIFY(fileBytes() == expected.data());
        QVERIFY(mNotices->saveReported());
    }

    // A Save whose write fails reports the error only: no success message,
    // no header repair; the next Save tries the write again.
    void failedWriteShowsNoSuccess()
    {
        SetFixChecksum(true);
        SyntheticImage expected = storedValues("p1");
        const auto w = open(expected);
        spin(w.get(), "PoleLengthUpDown")->setValue(12);
        {
            ForeignLock lock(mPath);
            save(w.get());
        }
        QCOMPARE(mNotices->errors, QStringList{Reported("Cannot open file " + mPath)});
        QCOMPARE(mNotices->messages, QStringList());
        QVERIFY(fileBytes() == expected.data());

        mNotices->clear();
        save(w.get());
        expected.word(offsetsOf("p1").normal, 720).validChecksum();
        QVERIFY(fileBytes() == expected.data());
        QVERIFY(mNotices->saveReported());
    }

    void missingListFileLeavesEveryLevelSlot()
    {
        SyntheticImage expected = storedValues("p1");
        selectImage(expected);
        TempDir elsewhere;
        SetSupportBase(elsewhere.path() + "/");
        const auto w = std::make_unique<DemosEditor>(*mSession);
        QCOMPARE(mNotices->errors,
                 QStringList{Reported("Cannot open file " + elsewhere.path() + "//korvane/p1levels.txt")});
        QCOMPARE(spin(w.get(), "PoleLengthUpDown")->value(), 9);
        for (int n = 1; n <= 4; ++n)
            QCOMPARE(combo(w.get(), n)->count(), 0);
        spin(w.get(), "PoleSpecialLengthUpDown")->setValue(5);
        save(w.get());
        expected.word(offsetsOf("p1").special, 300);
        QVERIFY(fileBytes() == expected.data());
    }

    // An image too short for the values opens with nothing to save: a write
    // would grow the file.
    void shortImageOpensEmptyAndCannotSave()
    {
        const SyntheticImage image = std::move(SyntheticImage(0x3A00).serial(kSerialP1));
        const auto w = open(image);
        QCOMPARE(mNotices->errors, QStringList{Reported("Stream read error")});
        QCOMPARE(spin(w.get(), "PoleLengthUpDown")->value(), 0);
        QCOMPARE(combo(w.get(), 1)->count(), 0);
        QVERIFY(!w->findChild<QPushButton*>("saveButton")->isEnabled());
        QVERIFY(fileBytes() == image.data());
    }

    // The Demos item opens the window of the game.
    void demosItemOpensTheWindowOfTheGame_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"p1", "p1j", "p2", "p2b", "p2k", "p3", "pk"})
            QTest::newRow(code) << code;
    }

    void demosItemOpensTheWindowOfTheGame()
    {
        QFETCH(QString, code);
        selectImage(DemoImage(code.toStdString()));
        TestMainWindow()->selectFile(QString::fromStdString(mPath));
        bool right = false;
        QString title;
        const bool shown = WithEditor([] { TestMainWindow()->openDemosEditor(); },
                                     [&](QWidget* modal) {
                                         right = qobject_cast<DemosEditor*>(modal) != nullptr;
                                         title = ShownTitle(modal);
                                         modal->close();
                                     });
        QVERIFY(shown);
        QVERIFY(right);
        QCOMPARE(title, QStringLiteral("Demos Editor - rom.bin"));
        QCOMPARE(mNotices->errors, QStringList());
    }

    void samplesOpenWithoutErrors()
    {
        for (const SampleImage& sample : BuildSampleImages()) {
            if (sample.gameCode != "p1" && sample.gameCode != "p1j")
                continue;
            const auto w = open(sample.image);
            QCOMPARE(mNotices->errors, QStringList());
            QVERIFY(spin(w.get(), "PoleLengthUpDown")->value() > 0);
            for (int n = 1; n <= 4; ++n)
                QVERIFY(combo(w.get(), n)->currentIndex() >= 0);
            w->show();
            SaveScreenshot(w.get(), QString::fromStdString("demos-p1-" + sample.gameCode));
        }
    }
};

QTEST_MAIN(P1DemosTest)
#include "firstgamedemos_test.moc"
