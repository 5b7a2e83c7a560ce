// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/apptexts.h"
#include "core/detection.h"
#include "core/korvaneerror.h"
#include "core/patchfiles.h"
#include "core/imagesession.h"
#include "core/supportfiles.h"
#include "editors/art/artviewer.h"
#include "editors/demos/demoseditor.h"
#include "editors/disassembler/disassembler.h"
#include "editors/objects/objecteditor.h"
#include "editors/palette/paletteeditor.h"
#include "editors/text/firstgametexteditor.h"
#include "editors/text/texteditor.h"
#include "editors/water/watereditor.h"
#include "tests/support/detectioncases.h"
#include "tests/support/recordingnotices.h"
#include "tests/support/testfiles.h"
#include "tests/ui/romfault.h"
#include "tests/ui/standin.h"
#include "tests/ui/uitest.h"
#include "tools/samplerom/samples.h"
#include "ui/handlers.h"
#include "ui/filenames.h"
#include "ui/imagesave.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QSet>
#include <QTableWidget>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace {

const QString kTitle = QStringLiteral("Pelbo Korvane");
const char* const kSelectionItemNames[] = {"ViewerArt", "EditorWater", "EditorDemos",
                                           "EditorBosses", "EditorText", "EditorPal"};
const unsigned kSelectionItemBits[] = {ItemViewerArt, ItemEditorWater, ItemEditorDemos,
                                       ItemEditorBosses, ItemEditorText, ItemEditorPal};

// A Save that writes nothing, so only its end runs.
void finishSave()
{
    SaveImage(*TestMainWindow()->session(), std::vector<EditorModel*>{});
}

} // namespace

class MainWindowTest : public WindowTest
{
    Q_OBJECT

private:
    QString mNextChoice;   // what the file chooser returns
    QString mLastStartPath; // what it was shown with
    QString mLastFilter;

    QAction* action(const char* name) { return TestMainWindow()->findChild<QAction*>(name); }
    QString path(const char* name) { return QString::fromStdString(mDir->file(name)); }

    // Selects a file through the real handler, as a click on the button.
    void choose(const QString& file)
    {
        mNextChoice = file;
        TestMainWindow()->findChild<QPushButton*>("selectButton")->click();
        // The header's sum holds the image open a moment (on Windows nobody
        // writes it meanwhile); the tests write it again at once.
        QTRY_VERIFY(
            !TestMainWindow()->findChild<QLabel*>("HeaderPanel")->text().contains(QStringLiteral("being summed")));
    }

    void verifyItems(unsigned items)
    {
        for (std::size_t i = 0; i < std::size(kSelectionItemNames); ++i)
            QVERIFY2(action(kSelectionItemNames[i])->isEnabled() == bool(items & kSelectionItemBits[i]),
                     kSelectionItemNames[i]);
    }

    QString lblGame() { return TestMainWindow()->findChild<QLabel*>("LblGame")->text(); }
    QString lblFilename() { return TestMainWindow()->findChild<QLabel*>("LblFilename")->text(); }

    // The program's windows, the main one shown, its file chooser the test's.
    void startProgram()
    {
        CreateMainWindow();
        TestMainWindow()->OpenDialog.setChooser([this](QWidget*, const QString& startPath, const QString& filter, QString*) {
            mLastStartPath = startPath;
            mLastFilter = filter;
            return mNextChoice;
        });
        TestMainWindow()->show();
    }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init()
    {
        startWindowTest();
        startProgram();
    }

    void cleanup() { endWindowTest(); }

    void startsWithNothingSelected()
    {
        QCOMPARE(TestMainWindow()->windowTitle(), kTitle);
        // One version everywhere: the window's is --version's.
        QCOMPARE(TestMainWindow()->findChild<QLabel*>("Label1")->text(), QStringLiteral("v") + QString::fromLatin1(PackageVersion()));
        QCOMPARE(lblFilename(), QStringLiteral("[ not selected ]"));
        QCOMPARE(lblGame(), QString());
        QCOMPARE(QString::fromStdString(SupportBase()), QCoreApplication::applicationDirPath() + "/");
        QVERIFY(!TestMainWindow()->session());
    }

