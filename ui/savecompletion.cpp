// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/savecompletion.h"

#include "core/checksum.h"
#include "core/korvaneerror.h"
#include "core/patchfiles.h"
#include "core/platform/files.h"
#include "core/romaccess.h"
#include "ui/notices.h"
#include "ui/filenames.h"

#include <QByteArray>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QPushButton>

namespace {

QPointer<QObject> gOwner;
SaveOptions gOptions;
// The image backed up since the last selection, if any.
std::string gBackedUp;

bool ticked(const std::function<bool()>& option)
{
    return gOwner && option && option();
}

} // namespace

void SetSaveOptions(QObject* owner, SaveOptions options)
{
    gOwner = owner;
    gOptions = std::move(options);
}

ImageSave::ImageSave()
{
    if (gOwner && gOptions.beforeOpen)
        gOptions.beforeOpen();
    // What a killed run of a backup left beside the image.
    const std::size_t slash = Rom.RomPath.find_last_of("/\\");
    RemoveStaleTemporaries(slash == std::string::npos ? std::string() : Rom.RomPath.substr(0, slash + 1));
    mTransaction.emplace(Rom.RomPath);
}

void ImageSave::finish(const std::function<void(const std::string& path)>& retake, const QString& message)
{
    // Durable before it is called saved.
    FinishImageWrites(Rom.RomPath, ticked(gOptions.fixChecksum));
    if (retake)
        retake(Rom.RomPath);
    // Nobody waits for the image while the message is shown.
    mTransaction.reset();
    ShowMessage(message);
    if (gOwner && gOptions.saved)
        gOptions.saved();
}

void BackUpBeforeFirstWrite(const std::string& path, RomFile& file)
{
    if (!ticked(gOptions.backUp) || gBackedUp == path)
        return;
    const std::string backup = path + ".bak";
    const std::string original = OriginalBackupOf(path);
    // The kept original is a regular file of its own, or nothing is written.
    const FileKind kind = KindOfFile(original);
    const char* what = kind == FileKind::Folder   ? "a folder"
                     : kind == FileKind::Fifo     ? "a FIFO"
                     : kind == FileKind::Device   ? "a device"
                     : kind == FileKind::Socket   ? "a socket"
                     : kind == FileKind::Other    ? "no regular file"
                     : SameFile(original, path) ? "a link to the image itself"
                                                  : nullptr;
    if (kind != FileKind::None && what)
        throw KorvaneError(original + " is " + what
                           + ": the original cannot be kept; move it away or turn backups off");
    std::string target = backup;
    try {
        // A backup that is a link to the image or to the kept original
        // replaces the link, never the file it points to.
        CopyOpenFile(file, backup, {path, original});
        // The first backup ever made stays: never replaced, never removed.
        target = original;
        if (kind == FileKind::None)
            CopyOpenFile(file, original, {path});
    } catch (const KorvaneError& e) {
        throw KorvaneError("The image could not be backed up to " + target + " (" + e.what()
                           + "), so nothing was saved. Untick \"Back Up Before Saving\" to save without a backup");
    }
    gBackedUp = path;
}

std::string OriginalBackupOf(const std::string& path)
{
    return path + ".orig.bak";
}

void ForgetBackup()
{
    gBackedUp.clear();
}

void ShowReadOnly(QWidget* window)
{
    if (!Rom.ReadOnly)
        return;
    // Every editor's Save button says "Save", whatever its name.
    bool any = false;
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        const QString text = button->text().remove(QLatin1Char('&'));
        if (text != QLatin1String("Save") && text != QLatin1String("Save and Play"))
            continue;
        button->setEnabled(false);
        button->setToolTip(QStringLiteral("The image is read-only: it can be looked at, not saved."));
        any = true;
    }
    if (any)
        window->setWindowTitle(window->windowTitle() + QStringLiteral(" (read-only)"));
}
