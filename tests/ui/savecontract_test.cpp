// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/imagesnapshot.h"
#include "core/romfile.h"
#include "editors/demos/demoseditor.h"
#include "editors/demos/demoseditor.h"
#include "editors/objects/objecteditor.h"
#include "editors/palette/paletteeditor.h"
#include "editors/text/texteditor.h"
#include "editors/water/watereditor.h"
#include "tests/support/numberinputs.h"
#include "tests/ui/standin.h"
#include "tests/ui/uitest.h"
#include "tools/samplerom/samples.h"
#include "ui/trackedform.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QAbstractItemView>
#include <QAction>
#include <QMessageBox>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QLabel>
#include <QPushButton>
#include <QComboBox>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <QRadioButton>
#include <QSet>
#include <QtTest>

#include <filesystem>

namespace {

// Every editor with one edit of a sample image: the bytes it must write.
struct Case
{
    const char* editor;
    const char* gameCode;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
    const char* saveButton;
    // The same edit in the command-line tool's values document: section,
    // key, and the new value as JSON.
    const char* section;
    const char* key;
    const char* value;
    // The control the edit is typed into (a grid: its first value cell),
    // and what is typed.
    const char* control;
    const char* typed;
    // The Editor menu item of the editor, and another value for the same
    // control.
    const char* item;
    const char* other;
    // Bytes at offset that do not look like such a value (none: the kind
    // has no rule a byte breaks, or its editor never rewrites such a value).
    std::vector<std::uint8_t> suspect = {};
};

const Case kCases[] = {
    // number of demos
    {"demos-p1", "p1", 0x3416, {0x00, 0x03}, "saveButton", "demos", "Number of demos played", "3", "PoleNumberUpDown", "3", "EditorDemos", "2", {0x4E, 0x75}},
    {"demos-p2", "p2", 0x3D4E, {0x00, 0x03}, "saveButton", "demos", "Number of demos played", "3", "PoleNumberUpDown", "3", "EditorDemos", "2", {0x4E, 0x75}},
    {"objects", "p2", 0x2EF76, {0x00, 0x0C}, "saveButton", "objects", "EHZ boss hits", "12", "bossesGrid", "12", "EditorBosses", "13", {0x4E, 0x75}},
    // palette of row 1
    {"water", "p2", 0x4089, {0x1F}, "saveButton", "water", "Level 1",
     R"({"zone": "ARZ", "act": "Act 1", "palette": 31})", "l1plt", "1F", "EditorWater", "1E"},
    // "1P" becomes "2P"
    {"text", "p2", 0x87BB, {0x12, 0x2D}, "saveButton", "texts", "p21p", R"("2P")", "p21p", "2P", "EditorText", "3P"},
    // colour 0 of the first palette
    {"palette", "p1", 0x2208, {0x0E, 0xCA}, "saveButton", "palettes", "Sega screen: background", nullptr,
     "SelPal", "0ECA", "EditorPal", "0ECC", {0xFF, 0xFF}},
};

QByteArray runTool(const QStringList& arguments)
{
    QProcess process;
    // Absolute on Windows too, where a path without a drive is not.
    process.start(QFileInfo(QStringLiteral(KORVANE_TOOL_PATH)).absoluteFilePath(), arguments);
    process.waitForFinished(60000);
    return process.readAllStandardOutput() + process.readAllStandardError();
}

// What korvane-tool import prints for document, written to file, into image.
QByteArray importDocument(const QJsonObject& document, const std::string& file, const QStringList& image)
{
    QFile doc(QString::fromStdString(file));
    if (!doc.open(QIODevice::WriteOnly) || doc.write(QJsonDocument(document).toJson()) < 0)
        qFatal("cannot write %s", file.c_str());
    doc.close();
    return runTool(QStringList{"import"} + image + QStringList{doc.fileName()});
}

// What another program does to the image while the window is open.
enum class Underneath { Shrunk, Replaced, ValueRewritten, SerialChanged, OtherBytesChanged };

} // namespace

class SaveContractTest : public WindowTest
{
    Q_OBJECT

private:
    // Opens the editor of c on image and makes its edit.
    std::unique_ptr<QDialog> openAndEdit(const Case& c, const SyntheticImage& image)
    {
        selectImage(image);
        return openAndEdit(c);
    }

