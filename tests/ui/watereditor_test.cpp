// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/water/watereditor.h"

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/romaccess.h"
#include "editors/demos/demoseditor.h"
#include "editors/text/texteditor.h"
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
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

struct Row
{
    std::uint8_t size, high, low;
};

struct Game
{
    const char* code;
    std::vector<std::size_t> rows;     // A of each row
    std::vector<std::size_t> palettes; // P of each palette byte
    std::vector<Row> stored;
};

// p2: entry 11 Act 2; zone 5 as a byte compare (entry 5); zone 17, which W2
// does not hold, Act 1. p3: zone 14 (entry 13 of W3); zone 13, which W3 does
// not hold; entry 20 Act 2; act 2 of entry 3 (no choice fits); entry 16.
const std::vector<Row> kSecondRows = {{0x78, 0x0B, 0x01}, {0x38, 0x00, 0x05}, {0x78, 0x11, 0x00}};
const Game kGames[] = {
    {"p2", {0x3FAA, 0x3FB2, 0x3FBA}, {0x4089, 0x4093, 0x409D}, kSecondRows},
    {"p2k", {0x303A86, 0x303A8E, 0x303A96}, {0x303B59, 0x303B63, 0x303B6D}, kSecondRows},
    {"p3",
     {0x5EA2, 0x5EAA, 0x5EB2, 0x5EBA, 0x5EC2},
     {},
     {{0x78, 0x0E, 0x00}, {0x38, 0x00, 0x0D}, {0x78, 0x15, 0x01}, {0x78, 0x03, 0x02}, {0x38, 0x00, 0x11}}},
};
const std::uint8_t kPalettes[] = {0x0A, 0xFF, 0x00};

const Game& gameOf(const QString& code)
{
    for (const Game& g : kGames)
        if (code == QLatin1String(g.code))
            return g;
    qFatal("no game %s", qPrintable(code));
}

SyntheticImage& putRow(SyntheticImage& image, std::size_t a, Row r)
{
    return image.bytes(a - 1, {r.size, r.high, r.low});
}

SyntheticImage storedImage(const Game& g)
{
    SyntheticImage image = DemoImage(g.code);
    for (std::size_t n = 0; n < g.rows.size(); ++n)
        putRow(image, g.rows[n], g.stored[n]);
    for (std::size_t n = 0; n < g.palettes.size(); ++n)
        image.byte(g.palettes[n], kPalettes[n]);
    return image;
}

// What a Save without edits leaves: the stored rows, although the set-up
// shows the byte compares of entries 5 and 16 as their one act.
SyntheticImage savedImage(const Game& g)
{
    return storedImage(g);
}

} // namespace

class P2WaterTest : public WindowTest
{
    Q_OBJECT

private:
    std::unique_ptr<WaterEditor> mWindow;

    // Opens the editor on image and lets the set-up complete.
    void open(const SyntheticImage& image)
    {
        selectImage(image);
        openSelected();
    }

    void openSelected()
    {
        mWindow = std::make_unique<WaterEditor>(*mSession);
        mWindow->show();
        QTRY_VERIFY_WITH_TIMEOUT(!mWindow->Timer->isActive(), 1000);
    }

    template <typename T = QWidget>
    T* child(const QString& name)
    {
        T* c = mWindow->findChild<T*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    template <typename T = QWidget>
    T* row(int n, const char* part)
    {
        return child<T>(QStringLiteral("l%1%2").arg(n).arg(QLatin1String(part)));
    }

    // "l2cmb=14" picks entry 14 as the user would, "l1act2" checks a
    // choice, "l1plt=1F" types into a box.
    void act(const QString& action)
    {
        const QStringList parts = action.split(QLatin1Char('='));
        if (auto* cmb = mWindow->findChild<QComboBox*>(parts[0])) {
            const int entry = parts[1].toInt();
            cmb->setCurrentIndex(entry);
            emit cmb->activated(entry);
        } else if (auto* edit = mWindow->findChild<QLineEdit*>(parts[0])) {
            edit->setText(parts.value(1));
        } else {
            child<QRadioButton>(parts[0])->click();
        }
    }

    void save() { child<QPushButton>(QStringLiteral("saveButton"))->click(); }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        CreateMainWindow();
    }

