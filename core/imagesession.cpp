// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/imagesession.h"

#include "core/checksum.h"
#include "core/editormodel.h"
#include "core/korvaneerror.h"
#include "core/patchfiles.h"
#include "core/platform/files.h"
#include "core/romfile.h"
#include "core/translate.h"

ImageSession::ImageSession(std::string path, const Detection& detection)
    : mPath(std::move(path)),
      mGameCode(detection.game->code),
      mGameName(detection.game->name),
      mSize(detection.romSize),
      mReadOnly(detection.readOnly)
{
}

void ImageSession::read(EditorModel& model) const
{
    RomFile file(mPath, RomFile::Access::Read);
    file.requireOpen(mPath);
    model.setMoves(mMoves);
    model.read(file);
}

void ImageSession::refuseUnread(const std::vector<EditorModel*>& models) const
{
    // An opening that could not read the file leaves nothing to save; the
    // header repair and the success message would claim otherwise.
    for (const EditorModel* model : models) {
        if (const std::string refusal = model->unreadRefusal(); !refusal.empty())
            throw KorvaneError(refusal);
    }
}

void ImageSession::refuseBlocked(const std::vector<EditorModel*>& models) const
{
    // What was read at a suspect value's address is likely code or data
    // of another kind; only "Edit anyway" writes over it.
    std::string blocked;
    for (const EditorModel* model : models) {
        for (const SuspectValue& value : model->blockedChanges())
            blocked += (blocked.empty() ? "" : "; ") + value.text();
    }
    if (!blocked.empty())
        throw KorvaneError(Substituted(
            Translated("ImageSession", "%1. Nothing was saved: choose \"Edit anyway\" for such a value to write it"),
            {blocked}));
}

namespace {

std::size_t countChanges(const std::vector<EditorModel*>& models)
{
    std::size_t count = 0;
    for (const EditorModel* model : models)
        count += model->changes().size();
    return count;
}

// Why original, where the first backup of image is kept, cannot be kept,
// with %1 where its path goes; empty when it can.
std::string unkeptOriginal(const std::string& original, const std::string& image, FileKind kind)
{
    switch (kind) {
    case FileKind::None:
        break;
    case FileKind::Regular:
        if (SameFile(original, image)) {
            return Translated("ImageSession", "%1 is a link to the image itself: the original cannot be kept; move it "
                                              "away or turn backups off");
        }
        break;
    case FileKind::Folder:
        return Translated("ImageSession",
                          "%1 is a folder: the original cannot be kept; move it away or turn backups off");
    case FileKind::Fifo:
        return Translated("ImageSession",
                          "%1 is a FIFO: the original cannot be kept; move it away or turn backups off");
    case FileKind::Device:
        return Translated("ImageSession",
                          "%1 is a device: the original cannot be kept; move it away or turn backups off");
    case FileKind::Socket:
        return Translated("ImageSession",
                          "%1 is a socket: the original cannot be kept; move it away or turn backups off");
    case FileKind::Other:
        return Translated("ImageSession",
                          "%1 is no regular file: the original cannot be kept; move it away or turn backups off");
    }
    return {};
}

} // namespace

SaveReport ImageSession::save(const std::vector<EditorModel*>& models, const std::function<void(RomFile&)>& check)
{
    return write(models, check, mFixChecksum);
}

SaveReport ImageSession::repairChecksum()
{
    return write({}, {}, true);
}

SaveReport ImageSession::write(const std::vector<EditorModel*>& models, const std::function<void(RomFile&)>& check,
                               bool fix)
{
    refuseUnread(models);
    refuseBlocked(models);
    if (mListener && !mListener->aboutToSave(models))
        throw KorvaneError(Translated("ImageSession", "The Save was cancelled; nothing was written"));
    SaveReport report;
    report.fixChecksum = fix;
    // What a killed run of a backup left beside the image.
    const std::size_t slash = mPath.find_last_of("/\\");
    RemoveStaleTemporaries(slash == std::string::npos ? std::string() : mPath.substr(0, slash + 1));
    {
        // One exclusive open from the first check to the flush: another
        // program never sees part of a Save, and a lock it takes meanwhile
        // cannot fail a Save halfway.
        RomFile file(mPath, RomFile::Access::Write);
        file.requireOpen(mPath);
        if (check)
            check(file);
        for (const EditorModel* model : models)
            model->checkImage(file);
        if (mBackUp && !mBackedUp)
            backUp(file);
        report.values = countChanges(models);
        for (EditorModel* model : models)
            model->write(file);
        // Durable before it is called saved.
        report.checksumRepaired = FinishImageWrites(file, fix);
        for (EditorModel* model : models)
            model->retake(file);
    }
    // The image is let go before anyone is told.
    if (mListener)
        mListener->saved(models, report);
    return report;
}

SaveReport ImageSession::saveCopy(const std::vector<EditorModel*>& models, const std::string& target, bool repair)
{
    refuseUnread(models);
    refuseBlocked(models);
    if (SameFile(target, mPath))
        throw KorvaneError(
            Translated("ImageSession", "A copy cannot be written over the image itself; nothing was written"));
    SaveReport report;
    report.fixChecksum = repair;
    report.values = countChanges(models);
    {
        RomFile image(mPath, RomFile::Access::Read);
        image.requireOpen(mPath);
        for (const EditorModel* model : models)
            model->checkImage(image);
        CopyOpenFile(image, target, {mPath});
    }
    try {
        RomFile copy(target, RomFile::Access::Write);
        copy.requireOpen(target);
        for (EditorModel* model : models)
            model->write(copy);
        report.checksumRepaired = FinishImageWrites(copy, repair);
    } catch (const KorvaneError&) {
        RemoveFile(target);
        for (EditorModel* model : models)
            read(*model);
        throw;
    }
    // Their writes counted the copy's values as the image's.
    for (EditorModel* model : models)
        read(*model);
    return report;
}

void ImageSession::backUp(RomFile& file)
{
    const std::string backup = mPath + ".bak";
    const std::string original = OriginalBackupOf(mPath);
    // The kept original is a regular file of its own, or nothing is written.
    const FileKind kind = KindOfFile(original);
    if (const std::string refusal = unkeptOriginal(original, mPath, kind); !refusal.empty())
        throw KorvaneError(Substituted(refusal, {original}));
    std::string target = backup;
    try {
        // A backup that is a link to the image or to the kept original
        // replaces the link, never the file it points to.
        CopyOpenFile(file, backup, {mPath, original});
        // The first backup ever made stays: never replaced, never removed.
        target = original;
        if (kind == FileKind::None)
            CopyOpenFile(file, original, {mPath});
    } catch (const KorvaneError& e) {
        throw KorvaneError(Substituted(Translated("ImageSession",
                                                  "The image could not be backed up to %1 (%2), so nothing was saved. "
                                                  "Untick \"Back Up Before Saving\" to save without a backup"),
                                       {target, e.what()}));
    }
    mBackedUp = true;
}

std::string OriginalBackupOf(const std::string& path)
{
    return path + ".orig.bak";
}
