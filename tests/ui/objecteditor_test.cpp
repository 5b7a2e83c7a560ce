// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/objects/objecteditor.h"

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/detection.h"
#include "core/romaccess.h"
#include "editors/objects/objectmodel.h"
#include "tests/support/recordingnotices.h"
#include "tests/support/testfiles.h"
#include "tests/ui/uitest.h"
#include "core/syntheticimage.h"

#include <QAction>
#include <QHeaderView>
#include <QPushButton>
#include <QTabBar>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

// A word for every row, all different, with the edge values among them.
// Counts fit a byte, as a game's do, but for row 11's.
std::uint16_t imageWord(std::size_t i)
{
    switch (i) {
    case 0: return 0;       // decimal 0
    case 11: return 65535;  // decimal, all bits: no count looks like that
    case 16: return 0x0000; // hex 0000
    case 17: return 0x00C0;
    case 41: return 0xFFFF;
    default:
        if (kObjectRows[i].form == ObjectForm::Decimal)
            return static_cast<std::uint16_t>(5 * i + 1);
        return static_cast<std::uint16_t>(0x0101 * (i + 1) + 0x30 * i);
    }
}

// A "p2" image with those words and a header checksum that does not match,
// so that a repair would show.
SyntheticImage objectImage()
{
    SyntheticImage image(0x40000, 0xA5);
    image.serial(kSerialP2).word(0x18E, 0x1234);
    for (std::size_t i = 0; i < kObjectRows.size(); ++i)
        image.word(static_cast<std::size_t>(kObjectRows[i].offset), imageWord(i));
    return image;
}

// The cell text as the user should see it, formatted independently of the
// editor.
QString shown(const ObjectRow& row, std::uint16_t value)
{
    return row.form == ObjectForm::Decimal ? QString::number(value)
                                           : QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

const ObjectRow& rowNamed(const QString& label)
{
    for (const ObjectRow& row : kObjectRows)
        if (label == QLatin1String(row.label))
            return row;
    qFatal("no row %s", qPrintable(label));
}

} // namespace

class P2BossesTest : public WindowTest
{
    Q_OBJECT

private:
    std::unique_ptr<ObjectEditor> mWindow;

    void open()
    {
        mWindow = std::make_unique<ObjectEditor>(*mSession);
        mWindow->show();
    }

    template <typename T>
    T* child(const char* name)
    {
        T* c = mWindow->findChild<T*>(name);
        if (!c)
            qFatal("no control %s", name);
        return c;
    }

    QTableWidget* gridOf(const ObjectRow& row)
    {
        return child<QTableWidget>(row.grid == ObjectGrid::Bosses ? "bossesGrid" : "pelboGrid");
    }

