// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/romopendialog.h"
#include "app/windowregistry.h"
#include "core/detection.h"
#include "core/imagesession.h"

#include <QMainWindow>

#include <functional>
#include <memory>

// The main window: ROM selection, game detection and the Editor menu.
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
    FileChooser PatchFiles;

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
    // Writes a patch from an original image, asked for, to the selected one.
    void createPatch();
    // Starts the emulator on the selected image.
    void playImage();
    // The command that plays images.
    void chooseEmulator();
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
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The generated form.
    std::unique_ptr<Ui::MainWindow> mUi;
    void aboutToSave() override;
    void saved() override;
    void fillRecentMenu();
    void openRecent(const QString& fileName);
    void setEditorItems(unsigned items);
    void showGame(const std::string& serial);
    void route(EditorItem item);

    // The serial of the selected image, as its selection read it: no editor
    // writes the header's serial.
    std::string mSerial;
    std::unique_ptr<ImageSession> mSession;
    EditorMemory mEditorMemory;
    bool mMegaDriveHeader = false;

    struct HeaderSum;
    std::unique_ptr<HeaderSum> mHeaderSum;
    // Counts the header sums started: only the latest one is shown.
    quint64 mHeaderRequest = 0;
    bool mPainted = false;
};
