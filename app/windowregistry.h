#pragma once

#include "core/detection.h"
#include "core/romaccess.h"

#include <memory>

class QWidget;
class TMainFrm;

// Window references: each holds the live instance of its window class.
// Every editor unit declares its own beside its class.
extern TMainFrm* MainFrm;

// Application-wide settings every run and every window test needs: the
// font the forms are laid out for, the event pump of the checksum repair,
// and writes past a file-size limit reported instead of killing the program.
void InitApplication();

// Start-up: the main window, then one hidden instance of every other window
// class, each stored in its window reference.
void CreateWindows();

// Destroys the main window, and with it every window it owns, and clears
// every window reference.
void DestroyWindows();

// Opens an editor: sets OpenedFromMenu, creates a new instance owned by
// owner and stores it in reference while it is shown modally; destroys it
// after it closes and gives the reference back its previous instance.
template <typename T>
void OpenEditor(T*& reference, QWidget* owner)
{
    Rom.OpenedFromMenu = true;
    T* const previous = reference;
    const std::unique_ptr<T> window(new T(owner));
    reference = window.get();
    window->exec();
    reference = previous;
}

// Opens the window of an Editor route; WindowId::None does nothing.
void OpenWindow(WindowId id, QWidget* owner);
