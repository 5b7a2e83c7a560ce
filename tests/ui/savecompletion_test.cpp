#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "editors/demos/p2demosp.h"
#include "editors/objects/p2bosses.h"
#include "editors/palette/paledit.h"
#include "tests/ui/uitest.h"
#include "tools/samplerom/samples.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {

// The editors whose Save used to leave the header alone, each with one edit
// of a sample image: the word it must write and the message it shows.
struct Case
{
    const char* editor;
    const char* gameCode;
    std::size_t offset;
    std::uint16_t word;
    const char* saveButton;
    const char* message;
};

const Case kCases[] = {
    {"objects", "p2", 0x2EF76, 12, "Button1", "ROM Saved"},    // "EHZ boss hits"
    {"p2demos", "p2", 0x3D4E, 3, "Save", "ROM Saved"},         // number of demos
    {"palette", "p1", 0x2208, 0x0ECA, "Button2", "ROM Saved!"}, // colour 0 of the first palette
};

SyntheticImage sampleOf(const std::string& gameCode)
{
    for (const SampleImage& sample : BuildSampleImages())
        if (sample.gameCode == gameCode)
            return sample.image;
    throw std::logic_error("no sample of " + gameCode);
}

} // namespace

// Every editor's Save in which every write succeeded repairs the header
// when "Fix Checksum" is ticked, and leaves it alone when it is not.
class SaveCompletionTest : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        PalEdit = PaletteEditorState();
        MainFrm = new TMainFrm();
    }

    void cleanup() { endWindowTest(); }

    void saveRepairsTheHeaderOnlyWhenFixIsTicked_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("ticked");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            for (const bool ticked : {true, false})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(kCases[i].editor, ticked ? "ticked" : "unticked")))
                    << i << ticked;
    }

    void saveRepairsTheHeaderOnlyWhenFixIsTicked()
    {
        QFETCH(int, index);
        QFETCH(bool, ticked);
        const Case& c = kCases[index];
        SetFixChecksum(ticked);
        // A wrong checksum, so that a repair shows.
        SyntheticImage expected = sampleOf(c.gameCode);
        expected.word(0x18E, expected.wordAt(0x18E) ^ 0xFFFF);

        std::unique_ptr<QDialog> window;
        if (QByteArray(c.editor) == "objects") {
            window = openEditor<Tp2bossesf>(expected);
            window->findChild<QTableWidget*>("vals")->item(0, 1)->setText(QString::number(c.word));
        } else if (QByteArray(c.editor) == "p2demos") {
            window = openEditor<Tp2demos>(expected);
            window->findChild<QSpinBox*>("PoleNumberUpDown")->setValue(c.word);
        } else {
            window = openEditor<Tpalform>(expected);
            window->findChild<QLineEdit*>("SelPal")->setText(QString::number(c.word, 16));
            window->findChild<QPushButton*>("Button1")->click();
        }
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(expected.wordAt(c.offset) != c.word);
        window->findChild<QPushButton*>(c.saveButton)->click();

        QCOMPARE(mNotices->errors, QStringList());
        QCOMPARE(mNotices->messages, QStringList{QString::fromLatin1(c.message)});
        expected.word(c.offset, c.word);
        if (ticked)
            expected.validChecksum();
        QVERIFY(fileBytes() == expected.data());
    }
};

QTEST_MAIN(SaveCompletionTest)
#include "savecompletion_test.moc"
