// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/windowregistry.h"
#include "core/imagesession.h"
#include "core/supportfiles.h"
#include "ui/imagesave.h"
#include "tests/support/recordingnotices.h"
#include "tests/support/testfiles.h"
#include "core/syntheticimage.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

class QWidget;
class MainWindow;

// Set-up every window test shares: the application font and event pump, and
// a filter for the offscreen platform's noise. Call from initTestCase().
void InitWindowTests();

// Runs action, which opens a modal window, and calls onModal with that
// window once it is shown; onModal must close it. Returns false when no
// modal window appeared within the timeout.
bool WithModal(const std::function<void()>& action, const std::function<void(QWidget*)>& onModal,
               int timeoutMs = 5000);

// Runs action, which opens an editor window of the main window beside it,
// and calls onWindow with that window. Returns false when none opened.
bool WithEditor(const std::function<void()>& action, const std::function<void(QWidget*)>& onWindow);

// Presses the window's "Edit Anyway" when it lists values that do not look
// as expected (a test image that holds such values on purpose); returns
// whether it did.
bool EditAnyway(QWidget* window);

// Saves a picture of window as <name>.png into the folder named by
// KORVANE_SCREENSHOT_DIR, when that variable is set.
void SaveScreenshot(QWidget* window, const QString& name);

// The same of the error report's box showing text.
void SaveErrorScreenshot(const QString& text, const QString& name);

// The title as the window shows it while unmodified: without the "[*]" of
// its modified mark.
QString ShownTitle(const QWidget* window);

// Waits until the main window's header panel has summed the image, which it
// holds open for reading meanwhile: on Windows another program cannot
// replace the image until then.
void WaitForHeaderSum();

// The main window of the test, made by CreateMainWindow; nullptr before.
MainWindow* TestMainWindow();
// A new main window, the previous one destroyed first.
MainWindow* CreateMainWindow();
// window becomes the main window of the test, the previous one destroyed
// first.
void AdoptMainWindow(std::unique_ptr<MainWindow> window);
// Destroys the main window, and with it every window it owns.
void DestroyMainWindow();

// Ticks or unticks "Fix Checksum": the main window's, when there is one,
// and the choice of the window test's own session. That session follows the
// main window's ticks while there is one (as made), and has both unticked
// without.
void SetFixChecksum(bool ticked);
// The same of "Back Up Before Saving".
void SetBackUpBeforeSaving(bool ticked);

// A session of the image at path as the main window makes it when the image
// is selected, with the ticks the window test's session follows. The support
// base is the test executable's folder, where the build copies the
// support files.
// With gameCode, the session names that game whatever the header says.
std::unique_ptr<ImageSession> SessionOf(const std::string& path, const char* gameCode = nullptr);

// Base of the window test classes: what most of them set up before each
// test and drop after it.
class WindowTest : public QObject
{
protected:
    // No session, the support base the test executable's folder (where the
    // build copies the support files), a fresh temporary folder with mPath
    // naming the file imageName in it (not created), and recorded message
    // boxes.
    void startWindowTest(const std::string& imageName = "rom.bin");
    // The main window destroyed (DestroyMainWindow), the session, the notices
    // and the folder dropped. Windows a test made without an owner must go
    // first.
    void endWindowTest();
    std::vector<std::uint8_t> fileBytes() const { return ReadFileBytes(mPath); }
    // Writes image to mPath and makes mSession its session (SessionOf);
    // with gameCode, the session names that game whatever the header says.
    void selectImage(const SyntheticImage& image, const char* gameCode = nullptr);
    // A session of mPath as it is now, as mSession.
    void selectPath(const char* gameCode = nullptr);
    // A new window of class T on mSession as the menu opens it.
    template <typename T>
    std::unique_ptr<T> newEditor()
    {
        std::unique_ptr<T> window;
        if constexpr (std::is_constructible_v<T, ImageSession&, EditorMemory&, QWidget*>)
            window = std::make_unique<T>(*mSession, mMemory, nullptr);
        else
            window = std::make_unique<T>(*mSession, nullptr);
        ShowReadOnly(window.get(), *mSession);
        return window;
    }
    // selectImage, then newEditor.
    template <typename T>
    std::unique_ptr<T> openEditor(const SyntheticImage& image)
    {
        selectImage(image);
        return newEditor<T>();
    }

    std::unique_ptr<TempDir> mDir;
    std::unique_ptr<RecordingNotices> mNotices;
    std::string mPath;
    std::unique_ptr<ImageSession> mSession;
    EditorMemory mMemory;
};
