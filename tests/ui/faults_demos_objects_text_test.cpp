// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Faults around the demo, object and text editors: an image that cannot be
// opened or is too short, a disk that fills up in the middle of a Save,
// broken level lists, and random images that must survive open and Save.

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/romaccess.h"
#include "core/supportfiles.h"
#include "editors/demos/demomodel.h"
#include "editors/demos/demoseditor.h"
#include "editors/objects/objectmodel.h"
#include "editors/objects/objecteditor.h"
#include "editors/text/texteditor.h"
#include "editors/text/textmodel.h"
#include "tests/support/recordingnotices.h"
#include "tests/support/testfiles.h"
#include "tests/ui/demotest.h"
#include "tests/ui/uitest.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>

namespace {

enum class Kind { FirstDemos, SecondDemos, Objects, Texts };

struct Editor
{
    const char* name;
    std::function<std::unique_ptr<QDialog>(ImageSession&)> create;
    const char* saveButton;
    bool repairs;          // runs the header repair when Fix is ticked
};

const Editor& editorOf(Kind kind)
{
    static const Editor editors[] = {
        {"demos-p1", [](ImageSession& session) { return std::make_unique<DemosEditor>(session); }, "saveButton", true},
        {"demos-p2", [](ImageSession& session) { return std::make_unique<DemosEditor>(session); }, "saveButton", true},
        {"objects", [](ImageSession& session) { return std::make_unique<ObjectEditor>(session); }, "saveButton", true},
        {"texts", [](ImageSession& session) { return std::make_unique<TextEditor>(session); }, "saveButton", true},
    };
    return editors[static_cast<int>(kind)];
}

// One user change: a spin position, a selector entry, a text, or a grid cell
// named by its key; and the bytes it stores.
struct Edit
{
    const char* control;
    const char* value;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
    bool beforeFailure; // stored before the write past the limit fails
};

// Changes on both sides of a write limit, for every game code a window serves.
struct Case
{
    Kind kind;
    const char* code;
    std::uint64_t limit;
    std::vector<Edit> edits;
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        {Kind::FirstDemos, "p1", 0x4000,
         {{"PoleLengthUpDown", "10", 0x3A5A, {0x02, 0x58}, true},
          {"PoleSpecialLengthUpDown", "21", 0x4700, {0x04, 0xEC}, false},
          {"PoleNumberUpDown", "1", 0x3416, {0x00, 0x01}, false}}},
        {Kind::FirstDemos, "p1j", 0x4000,
         {{"PoleLengthUpDown", "10", 0x3A56, {0x02, 0x58}, true},
          {"PoleSpecialLengthUpDown", "21", 0x4702, {0x04, 0xEC}, false},
          {"PoleNumberUpDown", "1", 0x340A, {0x00, 0x01}, false}}},
        {Kind::SecondDemos, "p2", 0x3DAE,
         {{"PoleNumberUpDown", "1", 0x3D4E, {0x00, 0x01}, true},
          {"combo1", "3", 0x3DAC, {0x01, 0x01}, true},
          {"combo2", "5", 0x3DAE, {0x02, 0x01}, false}}},
        {Kind::SecondDemos, "p2b", 0x3C18,
         {{"PoleNumberUpDown", "1", 0x3BC0, {0x00, 0x01}, true},
          {"combo1", "11", 0x3C16, {0x07, 0x00}, true},
          {"combo2", "5", 0x3C18, {0x02, 0x01}, false}}},
        {Kind::SecondDemos, "p2k", 0x3038A2,
         {{"PoleNumberUpDown", "1", 0x303850, {0x00, 0x01}, true},
          {"combo1", "3", 0x3038A0, {0x01, 0x01}, true},
          {"combo2", "5", 0x3038A2, {0x02, 0x01}, false}}},
        {Kind::SecondDemos, "p3", 0x39F0,
         {{"PoleNumberUpDown", "2", 0x399E, {0x00, 0x02}, true},
          {"combo1", "34", 0x39EE, {0x16, 0x01}, true},
          {"combo2", "12", 0x39F0, {0x06, 0x00}, false}}},
        {Kind::SecondDemos, "pk", 0x434C,
         {{"combo1", "3", 0x434A, {0x01, 0x01}, true}, {"combo2", "5", 0x434C, {0x02, 0x01}, false}}},
        {Kind::Objects, "p2", 0x30000,
         {{"EHZ boss hits", "7", 0x2EF76, {0x00, 0x07}, true},
          {"ARZ boss hits", "9", 0x3052C, {0x00, 0x09}, false},
          {"Pelbo max speed", "0c00", 0x19FA2, {0x0C, 0x00}, false}}},
        {Kind::Texts, "p2", 0x9000,
         {{"p2ehz", "ABC", 0x874B, {0x1E, 0x1F, 0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true},
          {"op1", "CHOOSE", 0x97CB, {0x20, 0x25, 0x2C, 0x2C, 0x30, 0x22, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, false}}},
    };
    return all;
}

// The bytes a window reads, as (offset, length).
std::vector<std::pair<std::size_t, std::size_t>> spansOf(const Case& c)
{
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    switch (c.kind) {
    case Kind::FirstDemos:
    case Kind::SecondDemos: {
        const DemoLayout* layout =
            c.kind == Kind::FirstDemos ? FirstGameDemoLayout(c.code) : SecondGameDemoLayout(c.code);
        for (const std::int32_t offset : {layout->length, layout->specialLength, layout->number})
            if (offset != kNoDemoOffset)
                spans.emplace_back(offset, 2);
        spans.emplace_back(layout->levelBase, 2 * kDemoLevelWords);
        break;
    }
    case Kind::Objects:
        for (const ObjectRow& row : kObjectRows)
            spans.emplace_back(row.offset, 2);
        break;
    case Kind::Texts:
        for (const TextField& field : kTextFields)
            spans.emplace_back(field.offset, field.count * (field.form == TextForm::Word ? 2 : 1));
        break;
    }
    return spans;
}

// Sets the control named target, or the value cell of the grid row keyed
// target, to value; does nothing when the window has neither.
void setControl(QWidget* w, const QString& target, const QString& value)
{
    if (auto* spin = w->findChild<QSpinBox*>(target))
        return spin->setValue(value.toInt());
    if (auto* combo = w->findChild<QComboBox*>(target))
        return combo->setCurrentIndex(value.toInt());
    if (auto* edit = w->findChild<QLineEdit*>(target))
        return edit->setText(value);
    for (QTableWidget* grid : w->findChildren<QTableWidget*>())
        for (int r = 0; r < grid->rowCount(); ++r)
            if (grid->item(r, 0)->text() == target)
                return grid->item(r, 1)->setText(value);
}

enum class Sabotage { Deleted, Directory, Locked };

} // namespace

class FaultsTest : public WindowTest
{
    Q_OBJECT

private:

