// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/detection.h"
#include "core/editormodel.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class RomFile;

// What one Save wrote: how many values changed, and whether the header's
// checksum was repaired (Fix Checksum ticked and the header needed it).
struct SaveReport
{
    std::size_t values = 0;
    bool fixChecksum = false;
    bool checksumRepaired = false;
};

// One selected image: its path, what its detection found, the user's
// choices for its Saves and whether it was backed up since it was
// selected. Owned by what selected it (the main window, a korvane-tool
// command) and handed to each editor of the image; every Save of the image
// goes through save().
class ImageSession
{
public:
    // What the session tells its owner about Saves.
    class Listener
    {
    public:
        virtual ~Listener() = default;
        // Before a Save opens the image: let go of it. models are what the
        // Save writes; false refuses the Save (it then throws KorvaneError
        // "The Save was cancelled; nothing was written"), before anything is
        // written.
        virtual bool aboutToSave(const std::vector<EditorModel*>& models)
        {
            (void)models;
            return true;
        }
        // A Save of models completed.
        virtual void saved(const std::vector<EditorModel*>& models, const SaveReport& report)
        {
            (void)models;
            (void)report;
        }
    };

    // The image at path as detection found it. path is in the file system's
    // encoding.
    ImageSession(std::string path, const Detection& detection);

    const std::string& path() const { return mPath; }
    const std::string& gameCode() const { return mGameCode; }
    // Windows-1252, as the game table names it.
    const std::string& gameName() const { return mGameName; }
    std::uint32_t size() const { return mSize; }
    // The image can be read but not written: editors show it, none saves.
    bool readOnly() const { return mReadOnly; }
    bool fixChecksum() const { return mFixChecksum; }

    // "Fix Checksum": every Save repairs the header.
    void setFixChecksum(bool fix) { mFixChecksum = fix; }
    // "Back Up Before Saving": the first Save after the selection copies the
    // image to "<image>.bak" first (BackUp).
    void setBackUp(bool backUp) { mBackUp = backUp; }
    void setListener(Listener* listener) { mListener = listener; }
    // Where the values that moved in this image lie (its layout file): every
    // model read from now on reads and writes them there.
    void setMoves(ValueMoves moves) { mMoves = std::make_shared<const ValueMoves>(std::move(moves)); }

    // Reads model from the image, at the session's moves, through one open
    // for reading shared with other readers. Throws "Cannot open file <path>" and the model's read
    // errors.
    void read(EditorModel& model) const;

    // One Save of models as one transaction. Refuses, writing nothing, a
    // model that could not read what it needs or would write over a suspect
    // value not allowed (EditorModel::blockedChanges); then holds the image open
    // exclusively from the first check to the flush: check (when given) and
    // each model's check of the image (EditorModel::checkImage), the backup when chosen and not yet made, each model's writes in
    // order, FixChecksum when chosen or else a flush, and the snapshots taken
    // again. Errors propagate; what was written before one counts as
    // written. Throws "Cannot open file <path>" when the image cannot be
    // opened.
    SaveReport save(const std::vector<EditorModel*>& models, const std::function<void(RomFile&)>& check = {});
    SaveReport save(EditorModel& model) { return save(std::vector<EditorModel*>{&model}); }

    // Repairs the header now, as a Save with Fix Checksum ticked and nothing
    // else to write (the backup first, when chosen and not yet made).
    SaveReport repairChecksum();

    // The image with the changes models want, written to target (a new file
    // or one replaced whole), the image itself untouched: each model's check
    // of the image, the copy, the models' writes into it and, with repair,
    // the copy's header repaired. The models then read the image again:
    // what they want is taken again at their next Save. target is never the
    // image; a copy that fails halfway is removed. Throws as save does.
    SaveReport saveCopy(const std::vector<EditorModel*>& models, const std::string& target, bool repair);

private:
    SaveReport write(const std::vector<EditorModel*>& models, const std::function<void(RomFile&)>& check, bool fix);
    void refuseUnread(const std::vector<EditorModel*>& models) const;
    // Refuses a Save over a suspect value not allowed, naming each.
    void refuseBlocked(const std::vector<EditorModel*>& models) const;
    void backUp(RomFile& file);

    std::string mPath;
    std::string mGameCode;
    std::string mGameName;
    std::uint32_t mSize = 0;
    bool mReadOnly = false;
    bool mFixChecksum = false;
    bool mBackUp = false;
    bool mBackedUp = false;
    Listener* mListener = nullptr;
    std::shared_ptr<const ValueMoves> mMoves = std::make_shared<const ValueMoves>();
};

// "<image>.orig.bak": the image as it was before the program first wrote it.
std::string OriginalBackupOf(const std::string& path);