    // Every menu item shown has its Alt+letter, none twice in a menu; before
    // an image is selected only what needs none is on.
    void menusHaveMnemonicsAndWaitForAnImage()
    {
        const QStringList needImage = {"FileSaveCopy", "FileRevert",   "FilePatch", "FilePlay",
                                       "EditorRepair", "EditorDemos",  "EditorBosses", "EditorPal",
                                       "EditorText",   "EditorWater",  "ImageLocate"};
        for (QAction* menu : TestMainWindow()->menuBar()->actions()) {
            QSet<QChar> keys;
            for (QAction* item : menu->menu()->actions()) {
                if (item->isSeparator() || !item->isVisible())
                    continue;
                const qsizetype amp = item->text().indexOf(QLatin1Char('&'));
                QVERIFY2(amp >= 0 && amp + 1 < item->text().size(), qPrintable(item->text()));
                const QChar key = item->text().at(amp + 1).toLower();
                QVERIFY2(!keys.contains(key), qPrintable(item->text()));
                keys.insert(key);
                QVERIFY2(item->isEnabled() == !needImage.contains(item->objectName()), qPrintable(item->objectName()));
            }
        }
    }

    void detectsEveryGameThroughTheSelection()
    {
        for (const DetectionCase& c : DetectionCases()) {
            const QByteArray label = QByteArray::fromStdString(c.label);
            const SyntheticImage image = c.build();
            const QString file = path("rom.bin");
            image.save(file.toStdString());
            choose(file);
            QVERIFY2(mNotices->errors.isEmpty(), label + ": " + mNotices->errors.join(' ').toUtf8());
            QVERIFY2(TestMainWindow()->session()->gameCode() == c.code, label);
            QVERIFY2(TestMainWindow()->windowTitle() == QStringLiteral("rom.bin[*] - ") + kTitle, label);
            QVERIFY2(lblGame() == QString::fromStdString(c.lblGame), label);
            QVERIFY2(TestMainWindow()->findChild<QLabel*>("LblGame")->width()
                         >= TestMainWindow()->findChild<QLabel*>("LblGame")->sizeHint().width(),
                     label);
            QCOMPARE(TestMainWindow()->session()->size(), std::uint32_t(image.size()));
            QCOMPARE(QString::fromStdString(TestMainWindow()->session()->path()), file);
            QCOMPARE(lblFilename(), file);
            QVERIFY2(ReadFileBytes(file.toStdString()) == image.data(), label); // a selection never writes
            for (std::size_t i = 0; i < std::size(kSelectionItemNames); ++i)
                QVERIFY2(action(kSelectionItemNames[i])->isEnabled() == bool(c.items & kSelectionItemBits[i]),
                         label + " " + kSelectionItemNames[i]);
            const QString panel =
                QTextDocumentFragment::fromHtml(TestMainWindow()->findChild<QLabel*>("HeaderPanel")->text()).toPlainText();
            QVERIFY2(c.note.empty() ? !panel.contains(QStringLiteral("Editors")) && !panel.contains(QStringLiteral("Header"))
                                    : panel.contains(QString::fromStdString(c.note)),
                     label + ": " + panel.toUtf8());
            // Invisible items keep their state whatever the game.
            QVERIFY(!action("ViewerArt")->isVisible());
            QVERIFY(!action("EditorDisasm")->isVisible());
        }
    }

    void openRomItemSelectsToo()
    {
        SyntheticImage(0x100000).serial(kSerialP2).save(mDir->file("p2.bin"));
        mNextChoice = path("p2.bin");
        action("FileOpen")->trigger();
        QCOMPARE(TestMainWindow()->session()->gameCode(), std::string("p2"));
        QCOMPARE(lblGame(), QStringLiteral("Pelbo 2 ROM"));
    }