    // Writes image and makes it the selected ROM of code, as the menu does.
    void select(const SyntheticImage& image, const char* code)
    {
        selectImage(image, code);
    }

    std::unique_ptr<QDialog> open(const Case& c, const SyntheticImage& image)
    {
        select(image, c.code);
        return editorOf(c.kind).create(*mSession);
    }

    static void edit(QWidget* w, const Case& c)
    {
        for (const Edit& e : c.edits)
            setControl(w, e.control, e.value);
    }

    static void save(QWidget* w, const Case& c) { w->findChild<QPushButton*>(editorOf(c.kind).saveButton)->click(); }

    QString cannotOpen() const { return Reported("Cannot open file " + mPath); }

    // Makes the image unopenable; a lock holds for as long as the result lives.
    std::unique_ptr<ForeignLock> sabotage(Sabotage how)
    {
        if (how == Sabotage::Locked)
            return std::make_unique<ForeignLock>(mPath);
        std::filesystem::remove(mPath);
        if (how == Sabotage::Directory)
            std::filesystem::create_directory(mPath);
        return nullptr;
    }

    // The image is as sabotage left it: still missing, still an empty
    // folder, or its bytes as before.
    void verifyUntouched(Sabotage how, const SyntheticImage& image)
    {
        const QFileInfo info(QString::fromStdString(mPath));
        if (how == Sabotage::Deleted)
            QVERIFY(!info.exists());
        else if (how == Sabotage::Directory)
            QVERIFY(info.isDir() && QDir(info.filePath()).isEmpty());
        else
            QVERIFY(ReadFileBytes(mPath) == image.data());
    }

    // Rows of every case: the column "index" into cases(), then the
    // columns that moreColumns adds.
    static void addCases(const std::function<void(const QByteArray&, int)>& addRows,
                         const std::function<void()>& moreColumns = [] {})
    {
        QTest::addColumn<int>("index");
        moreColumns();
        for (std::size_t i = 0; i < cases().size(); ++i) {
            const Case& c = cases()[i];
            addRows(QByteArray(editorOf(c.kind).name) + " " + c.code, int(i));
        }
    }

    static void addSabotages(const std::vector<Sabotage>& ways)
    {
        addCases(
            [&](const QByteArray& name, int index) {
                const char* words[] = {"deleted", "a directory", "locked"};
                for (const Sabotage how : ways)
                    QTest::newRow((name + ", " + words[int(how)]).constData()) << index << int(how);
            },
            [] { QTest::addColumn<int>("how"); });
    }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        CreateMainWindow();
        SetFixChecksum(true);
        // A full disk would refuse the backup before any write is tried.
        SetBackUpBeforeSaving(false);
    }

