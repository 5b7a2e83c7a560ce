// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <cstdint>
#include <string>

// Recomputes the header of the file at path: the big-endian 16-bit sum of
// the words from 0x200 to the end (a final odd byte counts as the high byte
// of a word) at 0x18E, and the offset of the last byte at 0x1A4. An odd-sized
// file is first given a 0x00 byte at its end. Files of 0x200 bytes or fewer
// are left unchanged, and so is a header that already holds both values.
// The file is opened exclusively for writing (no other program reads it
// meanwhile) and flushed to the disk when anything was written. Returns
// whether it wrote.
// Throws KorvaneError with the byte-file messages ("File not found", "File
// access denied" also when another program holds the file locked, "Disk
// full", "I/O error <n>", ...).
// With before, also gives the header as it was, from the same pass over
// the image (what ReadHeaderState would have given).
struct HeaderState;
class RomFile;
bool FixChecksum(const std::string& path, HeaderState* before = nullptr);
// The same on a file open for writing.
bool FixChecksum(RomFile& file, HeaderState* before = nullptr);

// The end of every save into file: FixChecksum when repairHeader, and a
// flush of the image to the disk unless the repair wrote and flushed it.
// Throws the errors of either. True when the repair changed the header.
bool FinishImageWrites(RomFile& file, bool repairHeader);

// The header fields FixChecksum writes, as the file holds them and as the
// repair would store them.
struct HeaderState
{
    std::int64_t size = 0;
    std::uint16_t storedChecksum = 0;   // 0 where the file ends before it
    std::uint32_t storedRomEnd = 0;     // 0 where the file ends before it
    bool summed = false;                // false for files of 0x200 bytes or fewer, which the repair leaves alone
    std::uint16_t computedChecksum = 0; // when summed
    std::uint32_t expectedRomEnd = 0;   // when summed: the last offset after the repair (odd sizes gain a byte)

    bool checksumOk() const { return summed && storedChecksum == computedChecksum; }
    bool romEndOk() const { return summed && storedRomEnd == expectedRomEnd; }
};

// Reads the header fields and sums the image at path as FixChecksum does,
// writing nothing (one shared open). Throws the byte-file messages, and
// "Stopped" as soon as *stop is set, which another thread may do.
HeaderState ReadHeaderState(const std::string& path, const std::atomic_bool* stop = nullptr);

// Whether path holds a Mega Drive cartridge image as the console tells one:
// at least the 0x200 bytes up to the end of the header, and "SEGA" (or
// " SEG", as some headers start " SEGA") at 0x100. Throws OpenError when
// the file cannot be read.
bool IsCartridgeImage(const std::string& path);
// What is said of a file IsCartridgeImage refuses, in the user's language.
std::string NotCartridgeMessage();