    void cleanup()
    {
        mWindow.reset();
        endWindowTest();
    }

    void opensWithTheRowsOfTheGame_data()
    {
        QTest::addColumn<QString>("code");
        for (const Game& g : kGames)
            QTest::newRow(g.code) << QString(g.code);
    }

    void opensWithTheRowsOfTheGame()
    {
        QFETCH(QString, code);
        const Game& g = gameOf(code);
        const bool second = !g.palettes.empty();
        open(storedImage(g));
        QCOMPARE(mNotices->errors, QStringList());
        QCOMPARE(mNotices->messages, QStringList());
        QCOMPARE(child<QLabel>("Label3")->isVisible(), second);
        QVERIFY(!child<QPushButton>("heightsButton")->isVisible());

        // Per row, after the set-up: entry shown ("-" none), choice checked,
        // whether the row can be used, palette box text or "hidden".
        const QStringList expected = second ? QStringList{"11 act2 on 0A", "5 act1 on FF", "- act1 on 00",
                                                          "- - off 00", "- - off 00"}
                                            : QStringList{"13 act1 on hidden", "- both on hidden",
                                                          "20 act2 on hidden", "3 - on hidden", "16 act1 on hidden"};
        QStringList actual;
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(row<QComboBox>(n, "cmb")->count(), n > int(g.rows.size()) ? 0 : second ? 17 : 21);
            const int entry = row<QComboBox>(n, "cmb")->currentIndex();
            QString choice = QStringLiteral("-");
            for (const char* name : {"act1", "act2", "both"})
                if (row<QRadioButton>(n, name)->isChecked())
                    choice = QString::fromLatin1(name);
            // Usable: selector, panel and palette box alike.
            const bool on = row(n, "cmb")->isEnabled();
            QCOMPARE(row(n, "panel")->isEnabled(), on);
            QCOMPARE(row(n, "act1")->isEnabled(), on);
            QCOMPARE(row(n, "plt")->isEnabled(), on && second);
            auto* plt = row<QLineEdit>(n, "plt");
            actual << QStringLiteral("%1 %2 %3 %4")
                          .arg(entry < 0 ? QStringLiteral("-") : QString::number(entry), choice,
                               on ? QStringLiteral("on") : QStringLiteral("off"),
                               plt->isVisible() ? plt->text() : QStringLiteral("hidden"));
            QCOMPARE(row<QLineEdit>(n, "height")->text(), QStringLiteral("0000"));
            QVERIFY(!row(n, "height")->isEnabled());
        }
        QCOMPARE(actual, expected);
        // The act rule of entry 5 (p2) and of the one-act entry 16 (p3).
        const int ruled = second ? 2 : 5;
        QCOMPARE(row<QRadioButton>(ruled, "act1")->text(), second ? QStringLiteral("Act 3") : QStringLiteral("Act 1"));
        QVERIFY(!row(ruled, "act2")->isEnabled());
        QVERIFY(!row(ruled, "both")->isEnabled());
        QVERIFY(row(1, "act2")->isEnabled());
    }

    // Until the first tick a byte compare of entry 5 shows "Both"; the
    // tick makes it the word compare of "Act 3", once.
    void setUpCompletesOnceAfterShowing()
    {
        SyntheticImage image = storedImage(gameOf("p2"));
        selectImage(image);
        mWindow = std::make_unique<WaterEditor>(*mSession);
        QVERIFY(mWindow->Timer->isActive());
        QCOMPARE(mWindow->Timer->interval(), 1);
        QVERIFY(row<QRadioButton>(2, "both")->isChecked());
        QCOMPARE(row<QRadioButton>(2, "act1")->text(), QStringLiteral("Act 1"));
        mWindow->show();
        QTRY_VERIFY_WITH_TIMEOUT(!mWindow->Timer->isActive(), 1000);
        QVERIFY(row<QRadioButton>(2, "act1")->isChecked());
    }

    void actRuleFollowsTheEntry()
    {
        open(storedImage(gameOf("p3")));
        // Entry picked in row 4 (nothing checked at first): caption of the
        // first choice, whether the other two are offered, the choice checked.
        const QStringList expected = {"2: Act 1 offered -",    "14: Act 1 disabled act1", "0: Act 1 offered act1",
                                      "5: Act 3 disabled act1", "16: Act 1 disabled act1", "20: Act 1 offered act1"};
        QStringList actual;
        for (const QString& step : expected) {
            const QString entry = step.section(QLatin1Char(':'), 0, 0);
            act(QStringLiteral("l4cmb=") + entry);
            auto* act1 = row<QRadioButton>(4, "act1");
            const bool others = row(4, "act2")->isEnabled();
            QCOMPARE(row(4, "both")->isEnabled(), others);
            QVERIFY(act1->isEnabled());
            actual << QStringLiteral("%1: %2 %3 %4")
                          .arg(entry, act1->text(), others ? QStringLiteral("offered") : QStringLiteral("disabled"),
                               act1->isChecked() ? QStringLiteral("act1") : QStringLiteral("-"));
        }
        QCOMPARE(actual, expected);
    }

    void saveWritesExactlyTheChosenBytes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("row"); // 0: only what a Save without edits writes
        QTest::addColumn<QByteArray>("bytes");
        const auto add = [](const char* name, const char* code, const QStringList& actions, int row,
                            const char* hex) {
            QTest::newRow(name) << code << actions << row << QByteArray::fromHex(hex);
        };
        for (const char* code : {"p2", "p2k", "p3"})
            add(QByteArray(code + QByteArray(": no edits")).constData(), code, {}, 0, {});
        add("p2: Act 2 to Both", "p2", {"l1both"}, 1, "38000B");
        add("p2: entry 14", "p2", {"l1cmb=14"}, 1, "780E00");
        add("p2: entry 16 checks Act 1", "p2", {"l3cmb=16"}, 3, "781000");
        add("p2: unlisted zone keeps its bytes", "p2", {"l3act2"}, 3, "781100");
        add("p2k: entry 0, Both", "p2k", {"l1cmb=0", "l1both"}, 1, "380000");
        add("p2k: Act 3 back to a byte compare", "p2k", {"l2cmb=7", "l2both"}, 2, "380007");
        add("p3: entry 12, Act 2", "p3", {"l1cmb=12", "l1act2"}, 1, "780C01");
        add("p3: zone 13 replaced", "p3", {"l2cmb=20"}, 2, "380015");
        add("p3: act 2 of entry 3 to Both", "p3", {"l4both"}, 4, "380003");
        add("p3: last row", "p3", {"l5cmb=1", "l5act2"}, 5, "780101");
        // Palette bytes, each at its own offset (row: 10 + palette).
        add("p2: palette 1", "p2", {"l1plt=1F"}, 11, "1F");
        add("p2: palette 2", "p2", {"l2plt=c"}, 12, "0C");
        add("p2k: palette 3", "p2k", {"l3plt=80"}, 13, "80");
    }

    void saveWritesExactlyTheChosenBytes()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, actions);
        QFETCH(int, row);
        QFETCH(QByteArray, bytes);
        const Game& g = gameOf(code);
        open(storedImage(g));
        for (const QString& a : actions)
            act(a);
        // A zone the game's list does not have is written over only so.
        EditAnyway(mWindow.get());
        save();
        SyntheticImage expected = savedImage(g);
        const std::size_t at = row > 10 ? g.palettes[row - 11] : row ? g.rows[row - 1] - 1 : 0;
        for (int i = 0; i < bytes.size(); ++i)
            expected.byte(at + i, std::uint8_t(bytes[i]));
        expected.validChecksum();
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(mNotices->saveReported());
        QVERIFY(fileBytes() == expected.data());
    }

    void badPaletteBoxWritesNothing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << "l1plt" << ""
                               << "'' is not a valid value for \"Underwater palette of level 1\" (hexadecimal 00 to FF).";
        QTest::newRow("not hex") << "l2plt" << "1G"
                                 << "'1G' is not a valid value for \"Underwater palette of level 2\" (hexadecimal 00 "
                                    "to FF).";
        QTest::newRow("above FF") << "l3plt" << "123"
                                  << "'123' is out of range for \"Underwater palette of level 3\" (hexadecimal 00 "
                                     "to FF).";
    }

    void badPaletteBoxWritesNothing()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, error);
        const SyntheticImage image = storedImage(gameOf("p2"));
        open(image);
        act("l1both");
        act("l1plt=22");
        act(box + "=" + text);
        save();
        QCOMPARE(mNotices->errors, QStringList{error});
        QCOMPARE(mNotices->messages, QStringList());
        QVERIFY(fileBytes() == image.data());
    }

    // Long compares and unknown forms: shown as nothing, never written.
    void otherFormsAreReadOnly()
    {
        const Game& g = gameOf("p3");
        SyntheticImage image = storedImage(g);
        putRow(image, g.rows[0], {0xB9, 0x00, 0x00});
        putRow(image, g.rows[2], {0x3C, 0x0E, 0x00});
        putRow(image, g.rows[4], {0xB9, 0xFF, 0xFF});
        open(image);
        QCOMPARE(mNotices->messages, (QStringList{QStringLiteral("omfg B9!!11!1"), QStringLiteral("omfg B9!!11!1")}));
        for (int n : {1, 3, 5}) {
            QCOMPARE(row<QComboBox>(n, "cmb")->currentIndex(), -1);
            QVERIFY(!row(n, "cmb")->isEnabled());
            QVERIFY(!row(n, "panel")->isEnabled());
            for (const char* choice : {"act1", "act2", "both"})
                QVERIFY(!row<QRadioButton>(n, choice)->isChecked());
            // Even when forced, the row is not written.
            row<QComboBox>(n, "cmb")->setCurrentIndex(3);
            row<QRadioButton>(n, "both")->setChecked(true);
        }
        QVERIFY(row(2, "cmb")->isEnabled());
        mNotices->clear();
        save();
        QVERIFY(mNotices->saveReported());
        QVERIFY(fileBytes() == image.validChecksum().data());
    }

    // An opening that ended early: what was not read is not written, and
    // the file keeps its size.
    void unreadRowsAndPalettesAreNeverWritten_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("size"); // 0: whole image
        QTest::addColumn<bool>("lists");
        QTest::addColumn<int>("decoded"); // rows decoded
        QTest::addColumn<int>("palettes"); // palette bytes read
        QTest::addColumn<QString>("error");
        QTest::newRow("p2k ends in row 2") << "p2k" << 0x303A8E << true << 0 << 0 << "Stream read error.";
        QTest::newRow("p2 ends before palette 2") << "p2" << 0x4092 << true << 3 << 1 << "Stream read error.";
        QTest::newRow("p2 list missing") << "p2" << 0 << false << 0 << 0 << "/korvane/p2levels_noacts.txt.";
        QTest::newRow("p3 list missing") << "p3" << 0 << false << 0 << 0 << "/korvane/p3klevels_noacts.txt.";
    }

    void unreadRowsAndPalettesAreNeverWritten()
    {
        QFETCH(QString, code);
        QFETCH(int, size);
        QFETCH(bool, lists);
        QFETCH(int, decoded);
        QFETCH(int, palettes);
        QFETCH(QString, error);
        const Game& g = gameOf(code);
        SyntheticImage image = storedImage(g);
        if (size)
            image = std::move(SyntheticImage(0).bytes(
                0, std::vector<std::uint8_t>(image.data().begin(), image.data().begin() + size)));
        selectImage(image);
        TempDir elsewhere;
        if (!lists)
            SetSupportBase(elsewhere.path() + "/");
        openSelected();
        QCOMPARE(mNotices->errors.size(), 1);
        QVERIFY2(mNotices->errors[0].endsWith(error), qPrintable(mNotices->errors[0]));
        for (int n = 1; n <= int(g.rows.size()); ++n) {
            QCOMPARE(row(n, "cmb")->isEnabled(), n <= decoded);
            QCOMPARE(row<QComboBox>(n, "cmb")->count(), n <= decoded ? 17 : 0);
        }
        for (int n = 1; n <= int(g.palettes.size()); ++n) {
            QCOMPARE(row(n, "plt")->isEnabled(), n <= palettes);
            QCOMPARE(row<QLineEdit>(n, "plt")->text(), n <= palettes ? QStringLiteral("0A") : QStringLiteral("00"));
        }
        if (decoded)
            act("l1both");
        save();
        if (decoded)
            putRow(image, g.rows[0], {0x38, 0x00, 0x0B});
        QVERIFY(mNotices->saveReported());
        QVERIFY(fileBytes() == image.validChecksum().data());
    }

    void failedWriteIsNotReportedAsSaved()
    {
        const SyntheticImage image = storedImage(gameOf("p2"));
        open(image);
        act("l1both");
        {
            ForeignLock lock(mPath);
            save();
        }
        QCOMPARE(mNotices->errors, QStringList{Reported("Cannot open file " + mPath)});
        QCOMPARE(mNotices->messages, QStringList());
        QVERIFY(fileBytes() == image.data());
    }

    void waterEditorItemOpensIt()
    {
        selectImage(storedImage(gameOf("p3")));
        TestMainWindow()->selectFile(QString::fromStdString(mPath));
        QAction* item = TestMainWindow()->findChild<QAction*>("EditorWater");
        int entry = -2;
        const bool seen = WithEditor([item] { item->trigger(); },
                                    [&](QWidget* modal) {
                                        if (auto* w = qobject_cast<WaterEditor*>(modal))
                                            entry = w->findChild<QComboBox*>("l3cmb")->currentIndex();
                                        modal->findChild<QPushButton*>("closeButton")->click();
                                    });
        QVERIFY(seen);
        QCOMPARE(entry, 20);
        QVERIFY(mNotices->errors.isEmpty());
    }

    void samplesOpenWithEveryRowDecoded()
    {
        for (const SampleImage& sample : BuildSampleImages()) {
            const WaterLayout* layout = WaterLayoutFor(sample.gameCode);
            if (!layout)
                continue;
            open(sample.image);
            QVERIFY2(mNotices->errors.isEmpty() && mNotices->messages.isEmpty(), sample.gameCode.c_str());
            for (int n = 1; n <= layout->rowCount; ++n) {
                QVERIFY(row<QComboBox>(n, "cmb")->currentIndex() >= 0);
                QVERIFY(row<QRadioButton>(n, "act1")->isChecked() || row<QRadioButton>(n, "act2")->isChecked() ||
                        row<QRadioButton>(n, "both")->isChecked());
            }
            for (int n = 1; n <= layout->paletteCount; ++n)
                QVERIFY(row<QLineEdit>(n, "plt")->text() != QStringLiteral("00"));
            SaveScreenshot(mWindow.get(), QString::fromStdString("water-" + sample.gameCode));
        }
    }
};

QTEST_MAIN(P2WaterTest)
#include "watereditor_test.moc"
