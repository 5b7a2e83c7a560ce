// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/imagesnapshot.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

class RomFile;

// A run of bytes of the image that holds an editor's values.
struct ByteSpan
{
    std::int64_t offset;
    std::int64_t size;
};

// A value that lies elsewhere in a modified image than in the original: the
// size bytes at usual lie at moved instead.
struct ValueMove
{
    std::int64_t usual;
    std::int64_t size;
    std::int64_t moved;
};
using ValueMoves = std::vector<ValueMove>;

// Where the byte usually at usual lies once moves are made.
std::int64_t MovedOffset(const ValueMoves& moves, std::int64_t usual);

// A value read that its editor would not write: what lies at its address is
// likely some other code or data of a modified image.
struct SuspectValue
{
    std::int64_t offset; // where it was read
    std::string found;   // the bytes found, in hexadecimal ("4E75")
    std::string kind;    // what should lie there ("a boss hit count")

    // "at $2EF76: found 4E75, not a boss hit count"
    std::string text() const;
};

// The bytes as upper-case hexadecimal digits, two each.
std::string HexBytes(const std::string& bytes);

// The values one editor reads from an image and writes back, as its window
// and korvane-tool both use them. Each model holds the values read and the
// values wanted; its own setter takes the wanted ones and refuses those that
// break its rules (FieldError) before any Save. ImageSession::save runs a
// Save of any model.
class EditorModel
{
public:
    virtual ~EditorModel() = default;

    // Takes the image's snapshot, then reads the values in the editor's
    // order; the values wanted become the values read. A read error ends it
    // and propagates; the values before it stay read.
    void read(RomFile& file)
    {
        mSnapshot.take(file);
        mAllowed.clear();
        readValues(file);
    }

    // Where the values that moved in this image lie (a layout file), for the
    // reads and writes after this.
    void setMoves(std::shared_ptr<const ValueMoves> moves) { mMoves = std::move(moves); }
    // Where the byte usually at usual lies in this image.
    std::int64_t at(std::int64_t usual) const;

    // The values read that break the rules of writing them, or the structure
    // of their kind.
    virtual std::vector<SuspectValue> suspects() const { return {}; }
    // "Edit anyway": a Save may write over the suspect value at offset. Until
    // the next read.
    void allow(std::int64_t offset) { mAllowed.insert(offset); }
    bool allowed(std::int64_t offset) const { return mAllowed.count(offset) != 0; }
    // The suspect values not allowed that a Save of the wanted values would
    // write over.
    std::vector<SuspectValue> blockedChanges() const;

    // Why a Save refuses whatever is wanted, because not every value it
    // needs was read ("No water row has been read from this ROM; nothing was
    // saved"); empty when it does not.
    virtual std::string unreadRefusal() const = 0;

    // Where the editor's values lie in the image (all of them, read or not).
    virtual std::vector<ByteSpan> spans() const = 0;

    // Each value the wanted ones would change, with the bytes read there.
    virtual std::vector<ImageSnapshot::Value> changes() const = 0;

    // A Save's check on the file it holds open: the image is still the one
    // read, and holds what was read wherever the Save writes. Throws
    // ImageChangedMessage.
    void checkImage(RomFile& file) const { mSnapshot.check(file, changes()); }

    // Writes each wanted value that differs from the one read, in the
    // editor's order; a value written counts as read. A write error ends it
    // and propagates.
    virtual void write(RomFile& file) = 0;

    // Takes the snapshot again once a Save has completed.
    void retake(RomFile& file) { mSnapshot.take(file); }

protected:
    virtual void readValues(RomFile& file) = 0;

private:
    ImageSnapshot mSnapshot;
    std::shared_ptr<const ValueMoves> mMoves;
    std::set<std::int64_t> mAllowed;
};