    void cleanup() { endWindowTest(); }

    // Nothing read, nothing to save: the changes the user makes afterwards
    // neither create nor touch the file.
    void imageUnopenableAtOpening_data() { addSabotages({Sabotage::Deleted, Sabotage::Directory, Sabotage::Locked}); }

    void imageUnopenableAtOpening()
    {
        QFETCH(int, index);
        QFETCH(int, how);
        const Case& c = cases()[std::size_t(index)];
        const SyntheticImage image = DemoImage(c.code);
        select(image, c.code);
        std::unique_ptr<QDialog> w;
        {
            const auto lock = sabotage(Sabotage(how));
            w = editorOf(c.kind).create(*mSession);
        }
        QCOMPARE(mNotices->errors, QStringList{cannotOpen()});
        edit(w.get(), c);
        save(w.get(), c);
        QCOMPARE(mNotices->errors, QStringList{cannotOpen()});
        QCOMPARE(mNotices->messages, QStringList());
        verifyUntouched(Sabotage(how), image);
    }

    void imageUnopenableAtSave_data() { addSabotages({Sabotage::Deleted, Sabotage::Directory}); }

    void imageUnopenableAtSave()
    {
        QFETCH(int, index);
        QFETCH(int, how);
        const Case& c = cases()[std::size_t(index)];
        const SyntheticImage image = DemoImage(c.code);
        const auto w = open(c, image);
        edit(w.get(), c);
        sabotage(Sabotage(how));
        save(w.get(), c);
        QCOMPARE(mNotices->errors, QStringList{cannotOpen()});
        QCOMPARE(mNotices->messages, QStringList());
        verifyUntouched(Sabotage(how), image);
    }

    // An empty file, and one that ends inside the highest word the user
    // changes: the reads fail and no change may grow the file.
    void imageTooShort_data()
    {
        addCases(
            [](const QByteArray& name, int index) {
                QTest::newRow((name + ", empty").constData()) << index << true;
                QTest::newRow((name + ", cut").constData()) << index << false;
            },
            [] { QTest::addColumn<bool>("empty"); });
    }

    void imageTooShort()
    {
        QFETCH(int, index);
        QFETCH(bool, empty);
        const Case& c = cases()[std::size_t(index)];
        std::size_t cut = 0;
        for (const Edit& e : c.edits)
            cut = empty ? 0 : std::max(cut, e.offset + 1);
        const SyntheticImage full = DemoImage(c.code);
        const auto end = full.data().begin() + std::ptrdiff_t(cut);
        const SyntheticImage image = std::move(SyntheticImage(0).bytes(0, {full.data().begin(), end}));
        select(full, c.code);
        image.save(mPath);
        const auto w = editorOf(c.kind).create(*mSession);
        QCOMPARE(mNotices->errors, QStringList{Reported("Stream read error")});
        edit(w.get(), c);
        save(w.get(), c);
        QCOMPARE(mNotices->errors, QStringList{Reported("Stream read error")});
        QCOMPARE(mNotices->messages, QStringList());
        QVERIFY(ReadFileBytes(mPath) == image.data());
    }

    // The disk fills up between two changed values: what lies below the
    // limit and was written first stays, no success and no header repair
    // follow; the next Save writes the rest.
    void writeFailsMidway_data()
    {
        addCases([](const QByteArray& name, int index) { QTest::newRow(name.constData()) << index; });
    }

    void writeFailsMidway()
    {
        if (!WriteLimit::Supported())
            QSKIP("no file-size limit here");
        QFETCH(int, index);
        const Case& c = cases()[std::size_t(index)];
        SyntheticImage expected = DemoImage(c.code);
        const auto w = open(c, expected);
        edit(w.get(), c);
        {
            WriteLimit limit(c.limit);
            save(w.get(), c);
        }
        QCOMPARE(mNotices->errors, QStringList{Reported("Stream write error")});
        QCOMPARE(mNotices->messages, QStringList());
        for (const Edit& e : c.edits)
            if (e.beforeFailure)
                expected.bytes(e.offset, e.bytes);
        QVERIFY(ReadFileBytes(mPath) == expected.data());

        mNotices->clear();
        save(w.get(), c);
        for (const Edit& e : c.edits)
            expected.bytes(e.offset, e.bytes);
        if (editorOf(c.kind).repairs)
            expected.validChecksum();
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(mNotices->saveReported());
        QVERIFY(ReadFileBytes(mPath) == expected.data());
    }

