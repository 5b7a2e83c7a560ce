// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/files.h"

#include <cstddef>
#include <cstdint>
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

// Reads size (1 to 4) bytes of the file path at offset, the first byte in the
// lowest-order position of the result. Opens the file exclusively for that
// one read. Throws KorvaneError "Cannot open file <path>" when the file cannot
// be opened for reading and writing, "Stream read error" when fewer than size
// bytes lie at offset.
std::uint32_t ReadRomValue(const std::string& path, std::int32_t offset, int size);
// Short form on Rom.RomPath.
std::uint32_t ReadRomValue(std::int32_t offset, int size);

// Writes the count (1 to 4) lowest-order bytes of value at offset, lowest
// first, in one write. Exclusive open as ReadRomValue; a write at or past the
// end extends the file. Throws "Cannot open file <path>" or
// "Stream write error".
void WriteRomBytes(const std::string& path, std::int32_t offset, int count, std::uint32_t value);
// Short form on Rom.RomPath.
void WriteRomBytes(std::int32_t offset, int count, std::uint32_t value);

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

// Size of the file in bytes, through the same exclusive open as
// ReadRomValue. Throws "Cannot open file <path>", and kTooLargeMessage for a
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

