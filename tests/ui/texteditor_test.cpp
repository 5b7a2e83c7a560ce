// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/romaccess.h"
#include "editors/text/firstgametexteditor.h"
#include "editors/text/texteditor.h"
#include "editors/text/textmodel.h"
#include "tests/support/recordingnotices.h"
#include "tests/support/testfiles.h"
#include "tests/ui/uitest.h"
#include "editors/editorlist.h"
#include "core/syntheticimage.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

const QString kCopyrightSign = QStringLiteral("\u00A9");

// Offsets of the two texts that hold codes outside the alphabet.
constexpr std::size_t kMczOffset = 0x8759;
constexpr std::size_t kCopyrightOffset = 0x3E80;

} // namespace

class TextEditorTest : public WindowTest
{
    Q_OBJECT

private:
    std::vector<std::uint8_t> mBefore;

    // A "p2" image with the sample texts, 0xEE between them, and two texts
    // with codes the alphabet lacks: byte 0x05 in the second two-player text
    // and the word 0x1234 at the end of the copyright text.
    void writeImage(bool unknownCodes)
    {
        SyntheticImage image(0x10000, 0xEE);
        image.serial("GM 00001051-01");
        FillTextsSamples(image, "p2");
        if (unknownCodes)
            image.byte(kMczOffset + 2, 0x05).word(kCopyrightOffset + 22, 0x1234);
        image.save(mPath);
        mBefore = ReadFileBytes(mPath);
    }

    std::unique_ptr<TextEditor> open()
    {
        auto window = std::make_unique<TextEditor>(*mSession);
        window->show();
        return window;
    }

    static QLineEdit* edit(QWidget* window, const char* name) { return window->findChild<QLineEdit*>(name); }
    static void click(QWidget* window, const char* name) { window->findChild<QPushButton*>(name)->click(); }

