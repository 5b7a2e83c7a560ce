// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/romopendialog.h"
#include "app/windowregistry.h"
#include "core/detection.h"
#include "core/imagesession.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QDialog;
class QLabel;
class QTemporaryDir;
class TrackedForm;

// The main window: ROM selection, game detection, the Editor menu and the
// editor windows open on the selected image, side by side.
namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow, private ImageSession::Listener
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The selected image, while one is.
    ImageSession* session() const { return mSession.get(); }

    RomOpenDialog OpenDialog;

    // Asks for a file name, of a file to open or (save) to write; tests
    // replace it.
    using FileChooser = std::function<QString(QWidget* parent, const QString& caption, const QString& start,
                                              const QString& filter, bool save)>;
    FileChooser ChooseFile;

    void showStart();
    void chooseImage();
    // Selects fileName as choosing it in the dialog does: the same
    // detection, the same messages, and the dialog offers it next time. The
    // command line, a dropped file and the recent list come here too.
    void selectFile(const QString& fileName);
    // Shows the size, serial, checksum and ROM end of the selected image. The
    // image is summed on a thread of its own: the checksum rows appear when
    // the sum is done, and a sum still running is stopped first.
    void showHeader();
    // Stops the header's sum, if one runs, and waits for its thread: a Save
    // does so before it opens the image.
    void stopHeaderSum();
    void quit();
    // Writes the image with every open editor's edits to a file asked for;
    // the image itself is untouched. False when nothing was written.
    bool saveCopy();
    // Drops every editor's edits, after a question.
    void revert();
    // Repairs the header of the selected image now.
    void repairChecksum();
    // Asks once about the edits of every editor that holds some ("Save
    // All", "Discard", "Cancel"; "Save a Copy..." on a read-only image).
    // True when the image may be let go: nothing unsaved, saved, or
    // discarded.
    bool settleUnsaved();
    // The editor window of id open on the selected image, or nullptr.
    QDialog* editorWindow(EditorId id) const;
    // Finds the selected image's values in an untouched original, asked
    // for, and offers the moved ones as the image's layout file.
    void locateMovedValues();
    // Writes a patch from an original image, asked for, to the selected one.
    void createPatch();
    // Starts the emulator on the selected image; with unsaved edits, on a
    // temporary copy that holds them.
    void playImage();
    // The command that plays images.
    void chooseEmulator();
    // Settings > Language: "System" and every language of the program, the
    // chosen one ticked; a choice is kept for the next start.
    void fillLanguageMenu();
    void openDemosEditor();
    void openWaterEditor();
    void openObjectEditor();
    void openTextEditor();
    void openPaletteEditor();
    void openArtViewer();
    void openDisassembler();
    // The program's name, version, purpose and licence.
    void showAbout();

signals:
    // The window's first picture is on screen: what can wait for it (the
    // window icon) follows.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The generated form.
    std::unique_ptr<Ui::MainWindow> mUi;
    bool aboutToSave(const std::vector<EditorModel*>& models) override;
    void saved(const std::vector<EditorModel*>& models, const SaveReport& report) override;
    // The forms of the open editors, and those that hold edits.
    std::vector<TrackedForm*> openForms() const;
    std::vector<TrackedForm*> modifiedForms() const;
    // The models of every editor with edits, holding them (PendingModels).
    std::vector<EditorModel*> pendingModels() const;
    // Closes every editor window without a question.
    void closeEditors();
    void rememberGeometry(QWidget* window, const QString& key) const;
    void showModifiedMark();
    void showFixChecksum();
    // The File and Editor items that need a selected image.
    QList<QAction*> imageActions() const;
    void fillRecentMenu();
    void openRecent(const QString& fileName);
    void setEditorItems(unsigned items);
    void showGame(const std::string& serial);
    // Reads every value of the selected image through its layout file, for
    // the header panel: the layout read and how many values do not look as
    // expected. selecting: the session takes the layout's moves. Returns why
    // the values could not be checked (a layout refused), or empty.
    std::string checkValues(bool selecting);
    // Opens the editor of item for the selected image, or brings it to the
    // front when it is open.
    void route(EditorItem item);

    // The serial of the selected image, as its selection read it: no editor
    // writes the header's serial.
    std::string mSerial;
    // The header panel's rows of checkValues.
    QString mValueRows;
    std::unique_ptr<ImageSession> mSession;
    EditorMemory mEditorMemory;
    std::map<EditorId, QPointer<QDialog>> mEditors;
    // Where the copies played with unsaved edits are written; removed with
    // the window.
    std::unique_ptr<QTemporaryDir> mPlayCopies;
    QLabel* mFixOff = nullptr;
    bool mMegaDriveHeader = false;

    struct HeaderSum;
    std::unique_ptr<HeaderSum> mHeaderSum;
    // Counts the header sums started: only the latest one is shown.
    quint64 mHeaderRequest = 0;
    bool mPainted = false;
};
