// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/platform/files.h"
#include "core/romfile.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Reads size (1 to 4) bytes of file at offset, the first byte in the
// lowest-order position of the result. Throws KorvaneError "Stream read
// error" when fewer than size bytes lie at offset.
std::uint32_t ReadRomValue(RomFile& file, std::int64_t offset, int size);
// The same through an open of path of its own for that one read, shared
// with other readers. Throws "Cannot open file <path>" when the file cannot
// be opened for reading.
std::uint32_t ReadRomValue(const std::string& path, std::int32_t offset, int size);

// Writes the count (1 to 4) lowest-order bytes of value at offset of file,
// lowest first, in one write; a write at or past the end extends the file.
// Throws "Stream write error".
void WriteRomBytes(RomFile& file, std::int64_t offset, int count, std::uint32_t value);
// The same through an exclusive open of path of its own. Throws "Cannot
// open file <path>" too.
void WriteRomBytes(const std::string& path, std::int32_t offset, int count, std::uint32_t value);

// Writes bytes at offset in one write, in the order given. Throws as
// WriteRomBytes.
void WriteRomData(RomFile& file, std::int64_t offset, const std::string& bytes);

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

// Size of the file in bytes. Throws "The file is too large for a cartridge
// image (4 GiB or more)" for a file of 4 GiB or more, whose size the header
// cannot hold.
std::uint32_t RomFileSize(RomFile& file);
// The same through a shared open for reading as ReadRomValue's. Throws
// "Cannot open file <path>" too.
std::uint32_t RomFileSize(const std::string& path);

// Flushes what was written to file to the disk. Throws the byte-file
// message of the failure.
void FlushRomFile(RomFile& file);

// Throws the byte-file message of an errno value: "File not found",
// "Invalid filename", "Too many open files", "File access denied",
// "Disk full", or "I/O error <n>".
[[noreturn]] void ThrowFileError(int err);

