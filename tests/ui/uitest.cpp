// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ui/uitest.h"

#include "ui/notices.h"

#include "app/mainwindow.h"
#include "app/windowregistry.h"
#include "core/detection.h"
#include "core/imagesession.h"
#include "core/supportfiles.h"
#include "document/language.h"
#include "ui/filenames.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QElapsedTimer>
#include <QSettings>
#include <QTest>
#include <QStandardPaths>
#include <QTimer>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace {

QtMessageHandler gPrevious = nullptr;
std::unique_ptr<MainWindow> gMainWindow;
// The session of the window test running, whose choices the ticks set too.
ImageSession* gTestSession = nullptr;
bool gFixTicked = false;
bool gBackUpTicked = false;

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
    // The system's language, as the program takes it: CTest runs the tests
    // in English (LANG=C.UTF-8) but for the language tests.
    UseLanguage(QString());
}

MainWindow* TestMainWindow()
{
    return gMainWindow.get();
}

namespace {

// The test session follows the main window's ticks while there is one, and
// has both unticked without.
void followTicks()
{
    gFixTicked = gMainWindow && gMainWindow->findChild<QAction*>("Fix")->isChecked();
    gBackUpTicked = gMainWindow && gMainWindow->findChild<QAction*>("FileBackup")->isChecked();
    if (gTestSession) {
        gTestSession->setFixChecksum(gFixTicked);
        gTestSession->setBackUp(gBackUpTicked);
    }
}

} // namespace

MainWindow* CreateMainWindow()
{
    gMainWindow.reset();
    gMainWindow = std::make_unique<MainWindow>();
    followTicks();
    return gMainWindow.get();
}

void AdoptMainWindow(std::unique_ptr<MainWindow> window)
{
    gMainWindow.reset();
    gMainWindow = std::move(window);
    followTicks();
}

void DestroyMainWindow()
{
    gMainWindow.reset();
    followTicks();
}

void SetBackUpBeforeSaving(bool ticked)
{
    gBackUpTicked = ticked;
    if (gMainWindow)
        gMainWindow->findChild<QAction*>("FileBackup")->setChecked(ticked);
    if (gTestSession)
        gTestSession->setBackUp(ticked);
}

bool WithEditor(const std::function<void()>& action, const std::function<void(QWidget*)>& onWindow)
{
    const auto shown = [] {
        QList<QDialog*> windows;
        for (QDialog* window : TestMainWindow()->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
            if (window->isVisible())
                windows << window;
        }
        return windows;
    };
    const QList<QDialog*> before = shown();
    action();
    for (QDialog* window : shown()) {
        if (!before.contains(window)) {
            onWindow(window);
            return true;
        }
    }
    return false;
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

bool EditAnyway(QWidget* window)
{
    auto* anyway = window->findChild<QPushButton*>(QStringLiteral("EditAnyway"));
    if (!anyway || !anyway->isVisibleTo(window))
        return false;
    anyway->click();
    return true;
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
    if (!QTest::qWaitFor([] {
            return !gMainWindow ||
                   !gMainWindow->findChild<QLabel*>("HeaderPanel")->text().contains(QStringLiteral("being summed"));
        }))
        qFatal("the header panel's sum never ended");
}

void SetFixChecksum(bool ticked)
{
    gFixTicked = ticked;
    if (gMainWindow)
        gMainWindow->findChild<QAction*>("Fix")->setChecked(ticked);
    if (gTestSession)
        gTestSession->setFixChecksum(ticked);
}

QString ShownTitle(const QWidget* window)
{
    return window->windowTitle().remove(QStringLiteral("[*]"));
}

std::unique_ptr<ImageSession> SessionOf(const std::string& path, const char* gameCode)
{
    Detection detection = DetectGame(path);
    if (gameCode)
        detection.game = &GameByCode(gameCode);
    auto session = std::make_unique<ImageSession>(path, detection);
    session->setFixChecksum(gFixTicked);
    session->setBackUp(gBackUpTicked);
    return session;
}

void WindowTest::startWindowTest(const std::string& imageName)
{
    mSession.reset();
    gTestSession = nullptr;
    SetSupportBase(CorePath(QCoreApplication::applicationDirPath()) + "/");
    gFixTicked = false;
    gBackUpTicked = false;
    // The recent images and the options as on a first start.
    QSettings().clear();
    mDir = std::make_unique<TempDir>();
    mPath = mDir->file(imageName);
    mNotices = std::make_unique<RecordingNotices>();
}

void WindowTest::endWindowTest()
{
    DestroyMainWindow();
    gTestSession = nullptr;
    mSession.reset();
    mNotices.reset();
    mDir.reset();
}

void WindowTest::selectImage(const SyntheticImage& image, const char* gameCode)
{
    image.save(mPath);
    selectPath(gameCode);
}

void WindowTest::selectPath(const char* gameCode)
{
    mSession = SessionOf(mPath, gameCode);
    gTestSession = mSession.get();
}