    // Opens the editor of c on image, shown and active, and types its edit
    // into the control by keys, without Enter, Tab or a button: a grid's
    // cell editor stays open, the palette's word is not applied.
    std::unique_ptr<QDialog> openAndType(const Case& c, const SyntheticImage& image)
    {
        selectImage(image);
        std::unique_ptr<QDialog> w = open(c);
        w->show();
        QApplication::setActiveWindow(w.get());
        if (!QTest::qWaitForWindowActive(w.get()))
            qFatal("the editor never became active");
        auto* box = w->findChild<QWidget*>(c.control);
        if (auto* grid = qobject_cast<QTableWidget*>(box)) {
            grid->setCurrentCell(0, 1);
            grid->edit(grid->currentIndex());
            box = grid->indexWidget(grid->currentIndex());
        }
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::fromLatin1(c.typed));
        return w;
    }

    std::unique_ptr<QDialog> open(const Case& c)
    {
        const QByteArray editor = c.editor;
        if (editor == "demos-p1")
            return newEditor<DemosEditor>();
        if (editor == "demos-p2")
            return newEditor<DemosEditor>();
        if (editor == "objects")
            return newEditor<ObjectEditor>();
        if (editor == "text")
            return newEditor<TextEditor>();
        if (editor == "palette")
            return newEditor<PaletteEditor>();
        std::unique_ptr<QDialog> w = newEditor<WaterEditor>();
        waitForOpening(w.get());
        return w;
    }

    // The same on the image selected already.
    std::unique_ptr<QDialog> openAndEdit(const Case& c)
    {
        const QByteArray editor = c.editor;
        std::unique_ptr<QDialog> w = open(c);
        if (editor == "demos-p1" || editor == "demos-p2") {
            w->findChild<QSpinBox*>("PoleNumberUpDown")->setValue(3);
        } else if (editor == "objects") {
            w->findChild<QTableWidget*>("bossesGrid")->item(0, 1)->setText(QStringLiteral("12"));
        } else if (editor == "water") {
            w->findChild<QLineEdit*>("l1plt")->setText(QStringLiteral("1F"));
        } else if (editor == "text") {
            w->findChild<QLineEdit*>("p21p")->setText(QStringLiteral("2P"));
        } else {
            w->findChild<QLineEdit*>("SelPal")->setText(QStringLiteral("0ECA"));
            w->findChild<QPushButton*>("changeButton")->click();
        }
        return w;
    }

    static void save(QDialog* w, const Case& c) { w->findChild<QPushButton*>(c.saveButton)->click(); }

    // Puts text into the control of c as the user's edit: a spin box's
    // value, a grid's first value cell, a box's text (a palette word applied).
    static void put(QDialog* w, const Case& c, const QString& text)
    {
        QWidget* control = w->findChild<QWidget*>(c.control);
        if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            spin->setValue(text.toInt());
        } else if (auto* grid = qobject_cast<QTableWidget*>(control)) {
            grid->item(0, 1)->setText(text);
        } else {
            qobject_cast<QLineEdit*>(control)->setText(text);
            if (auto* change = w->findChild<QPushButton*>("changeButton"))
                change->click();
        }
    }

    // What the control of c shows.
    static QString shown(QDialog* w, const Case& c)
    {
        QWidget* control = w->findChild<QWidget*>(c.control);
        if (auto* spin = qobject_cast<QSpinBox*>(control))
            return spin->text();
        if (auto* grid = qobject_cast<QTableWidget*>(control))
            return grid->item(0, 1)->text();
        return qobject_cast<QLineEdit*>(control)->text();
    }

    // The editor of c opened from the main window's menu, on the image the
    // main window selected.
    static QDialog* openFromMenu(const Case& c)
    {
        QDialog* window = nullptr;
        WithEditor([&c] { TestMainWindow()->findChild<QAction*>(c.item)->trigger(); },
                   [&window](QWidget* w) { window = qobject_cast<QDialog*>(w); });
        if (!window)
            qFatal("%s opened no editor", c.item);
        waitForOpening(window);
        return window;
    }

    // The water editor's opening step ends on a timer; an edit comes after
    // it, as a user's does.
    static void waitForOpening(QDialog* w)
    {
        QTimer* opening = w->findChild<QTimer*>("Timer");
        if (opening && !QTest::qWaitFor([opening] { return !opening->isActive(); }))
            qFatal("the editor's opening step never ended");
    }

    // Selects the sample of c in the main window, as choosing it does.
    SyntheticImage selectInMainWindow(const Case& c)
    {
        SyntheticImage image = SampleImageOf(c.gameCode);
        // A wrong checksum, so that a repair shows.
        image.word(0x18E, image.wordAt(0x18E) ^ 0xFFFF);
        selectImage(image);
        TestMainWindow()->selectFile(QString::fromStdString(mPath));
        return image;
    }

    void addEditors(const std::function<void(int index, const QByteArray& name)>& add)
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            add(i, kCases[i].editor);
    }

    void oneRowPerEditor()
    {
        addEditors([](int index, const QByteArray& name) { QTest::newRow(name.constData()) << index; });
    }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        CreateMainWindow();
    }

    void cleanup() { endWindowTest(); }

    // A Save in which every write succeeded repairs the header when "Fix
    // Checksum" is ticked and leaves it alone when not; either way the image
    // is flushed to the disk once.
    void saveRepairsTheHeaderOnlyWhenFixIsTicked_data()
    {
        addEditors([](int index, const QByteArray& name) {
            QTest::addColumn<bool>("ticked");
            for (const bool ticked : {true, false})
                QTest::newRow((name + (ticked ? ", ticked" : ", unticked")).constData()) << index << ticked;
        });
    }

    void saveRepairsTheHeaderOnlyWhenFixIsTicked()
    {
        QFETCH(int, index);
        QFETCH(bool, ticked);
        const Case& c = kCases[index];
        SetFixChecksum(ticked);
        // A wrong checksum, so that a repair shows.
        SyntheticImage expected = SampleImageOf(c.gameCode);
        expected.word(0x18E, expected.wordAt(0x18E) ^ 0xFFFF);
        const auto w = openAndEdit(c, expected);
        QCOMPARE(mNotices->errors, QStringList());
        const std::uint64_t syncs = RomFile::SyncCount();
        save(w.get(), c);

        QCOMPARE(mNotices->errors, QStringList());
        // Reported in the status bar, with no box: "Saved rom.bin: 1 value;
        // checksum repaired."
        QCOMPARE(mNotices->messages, QStringList());
        QCOMPARE(mNotices->statuses,
                 QStringList{QStringLiteral("Saved rom.bin: 1 value; %1.")
                                 .arg(ticked ? "checksum repaired" : "checksum left as it was (Fix Checksum is off)")});
        QCOMPARE(RomFile::SyncCount() - syncs, 1u);
        QVERIFY(expected.data() != (SyntheticImage(expected).bytes(c.offset, c.bytes).data()));
        expected.bytes(c.offset, c.bytes);
        if (ticked)
            expected.validChecksum();
        QVERIFY(fileBytes() == expected.data());
    }

    // A value that does not look as expected where it was read is listed
    // above its editor, and a Save refuses to write over it, writing
    // nothing, until "Edit Anyway"; then the Save writes the edit alone.
    void suspectValuesAreWrittenOnlyAfterEditAnyway_data() { oneRowPerEditor(); }

    void suspectValuesAreWrittenOnlyAfterEditAnyway()
    {
        QFETCH(int, index);
        const Case& c = kCases[index];
        if (c.suspect.empty())
            QSKIP("no byte breaks this value's rules where the editor rewrites it");
        SetFixChecksum(false);
        SyntheticImage expected = SampleImageOf(c.gameCode);
        expected.bytes(c.offset, c.suspect);
        const auto w = openAndEdit(c, expected);
        auto* list = w->findChild<QWidget*>("SuspectValues");
        QVERIFY(list && list->isVisibleTo(w.get()));
        const QByteArray bytes(reinterpret_cast<const char*>(c.suspect.data()), qsizetype(c.suspect.size()));
        const QString found = QStringLiteral("at $%1: found %2")
                                  .arg(QString::number(c.offset, 16).toUpper(), QString::fromLatin1(bytes.toHex().toUpper()));
        QVERIFY2(w->findChild<QLabel*>("SuspectText")->text().contains(found),
                 qPrintable(w->findChild<QLabel*>("SuspectText")->text()));
        SaveScreenshot(w.get(), QStringLiteral("suspect-") + QLatin1String(c.editor));
        save(w.get(), c);
        QCOMPARE(mNotices->errors.size(), 1);
        QVERIFY2(mNotices->errors.first().contains(found) && mNotices->errors.first().contains("Edit anyway"),
                 qPrintable(mNotices->errors.first()));
        QVERIFY(fileBytes() == expected.data());

        mNotices->errors.clear();
        w->findChild<QPushButton*>("EditAnyway")->click();
        QVERIFY(!list->isVisibleTo(w.get()));
        save(w.get(), c);
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(fileBytes() == expected.bytes(c.offset, c.bytes).data());
    }

    // A Save opens the image once, from its check to its flush, and lets it
    // go before its message: another program locking the image meanwhile
    // fails neither that Save nor the next one.
    void saveIsOneOpenLetGoBeforeItsMessage_data() { oneRowPerEditor(); }

    void saveIsOneOpenLetGoBeforeItsMessage()
    {
        QFETCH(int, index);
        const Case& c = kCases[index];
        SetFixChecksum(true);
        SyntheticImage expected = SampleImageOf(c.gameCode);
        const auto w = openAndEdit(c, expected);
        const std::uint64_t opens = RomFile::OpenCount();
        std::uint64_t saveOpens = 0;
        std::unique_ptr<RomFile> other;
        mNotices->whileMessageShown = [&] {
            if (saveOpens != 0)
                return;
            saveOpens = RomFile::OpenCount() - opens;
            other = std::make_unique<RomFile>(mPath, RomFile::Access::Write);
        };
        save(w.get(), c);
        QCOMPARE(saveOpens, 1u);
        QVERIFY(other && other->isOpen());
        other.reset();
        save(w.get(), c);
        QCOMPARE(mNotices->errors, QStringList());
        QCOMPARE(mNotices->statuses.size(), 2);
        expected.bytes(c.offset, c.bytes).validChecksum();
        QVERIFY(fileBytes() == expected.data());
    }

    // Two windows over the same bytes: a Save of one shows in the other
    // where it holds no edit, and never writes over its pending edit of the
    // same bytes unasked.
    void twoEditorsOfTheSameBytes_data() { oneRowPerEditor(); }

    void twoEditorsOfTheSameBytes()
    {
        QFETCH(int, index);
        const Case& c = kCases[index];
        SetFixChecksum(false);
        const SyntheticImage image = selectInMainWindow(c);
        QDialog* a = openFromMenu(c);
        EditorId id = EditorId::None;
        for (const EditorInfo& editor : Editors()) {
            if (TestMainWindow()->editorWindow(editor.id) == a)
                id = editor.id;
        }
        QDialog* b = NewEditor(id, TestMainWindow()->session(), mMemory, TestMainWindow()).release();
        b->show();
        waitForOpening(b);
        // The palette's word box shows a colour once one is chosen: the
        // image's word.
        const QString read = c.control == QByteArray("SelPal")
                                 ? QStringLiteral("%1").arg(image.wordAt(c.offset), 4, 16, QLatin1Char('0')).toUpper()
                                 : shown(b, c);

        put(a, c, QString::fromLatin1(c.typed));
        save(a, c);
        const std::vector<std::uint8_t> saved = SyntheticImage(image).bytes(c.offset, c.bytes).data();
        QVERIFY(fileBytes() == saved);
        QCOMPARE(shown(b, c), shown(a, c));
        QVERIFY(!b->isWindowModified());

        put(b, c, QString::fromLatin1(c.other));
        put(a, c, read);
        mNotices->answers = {QMessageBox::No};
        save(a, c);
        QCOMPARE(mNotices->questions.size(), 1);
        QVERIFY2(mNotices->questions[0].contains(QStringLiteral(" holds an unsaved edit of the same bytes (at ")),
                 qPrintable(mNotices->questions[0]));
        QVERIFY(fileBytes() == saved);
        QVERIFY(a->isWindowModified());
        mNotices->answers = {QMessageBox::Yes};
        save(a, c);
        QVERIFY(fileBytes() == image.data());
        QVERIFY(!a->isWindowModified());
        QCOMPARE(shown(b, c), QString::fromLatin1(c.other));
        QVERIFY(b->isWindowModified());
    }

    // Another image, a dropped one, a recent one or quitting: one question
    // for every editor with edits, answered Save All, Discard or Cancel.
    void oneQuestionForEveryUnsavedEditor_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::addColumn<int>("answer");
        for (const bool quit : {false, true}) {
            for (const auto answer : {QMessageBox::SaveAll, QMessageBox::Discard, QMessageBox::Cancel})
                QTest::addRow("%s, answer %x", quit ? "quit" : "select", unsigned(answer)) << quit << int(answer);
        }
    }

    void oneQuestionForEveryUnsavedEditor()
    {
        QFETCH(bool, quit);
        QFETCH(int, answer);
        const Case& objects = kCases[2];
        const Case& text = kCases[4];
        SetFixChecksum(false);
        MainWindow* main = TestMainWindow();
        main->show();
        const SyntheticImage image = selectInMainWindow(objects);
        put(openFromMenu(objects), objects, QString::fromLatin1(objects.typed));
        put(openFromMenu(text), text, QString::fromLatin1(text.typed));
        QVERIFY(main->isWindowModified());
        const std::string other = mDir->file("other.bin");
        SampleImageOf("p1").save(other);

        mNotices->answers = {QMessageBox::StandardButton(answer)};
        if (quit)
            main->close();
        else
            main->selectFile(QString::fromStdString(other));
        QCOMPARE(mNotices->questions.size(), 1);
        QVERIFY2(mNotices->questions[0].contains(QStringLiteral("the Object Editor and the Text Editor")),
                 qPrintable(mNotices->questions[0]));
        SyntheticImage expected = image;
        if (answer == QMessageBox::SaveAll)
            expected.bytes(objects.offset, objects.bytes).bytes(text.offset, text.bytes);
        QVERIFY(fileBytes() == expected.data());
        const bool goes = answer != QMessageBox::Cancel;
        QCOMPARE(main->findChildren<QDialog*>().isEmpty(), goes);
        QCOMPARE(main->isVisible(), !(quit && goes));
        QCOMPARE(main->session()->path(), !quit && goes ? other : mPath);
    }

    // Play with unsaved edits plays a copy that holds them, outside the
    // image's folder, its header repaired; the image is untouched. Once
    // saved, the image itself is played.
    void playShowsWhatIsOnScreen()
    {
        const Case& c = kCases[2];
        SetFixChecksum(false);
        const StandinEmulator emulator(QString::fromStdString(mDir->path()));
        const SyntheticImage image = selectInMainWindow(c);
        QDialog* w = openFromMenu(c);
        put(w, c, QString::fromLatin1(c.typed));
        QAction* play = TestMainWindow()->findChild<QAction*>("FilePlay");
        play->trigger();
        const QString copy = emulator.runs(1).value(0).value(1);
        QVERIFY(fileBytes() == image.data());
        QVERIFY2(!copy.isEmpty() && QFileInfo(copy).absoluteDir() != QDir(QString::fromStdString(mDir->path())),
                 qPrintable(copy));
        QVERIFY(ReadFileBytes(copy.toStdString()) == SyntheticImage(image).bytes(c.offset, c.bytes).validChecksum().data());
        QVERIFY(mNotices->statuses.last().startsWith(QStringLiteral("Playing a copy of rom.bin with the unsaved edits")));
        QVERIFY(w->isWindowModified());

        save(w, c);
        play->trigger();
        QCOMPARE(emulator.runs(2).value(1).value(1), QDir::toNativeSeparators(QString::fromStdString(mPath)));
        QCOMPARE(mNotices->statuses.last(), QStringLiteral("Playing rom.bin as saved."));
    }

    // Save a Copy writes the edits elsewhere and keeps them; Revert drops
    // them; Repair Checksum Now repairs the image at once.
    void copyRevertAndRepair()
    {
        const Case& c = kCases[4];
        SetFixChecksum(true);
        const SyntheticImage image = selectInMainWindow(c);
        QDialog* w = openFromMenu(c);
        put(w, c, QString::fromLatin1(c.typed));
        const std::string copy = mDir->file("copy.bin");
        TestMainWindow()->ChooseFile = [&copy](QWidget*, const QString&, const QString&, const QString&, bool save) {
            return save ? QString::fromStdString(copy) : QString();
        };
        const auto item = [](const char* name) { TestMainWindow()->findChild<QAction*>(name)->trigger(); };
        item("FileSaveCopy");
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(fileBytes() == image.data());
        QVERIFY(ReadFileBytes(copy) == SyntheticImage(image).bytes(c.offset, c.bytes).validChecksum().data());
        QVERIFY(w->isWindowModified());

        mNotices->answers = {QMessageBox::Discard};
        item("FileRevert");
        QVERIFY(!w->isWindowModified());
        QVERIFY(shown(w, c) != QString::fromLatin1(c.typed));
        item("EditorRepair");
        QVERIFY(fileBytes() == SyntheticImage(image).validChecksum().data());
        QCOMPARE(mNotices->errors, QStringList());
    }

    // On a read-only image an editor's edits stay until the user answers:
    // closing it offers "Save a Copy...", which writes them to a copy.
    void readOnlyEditsGoToACopy()
    {
        const Case& c = kCases[2];
        SetFixChecksum(false);
        const SyntheticImage image = SampleImageOf(c.gameCode);
        image.save(mPath);
        Unwritable unwritable(mPath);
        if (!unwritable.ok())
            QSKIP("cannot make a file unwritable here (root without an immutable attribute)");
        TestMainWindow()->selectFile(QString::fromStdString(mPath));
        const QPointer<QDialog> w = openFromMenu(c);
        put(w, c, QString::fromLatin1(c.typed));
        const std::string copy = mDir->file("copy.bin");
        TestMainWindow()->ChooseFile = [&copy](QWidget*, const QString&, const QString&, const QString&, bool) {
            return QString::fromStdString(copy);
        };
        mNotices->answers = {QMessageBox::Cancel, QMessageBox::Save};
        w->close();
        QVERIFY(w && w->isVisible() && w->isWindowModified());
        QVERIFY2(mNotices->questions.value(0).contains(QStringLiteral("read-only")), qPrintable(mNotices->questions.value(0)));
        w->close();
        QTRY_VERIFY(!w);
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(ReadFileBytes(copy) == SyntheticImage(image).bytes(c.offset, c.bytes).data());
        QVERIFY(fileBytes() == image.data());
    }

    // Ctrl+F5 saves, then plays the image saved, its path one argument; a
    // Save refused plays nothing.
    void saveAndPlaySavesFirst_data() { oneRowPerEditor(); }

    void saveAndPlaySavesFirst()
    {
        QFETCH(int, index);
        const Case& c = kCases[index];
        SetFixChecksum(false);
        const StandinEmulator emulator(QString::fromStdString(mDir->path()));
        SyntheticImage expected = SampleImageOf(c.gameCode);
        const auto w = openAndEdit(c, expected);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->activateWindow();
        SyntheticImage changed = expected;
        changed.byte(c.offset, changed.at(c.offset) ^ 0x01).save(mPath + ".new");
        std::filesystem::rename(mPath + ".new", mPath);
        QTest::keyClick(w.get(), Qt::Key_F5, Qt::ControlModifier);
        QCOMPARE(mNotices->errors.size(), 1);

        expected.save(mPath + ".new");
        std::filesystem::rename(mPath + ".new", mPath);
        QTest::keyClick(w.get(), Qt::Key_F5, Qt::ControlModifier);
        QVERIFY(mNotices->saveReported());
        QVERIFY(fileBytes() == expected.bytes(c.offset, c.bytes).data());
        QVERIFY(!w->isWindowModified());
        const QList<QStringList> runs = emulator.runs(1);
        QCOMPARE(runs, (QList<QStringList>{{QStringLiteral("--fullscreen"), QDir::toNativeSeparators(QString::fromStdString(mPath))}}));
    }

    // Whatever another program did to the image after the window read it,
    // the Save writes nothing unless the image is still the one read: its
    // size, its serial and the bytes of the value about to be written.
    void saveRefusesAnImageChangedUnderneath_data()
    {
        addEditors([](int index, const QByteArray& name) {
            QTest::addColumn<int>("underneath");
            const std::pair<Underneath, const char*> kinds[] = {
                {Underneath::Shrunk, "shrunk"},
                {Underneath::Replaced, "replaced by another image"},
                {Underneath::ValueRewritten, "value rewritten"},
                {Underneath::SerialChanged, "serial changed"},
                {Underneath::OtherBytesChanged, "other bytes changed"},
            };
            for (const auto& [kind, what] : kinds)
                QTest::newRow((name + ", " + what).constData()) << index << int(kind);
        });
    }

    void saveRefusesAnImageChangedUnderneath()
    {
        QFETCH(int, index);
        QFETCH(int, underneath);
        const Case& c = kCases[index];
        SetFixChecksum(false);
        const SyntheticImage image = SampleImageOf(c.gameCode);
        const auto w = openAndEdit(c, image);
        QCOMPARE(mNotices->errors, QStringList());

        SyntheticImage changed = image;
        switch (Underneath(underneath)) {
        case Underneath::Shrunk:
            changed = SyntheticImage(0).bytes(0, {image.data().begin(), image.data().begin() + 0x40000});
            break;
        case Underneath::Replaced:
            changed = SampleImageOf("p3");
            break;
        case Underneath::ValueRewritten:
            changed.byte(c.offset, changed.at(c.offset) ^ 0x01);
            break;
        case Underneath::SerialChanged:
            changed.byte(0x18D, changed.at(0x18D) ^ 0x01);
            break;
        case Underneath::OtherBytesChanged:
            changed.byte(0x300, changed.at(0x300) ^ 0xFF);
            break;
        }
        // Written elsewhere and renamed over the image, as an editor saves.
        changed.save(mPath + ".new");
        std::filesystem::rename(mPath + ".new", mPath);
        save(w.get(), c);

        if (Underneath(underneath) == Underneath::OtherBytesChanged) {
            QCOMPARE(mNotices->errors, QStringList());
            changed.bytes(c.offset, c.bytes);
        } else {
            QCOMPARE(mNotices->errors, QStringList{QString::fromStdString(ImageChangedMessage()) + QLatin1Char('.')});
            QCOMPARE(mNotices->messages, QStringList());
        }
        QVERIFY(fileBytes() == changed.data());
    }

    // An image that cannot be written opens in every editor with all of its
    // values read; Save is off and says why, the title says so, and the
    // image stays as it was.
    void readOnlyImageIsShownNotSaved_data()
    {
        oneRowPerEditor();
    }

    void readOnlyImageIsShownNotSaved()
    {
        QFETCH(int, index);
        const Case& c = kCases[index];
        const SyntheticImage image = SampleImageOf(c.gameCode);
        image.save(mPath);
        Unwritable unwritable(mPath);
        if (!unwritable.ok())
            QSKIP("cannot make a file unwritable here (root without an immutable attribute)");
        selectPath();
        const auto w = openAndEdit(c);
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(w->windowTitle().endsWith(QStringLiteral(" (read-only)")));
        auto* button = w->findChild<QPushButton*>(c.saveButton);
        QVERIFY(!button->isEnabled());
        QVERIFY(!button->toolTip().isEmpty());
        SaveScreenshot(w.get(), QStringLiteral("read-only-") + QLatin1String(c.editor));
        save(w.get(), c);
        QCOMPARE(mNotices->messages, QStringList());
        QVERIFY(fileBytes() == image.data());
    }

    // An edit marks the window modified; closing it asks, and the answer is
    // honoured: Cancel keeps the window, Discard closes it writing nothing,
    // Save writes the edit and closes.
    void closingAModifiedEditorAsks_data()
    {
        addEditors([](int index, const QByteArray& name) {
            QTest::addColumn<int>("answer");
            for (const auto& [answer, what] : {std::pair{QMessageBox::Cancel, "cancel"},
                                               std::pair{QMessageBox::Discard, "discard"},
                                               std::pair{QMessageBox::Save, "save"}})
                QTest::newRow((name + ", " + what).constData()) << index << int(answer);
        });
    }

    void closingAModifiedEditorAsks()
    {
        QFETCH(int, index);
        QFETCH(int, answer);
        const Case& c = kCases[index];
        SetFixChecksum(false);
        SyntheticImage image = SampleImageOf(c.gameCode);
        const auto w = openAndEdit(c, image);
        w->show();
        QVERIFY(w->isWindowModified());
        mNotices->answers << QMessageBox::StandardButton(answer);
        QCOMPARE(w->close(), answer != QMessageBox::Cancel);
        QCOMPARE(mNotices->questions.size(), 1);
        QVERIFY2(mNotices->questions[0].startsWith(QStringLiteral("Save the changes in ")), qPrintable(mNotices->questions[0]));
        if (answer == QMessageBox::Save)
            image.bytes(c.offset, c.bytes);
        QVERIFY(fileBytes() == image.data());
        QCOMPARE(w->isWindowModified(), answer != QMessageBox::Save);
        if (answer == QMessageBox::Cancel) {
            // Escape closes as everything else does: with the question.
            mNotices->answers << QMessageBox::Cancel;
            QTest::keyClick(w.get(), Qt::Key_Escape);
            QCOMPARE(mNotices->questions.size(), 2);
            QVERIFY(w->isVisible());
        }
    }

    // Undo goes back to the image's values and clears the mark, redo makes
    // the edit again, Ctrl+S saves it, an edit back to the stored value is
    // no change, and an unmodified window closes without a question.
    void undoRedoAndCtrlS_data()
    {
        oneRowPerEditor();
    }

    void undoRedoAndCtrlS()
    {
        QFETCH(int, index);
        const Case& c = kCases[index];
        SetFixChecksum(false);
        SyntheticImage image = SampleImageOf(c.gameCode);
        const auto w = openAndEdit(c, image);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        const auto action = [&w](const QString& prefix) {
            for (QAction* a : w->actions()) {
                if (a->text().startsWith(prefix))
                    return a;
            }
            return static_cast<QAction*>(nullptr);
        };
        QAction* undo = action(QStringLiteral("Undo"));
        QAction* redo = action(QStringLiteral("Redo"));
        QVERIFY(undo && redo && undo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence(QKeySequence::Undo));
        undo->trigger();
        QVERIFY(!w->isWindowModified());
        redo->trigger();
        QVERIFY(w->isWindowModified());
        w->activateWindow();
        QTest::keyClick(w.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(mNotices->saveReported());
        QVERIFY(!w->isWindowModified());
        QVERIFY(fileBytes() == image.bytes(c.offset, c.bytes).data());
        // Undone past the Save: the image's values differ from the window's.
        undo->trigger();
        QVERIFY(w->isWindowModified());
        redo->trigger();
        QVERIFY(!w->isWindowModified());
        QVERIFY(w->close());
        QCOMPARE(mNotices->questions, QStringList());
    }

    // Every box, list, bar and grid a user can reach has a name for screen
    // readers and a tooltip that says what it holds.
    void everyBoxIsNamedAndExplained_data()
    {
        oneRowPerEditor();
    }

    void everyBoxIsNamedAndExplained()
    {
        QFETCH(int, index);
        const auto w = openAndEdit(kCases[index], SampleImageOf(kCases[index].gameCode));
        QList<QWidget*> boxes;
        for (QWidget* child : w->findChildren<QWidget*>()) {
            if ((qobject_cast<QLineEdit*>(child) || qobject_cast<QAbstractSpinBox*>(child)
                 || qobject_cast<QComboBox*>(child) || qobject_cast<QAbstractItemView*>(child)
                 || qobject_cast<QScrollBar*>(child))
                // not the parts of a spin box, a combo box or a grid
                && !qobject_cast<QAbstractSpinBox*>(child->parentWidget())
                && !qobject_cast<QAbstractItemView*>(child->parentWidget())
                && !child->parentWidget()->inherits("QComboBox") && !child->inherits("QComboBoxListView")
                && !qobject_cast<QAbstractScrollArea*>(child->parentWidget()->parentWidget()))
                boxes << child;
        }
        QVERIFY(!boxes.isEmpty());
        for (QWidget* box : boxes)
            QVERIFY2(!box->accessibleName().isEmpty() && !box->toolTip().isEmpty(),
                     qPrintable(box->objectName() + " " + box->metaObject()->className() + " in "
                                + box->parentWidget()->metaObject()->className()));
    }

    // Enter in a field never saves: no editor has a button that Enter
    // presses.
    void enterDoesNotSave_data()
    {
        oneRowPerEditor();
    }

    void enterDoesNotSave()
    {
        QFETCH(int, index);
        const Case& c = kCases[index];
        const SyntheticImage image = SampleImageOf(c.gameCode);
        const auto w = openAndEdit(c, image);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QList<QWidget*> fields;
        for (QLineEdit* field : w->findChildren<QLineEdit*>())
            fields << field;
        for (QAbstractItemView* grid : w->findChildren<QAbstractItemView*>())
            fields << grid;
        for (QWidget* field : fields) {
            if (!field->isVisible() || !field->isEnabled())
                continue;
            field->setFocus();
            QTest::keyClick(field, Qt::Key_Return);
            QTest::keyClick(field, Qt::Key_Enter);
        }
        QCOMPARE(mNotices->messages, QStringList());
        QVERIFY(fileBytes() == image.data());
        QVERIFY(w->isVisible());
    }

    // Tab visits every control that takes the focus, Save included, once a
    // round, from the top left to the Save button.
    void tabReachesEveryControl_data()
    {
        oneRowPerEditor();
    }

    void tabReachesEveryControl()
    {
        QFETCH(int, index);
        const Case& c = kCases[index];
        const auto w = openAndEdit(c, SampleImageOf(c.gameCode));
        w->show();
        QApplication::setActiveWindow(w.get());
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        SaveScreenshot(w.get(), QStringLiteral("editor-") + QLatin1String(c.editor));
        // A group of radio buttons is one stop: the arrow keys move in it.
        const auto stopOf = [](QWidget* control) -> QObject* {
            auto* radio = qobject_cast<QRadioButton*>(control);
            return radio && radio->autoExclusive() ? static_cast<QObject*>(radio->parentWidget()) : control;
        };
        QSet<QObject*> reachable;
        for (QWidget* child : w->findChildren<QWidget*>()) {
            if (child->isVisibleTo(w.get()) && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus)
                && !child->focusProxy() && !qobject_cast<QAbstractItemView*>(child->parentWidget()))
                reachable << stopOf(child);
        }
        QWidget* saveButton = w->findChild<QPushButton*>(c.saveButton);
        QVERIFY(reachable.contains(saveButton));
        if (!QApplication::focusWidget())
            QTest::keyClick(w.get(), Qt::Key_Tab);
        QWidget* first = QApplication::focusWidget();
        QVERIFY(first);
        QList<QObject*> round = {stopOf(first)};
        for (int i = 0; i < 4 * int(reachable.size()); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* now = QApplication::focusWidget();
            if (now == first)
                break;
            QVERIFY2(!round.contains(stopOf(now)), qPrintable(now->objectName() + " twice"));
            round << stopOf(now);
        }
        for (QObject* missed : reachable - QSet<QObject*>(round.begin(), round.end()))
            QFAIL(qPrintable(missed->objectName() + " not reached"));
        // From the window's first control to Save and the buttons beside it.
        const qsizetype after = w->findChild<QPushButton*>("SaveAndPlay") ? 2 : 1;
        QVERIFY2(round.indexOf(saveButton) >= round.size() - 1 - after, qPrintable(QString::number(round.indexOf(saveButton))));
    }

    // What is typed counts from the first key: Ctrl+S, Ctrl+F5 and the title
    // bar's close write it though nothing confirmed it (no Enter, no Tab).
    void typedValueIsWrittenUnconfirmed_data()
    {
        addEditors([](int index, const QByteArray& name) {
            QTest::addColumn<QString>("how");
            for (const char* how : {"Ctrl+S", "Ctrl+F5", "close", "Enter"}) {
                if (how != QByteArray("Enter") || name == "palette")
                    QTest::newRow((name + ", " + how).constData()) << index << QString::fromLatin1(how);
            }
        });
    }

    void typedValueIsWrittenUnconfirmed()
    {
        QFETCH(int, index);
        QFETCH(QString, how);
        const Case& c = kCases[index];
        SetFixChecksum(false);
        const StandinEmulator emulator(QString::fromStdString(mDir->path()));
        SyntheticImage image = SampleImageOf(c.gameCode);
        const auto w = openAndType(c, image);
        QVERIFY(w->isWindowModified());
        if (how == QLatin1String("close")) {
            mNotices->answers << QMessageBox::Save;
            QVERIFY(w->close());
            QCOMPARE(mNotices->questions.size(), 1);
        } else if (how == QLatin1String("Enter")) {
            // The palette's word applies as Change does: one undo step.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(w->findChild<QAction*>("EditUndo")->text(), QStringLiteral("Undo Change"));
            save(w.get(), c);
        } else {
            QTest::keyClick(QApplication::focusWidget(), how == QLatin1String("Ctrl+S") ? Qt::Key_S : Qt::Key_F5,
                            Qt::ControlModifier);
        }
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(mNotices->saveReported());
        QVERIFY(fileBytes() == image.bytes(c.offset, c.bytes).data());
        QVERIFY(!w->isWindowModified());
        if (how == QLatin1String("Ctrl+F5"))
            QCOMPARE(emulator.runs(1).size(), 1);
    }

    // An edit and a Save and Play asked for while a Save runs wait for it:
    // the Save writes and marks clean only what was there before it, and the
    // emulator plays once, after the second Save.
    void inputDuringASaveWaitsForIt()
    {
        const Case& c = kCases[4];
        SetFixChecksum(true);
        const StandinEmulator emulator(QString::fromStdString(mDir->path()));
        SyntheticImage image = SampleImageOf(c.gameCode);
        const auto w = openAndType(c, image);
        auto* other = w->findChild<QLineEdit*>("p22p");
        QMetaObject::invokeMethod(other, "setText", Qt::QueuedConnection, Q_ARG(QString, QStringLiteral("ZZ")));
        QMetaObject::invokeMethod(w->findChild<QAction*>("SaveAndPlayAction"), "trigger", Qt::QueuedConnection);
        save(w.get(), c);
        QVERIFY(fileBytes() == SyntheticImage(image).bytes(c.offset, c.bytes).validChecksum().data());
        QVERIFY(other->text() != QStringLiteral("ZZ"));
        QCOMPARE(mNotices->statuses.size(), 1);
        QTRY_COMPARE(mNotices->statuses.size(), 2);
        QCOMPARE(emulator.runs(1).size(), 1);
        QVERIFY(!w->isWindowModified());
    }

    // Ctrl+Z in a line edit or a spin box undoes the window's last step, not
    // the box's own typing: the second Ctrl+Z reaches the field edited first.
    void undoKeysReachTheWindowFromEveryBox()
    {
        const SyntheticImage image = SampleImageOf("p2");
        // The text editor's line edits, the demos editor's spin boxes.
        for (const auto& [c, second] : {std::pair{&kCases[4], "p22p"}, std::pair{&kCases[1], "PoleLengthUpDown"}}) {
            const auto w = openAndType(*c, image);
            auto* box = w->findChild<QWidget*>(second);
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("1"));
            for (int i = 0; i < 2; ++i)
                QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(w->findChild<QWidget*>(c->control)->property("text").toString() != QLatin1String(c->typed));
            QVERIFY(!w->isWindowModified());
        }
    }

    // A spin box says why it drops a key, and a text it cannot take refuses
    // the Save with the field named, writing nothing.
    void spinBoxesRefuseOutLoud()
    {
        const SyntheticImage image = SampleImageOf("p1");
        const auto w = openAndType(kCases[0], image);
        auto* length = w->findChild<QSpinBox*>("PoleLengthUpDown");
        length->setFocus();
        QTest::keyClick(length, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(length, QStringLiteral("400"));
        QCOMPARE(length->value(), 40);
        QCOMPARE(QToolTip::text(), QStringLiteral("'400' is out of range for \"Normal demos length\" (0 to 300)."));
        QTest::keyClick(length, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(length, Qt::Key_Delete);
        QVERIFY(w->isWindowModified());
        QTest::keyClick(length, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(mNotices->errors, QStringList{"'' is not a valid value for \"Normal demos length\" (0 to 300)."});
        QVERIFY(fileBytes() == image.data());
    }

    // Every form of a number, typed into a decimal and a hexadecimal object
    // row, is taken or refused alike by the window and by the tool's import,
    // with the same message; once saved, the cell shows the stored word in
    // its row's form.
    void numbersAreReadAlikeByWindowAndTool_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<bool>("hex");
        for (int i = 0; i < int(std::size(kNumberInputs)); ++i) {
            QTest::addRow("<%s> decimal", kNumberInputs[i].text) << i << false;
            QTest::addRow("<%s> hexadecimal", kNumberInputs[i].text) << i << true;
        }
    }

    void numbersAreReadAlikeByWindowAndTool()
    {
        QFETCH(int, input);
        QFETCH(bool, hex);
        const NumberInput& typed = kNumberInputs[input];
        const std::optional<std::uint16_t> word = hex ? typed.hexRow : typed.decimalRow;
        const QString label = QLatin1String(hex ? kHexRow : kDecimalRow);
        SetFixChecksum(false);
        const SyntheticImage image = SampleImageOf("p2");
        const QString copy = QString::fromStdString(mDir->file("tool.bin"));
        image.save(copy.toStdString());

        selectImage(image);
        const auto w = open(kCases[2]);
        auto* grid = w->findChild<QTableWidget*>(hex ? "pelboGrid" : "bossesGrid");
        QTableWidgetItem* cell = grid->item(grid->findItems(label, Qt::MatchExactly).value(0)->row(), 1);
        cell->setText(QString::fromLatin1(typed.text));
        w->findChild<QPushButton*>("saveButton")->click();

        const QByteArray printed = importDocument(
            {{"format", "pelbo-korvane-values"}, {"version", 1}, {"game", "p2"},
             {"objects", QJsonObject{{label, QString::fromLatin1(typed.text)}}}},
            mDir->file("doc.json"), {"--no-fix", copy});
        if (word) {
            QCOMPARE(mNotices->errors, QStringList());
            QCOMPARE(cell->text(), QString::fromStdString(FormatObjectValue(hex ? ObjectForm::Hex : ObjectForm::Decimal, *word)));
            QVERIFY(fileBytes() != image.data());
        } else {
            const QString refusal = QString::fromLatin1(hex ? typed.hexRefusal : typed.decimalRefusal);
            QCOMPARE(mNotices->errors, QStringList{refusal});
            SaveErrorScreenshot(refusal, QStringLiteral("refusal-%1-%2").arg(input).arg(hex));
            QVERIFY(fileBytes() == image.data());
            QVERIFY2(printed.contains(refusal.toUtf8()), printed.constData());
        }
        QVERIFY(ReadFileBytes(copy.toStdString()) == fileBytes());
    }

    // The command-line tool, given the same edit, changes exactly the bytes
    // the window's Save changes (both repair the header).
    void toolImportWritesWhatTheWindowWrites_data()
    {
        oneRowPerEditor();
    }

    void toolImportWritesWhatTheWindowWrites()
    {
        QFETCH(int, index);
        const Case& c = kCases[index];
        SetFixChecksum(true);
        SyntheticImage image = SampleImageOf(c.gameCode);
        image.word(0x18E, 0); // so that both repairs show
        const auto w = openAndEdit(c, image);
        save(w.get(), c);
        QCOMPARE(mNotices->errors, QStringList());

        const QString copy = QString::fromStdString(mDir->file("tool.bin"));
        image.save(copy.toStdString());
        QJsonObject document = QJsonDocument::fromJson(runTool({"export", copy})).object();
        QJsonObject section = document.value(QLatin1String(c.section)).toObject();
        if (c.value) {
            section.insert(QLatin1String(c.key), QJsonDocument::fromJson(QByteArray("[") + c.value + "]").array().at(0));
        } else {
            QJsonArray colours = section.value(QLatin1String(c.key)).toArray();
            colours[0] = QStringLiteral("0ECA");
            section.insert(QLatin1String(c.key), colours);
        }
        document.insert(QLatin1String(c.section), section);
        const QByteArray printed = importDocument(document, mDir->file("doc.json"), {copy});
        QVERIFY2(printed.contains(c.section), printed.constData());
        QVERIFY(ReadFileBytes(copy.toStdString()) == fileBytes());
    }
};

QTEST_MAIN(SaveContractTest)
#include "savecontract_test.moc"