    void cancelBeforeAnySelectionAsksForAFile()
    {
        choose(QString());
        QCOMPARE(mNotices->messages, QStringList{QStringLiteral("You have to select a file")});
        QVERIFY(mNotices->errors.isEmpty());
        QCOMPARE(lblFilename(), QStringLiteral("[ not selected ]"));
        QCOMPARE(TestMainWindow()->windowTitle(), kTitle);
        QVERIFY(!TestMainWindow()->session());
        verifyItems(0);
    }

    void cancelAfterASelectionDetectsTheLastFileAgain()
    {
        const std::string file = mDir->file("rom.bin");
        SyntheticImage(0x100000).serial(kSerialP2).save(file);
        choose(path("rom.bin"));
        QCOMPARE(TestMainWindow()->session()->gameCode(), std::string("p2"));
        QCOMPARE(mLastStartPath, QString());
        QCOMPARE(mLastFilter, RomOpenDialog::kFilter);

        // The file changed meanwhile: the detection runs anew on it.
        SyntheticImage(0x80000).serial(kSerialP1).save(file);
        choose(QString());
        QVERIFY(mNotices->messages.isEmpty());
        QCOMPARE(TestMainWindow()->session()->gameCode(), std::string("p1"));
        QCOMPARE(lblGame(), QStringLiteral("Pelbo 1 ROM"));
        verifyItems(ItemEditorDemos | ItemEditorPal);
        // The dialog opened in the folder of the file, on its name.
        QCOMPARE(mLastStartPath, path("rom.bin"));
        QCOMPARE(TestMainWindow()->OpenDialog.initialDir(), QString::fromStdString(mDir->path()));
    }

    void unknownAfterAGameDisablesEverything()
    {
        SyntheticImage(0x100000).serial(kSerialP2).save(mDir->file("p2.bin"));
        SyntheticImage(0x100000).serial("GM 12345678-00").save(mDir->file("un.bin"));
        choose(path("p2.bin"));
        verifyItems(ItemEditorWater | ItemEditorDemos | ItemEditorBosses | ItemEditorText);
        choose(path("un.bin"));
        verifyItems(0);
        QCOMPARE(TestMainWindow()->session()->gameCode(), std::string("un"));
        QCOMPARE(TestMainWindow()->windowTitle(), QStringLiteral("un.bin[*] - ") + kTitle);
    }

