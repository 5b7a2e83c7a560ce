// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/romaccess.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

class RomFile;

class QObject;
class QWidget;

// What a Save needs of the main window, offered by it while it lives:
// whether "Fix Checksum" and "Back Up Before Saving" are ticked, who
// wants to know that a Save completed, and who reads the image meanwhile. Without them, or once owner is
// gone, both count as unticked. The last call wins.
struct SaveOptions
{
    std::function<bool()> fixChecksum;
    std::function<bool()> backUp;
    std::function<void()> saved;
    // Called before a Save opens the image, to let go of it.
    std::function<void()> beforeOpen;
};
void SetSaveOptions(QObject* owner, SaveOptions options);

// One editor's Save into the selected image, as one transaction: made
// before the Save's first check, it holds the image open exclusively (an
// ImageTransaction) until finish() or its end, so the checks, the backup,
// every write, the header repair and the flush all go through that one open.
// Throws "Cannot open file <path>" when the image cannot be opened.
class ImageSave
{
public:
    ImageSave();
    // Once all of the Save's writes succeeded: FixChecksum when "Fix
    // Checksum" is ticked, a flush of the image to the disk unless the repair
    // wrote and flushed it, then retake(path), still on the same open (the
    // models take their snapshots again), then the image is let go and the
    // message and the saved notice follow. An error of any step propagates
    // and the message is not shown.
    void finish(const std::function<void(const std::string& path)>& retake,
                const QString& message = QStringLiteral("ROM Saved!"));

private:
    std::optional<ImageTransaction> mTransaction;
};

// The copy of the image to "<image>.bak", made before the first write into
// it after it was selected when "Back Up Before Saving" is ticked: through
// a new file renamed into place, an older backup replaced. The first backup
// ever made of the image is also kept as OriginalBackupOf(path), which is
// never replaced or removed. Installed by the application as the hook of
// every Save's check. Throws KorvaneError, so that the Save writes nothing,
// when a copy fails.
void BackUpBeforeFirstWrite(const std::string& path, RomFile& file);
// "<image>.orig.bak": the image as it was before the program first wrote it.
std::string OriginalBackupOf(const std::string& path);
// A new image is selected: its first Save backs it up.
void ForgetBackup();

// An editor window opened on a read-only image (Rom.ReadOnly): its Save
// buttons are off with a tooltip that says why, and its title says
// "(read-only)". Does nothing for a writable image or a window without a
// Save button.
void ShowReadOnly(QWidget* window);
