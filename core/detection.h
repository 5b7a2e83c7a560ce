// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// Items of the Editor menu, as bits of a set.
enum EditorItem : unsigned {
    ItemViewerArt = 1u << 0,
    ItemEditorWater = 1u << 1,
    ItemEditorDemos = 1u << 2,
    ItemEditorBosses = 1u << 3,
    ItemEditorText = 1u << 4,
    ItemEditorPal = 1u << 5,
    ItemEditorDisasm = 1u << 6,
};

// Header serials (14 bytes at 0x180; the lock-on cartridge carries a second
// header at 0x200180).
inline constexpr const char* kSerialP1 = "GM 00001009-00";
inline constexpr const char* kSerialP1JP2B = "GM 00004049-01";
inline constexpr const char* kSerialP2 = "GM 00001051-01";
inline constexpr const char* kSerialP3 = "GM MK-1079 -00";
inline constexpr const char* kSerialChaotix = "GM MK-84503-00";
inline constexpr const char* kSerialLockOn = "GM MK-1563 -00";

inline constexpr std::int32_t kSerialOffset = 0x180;
inline constexpr std::int32_t kSerialLength = 14;
inline constexpr std::int32_t kVariantOffset = 0x16F;
inline constexpr std::uint32_t kLockOnSize = 0x200000;
inline constexpr std::int32_t kSecondSerialOffset = 0x200180;
// The vectors and the header: the least a cartridge image holds.
inline constexpr std::uint32_t kMinImageSize = 0x200;

// One game the detection can name. name is Windows-1252.
struct GameInfo
{
    const char* code;
    const char* name;
};

// The game of a code; the "un" game for a code it does not know.
const GameInfo& GameByCode(const std::string& code);

struct Detection
{
    std::string serial; // always 14 bytes
    std::uint32_t romSize = 0;
    const GameInfo* game = nullptr;
    // The file can be read but not written (RomFile::Writable).
    bool readOnly = false;
    // "SEGA" (or " SEG") at 0x100, as the console tests it.
    bool megaDriveHeader = false;
};

// Reads the header of the file path through ReadRomValue, one byte at a
// time (size, serial, magic, the console's "SEGA", then the byte at 0x16F or
// the second serial where the serial asks for them), and names the game. A
// file shorter than kMinImageSize is refused with TooShortMessage; read
// errors propagate as KorvaneError ("Cannot open file <path>" first).
Detection DetectGame(const std::string& path);
// The same on file, open as path.
class RomFile;
Detection DetectGame(RomFile& file, const std::string& path);

// "PATH is 6 bytes: too short for a Mega Drive image (at least 512 bytes)."
std::string TooShortMessage(const std::string& path, std::uint32_t size);

// The serial as the header panel shows it: Windows-1252 bytes decoded, any
// byte that is not printable text shown as ".".
std::string PrintableSerial(const std::string& serial);
