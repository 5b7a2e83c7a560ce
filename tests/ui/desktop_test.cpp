// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's ways in and the header panel: the command line, a
// dropped file, the recent images, the panel after a Save, and the backup
// before the first write.

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/detection.h"
#include "editors/demos/demoseditor.h"
#include "tests/ui/uitest.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QUrl>
#include <QtTest>

#include <filesystem>
#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// A "p2" image whose header agrees with it, or not.
SyntheticImage secondGame(bool checksumRight)
{
    SyntheticImage image(0x100000);
    image.serial(kSerialP2).word(0x3D4E, 4).validChecksum();
    if (!checksumRight)
        image.word(0x18E, image.wordAt(0x18E) ^ 0x0101);
    return image;
}

} // namespace

class DesktopTest : public WindowTest
{
    Q_OBJECT

private:
    QString file(const char* name) { return QString::fromStdString(mDir->file(name)); }
    QString panel() { return TestMainWindow()->findChild<QLabel*>("HeaderPanel")->text(); }
    QString game() { return TestMainWindow()->findChild<QLabel*>("LblGame")->text(); }
    QAction* action(const char* name) { return TestMainWindow()->findChild<QAction*>(name); }

    // The entries of the recent menu, and whether "Clear Recent" is on.
    QStringList recent()
    {
        QStringList entries;
        for (QAction* a : TestMainWindow()->findChild<QMenu*>("FileRecent")->actions()) {
            if (a->objectName() == QLatin1String("FileRecentClear"))
                entries << (a->isEnabled() ? QStringLiteral("[clear]") : QStringLiteral("[no clear]"));
            else if (!a->isSeparator())
                entries << a->text();
        }
        return entries;
    }

    // Changes the number of demos in the second game's demos editor and
    // saves.
    void saveAnEdit(int number)
    {
        DemosEditor editor(*TestMainWindow()->session(), TestMainWindow());
        editor.findChild<QSpinBox*>("PoleNumberUpDown")->setValue(number);
        editor.findChild<QPushButton*>("saveButton")->click();
    }

private slots:
    void initTestCase() { InitWindowTests(); }

    void init() { startWindowTest(); }

    void cleanup() { endWindowTest(); }

    // The image named on the command line is selected at start-up as the
    // dialog selects one: detection, messages and all.
    void commandLineSelectsTheImage()
    {
        secondGame(true).save(mPath);
        AdoptMainWindow(StartProgram({QStringLiteral("pelbo-korvane"), QString::fromStdString(mPath)}));
        QVERIFY(TestMainWindow()->isVisible());
        QCOMPARE(game(), QStringLiteral("Pelbo 2 ROM"));
        QVERIFY(action("EditorBosses")->isEnabled());
        DestroyMainWindow();

        AdoptMainWindow(StartProgram({QStringLiteral("pelbo-korvane"), file("missing.bin")}));
        QCOMPARE(mNotices->errors, QStringList{"Cannot open file " + file("missing.bin") + "."});
        QVERIFY(!action("EditorDemos")->isEnabled());
    }

