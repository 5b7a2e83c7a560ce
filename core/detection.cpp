// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/detection.h"

#include "core/codepage.h"
#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "core/romfile.h"
#include "core/translate.h"

#include <array>

namespace {

constexpr std::array<GameInfo, 12> kGames = {{
    {"gst", "Genecyst Save State"},
    {"p1", "Pelbo 1"},
    {"p1j", "Pelbo 1 J"},
    {"p2b", "Pelbo 2 \xDF" "eta"},
    {"p2", "Pelbo 2"},
    {"p3", "Pelbo 3"},
    {"chaotix", "Knuckles Chaotix"},
    {"p1k", "Pelbo Special Stages"},
    {"p2k", "Knuckles in Pelbo 2"},
    {"p3k", "Pelbo 3 and Knuckles"},
    {"pk", "Pelbo & Knuckles"},
    {"un", "Unknown"},
}};

struct SerialRow
{
    const char* serial;
    const char* code;
};

// Serials that name a game on their own.
constexpr std::array<SerialRow, 4> kSerials = {{
    {kSerialP1, "p1"},
    {kSerialP2, "p2"},
    {kSerialP3, "p3"},
    {kSerialChaotix, "chaotix"},
}};

// Second serials of the lock-on cartridge, above its first 2 MiB.
constexpr std::array<SerialRow, 3> kLockOnSerials = {{
    {kSerialP1, "p1k"},
    {kSerialP2, "p2k"},
    {kSerialP3, "p3k"},
}};

std::string readBytes(RomFile& file, std::int32_t offset, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += static_cast<char>(ReadRomValue(file, offset + i, 1));
    return text;
}

} // namespace

const GameInfo& GameByCode(const std::string& code)
{
    for (const GameInfo& game : kGames) {
        if (code == game.code)
            return game;
    }
    return kGames.back();
}

Detection DetectGame(const std::string& path)
{
    RomFile file(path, RomFile::Access::Read);
    file.requireOpen(path);
    return DetectGame(file, path);
}

Detection DetectGame(RomFile& file, const std::string& path)
{
    Detection d;
    d.romSize = RomFileSize(file);
    if (d.romSize < kMinImageSize)
        throw KorvaneError(TooShortMessage(path, d.romSize));
    d.serial = readBytes(file, kSerialOffset, kSerialLength);
    const std::string magic = readBytes(file, 0, 3);
    const std::string console = readBytes(file, 0x100, 4);
    d.megaDriveHeader = console == "SEGA" || console == " SEG";

    std::string code = "un";
    if (magic == "GST") {
        code = "gst";
    } else if (d.serial == kSerialP1JP2B) {
        const auto variant = static_cast<char>(ReadRomValue(file, kVariantOffset, 1));
        code = variant == 'G' ? "p1j" : variant == '2' ? "p2b" : "un";
    } else if (d.serial == kSerialLockOn) {
        if (d.romSize > kLockOnSize) {
            const std::string second = readBytes(file, kSecondSerialOffset, kSerialLength);
            code = "pk";
            for (const SerialRow& row : kLockOnSerials) {
                if (second == row.serial)
                    code = row.code;
            }
        }
    } else {
        for (const SerialRow& row : kSerials) {
            if (d.serial == row.serial)
                code = row.code;
        }
    }
    d.game = &GameByCode(code);
    d.readOnly = !RomFile::Writable(path);
    return d;
}

std::string TooShortMessage(const std::string& path, std::uint32_t size)
{
    // size is below kMinImageSize: an int holds it.
    const int count = static_cast<int>(size);
    return Substituted(
        Translated("Detection", "%1 is %n byte(s): too short for a Mega Drive image (at least %2 bytes).", nullptr, count),
        {path, std::to_string(kMinImageSize)});
}

std::string PrintableSerial(const std::string& serial)
{
    std::string shown;
    for (const char c : serial) {
        const auto byte = static_cast<unsigned char>(c);
        // Control codes, and the bytes Windows-1252 leaves unassigned.
        const bool printable = byte >= 0x20 && byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F
                               && byte != 0x90 && byte != 0x9D;
        shown += printable ? Cp1252ToUtf8(std::string(1, c)) : std::string(".");
    }
    return shown;
}