    // Whatever a level list holds, it never makes a Save write a level slot
    // the user left alone, nor one whose entry lies beyond the table.
    void levelListsOfAnyContent_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("content"); // null: a folder of that name
        QTest::addColumn<int>("pick");           // entry chosen in every selector, or -1
        QByteArray longList;
        for (int k = 0; k < 60; ++k)
            longList += "Level " + QByteArray::number(k) + "\r\n";
        for (const char* code : {"p1", "p2b", "p3"}) {
            const auto row = [&](const char* what) -> QTestData& {
                return QTest::newRow((QByteArray(code) + ", " + what).constData()) << QString(code);
            };
            row("empty") << QByteArray("") << -1;
            row("no line break") << QByteArray("One level") << -1;
            row("blank lines and bare CRs") << QByteArray("\r\r\n\n\r") << 3;
            row("NUL and high bytes") << QByteArray("\0\x81\xff\r\n\x9d", 6) << 1;
            row("more lines than any table") << longList << 59;
            row("a folder") << QByteArray() << -1;
        }
    }

    void levelListsOfAnyContent()
    {
        QFETCH(QString, code);
        QFETCH(QByteArray, content);
        QFETCH(int, pick);
        const std::string game = code.toStdString();
        SetFixChecksum(false);
        const bool first = FirstGameDemoLayout(game) != nullptr;
        const DemoLayout* layout = first ? FirstGameDemoLayout(game) : SecondGameDemoLayout(game);
        const Case c{first ? Kind::FirstDemos : Kind::SecondDemos, layout->gameCode, 0, {}};
        SyntheticImage image = DemoImage(game);
        // A slot of the first row, then levels of the table's last rows.
        image.word(std::size_t(layout->levelBase) + 2, layout->levels.table.back());
        image.word(std::size_t(layout->levelBase) + 4, layout->levels.table[layout->levels.table.size() - 2]);
        select(image, c.code);

        TempDir lists;
        SetSupportBase(lists.path() + "/");
        std::filesystem::create_directory(lists.file("korvane"));
        const std::string list = SupportFilePath(layout->levels.fileName);
        if (content.isNull())
            std::filesystem::create_directory(list);
        else
            std::ofstream(list, std::ios::binary).write(content.constData(), content.size());

        const auto w = editorOf(c.kind).create(*mSession);
        const QStringList errors =
            content.isNull() ? QStringList{Reported("Cannot open file " + list)} : QStringList();
        QCOMPARE(mNotices->errors, errors);
        if (pick >= 0)
            for (QComboBox* combo : w->findChildren<QComboBox*>())
                combo->setCurrentIndex(pick);
        save(w.get(), c);
        QCOMPARE(mNotices->errors, errors);
        QVERIFY(mNotices->saveReported());
        // Entries within the table choose its first rows; the rest keep.
        const auto& table = layout->levels.table;
        if (pick >= 0 && std::size_t(pick) < table.size())
            for (int n = 0; n < layout->slotCount; ++n)
                image.word(std::size_t(layout->levelBase) + 2 * std::size_t(n), table[std::size_t(pick)]);
        QVERIFY(ReadFileBytes(mPath) == image.data());
    }

    // Random bytes at and around every offset a window reads: opening and
    // saving changes nothing, and one change stores only its own bytes.
    void randomImagesSurviveOpenAndSave_data()
    {
        addCases(
            [](const QByteArray& name, int index) {
                for (const unsigned seed : {1u, 2u, 3u})
                    QTest::newRow((name + ", seed " + QByteArray::number(seed)).constData()) << index << seed;
            },
            [] { QTest::addColumn<unsigned>("seed"); });
    }

    void randomImagesSurviveOpenAndSave()
    {
        QFETCH(int, index);
        QFETCH(unsigned, seed);
        const Case& c = cases()[std::size_t(index)];
        SetFixChecksum(false);
        SyntheticImage expected = DemoImage(c.code);
        std::mt19937 random(seed);
        for (const auto& [offset, length] : spansOf(c))
            for (std::size_t at = offset - 4; at < offset + length + 4; ++at)
                expected.byte(at, std::uint8_t(random()));
        const auto w = open(c, expected);
        QCOMPARE(mNotices->errors, QStringList());
        save(w.get(), c);
        QVERIFY(mNotices->saveReported());
        QVERIFY(ReadFileBytes(mPath) == expected.data());

        const Edit& change = c.edits.front();
        // A text shown with hexadecimal digits is read-only and never rewritten.
        const auto* box = w->findChild<QLineEdit*>(change.control);
        const bool readOnly = box && box->isReadOnly();
        // Random bytes rarely look like the value: written over only so.
        EditAnyway(w.get());
        setControl(w.get(), change.control, change.value);
        save(w.get(), c);
        if (!readOnly)
            expected.bytes(change.offset, change.bytes);
        QCOMPARE(mNotices->errors.size(), readOnly ? 1 : 0);
        QVERIFY(ReadFileBytes(mPath) == expected.data());
    }
};

QTEST_MAIN(FaultsTest)
#include "faults_demos_objects_text_test.moc"
