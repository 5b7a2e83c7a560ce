// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/uitest.h"

#include "ui/notices.h"

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/detection.h"
#include "core/romaccess.h"
#include "ui/filenames.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

namespace {

QtMessageHandler gPrevious = nullptr;

void filterNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    if (gPrevious)
        gPrevious(type, context, message);
}

} // namespace

void InitWindowTests()
{
    gPrevious = qInstallMessageHandler(filterNoise);
    // Settings of a test go to a folder of the tests' own.
    QStandardPaths::setTestModeEnabled(true);
#ifdef Q_OS_WIN
    // The registry knows no test mode: an INI file in a fresh folder of
    // this run instead.
    const QString settings = QDir::tempPath() + QStringLiteral("/korvane-test-settings-%1")
                                                    .arg(QCoreApplication::applicationPid());
    QDir(settings).removeRecursively();
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings);
#endif
    InitApplication();
}

void SetBackUpBeforeSaving(bool ticked)
{
    MainFrm->findChild<QAction*>("FileBackup")->setChecked(ticked);
}

bool WithModal(const std::function<void()>& action, const std::function<void(QWidget*)>& onModal, int timeoutMs)
{
    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible()) {
            poll.stop();
            seen = true;
            onModal(modal);
        } else if (clock.elapsed() > timeoutMs) {
            poll.stop();
        }
    });
    poll.start();
    action();
    poll.stop();
    return seen;
}

void SaveScreenshot(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("KORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

void SaveErrorScreenshot(const QString& text, const QString& name)
{
    // Laid out as it is when shown.
    const std::unique_ptr<QMessageBox> box = NoticeBox(QMessageBox::Critical, text, QMessageBox::Ok, nullptr);
    box->show();
    SaveScreenshot(box.get(), name);
}

void WaitForHeaderSum()
{
    if (!QTest::qWaitFor([] { return !MainFrm || !MainFrm->HeaderPanel->text().contains(QStringLiteral("being summed")); }))
        qFatal("the header panel's sum never ended");
}

void SetFixChecksum(bool ticked)
{
    MainFrm->findChild<QAction*>("Fix")->setChecked(ticked);
}

QString ShownTitle(const QWidget* window)
{
    return window->windowTitle().remove(QStringLiteral("[*]"));
}

void SelectRom(const std::string& path)
{
    StoreDetection(DetectGame(path));
    Rom.RomPath = path;
    Rom.ExeDir = CorePath(QCoreApplication::applicationDirPath()) + "/";
}

void WindowTest::startWindowTest(const std::string& imageName)
{
    Rom = RomRecord();
    // The recent images and the options as on a first start.
    QSettings().clear();
    mDir = std::make_unique<TempDir>();
    mPath = mDir->file(imageName);
    mNotices = std::make_unique<RecordingNotices>();
}

void WindowTest::endWindowTest()
{
    DestroyWindows();
    mNotices.reset();
    mDir.reset();
}

void WindowTest::selectImage(const SyntheticImage& image)
{
    image.save(mPath);
    SelectRom(mPath);
}
