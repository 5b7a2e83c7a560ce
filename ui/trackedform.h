// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <functional>
#include <vector>

class EditorModel;
class ImageSession;
class QAbstractButton;
class QAction;
class QDialog;
class QKeyEvent;
class QSpinBox;
class QVBoxLayout;
class QWidget;

// The edits of an editor window. It knows what the window's controls held
// when the image was read or last saved, says when they differ ("[*]" in the
// title, the desktop way), asks "Save the changes in the Object Editor to
// sample-p2.bin before closing?" when a window with changes closes in any way
// (on a read-only image: keep them in a copy?), presses Save for Ctrl+S, and
// undoes
// and redoes every edit (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y, whatever control
// has the focus, and an Edit menu). "Save and Play" (Ctrl+F5, and the
// window's button named SaveAndPlay if it has one) saves and then plays the
// image in the emulator.
//
// What is typed counts from the first key: Save, Save and Play and every
// close first commit the cell being edited in a grid, a spin box's text and
// the window's own pending input, so that what the window shows is what is
// written or asked about. Input that cannot be committed refuses the Save,
// naming the field; a key a spin box refuses says why at once.
//
// A window names its controls (line edits, spin boxes, combo boxes, check
// and radio buttons, bars, table widgets) and, for values no control holds,
// a state of its own; an edit is any change of what they hold, and an edit
// back to the value read is no change. One undo step is one edit of one
// control: the keys typed into a box and the moves of a bar make one step
// until another control changes.
class TrackedForm : public QObject
{
    Q_OBJECT

public:
    // What a window keeps outside its controls, as texts, and how to put it
    // back.
    struct State
    {
        std::function<QStringList()> get;
        std::function<void(const QStringList&)> set;
    };

    // Input a window holds outside its controls until it is applied (a typed
    // word that a button stores): whether some is held, and how to apply it.
    // apply throws KorvaneError to refuse.
    struct Pending
    {
        std::function<bool()> held;
        std::function<void()> apply;
    };

    // How the window's values reach the image.
    struct Saving
    {
        // Takes what the controls hold as the models' wanted values and
        // gives the models to save (none: nothing to save). Throws
        // KorvaneError to refuse, naming the field.
        std::function<std::vector<EditorModel*>()> want;
        // After a Save: the controls show the values in the image's forms.
        std::function<void()> saved;
        // Reads the image again and shows it all, as opening does.
        std::function<void()> reread;
        // The models the window shows: the values among them that do not
        // look as expected are listed above the window, with "Edit Anyway".
        std::function<std::vector<EditorModel*>()> read = {};
    };

    // save is the window's Save button: the form saves (through RunHandler)
    // for the button, for Ctrl+S and for the close question's Save, and then
    // takes what the controls hold as the image's. session is the image's,
    // which Save writes and Save and Play starts.
    TrackedForm(QDialog* window, ImageSession& session, QAbstractButton* save, Saving saving,
                std::vector<QWidget*> controls, State state = {});

    // The form of window, if it has one.
    static TrackedForm* of(const QWidget* window);

    // What the controls hold now is what the image holds: after the window
    // has shown what it read (and whatever it shows on its own after that).
    void markClean();
    // Lists above the window the suspect values of the models read
    // (Saving::read) that no "Edit Anyway" allowed; hidden when there are
    // none. markClean does it too.
    void showSuspects();
    // The window's state differs from the image's, or it holds input not
    // committed yet.
    bool isModified() const;
    void setPending(Pending pending);
    // The window's pending input changed: the modified mark follows it.
    void pendingChanged();
    // A change of the window's own state (State), as an edit named name in
    // the undo texts. Changes of one key in a row make one undo step (the
    // moves of one bar); a new key starts the next.
    void stateChanged(const QString& name = {}, int key = 0);
    // Saves; true when it completed and the form is clean.
    bool save();
    // What a Save would write now: the models with the window's edits
    // (commits pending input first). Throws KorvaneError as Save refuses.
    // Without commitInput, what is typed but not committed is left out and
    // the window is not disturbed.
    std::vector<EditorModel*> wantedModels(bool commitInput = true);
    // A Save of this form is running.
    bool isSaving() const { return mInSave; }
    // The image changed (another window saved it, or edits are dropped):
    // reads it again. With keepEdits, each control (and the state) the user
    // edited keeps its edit and the rest show the image's values; without,
    // everything shows the image's. The undo history starts again.
    void reread(bool keepEdits);
    bool canReread() const { return bool(mSaving.reread); }
    // The window's name in questions: "the Object Editor".
    QString editorName() const;

    QUndoStack* undoStack() { return &mStack; }

    // On a read-only image, the close question's "Save a Copy...": writes
    // the image with the edits to a file of the user's, true when it did.
    // Unset, a read-only window closes without a question.
    std::function<bool()> saveCopy;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Commits what the controls hold but have not taken yet; throws
    // KorvaneError naming a field whose input cannot be committed.
    void commitPending();
    // The grids' open cell editors: their text is the cell's.
    void commitCellEditors();
    bool hasPending() const;
    // The window's Undo or Redo when key is one of its shortcuts.
    QAction* undoActionFor(const QKeyEvent* key) const;
    void undoStep(bool undo);
    // An Edit menu at the top of the window, everything else moved below it.
    void addEditMenu(QAction* undo, QAction* redo);
    // Why spin refuses text (its text with the key typed).
    QString refusalOf(const QSpinBox* spin, const QString& text) const;
    void explainRefusedKey(QWidget* spin, const QKeyEvent* key);
    QStringList snapshot() const;
    void restore(const QStringList& values);
    void controlChanged(QWidget* control);
    void recordEdit(int source, const QString& name);
    void showModified();

    QDialog* mWindow;
    ImageSession& mSession;
    QAbstractButton* mSave;
    QAbstractButton* mPlay = nullptr;
    Saving mSaving;
    std::vector<QWidget*> mControls;
    State mState;
    Pending mPending;
    QUndoStack mStack;
    QAction* mUndo = nullptr;
    QAction* mRedo = nullptr;
    QWidget* mMenuBar = nullptr;
    QVBoxLayout* mTop = nullptr;
    QWidget* mSuspects = nullptr;
    QStringList mClean;
    QStringList mCurrent;
    // Above 0 while undo or redo puts values back.
    int mRestoring = 0;
    bool mInSave = false;
    friend class TrackedEdit;
};