    // The file as it was, with bytes put at offset.
    std::vector<std::uint8_t> before(std::size_t offset, const std::vector<std::uint8_t>& bytes)
    {
        auto expected = mBefore;
        std::copy(bytes.begin(), bytes.end(), expected.begin() + static_cast<std::ptrdiff_t>(offset));
        return expected;
    }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest("p2.bin");
        writeImage(true);
        selectPath();
    }

    void cleanup() { endWindowTest(); }

    void showsEveryTextWithItsLimit()
    {
        const auto window = open();
        QCOMPARE(window->findChild<QGroupBox*>("GroupBox1")->title(), QStringLiteral("Copyright"));
        QCOMPARE(window->findChild<QGroupBox*>("GroupBox2")->title(), QStringLiteral("2 Player Mode"));
        QCOMPARE(window->findChild<QGroupBox*>("GroupBox3")->title(), QStringLiteral("Options"));

        QCOMPARE(edit(window.get(), "Copyright")->text(), QStringLiteral("\u00A9 1992 PELB1234"));
        QCOMPARE(edit(window.get(), "p2ehz")->text(), QStringLiteral("ELM HILL    "));
        QCOMPARE(edit(window.get(), "p2mcz")->text(), QStringLiteral("MO05S CAVE  "));
        QCOMPARE(edit(window.get(), "p22p")->text(), QStringLiteral("2P"));
        QCOMPARE(edit(window.get(), "opA")->text(), QStringLiteral("RANDOM ORDER     "));
        for (const TextField& field : kTextFields) {
            QLineEdit* box = edit(window.get(), field.name);
            QVERIFY2(box, field.name);
            QCOMPARE(box->parentWidget()->property("title").toString(), QString::fromLatin1(field.group));
            // A text shown with hexadecimal digits is shown whole, read-only.
            const bool hex = QByteArray(field.name) == "Copyright" || QByteArray(field.name) == "p2mcz";
            QCOMPARE(box->isReadOnly(), hex);
            QCOMPARE(box->toolTip().startsWith(QStringLiteral("This text holds codes")), hex);
        }
        // Nor does the copyright button add to it.
        click(window.get(), "copyrightButton");
        QCOMPARE(edit(window.get(), "Copyright")->text(), QStringLiteral("\u00A9 1992 PELB1234"));

        // Keyboard order: copyright, its button, the texts in table order, Save, Save and Play, Close.
        QStringList expected{QStringLiteral("Copyright"), QStringLiteral("copyrightButton")};
        for (std::size_t i = 1; i < kTextFields.size(); ++i)
            expected << QString::fromLatin1(kTextFields[i].name);
        expected << QStringLiteral("saveButton") << QStringLiteral("SaveAndPlay") << QStringLiteral("closeButton");
        QStringList order;
        QWidget* w = edit(window.get(), "Copyright");
        do {
            if (w->focusPolicy() & Qt::TabFocus)
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != edit(window.get(), "Copyright"));
        QCOMPARE(order, expected);
        QVERIFY(mNotices->errors.isEmpty());
    }

    void screenshot()
    {
        writeImage(false);
        const auto window = open();
        SaveScreenshot(window.get(), QStringLiteral("texts"));
        const auto p1 = std::make_unique<FirstGameTextEditor>();
        p1->show();
        SaveScreenshot(p1.get(), QStringLiteral("first-game-texts"));
    }

    void unchangedSaveKeepsEveryByte()
    {
        const auto window = open();
        click(window.get(), "saveButton");
        QVERIFY(mNotices->saveReported());
        QVERIFY(mNotices->errors.isEmpty());
        QCOMPARE(ReadFileBytes(mPath), mBefore);
        // Typing a text back to what it was is no change either.
        QLineEdit* mcz = edit(window.get(), "p2mcz");
        mcz->setText(QStringLiteral("X"));
        mcz->setText(QStringLiteral("MO05S CAVE  "));
        click(window.get(), "saveButton");
        QCOMPARE(ReadFileBytes(mPath), mBefore);
        QVERIFY(window->isVisible());
    }

    void typedLowerCaseIsStoredAsUpperCase()
    {
        auto window = open();
        QLineEdit* ehz = edit(window.get(), "p2ehz");
        ehz->selectAll();
        // Too long for its place: kept as typed, refused by Save.
        QTest::keyClicks(ehz, QStringLiteral("oak hill 2.x longer"));
        QCOMPARE(ehz->text(), QStringLiteral("oak hill 2.x longer"));
        click(window.get(), "saveButton");
        QCOMPARE(mNotices->errors, QStringList{QStringLiteral("2 Player Mode text 1: the text has 19 characters, more "
                                                              "than the 12 the game keeps. Nothing was saved.")});
        QCOMPARE(ReadFileBytes(mPath), mBefore);
        mNotices->clear();
        ehz->selectAll();
        QTest::keyClicks(ehz, QStringLiteral("oak hill 2.x"));
        QLineEdit* tied = edit(window.get(), "p2tied");
        tied->selectAll();
        QTest::keyClicks(tied, QStringLiteral("dr"));
        click(window.get(), "saveButton");
        QVERIFY(mNotices->errors.isEmpty());
        // The boxes show what the image holds now.
        QCOMPARE(ehz->text(), QStringLiteral("OAK HILL 2.X"));
        QCOMPARE(tied->text(), QStringLiteral("DR  "));
        auto expected = before(0x874B, {0x2C, 0x1E, 0x28, 0x00, 0x25, 0x26, 0x29, 0x29, 0x00, 0x12, 0x1D, 0x35});
        std::copy_n(std::vector<std::uint8_t>{0x21, 0x2F, 0x00, 0x00}.begin(), 4, expected.begin() + 0x87B5);
        QCOMPARE(ReadFileBytes(mPath), expected);

        window = open();
        QCOMPARE(edit(window.get(), "p2ehz")->text(), QStringLiteral("OAK HILL 2.X"));
        QCOMPARE(edit(window.get(), "p2tied")->text(), QStringLiteral("DR  "));
    }

    void copyrightButtonFillsToTwelve()
    {
        writeImage(false);
        const auto window = open();
        QLineEdit* copyright = edit(window.get(), "Copyright");
        copyright->setText(QStringLiteral("1993 PELBO"));
        click(window.get(), "copyrightButton");
        QCOMPARE(copyright->text(), QStringLiteral("1993 PELBO") + kCopyrightSign);
        click(window.get(), "copyrightButton");
        QCOMPARE(copyright->text(), QStringLiteral("1993 PELBO") + kCopyrightSign + kCopyrightSign);
        click(window.get(), "copyrightButton");
        QCOMPARE(copyright->text().size(), 12);
        click(window.get(), "saveButton");
        QVERIFY(mNotices->errors.isEmpty());
        QCOMPARE(ReadFileBytes(mPath), before(kCopyrightOffset, {0x06, 0x81, 0x06, 0x89, 0x06, 0x89, 0x06, 0x83,
                                                                0x00, 0x00, 0x06, 0x9D, 0x06, 0x92, 0x06, 0x99,
                                                                0x06, 0x8F, 0x06, 0x9C, 0x06, 0x8B, 0x06, 0x8B}));
    }

    void refusedSaveWritesNothing()
    {
        writeImage(false);
        const auto window = open();
        edit(window.get(), "Copyright")->setText(QStringLiteral("1993"));
        edit(window.get(), "p2cnz")->setText(QStringLiteral("CANDY-NIGHT"));
        edit(window.get(), "op1")->setText(QStringLiteral("CHOOSE"));
        click(window.get(), "saveButton");
        QCOMPARE(mNotices->errors,
                 QStringList{QStringLiteral(
                     "2 Player Mode text 3: the character \"-\" has no code in the game's texts. Nothing was saved.")});
        QVERIFY(mNotices->messages.isEmpty());
        QCOMPARE(ReadFileBytes(mPath), mBefore);
        QCOMPARE(window->focusWidget(), edit(window.get(), "p2cnz"));
    }

    void writeErrorEndsTheSaveWithoutSuccess()
    {
        const auto window = open();
        edit(window.get(), "op1")->setText(QStringLiteral("CHOOSE"));
        {
            ForeignLock lock(mPath);
            click(window.get(), "saveButton");
        }
        QCOMPARE(mNotices->errors, QStringList{QString::fromStdString("Cannot open file " + mPath + ".")});
        QVERIFY(mNotices->messages.isEmpty());
        QCOMPARE(ReadFileBytes(mPath), mBefore);
        // The text still counts as changed and is written by the next Save.
        click(window.get(), "saveButton");
        QVERIFY(mNotices->saveReported());
        auto expected = before(0x97CB, {0x20, 0x25, 0x2C, 0x2C, 0x30, 0x22});
        std::fill_n(expected.begin() + 0x97CB + 6, 11, 0x00);
        QCOMPARE(ReadFileBytes(mPath), expected);
    }

    void closeWritesNothing()
    {
        const auto window = open();
        edit(window.get(), "op1")->setText(QStringLiteral("CHOOSE"));
        mNotices->answers << QMessageBox::Discard;
        click(window.get(), "closeButton");
        QCOMPARE(mNotices->questions.size(), 1);
        QVERIFY(!window->isVisible());
        QCOMPARE(ReadFileBytes(mPath), mBefore);
        QVERIFY(mNotices->messages.isEmpty());
    }

    void readErrorLeavesTheRestEmptyAndUnwritten()
    {
        // The file ends inside the options texts.
        SyntheticImage full(0x10000, 0xEE);
        full.serial("GM 00001051-01");
        FillTextsSamples(full, "p2");
        SyntheticImage(0)
            .bytes(0, std::vector<std::uint8_t>(full.data().begin(), full.data().begin() + 0x9800))
            .save(mPath);
        mBefore = ReadFileBytes(mPath);
        const auto window = open();
        QCOMPARE(mNotices->errors, QStringList{QStringLiteral("Stream read error.")});
        QCOMPARE(edit(window.get(), "op3")->text(), QStringLiteral("PELBO ALONE    "));
        QVERIFY(edit(window.get(), "op4")->text().isEmpty());
        QVERIFY(edit(window.get(), "opA")->text().isEmpty());
        click(window.get(), "saveButton");
        QCOMPARE(ReadFileBytes(mPath), mBefore);
    }

    void firstGameWindowIsInert()
    {
        FirstGameTextEditor window;
        window.show();
        QLineEdit* box = edit(&window, "tc_ghz");
        QVERIFY(box->text().isEmpty());
        QVERIFY(!box->isEnabled());
        QVERIFY(window.findChildren<QPushButton*>().isEmpty());
        window.close();
        QCOMPARE(ReadFileBytes(mPath), mBefore);
        QVERIFY(mNotices->messages.isEmpty() && mNotices->errors.isEmpty());
    }

    void menuRoutesOpenTheTextWindows()
    {
        CreateMainWindow();
        const std::unique_ptr<QDialog> p2 = NewEditor(RouteFor(ItemEditorText, "p2"), mSession.get(), mMemory, nullptr);
        QVERIFY(qobject_cast<TextEditor*>(p2.get()));
        QCOMPARE(edit(p2.get(), "p2ehz")->text(), QStringLiteral("ELM HILL    "));
        const std::unique_ptr<QDialog> p1 = NewEditor(RouteFor(ItemEditorText, "p1"), mSession.get(), mMemory, nullptr);
        QVERIFY(qobject_cast<FirstGameTextEditor*>(p1.get()));
        QCOMPARE(ReadFileBytes(mPath), mBefore);
    }
};

QTEST_MAIN(TextEditorTest)
#include "texteditor_test.moc"
