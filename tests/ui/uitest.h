// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/windowregistry.h"
#include "core/romaccess.h"
#include "tests/support/recordingnotices.h"
#include "tests/support/testfiles.h"
#include "tools/samplerom/syntheticimage.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

// Set-up every window test shares: the application font and event pump, and
// a filter for the offscreen platform's noise. Call from initTestCase().
void InitWindowTests();

// Runs action, which opens a modal window, and calls onModal with that
// window once it is shown; onModal must close it. Returns false when no
// modal window appeared within the timeout.
bool WithModal(const std::function<void()>& action, const std::function<void(QWidget*)>& onModal,
               int timeoutMs = 5000);

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

// Ticks or unticks the main window's "Fix Checksum".
void SetFixChecksum(bool ticked);
// Ticks or unticks the main window's "Back Up Before Saving".
void SetBackUpBeforeSaving(bool ticked);

// Makes path the selected ROM as the main window would: RomPath, RomSize,
// GameCode and GameName from the detection. ExeDir is the test executable's
// folder, where the build copies the support files.
void SelectRom(const std::string& path);

// Base of the window test classes: what most of them set up before each
// test and drop after it.
class WindowTest : public QObject
{
protected:
    // An empty ROM record, a fresh temporary folder with mPath naming the
    // file imageName in it (not created), and recorded message boxes.
    void startWindowTest(const std::string& imageName = "rom.bin");
    // Every window destroyed (DestroyWindows), the notices and the folder
    // dropped. Windows a test made without an owner must go first.
    void endWindowTest();
    std::vector<std::uint8_t> fileBytes() const { return ReadFileBytes(mPath); }
    // Writes image to mPath and makes it the selected ROM (SelectRom).
    void selectImage(const SyntheticImage& image);
    // selectImage, then a new window of class T as the menu opens it.
    template <typename T>
    std::unique_ptr<T> openEditor(const SyntheticImage& image)
    {
        selectImage(image);
        return NewEditor<T>(nullptr);
    }

    std::unique_ptr<TempDir> mDir;
    std::unique_ptr<RecordingNotices> mNotices;
    std::string mPath;
};