    void unreadableFileForgetsThePreviousGame_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("error");
        const QString tooShort = QStringLiteral("%1 is %2: too short for a Mega Drive image (at least 512 bytes).");
        QTest::newRow("6 bytes") << "short.bin" << tooShort.arg("%1", "6 bytes");
        QTest::newRow("511 bytes") << "header.bin" << tooShort.arg("%1", "511 bytes");
        QTest::newRow("empty") << "empty.bin" << tooShort.arg("%1", "0 bytes");
        QTest::newRow("lock-on without second header") << "lockon.bin" << "Stream read error.";
        QTest::newRow("folder") << "folder" << "Cannot open file %1.";
        QTest::newRow("missing") << "missing.bin" << "Cannot open file %1.";
        QTest::newRow("held by another program") << "locked.bin" << "Cannot open file %1.";
#ifndef Q_OS_WIN
        // Its bytes are not UTF-8: the name as decoded also names another file.
        QTest::newRow("name not UTF-8") << QFile::decodeName("rom-\xE9.bin")
                                        << QString("Cannot open %1: ") + kInexactNameMessage + ".";
#endif
    }

    void unreadableFileForgetsThePreviousGame()
    {
        QFETCH(QString, file);
        QFETCH(QString, error);
        SyntheticImage(0x100000).serial(kSerialP2).save(mDir->file("p2.bin"));
        SyntheticImage(6).save(mDir->file("short.bin"));
        SyntheticImage(0x1FF).serial(kSerialP2).save(mDir->file("header.bin"));
        SyntheticImage(0x200100).serial(kSerialLockOn).save(mDir->file("lockon.bin"));
        SyntheticImage(0x100000).serial(kSerialP2).save(mDir->file("locked.bin"));
        SyntheticImage(0).save(mDir->file("empty.bin"));
        std::filesystem::create_directory(mDir->file("folder"));
#ifndef Q_OS_WIN
        SyntheticImage(0x100000).serial(kSerialP2).save(mDir->file("rom-\xE9.bin"));
        SyntheticImage(0x100000).serial(kSerialP2).save(mDir->file("rom-\xEF\xBF\xBD.bin"));
#endif
        const QString chosen = path(file.toUtf8().constData());
        const QByteArray before = FileState(chosen.toStdString());

        choose(path("p2.bin"));
        QCOMPARE(TestMainWindow()->session()->gameCode(), std::string("p2"));
        {
            std::unique_ptr<ForeignLock> lock;
            if (file == "locked.bin")
                lock = std::make_unique<ForeignLock>(mDir->file("locked.bin"));
            choose(chosen);
        }
        QCOMPARE(mNotices->errors, QStringList{QString(error).replace("%1", chosen)});
        SaveErrorScreenshot(mNotices->errors.value(0), QStringLiteral("open-") + QTest::currentDataTag());
        QCOMPARE(lblFilename(), chosen);
        QVERIFY(!TestMainWindow()->session());
        QCOMPARE(TestMainWindow()->windowTitle(), kTitle);
        QCOMPARE(lblGame(), QString());
        verifyItems(0);
        QVERIFY(mNotices->messages.isEmpty());
        QCOMPARE(FileState(chosen.toStdString()), before);
    }

    void finishSaveRepairsTheHeaderOnlyWhenTicked()
    {
        const std::string file = mDir->file("rom.bin");
        SyntheticImage image(0x80000);
        image.serial(kSerialP2).word(0x400, 0x1234).word(0x18E, 0xDEAD);
        image.save(file);
        choose(path("rom.bin"));

        QVERIFY(action("Fix")->isChecked());
        action("Fix")->trigger(); // unticked
        QVERIFY(RunHandler(finishSave));
        QVERIFY(mNotices->saveReported());
        QCOMPARE(ReadFileBytes(file), image.data());

        mNotices->clear();
        action("Fix")->trigger(); // ticked
        QVERIFY(RunHandler(finishSave));
        QVERIFY(mNotices->saveReported());
        image.validChecksum();
        QCOMPARE(ReadFileBytes(file), image.data());
    }

    void failedRepairShowsTheErrorAndNoSuccess()
    {
        std::filesystem::create_directory(mDir->file("folder"));
        Detection unknown;
        unknown.game = &GameByCode("un");
        ImageSession session(mDir->file("folder"), unknown);
        QVERIFY(!RunHandler([&session] { SaveImage(session, std::vector<EditorModel*>{}); }));
        QCOMPARE(mNotices->errors, QStringList{QString::fromStdString("Cannot open file " + session.path() + ".")});
        QVERIFY(mNotices->messages.isEmpty());
    }

    void errorsOfHandlersReachTheReport()
    {
        QVERIFY(!RunHandler([] { throw KorvaneError("'12 ' is not a valid integer value"); }));
        QVERIFY(!RunHandler([] { throw KorvaneError("Ends with a full stop."); }));
        QVERIFY(!RunHandler([] { throw std::runtime_error("Something else"); }));
        QVERIFY(RunHandler([] {}));
        QCOMPARE(mNotices->errors, (QStringList{QStringLiteral("'12 ' is not a valid integer value."),
                                               QStringLiteral("Ends with a full stop."),
                                               QStringLiteral("Something else.")}));

        // A handler without arguments on a signal that passes one.
        mNotices->clear();
        QPushButton button;
        struct Target : QObject
        {
            int calls = 0;
            void click()
            {
                ++calls;
                throw KorvaneError("Stream write error");
            }
        } target;
        ConnectHandler(&button, &QPushButton::clicked, &target, &Target::click);
        button.click();
        QCOMPARE(target.calls, 1);
        QCOMPARE(mNotices->errors, QStringList{QStringLiteral("Stream write error.")});
    }

    void messageBoxesCarryTheApplicationTitle()
    {
        mNotices.reset(); // the real message boxes
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Information;
        const auto read = [&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box) {
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
            }
            modal->close();
        };
        QVERIFY(WithModal([] { ShowMessage(QStringLiteral("ROM Saved!")); }, read));
        QCOMPARE(title, kTitle);
        QCOMPARE(text, QStringLiteral("ROM Saved!"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QVERIFY(WithModal([] { RunHandler([] { throw KorvaneError("Stream read error"); }); }, read));
        QCOMPARE(title, kTitle);
        QCOMPARE(text, QStringLiteral("Stream read error."));
        QCOMPARE(icon, QMessageBox::Critical);
        // A file name with tags in it is shown as it is spelt.
        Qt::TextFormat format = Qt::RichText;
        QVERIFY(WithModal([] { RunHandler([] { throw KorvaneError("Cannot open file <b>x</b>.bin"); }); },
                          [&](QWidget* modal) {
                              if (auto* box = qobject_cast<QMessageBox*>(modal))
                                  format = box->textFormat();
                              modal->close();
                          }));
        QCOMPARE(format, Qt::PlainText);
        mNotices = std::make_unique<RecordingNotices>();
    }

    // Help > About names the program, its version and purpose, and gives
    // the licence with its warranty disclaimer. The window belongs to the
    // menu entry and carries its icon.
    void aboutBoxAndDesktopIdentity()
    {
        QString title, text;
        QVERIFY(WithModal([] { TestMainWindow()->findChild<QAction*>("HelpAbout")->trigger(); }, [&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                title = box->windowTitle();
                text = QTextDocumentFragment::fromHtml(box->text()).toPlainText().simplified();
                SaveScreenshot(box, QStringLiteral("about"));
            }
            modal->close();
        }));
        QCOMPARE(title, QStringLiteral("About Pelbo Korvane"));
        for (const QString& part :
             {QStringLiteral("Pelbo Korvane Version ") + QString::fromLatin1(PackageVersion()),
              QStringLiteral("An editor of the demos, water levels, objects, texts and palettes"),
              QStringLiteral("Copyright © 2026 The Pelbo Korvane developers"),
              QStringLiteral("GNU General Public License as published by the Free Software Foundation, either "
                             "version 3 of the License, or (at your option) any later version."),
              QStringLiteral("but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY")})
            QVERIFY2(text.contains(part), qPrintable(text));

        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("net.korvane.pelbokorvane"));
        // The icon follows the window's first picture.
        TestMainWindow()->show();
        QTRY_COMPARE(TestMainWindow()->windowIcon().pixmap(QSize(48, 48)).size(), QSize(48, 48));
    }

    // Each editor of the game opens beside the main window, owned by it, on
    // the selected image, at most once, titled by the image, and is gone
    // once closed (Ctrl+W); the main window makes no editor before.
    void editorsOpenBesideTheMainWindowAndGoOnceClosed()
    {
        QVERIFY(TestMainWindow()->findChildren<QDialog*>().isEmpty());
        SampleImageOf("p2").save(mDir->file("p2.bin"));
        choose(path("p2.bin"));
        std::vector<QWidget*> open;
        for (const char* item : {"EditorWater", "EditorDemos", "EditorBosses", "EditorText", "EditorDisasm"}) {
            QWidget* window = nullptr;
            QVERIFY2(WithEditor([item, this] { action(item)->trigger(); }, [&window](QWidget* w) { window = w; }), item);
            QCOMPARE(window->parentWidget(), static_cast<QWidget*>(TestMainWindow()));
            QVERIFY(!window->isModal());
            QVERIFY2(ShownTitle(window).endsWith(QStringLiteral(" - p2.bin")) || ShownTitle(window) == "Disassembler",
                     qPrintable(ShownTitle(window)));
            // Its item again brings it to the front, no second one.
            QVERIFY2(!WithEditor([item, this] { action(item)->trigger(); }, [](QWidget*) {}), item);
            open.push_back(window);
        }
        QCOMPARE(TestMainWindow()->findChildren<QDialog*>().size(), qsizetype(open.size()));
        // Each keeps the size it was given, the next time too.
        open.front()->resize(open.front()->size() + QSize(40, 30));
        const QSize resized = open.front()->size();
        open.front()->close();
        QTRY_VERIFY(!TestMainWindow()->editorWindow(EditorId::Water));
        QWidget* again = nullptr;
        QVERIFY(WithEditor([this] { action("EditorWater")->trigger(); }, [&again](QWidget* w) { again = w; }));
        QCOMPARE(again->size(), resized);
        open.front() = again;
        for (QWidget* window : open) {
            const QPointer<QWidget> closing(window);
            auto* close = window->findChild<QAction*>("CloseEditor");
            QVERIFY(close->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_W)));
            close->trigger();
            QTRY_VERIFY(!closing);
        }
        QCOMPARE(mNotices->errors, QStringList());
    }

    // The header panel counts the values that do not look as expected;
    // "Locate Moved Values..." shows where the original's values went,
    // "Save Layout" writes the layout beside the image, and the image is
    // read through it at once: its moved values look as expected.
    void modifiedImageIsLocatedFromTheImageMenu()
    {
        WriteSampleImages(mDir->path());
        const auto panel = [] {
            return QTextDocumentFragment::fromHtml(TestMainWindow()->findChild<QLabel*>("HeaderPanel")->text())
                .toPlainText();
        };
        choose(path("sample-p2.bin"));
        QVERIFY2(!panel().contains(QStringLiteral("values do not look")), qPrintable(panel()));
        choose(path("modified-p2-moved.bin"));
        static const QRegularExpression counted(
            QStringLiteral(R"(\d+ of \d+ values do not look as expected at their usual place: this image may be )"
                           R"(modified \(Image > Locate Moved Values\.\.\.\)\.)"));
        QVERIFY2(panel().contains(counted), qPrintable(panel()));
        SaveScreenshot(TestMainWindow(), QStringLiteral("main-modified"));
        QString offered;
        TestMainWindow()->ChooseFile = [&](QWidget*, const QString&, const QString& start, const QString&, bool) {
            offered = start;
            return path("sample-p2.bin");
        };
        int moved = 0;
        QTimer::singleShot(0, [&moved] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog->objectName() == QLatin1String("LocateDialog"));
            const auto* table = dialog->findChild<QTableWidget*>("LocatedValues");
            for (int row = 0; row < table->rowCount(); ++row)
                moved += table->item(row, 3)->text() == QLatin1String("moved");
            SaveScreenshot(dialog, QStringLiteral("locate"));
            dialog->findChild<QPushButton*>("SaveLayout")->click();
        });
        const std::vector<std::uint8_t> before = ReadFileBytes(mDir->file("modified-p2-moved.bin"));
        action("ImageLocate")->trigger();
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(moved > 0);
        QVERIFY(QFile::exists(path("modified-p2-moved.bin.layout.json")));
        QVERIFY(ReadFileBytes(mDir->file("modified-p2-moved.bin")) == before);
        QTRY_VERIFY(!panel().contains(QStringLiteral("being summed")));
        QVERIFY2(panel().contains(QStringLiteral("modified-p2-moved.bin.layout.json moves %1 of the values").arg(moved))
                     && !panel().contains(QStringLiteral("values do not look")),
                 qPrintable(panel()));
    }

    void closeEndsTheProgram()
    {
        QVERIFY(TestMainWindow()->isVisible());
        action("FileQuit")->trigger();
        QVERIFY(!TestMainWindow()->isVisible());
    }

    // "Create Patch…" is offered once an image is selected, and writes the
    // patch that makes the selected image of the original the user chooses
    // (BPS unless the name says IPS); never over one of the two images. An
    // original of another serial is used only when the user says so.
    void createPatchWritesThePatchOfTheSelectedImage_data()
    {
        QTest::addColumn<QString>("outName"); // empty: the name offered
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("otherSerialAnswer"); // 0: the same serial
        QTest::newRow("offered name") << QString() << "The BPS patch holds 31 bytes." << 0;
        QTest::newRow("IPS") << "change.ips" << "The IPS patch holds 14 bytes." << 0;
        QTest::newRow("over the original") << "original.bin" << QString() << 0;
        QTest::newRow("another serial, kept") << QString() << "The BPS patch holds 45 bytes." << int(QMessageBox::Yes);
        QTest::newRow("another serial, refused") << QString() << QString() << int(QMessageBox::No);
    }

    void createPatchWritesThePatchOfTheSelectedImage()
    {
        QFETCH(QString, outName);
        QFETCH(QString, message);
        QFETCH(int, otherSerialAnswer);
        const QString out = outName.isEmpty() ? QString() : path(outName.toLatin1().constData());
        SyntheticImage original(0x80000);
        original.serial(kSerialP2);
        SyntheticImage changed = original;
        changed.byte(0x1234, 0x56).save(mDir->file("changed.bin"));
        if (otherSerialAnswer) {
            original.serial(kSerialP3);
            mNotices->answers << QMessageBox::StandardButton(otherSerialAnswer);
        }
        original.save(mDir->file("original.bin"));
        QVERIFY(!action("FilePatch")->isEnabled());
        choose(path("changed.bin"));
        QVERIFY(action("FilePatch")->isEnabled());
        QStringList offered;
        TestMainWindow()->ChooseFile = [&](QWidget*, const QString&, const QString& start, const QString&, bool save) {
            offered << start;
            return save ? (out.isEmpty() ? start : out) : path("original.bin");
        };
        action("FilePatch")->trigger();
        QCOMPARE(offered.value(1), path("changed.bps"));
        QVERIFY(ReadFileBytes(mDir->file("original.bin")) == original.data());
        QVERIFY(ReadFileBytes(mDir->file("changed.bin")) == changed.data());
        QCOMPARE(mNotices->questions.size(), otherSerialAnswer ? 1 : 0);
        if (otherSerialAnswer == QMessageBox::No) {
            QCOMPARE(mNotices->messages + mNotices->errors, QStringList());
            QVERIFY(!QFile::exists(path("changed.bps")));
            return;
        }
        if (message.isEmpty()) {
            QCOMPARE(mNotices->errors.size(), 1);
            return;
        }
        QCOMPARE(mNotices->errors, QStringList());
        QCOMPARE(mNotices->messages, QStringList{message});
        const PatchBytes patch = ReadFileBytes((out.isEmpty() ? offered[1] : out).toStdString());
        QVERIFY(ApplyPatch(patch, original.data()) == changed.data());
    }

    // The words of an emulator's command, as a shell would split them, and
    // the image's path as one argument wherever %f stands.
    void emulatorCommandsAreSplitWithoutAShell_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        const QString path = QStringLiteral("/roms/my \"best\" rom.bin");
        QTest::newRow("quoted words") << QStringLiteral("ares --system \"Mega Drive\" %f")
                                      << QStringList{"ares", "--system", "Mega Drive", path};
        QTest::newRow("in a word") << QStringLiteral("emu --rom=%f") << QStringList{"emu", "--rom=" + path};
        QTest::newRow("without %f") << QStringLiteral("emu -v") << QStringList{"emu", "-v", path};
        QTest::newRow("program found by Find")
            << QuoteCommandWord(QStringLiteral("/opt/my \"emu\"/run")) + QStringLiteral(" %f")
            << QStringList{"/opt/my \"emu\"/run", path};
        QTest::newRow("empty") << QStringLiteral("  ") << QStringList{};
    }

    void emulatorCommandsAreSplitWithoutAShell()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        const auto command = ParseEmulatorCommand(line, QStringLiteral("/roms/my \"best\" rom.bin"));
        QCOMPARE(command ? QStringList{command->program} + command->arguments : QStringList{}, words);
    }

    // No emulator chosen: the first of the known ones on PATH plays; with
    // none there, or a chosen one that cannot start, a message says so and
    // the dialog opens.
    void withoutAChosenEmulatorTheFirstOnPathPlays()
    {
        const QByteArray oldPath = qgetenv("PATH");
        const QString bin = path("bin");
        QDir().mkpath(bin);
        qputenv("PATH", QFile::encodeName(QDir::toNativeSeparators(bin)));
        SetEmulatorSearchFolders({});
        const StandinEmulator emulator(QString::fromStdString(mDir->path()));
        SampleImageOf("p2").save(mPath);
        choose(QString::fromStdString(mPath));
        const auto playRefused = [this](const char* says) {
            mNotices->clear();
            action("FilePlay")->trigger();
            QCOMPARE(mNotices->messages.size(), 1);
            QVERIFY2(mNotices->messages.first().contains(QLatin1String(says)), qPrintable(mNotices->messages.first()));
            auto* dialog = TestMainWindow()->findChild<QDialog*>("EmulatorDialog");
            QVERIFY(dialog && dialog->isVisible());
            delete dialog;
        };
        SetEmulatorSetting(QStringLiteral("korvane-no-such-emulator %f"));
        playRefused("could not be started");
        SetEmulatorSetting({});
        playRefused("No emulator was found");

#ifdef Q_OS_WIN
        const QString suffix = QStringLiteral(".exe");
#else
        const QString suffix;
#endif
        for (const char* name : {"ares", "mednafen"})
            QVERIFY(QFile::copy(StandinEmulator::program(), QDir(bin).filePath(QLatin1String(name) + suffix)));
        action("FilePlay")->trigger();
        qputenv("PATH", oldPath);
        QCOMPARE(emulator.runs(1), (QList<QStringList>{{QStringLiteral("-force_module"), QStringLiteral("md"),
                                                        QDir::toNativeSeparators(QString::fromStdString(mPath))}}));
    }

    // The command chosen in Settings > Emulator… plays after a restart, with
    // the selected image's path as one argument, whatever it holds.
    void theChosenEmulatorIsKeptAcrossARestart()
    {
        const StandinEmulator emulator(QString::fromStdString(mDir->path()));
        SetEmulatorSetting({});
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog->objectName() == QLatin1String("EmulatorDialog"));
            dialog->findChild<QLineEdit*>("EmulatorCommand")
                ->setText(QuoteCommandWord(StandinEmulator::program()) + QStringLiteral(" --kept %f"));
            static_cast<QDialog*>(dialog)->accept();
        });
        action("SettingsEmulator")->trigger();
        DestroyMainWindow();
        startProgram();