    void droppedFileIsSelected()
    {
        secondGame(true).save(mPath);
        CreateMainWindow();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(mPath))});
        // Never taken as a move, which would have the source delete it.
        QDragEnterEvent moveOnly(QPoint(10, 10), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(TestMainWindow(), &moveOnly);
        QVERIFY(!moveOnly.isAccepted());
        const Qt::DropActions possible = Qt::MoveAction | Qt::CopyAction | Qt::LinkAction;
        QDragEnterEvent enter(QPoint(10, 10), possible, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(TestMainWindow(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(10, 10), possible, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(TestMainWindow(), &drop);
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(game(), QStringLiteral("Pelbo 2 ROM"));
        QCOMPARE(TestMainWindow()->session()->path(), mPath);
        // The dialog offers it next.
        QString offered;
        TestMainWindow()->OpenDialog.setChooser([&offered](QWidget*, const QString& start, const QString&, QString*) {
            offered = start;
            return QString();
        });
        TestMainWindow()->chooseImage();
        QCOMPARE(offered, QString::fromStdString(mPath));
    }

    // The last images, newest first and each once; one that vanished goes
    // with a message; "Clear Recent" empties the list, which the next start
    // finds as it was left.
    void recentImages()
    {
        CreateMainWindow();
        QCOMPARE(recent(), QStringList{"[no clear]"});
        for (const char* name : {"a.bin", "b.bin", "c.bin", "a.bin"}) {
            secondGame(true).save(mDir->file(name));
            TestMainWindow()->selectFile(file(name));
        }
        const QStringList three = {"&1 " + file("a.bin"), "&2 " + file("c.bin"), "&3 " + file("b.bin"), "[clear]"};
        QCOMPARE(recent(), three);
        DestroyMainWindow();
        CreateMainWindow();
        QCOMPARE(recent(), three);

        std::filesystem::remove(mDir->file("c.bin"));
        action("FileRecent2")->trigger();
        QCOMPARE(mNotices->messages,
                 QStringList{file("c.bin") + " no longer exists; it was taken off the recent images."});
        QCOMPARE(recent(), (QStringList{"&1 " + file("a.bin"), "&2 " + file("b.bin"), "[clear]"}));
        action("FileRecent2")->trigger();
        QCOMPARE(TestMainWindow()->session()->path(), mDir->file("b.bin"));

        action("FileRecentClear")->trigger();
        QCOMPARE(recent(), QStringList{"[no clear]"});
    }

    // The panel tells the checksum and ROM end as stored and as they should
    // be, after the selection and after every Save; the sum is made off the
    // window thread, so the selection returns before the figures are there.
    void headerPanelFollowsEverySave()
    {
        CreateMainWindow();
        secondGame(false).save(mPath);
        TestMainWindow()->selectFile(QString::fromStdString(mPath));
        QVERIFY2(panel().contains(QStringLiteral("being summed")), qPrintable(panel()));
        QTRY_VERIFY2(panel().contains(QStringLiteral("MISMATCH")), qPrintable(panel()));
        QVERIFY(panel().contains(QStringLiteral("GM 00001051-01")));
        // The size in the user's number format (1,048,576 on an English
        // Windows).
        QVERIFY(panel().contains(QStringLiteral("%L1 bytes (100000)").arg(1048576)));

        SetFixChecksum(true);
        saveAnEdit(3);
        QTRY_VERIFY2(!panel().contains(QStringLiteral("MISMATCH")), qPrintable(panel()));
        QTRY_COMPARE(panel().count(QStringLiteral(": OK")), 2);

        SetFixChecksum(false);
        saveAnEdit(2);
        QTRY_COMPARE(panel().count(QStringLiteral("MISMATCH")), 1); // the checksum; the ROM end is right
    }

    // A read-only image is selected like any other, its editors offered and
    // the panel saying it is read-only; a patch can be made from it.
    void readOnlyImageIsSelected()
    {
        CreateMainWindow();
        secondGame(true).save(mPath);
        Unwritable unwritable(mPath);
        if (!unwritable.ok())
            QSKIP("cannot make a file unwritable here (root without an immutable attribute)");
        TestMainWindow()->selectFile(QString::fromStdString(mPath));
        QCOMPARE(mNotices->errors, QStringList());
        QCOMPARE(game(), QStringLiteral("Pelbo 2 ROM"));
        QVERIFY(action("EditorBosses")->isEnabled() && action("FilePatch")->isEnabled());
        QTRY_VERIFY2(panel().contains(QStringLiteral("ROM end")), qPrintable(panel()));
        QVERIFY2(panel().contains(QStringLiteral("read-only")), qPrintable(panel()));
        SaveScreenshot(TestMainWindow(), QStringLiteral("mainwindow-read-only"));

        const QString patch = file("change.bps");
        TestMainWindow()->ChooseFile = [&](QWidget*, const QString&, const QString&, const QString&, bool save) {
            return save ? patch : QString::fromStdString(mPath);
        };
        TestMainWindow()->createPatch();
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(std::filesystem::exists(patch.toStdString()));
    }

    // Before the first write after a selection the image is copied to
    // IMAGE.bak; a copy that fails refuses the Save, nothing written.
    void backupBeforeTheFirstWrite_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("ticked") << "ticked";
        QTest::newRow("unticked") << "unticked";
        QTest::newRow("backup cannot be written") << "blocked";
    }

    void backupBeforeTheFirstWrite()
    {
        QFETCH(QString, kind);
        CreateMainWindow();
        SetFixChecksum(false);
        SetBackUpBeforeSaving(kind != QLatin1String("unticked"));
        const SyntheticImage image = secondGame(true);
        image.save(mPath);
        const std::string backup = mPath + ".bak";
        if (kind == QLatin1String("blocked"))
            std::filesystem::create_directories(backup + "/full");
        else
            SyntheticImage(0x10).save(backup); // an older backup
        TestMainWindow()->selectFile(QString::fromStdString(mPath));

        saveAnEdit(3);
        if (kind == QLatin1String("blocked")) {
            QCOMPARE(mNotices->errors.size(), 1);
            QVERIFY2(mNotices->errors[0].startsWith("The image could not be backed up to " + QString::fromStdString(backup)),
                     qPrintable(mNotices->errors[0]));
            QVERIFY(fileBytes() == image.data());
            return;
        }
        QCOMPARE(mNotices->errors, QStringList());
        const auto once = fileBytes();
        saveAnEdit(2);
        const std::string original = mPath + ".orig.bak";
        if (kind == QLatin1String("unticked")) {
            QCOMPARE(ReadFileBytes(backup).size(), std::size_t(0x10));
            QVERIFY(!std::filesystem::exists(original));
            return;
        }
        // The image as selected, not as the first Save left it.
        QVERIFY(ReadFileBytes(backup) == image.data());
        // A new selection backs up what it selected; the first backup ever
        // made stays as the original.
        TestMainWindow()->selectFile(QString::fromStdString(mPath));
        saveAnEdit(1);
        QVERIFY(ReadFileBytes(backup) != once);
        QVERIFY(ReadFileBytes(backup).size() == once.size());
        QVERIFY(ReadFileBytes(original) == image.data());
        // Create Patch offers it as the original.
        QString offered;
        TestMainWindow()->ChooseFile = [&offered](QWidget*, const QString&, const QString& start, const QString&, bool) {
            offered = offered.isEmpty() ? start : offered;
            return QString();
        };
        TestMainWindow()->createPatch();
        QCOMPARE(offered, QString::fromStdString(original));
    }

    // A backup never writes through a link to the image or to the kept
    // original, and a kept original that is no file of its own refuses the
    // Save: the image and the original stay whole.
    void hostileBackupsKeepTheImageAndTheOriginal_data()
    {
        QTest::addColumn<QString>("bak");
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("backup a relative link to the image") << "rom.bin" << "" << "";
        QTest::newRow("backup an absolute link to the image") << "ABS" << "" << "";
        QTest::newRow("backup a link to the original") << "rom.bin.orig.bak" << "file" << "";
        QTest::newRow("original a folder") << "" << "folder" << "a folder";
        QTest::newRow("original a FIFO") << "" << "fifo" << "a FIFO";
        QTest::newRow("original a hard link of the image") << "" << "hard" << "a link to the image itself";
    }

    void hostileBackupsKeepTheImageAndTheOriginal()
    {
#ifdef Q_OS_WIN
        QSKIP("links and FIFOs are made with POSIX calls here");
#else
        QFETCH(QString, bak);
        QFETCH(QString, original);
        QFETCH(QString, refusal);
        CreateMainWindow();
        SetFixChecksum(false);
        SetBackUpBeforeSaving(true);
        const SyntheticImage image = secondGame(true);
        image.save(mPath);
        const std::string kept = mPath + ".orig.bak";
        const std::vector<std::uint8_t> older(0x20, 0x77);
        if (original == QLatin1String("file"))
            SyntheticImage(0x20, 0x77).save(kept);
        else if (original == QLatin1String("folder"))
            std::filesystem::create_directory(kept);
        else if (original == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(kept.c_str(), 0600), 0);
        else if (original == QLatin1String("hard"))
            std::filesystem::create_hard_link(mPath, kept);
        if (!bak.isEmpty())
            std::filesystem::create_symlink(bak == QLatin1String("ABS") ? mPath : bak.toStdString(), mPath + ".bak");
        struct stat before {};
        ::stat(mPath.c_str(), &before);
        TestMainWindow()->selectFile(QString::fromStdString(mPath));
        saveAnEdit(3);

        struct stat after {};
        ::stat(mPath.c_str(), &after);
        QCOMPARE(after.st_ino, before.st_ino);
        if (!refusal.isEmpty()) {
            QCOMPARE(mNotices->errors, QStringList{QStringLiteral("%1 is %2: the original cannot be kept; move it away "
                                                                  "or turn backups off.").arg(QString::fromStdString(kept), refusal)});
            QVERIFY(fileBytes() == image.data());
            return;
        }
        QCOMPARE(mNotices->errors, QStringList());
        QVERIFY(fileBytes() == SyntheticImage(image).word(0x3D4E, 3).data());
        QVERIFY(ReadFileBytes(mPath + ".bak") == image.data());
        QVERIFY(ReadFileBytes(kept) == (original.isEmpty() ? image.data() : older));
#endif
    }

    // A FIFO where the settings are kept neither hangs the start nor is
    // replaced by the first write of a setting.
    void settingsThatAreNoFileAreLeftAlone()
    {
#ifdef Q_OS_WIN
        QSKIP("settings live in the registry here");
#else
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        const QString file = QSettings().fileName();
        QVERIFY2(file.startsWith(folder), qPrintable(file));
        std::filesystem::remove(file.toStdString());
        std::filesystem::create_directories(std::filesystem::path(file.toStdString()).parent_path());
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        GuardSettingsFile();
        QSettings settings;
        QVERIFY2(settings.fileName() != file, qPrintable(settings.fileName()));
        settings.setValue(QStringLiteral("probe"), 1);
        settings.sync();
        QCOMPARE(QSettings().value(QStringLiteral("probe")).toInt(), 1);
        QVERIFY(std::filesystem::is_fifo(file.toStdString()));
        std::filesystem::remove(file.toStdString());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
#endif
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
