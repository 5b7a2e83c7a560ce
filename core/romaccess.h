// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/files.h"
#include "core/romfile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The process-wide record of the selected ROM. Strings hold bytes: RomPath is
// the file name in the file system's encoding, GameName is Windows-1252.
struct RomRecord
{
    std::string RomPath;
    std::string GameCode;
    std::string GameName;
    std::string ExeDir; // the folder holding korvane/, with a trailing '/' (FindSupportBase)
    std::uint32_t RomSize = 0;
    bool OpenedFromMenu = false;
    // The image can be read but not written: editors show it, none saves.
    bool ReadOnly = false;
};

extern RomRecord Rom;

// One exclusive open of the image held for a whole Save, from its first check
// to its flush. While it lives, every access of this thread to the same path
// (the reads and writes below, the snapshots, FixChecksum, the flush) goes
// through it instead of opening the file again: another program never sees
// part of a Save, and a lock it takes meanwhile cannot fail a Save halfway.
// Throws "Cannot open file <path>" when the open fails. A transaction on a
// path this thread already holds shares the outer one's open.
class ImageTransaction
{
public:
    explicit ImageTransaction(const std::string& path);
    ~ImageTransaction();
    ImageTransaction(const ImageTransaction&) = delete;
    ImageTransaction& operator=(const ImageTransaction&) = delete;

    RomFile& file() { return *mFile; }
    // The open of the transaction this thread holds on path, or nullptr.
    static RomFile* Of(const std::string& path);

private:
    std::string mPath;
    std::optional<RomFile> mOwn;
    RomFile* mFile = nullptr;
    ImageTransaction* mOuter = nullptr;
};

// The file for one access to the image at path: the open of the
// transaction holding path, else an open of its own with access.
class ImageAccess
{
public:
    ImageAccess(const std::string& path, RomFile::Access access);
    RomFile& operator*() { return *mFile; }
    RomFile* operator->() { return mFile; }

private:
    std::optional<RomFile> mOwn;
    RomFile* mFile = nullptr;
};

// Reads size (1 to 4) bytes of the file path at offset, the first byte in the
// lowest-order position of the result. Opens the file for reading, shared
// with other readers, for that one read (or reads through the transaction
// holding path). Throws KorvaneError "Cannot open file <path>" when the file
// cannot be opened for reading, "Stream read error" when fewer than size
// bytes lie at offset.
std::uint32_t ReadRomValue(const std::string& path, std::int32_t offset, int size);
// Short form on Rom.RomPath.
std::uint32_t ReadRomValue(std::int32_t offset, int size);

// Writes the count (1 to 4) lowest-order bytes of value at offset, lowest
// first, in one write, through one exclusive open for writing (or the
// transaction's); a write at or past the end extends the file. Throws
// "Cannot open file <path>" or "Stream write error".
void WriteRomBytes(const std::string& path, std::int32_t offset, int count, std::uint32_t value);
// Short form on Rom.RomPath.
void WriteRomBytes(std::int32_t offset, int count, std::uint32_t value);

// Writes bytes at offset in one write, in the order given. Throws as
// WriteRomBytes.
void WriteRomData(const std::string& path, std::int64_t offset, const std::string& bytes);

// Byte-order reversal of the low 16 bits; the upper 16 bits of the result
// are zero (0x12345678 gives 0x7856).
constexpr std::uint32_t SwapWord(std::uint32_t x)
{
    return ((x & 0xFFu) << 8) | ((x >> 8) & 0xFFu);
}

// Byte-order reversal of all four bytes (0x12345678 gives 0x78563412).
constexpr std::uint32_t SwapLong(std::uint32_t x)
{
    return ((x & 0xFFu) << 24) | ((x & 0xFF00u) << 8) | ((x >> 8) & 0xFF00u) | (x >> 24);
}

// Size of the file in bytes, through a shared open for reading as
// ReadRomValue's. Throws "Cannot open file <path>", and kTooLargeMessage for a
// file of 4 GiB or more, whose size the header cannot hold.
std::uint32_t RomFileSize(const std::string& path);
inline constexpr const char* kTooLargeMessage = "The file is too large for a cartridge image (4 GiB or more)";

// Flushes what was written to the file to the disk, through one exclusive
// open. Throws "Cannot open file <path>" or the byte-file message of the
// failure.
void FlushRomFile(const std::string& path);

// Throws the byte-file message of an errno value: "File not found",
// "Invalid filename", "Too many open files", "File access denied",
// "Disk full", or "I/O error <n>".
[[noreturn]] void ThrowFileError(int err);