#ifdef Q_OS_WIN
        const QString image = path("my best rom.bin");
#else
        const QString image = path("my \"best\" rom's.bin");
#endif
        SampleImageOf("p2").save(CorePath(image));
        choose(image);
        action("FilePlay")->trigger();
        QCOMPARE(emulator.runs(1), (QList<QStringList>{{QStringLiteral("--kept"), QDir::toNativeSeparators(image)}}));
        QCOMPARE(mNotices->messages, QStringList());
    }

    void screenshot()
    {
        SyntheticImage(0x100000).serial(kSerialP1JP2B).byte(0x16F, '2').save(mDir->file("sample-p2b.bin"));
        choose(path("sample-p2b.bin"));
        QVERIFY(mNotices->errors.isEmpty());
        SaveScreenshot(TestMainWindow(), QStringLiteral("mainwindow"));
        auto* editor = TestMainWindow()->findChild<QMenu*>("Editor1");
        editor->popup(TestMainWindow()->mapToGlobal(QPoint(40, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(editor));
        SaveScreenshot(editor, QStringLiteral("mainwindow-editor-menu"));
        editor->close();
        auto* file = TestMainWindow()->findChild<QMenu*>("File1");
        file->popup(TestMainWindow()->mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(file));
        SaveScreenshot(file, QStringLiteral("mainwindow-file-menu"));
        file->close();
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
