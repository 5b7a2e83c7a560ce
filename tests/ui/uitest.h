#pragma once

#include <QString>

#include <functional>
#include <string>

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

// Makes path the selected ROM as the main window would: RomPath, RomSize,
// GameCode and GameName from the detection. ExeDir is the test executable's
// folder, where the build copies the support files.
void SelectRom(const std::string& path);
