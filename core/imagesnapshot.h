// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

class RomFile;

// The report of a Save refused because the image is not the one the window
// read: another program shortened, replaced or rewrote it meanwhile.
std::string ImageChangedMessage();

// What identifies the image a model read, so that a Save can tell whether
// the file is still that image before it writes anything.
class ImageSnapshot
{
public:
    // One value a Save is about to write: where it lies and the bytes the
    // file held there when it was read, in file order.
    struct Value
    {
        std::int64_t offset;
        std::string bytes;
    };

    // Takes the size and the header serial (the 14 bytes at 0x180, fewer in
    // a shorter file) of file. Throws "Stream read error".
    void take(RomFile& file);

    // Checks that file has the size and the serial taken, and that each
    // value lies inside it and still holds the bytes read (one read a
    // value). Throws ImageChangedMessage when anything differs.
    void check(RomFile& file, const std::vector<Value>& values) const;

private:
    std::int64_t mSize = -1;
    std::string mSerial;
};

// The bytes of a big-endian word, as an ImageSnapshot value holds them.
std::string WordBytes(std::uint16_t word);