    // The value cell of the row whose key is label.
    QTableWidgetItem* cell(const ObjectRow& row)
    {
        QTableWidget* grid = gridOf(row);
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 0)->text() == QLatin1String(row.label))
                return grid->item(r, 1);
        return nullptr;
    }

    void type(const QString& label, const QString& text) { cell(rowNamed(label))->setText(text); }
    void save() { child<QPushButton>("saveButton")->click(); }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest("p2.bin");
        selectImage(objectImage());
    }

    void cleanup()
    {
        mWindow.reset();
        endWindowTest();
    }

    void showsTheImageValuesInBothGrids()
    {
        open();
        QVERIFY(mNotices->errors.isEmpty());
        // Larger, the grid grows with the window and the buttons keep to its
        // bottom.
        mWindow->show();
        auto* grid = child<QTableWidget>("bossesGrid");
        const QSize before = grid->size();
        const int below = mWindow->height() - child<QPushButton>("saveButton")->geometry().bottom();
        mWindow->resize(mWindow->size() + QSize(100, 300));
        QCOMPARE(grid->size(), before + QSize(100, 300));
        QCOMPARE(mWindow->height() - child<QPushButton>("saveButton")->geometry().bottom(), below);
        SaveScreenshot(mWindow.get(), QStringLiteral("objects-resized"));
        mWindow->resize(mWindow->minimumSize());
        auto* tabs = child<QTabBar>("Tabs");
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("Bosses"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Pelbo And Tails"));
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(child<QTableWidget>("bossesGrid")->isVisible());
        QVERIFY(!child<QTableWidget>("pelboGrid")->isVisible());

        int next[2] = {0, 0};
        for (std::size_t i = 0; i < kObjectRows.size(); ++i) {
            const ObjectRow& row = kObjectRows[i];
            QTableWidget* grid = gridOf(row);
            const int r = next[row.grid == ObjectGrid::Bosses ? 0 : 1]++;
            QTableWidgetItem* key = grid->item(r, 0);
            QVERIFY2(key, row.label);
            // Rows in table order, each key read-only, each value editable.
            QCOMPARE(key->text(), QString::fromUtf8(row.label));
            QVERIFY(!(key->flags() & Qt::ItemIsEditable));
            QVERIFY(grid->item(r, 1)->flags() & Qt::ItemIsEditable);
            QCOMPARE(grid->item(r, 1)->text(), shown(row, imageWord(i)));
        }
        QCOMPARE(next[0], 12);
        QCOMPARE(next[1], 30);
        // The edge values, spelled out.
        QCOMPARE(cell(rowNamed("EHZ boss hits"))->text(), QStringLiteral("0"));
        QCOMPARE(cell(rowNamed("Final boss hits"))->text(), QStringLiteral("65535"));
        QCOMPARE(cell(rowNamed("Pelbo max speed"))->text(), QStringLiteral("0000"));
        QCOMPARE(cell(rowNamed("Pelbo acceleration"))->text(), QStringLiteral("00C0"));
        for (const char* name : {"bossesGrid", "pelboGrid"}) {
            auto* grid = child<QTableWidget>(name);
            QCOMPARE(grid->columnCount(), 2);
            QCOMPARE(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Key"));
            QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Value"));
        }
    }

    void savesEditedCellsAsBigEndianWords()
    {
        struct Edit
        {
            const char* label;
            const char* text;
            std::uint8_t high, low;
        };
        const Edit edits[] = {
            {"EHZ boss hits", "  12", 0x00, 0x0C},        {"CNZ boss hits", "$1F", 0x00, 0x1F},
            {"MCZ boss hits", "300", 0x01, 0x2C},         {"OOZ boss hits", "-1", 0xFF, 0xFF},
            {"Final boss hits", "-32768", 0x80, 0x00},    {"Pelbo starting lives in demo", "65535", 0xFF, 0xFF},
            {"Pelbo max speed", "c", 0x00, 0x0C},         {"Pelbo jump height", "0680", 0x06, 0x80},
            {"Tails jump height (?\?\?)", "abcd", 0xAB, 0xCD}, {"Tails starting lives in level", "9", 0x00, 0x09},
        };
        open();
        SyntheticImage expected = objectImage();
        for (const Edit& e : edits) {
            type(QString::fromUtf8(e.label), QString::fromUtf8(e.text));
            expected.bytes(static_cast<std::size_t>(rowNamed(QString::fromUtf8(e.label)).offset), {e.high, e.low});
        }
        // The 65535 of "Final boss hits" is written over only so.
        child<QPushButton>("EditAnyway")->click();
        save();
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(mNotices->saveReported());
        QVERIFY(fileBytes() == expected.data());
        QVERIFY(mWindow->isVisible());
    }

    void badCellLeavesTheFileUntouched_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("blank inside decimal") << "HTZ boss hits" << "1 2"
                                              << "'1 2' is not a valid value for \"HTZ boss hits\" (-32768 to 65535).";
        QTest::newRow("two dollars in hex") << "Tails jump height (?\?\?)" << "$$C"
                                            << "'$$C' is not a valid value for \"Tails jump height (?\?\?)\" "
                                               "(hexadecimal 0000 to FFFF).";
        QTest::newRow("empty hex") << "Pelbo deceleration underwater" << ""
                                   << "'' is not a valid value for \"Pelbo deceleration underwater\" (hexadecimal "
                                      "0000 to FFFF).";
        QTest::newRow("decimal too big") << "Final boss hits" << "70000"
                                         << "'70000' is out of range for \"Final boss hits\" (-32768 to 65535).";
        QTest::newRow("hex too big") << "Tails max speed" << "12345"
                                     << "'12345' is out of range for \"Tails max speed\" (hexadecimal 0000 to FFFF).";
    }

    void badCellLeavesTheFileUntouched()
    {
        QFETCH(QString, label);
        QFETCH(QString, text);
        QFETCH(QString, error);
        open();
        const auto before = fileBytes();
        // Good edits before and after the bad cell are not written either.
        type(QStringLiteral("EHZ boss hits"), QStringLiteral("99"));
        type(QStringLiteral("Tails jump height"), QStringLiteral("0123"));
        type(label, text);
        // Start on the other tab, so that the editor has to bring the cell
        // into view.
        const ObjectRow& row = rowNamed(label);
        const bool bosses = row.grid == ObjectGrid::Bosses;
        child<QTabBar>("Tabs")->setCurrentIndex(bosses ? 1 : 0);
        save();
        QCOMPARE(mNotices->errors, QStringList{error});
        QCOMPARE(mNotices->messages, QStringList());
        QVERIFY(fileBytes() == before);
        // The bad cell is current, on the tab now shown; the edits are kept.
        QCOMPARE(child<QTabBar>("Tabs")->currentIndex(), bosses ? 0 : 1);
        QVERIFY(gridOf(row)->isVisible());
        QCOMPARE(gridOf(row)->currentItem(), cell(row));
        QCOMPARE(cell(row)->text(), text);
        QCOMPARE(cell(rowNamed(QStringLiteral("EHZ boss hits")))->text(), QStringLiteral("99"));
    }

    void saveWithoutEditsChangesNoWordWhateverFixSays()
    {
        CreateMainWindow();
        QAction* fix = TestMainWindow()->findChild<QAction*>("Fix");
        QVERIFY(fix->isChecked());
        for (const bool ticked : {false, true}) {
            SetFixChecksum(ticked);
            open();
            save();
            QVERIFY(mNotices->saveReported());
            QCOMPARE(mNotices->errors, QStringList());
            // Same words back; the wrong checksum is repaired only when ticked.
            SyntheticImage expected = objectImage();
            if (ticked)
                expected.validChecksum();
            QVERIFY(fileBytes() == expected.data());
            mNotices->clear();
            mWindow.reset();
        }
    }

    // Moving with the keyboard never scrolls a grid sideways, which would
    // cut the start of every key.
    void gridsNeverScrollSideways()
    {
        open();
        for (const char* name : {"bossesGrid", "pelboGrid"}) {
            child<QTabBar>("Tabs")->setCurrentIndex(QByteArray(name) == "bossesGrid" ? 0 : 1);
            auto* grid = child<QTableWidget>(name);
            grid->setFocus();
            grid->setCurrentCell(0, 0);
            for (const QKeyCombination key : {QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::ControlModifier, Qt::Key_End),
                                              QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_PageDown)})
                QTest::keyClick(grid, key.key(), key.keyboardModifiers());
            QCOMPARE(grid->currentColumn(), 1);
            QCOMPARE(grid->horizontalScrollBar()->value(), 0);
        }
    }

    void editsSurviveSwitchingTabs()
    {
        open();
        auto* tabs = child<QTabBar>("Tabs");
        auto* vals = child<QTableWidget>("bossesGrid");
        auto* valsPelbo = child<QTableWidget>("pelboGrid");
        type(QStringLiteral("WFZ boss hits"), QStringLiteral("21"));
        tabs->setCurrentIndex(1);
        QVERIFY(!vals->isVisible());
        QVERIFY(valsPelbo->isVisible());
        type(QStringLiteral("Pelbo acceleration underwater"), QStringLiteral("0abc"));
        tabs->setCurrentIndex(0);
        QVERIFY(vals->isVisible());
        QVERIFY(!valsPelbo->isVisible());
        QCOMPARE(cell(rowNamed(QStringLiteral("WFZ boss hits")))->text(), QStringLiteral("21"));
        QCOMPARE(cell(rowNamed(QStringLiteral("Pelbo acceleration underwater")))->text(), QStringLiteral("0abc"));

        save();
        QVERIFY(mNotices->saveReported());
        SyntheticImage expected = objectImage();
        expected.word(static_cast<std::size_t>(rowNamed(QStringLiteral("WFZ boss hits")).offset), 21);
        expected.word(static_cast<std::size_t>(rowNamed(QStringLiteral("Pelbo acceleration underwater")).offset),
                      0x0ABC);
        QVERIFY(fileBytes() == expected.data());
    }

    void closeWritesNothing()
    {
        open();
        const auto before = fileBytes();
        type(QStringLiteral("CPZ boss hits"), QStringLiteral("5"));
        mNotices->answers << QMessageBox::Discard;
        child<QPushButton>("closeButton")->click();
        QVERIFY(!mWindow->isVisible());
        QCOMPARE(mNotices->questions.size(), 1);
        QVERIFY(fileBytes() == before);
        QVERIFY(mNotices->messages.isEmpty());
    }

    void failedWriteIsNotReportedAsSaved()
    {
        open();
        type(QStringLiteral("CPZ boss hits"), QStringLiteral("5"));
        {
            ForeignLock lock(mPath);
            save();
        }
        QCOMPARE(mNotices->errors, QStringList{QStringLiteral("Cannot open file %1.").arg(QString::fromStdString(mPath))});
        QVERIFY(mNotices->messages.isEmpty());
    }

    void shortFileShowsTheRowsReadBeforeTheError()
    {
        // Ends between the second row (0x2D792) and the third (0x3052C).
        SyntheticImage image = objectImage();
        std::vector<std::uint8_t> head(image.data().begin(), image.data().begin() + 0x30000);
        SyntheticImage(0).bytes(0, head).save(mPath);
        const auto before = fileBytes();
        open();
        QCOMPARE(mNotices->errors, QStringList{QStringLiteral("Stream read error.")});
        auto* vals = child<QTableWidget>("bossesGrid");
        QCOMPARE(vals->rowCount(), 2);
        QCOMPARE(vals->item(1, 1)->text(), shown(kObjectRows[1], imageWord(1)));
        QCOMPARE(child<QTableWidget>("pelboGrid")->rowCount(), 0);

        // Rows that were never read are never written: Save stays off.
        QVERIFY(!child<QPushButton>("saveButton")->isEnabled());
        mNotices->clear();
        save();
        QVERIFY(mNotices->errors.isEmpty());
        QVERIFY(mNotices->messages.isEmpty());
        QVERIFY(fileBytes() == before);
    }

    void objectEditorItemOpensItForTheSecondGame()
    {
        CreateMainWindow()->selectFile(QString::fromStdString(mPath));
        QAction* item = TestMainWindow()->findChild<QAction*>("EditorBosses");
        ObjectEditor* shownWindow = nullptr;
        int rows = -1;
        const bool seen = WithEditor([item] { item->trigger(); },
                                    [&](QWidget* modal) {
                                        shownWindow = qobject_cast<ObjectEditor*>(modal);
                                        if (shownWindow) {
                                            rows = shownWindow->findChild<QTableWidget*>("bossesGrid")->rowCount();
                                        }
                                        modal->findChild<QPushButton*>("closeButton")->click();
                                    });
        QVERIFY(seen);
        QVERIFY(shownWindow);
        QCOMPARE(rows, 12);
        QVERIFY(mNotices->errors.isEmpty());
    }

    void screenshot()
    {
        open();
        SaveScreenshot(mWindow.get(), QStringLiteral("objects-bosses"));
        child<QTabBar>("Tabs")->setCurrentIndex(1);
        SaveScreenshot(mWindow.get(), QStringLiteral("objects-pelbo-and-tails"));
        auto* valsPelbo = child<QTableWidget>("pelboGrid");
        valsPelbo->scrollToBottom();
        SaveScreenshot(mWindow.get(), QStringLiteral("objects-pelbo-and-tails-end"));
        // Every key fits its cell: long keys wrap instead of being cut.
        for (const char* name : {"bossesGrid", "pelboGrid"}) {
            auto* grid = child<QTableWidget>(name);
            const QFontMetrics metrics(grid->font());
            for (int r = 0; r < grid->rowCount(); ++r) {
                const QRect cellRect(0, 0, grid->columnWidth(0) - 6, grid->rowHeight(r));
                const QRect needed =
                    metrics.boundingRect(cellRect, Qt::TextWordWrap | Qt::AlignVCenter, grid->item(r, 0)->text());
                QVERIFY2(needed.height() <= grid->rowHeight(r), qPrintable(grid->item(r, 0)->text()));
            }
        }
    }
};

QTEST_MAIN(P2BossesTest)
#include "objecteditor_test.moc"
