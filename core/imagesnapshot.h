// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class RomFile;

// The report of a Save refused because the image is not the one the window
// read: another program shortened, replaced or rewrote it meanwhile.
inline constexpr const char* kImageChangedMessage =
    "The image was changed by another program since this window read it. Nothing was saved: close the window and "
    "open it again";

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
    // a shorter file) of path, with one open for reading, shared with other
    // readers. Throws "Cannot open file <path>".
    void take(const std::string& path);

    // With one exclusive open of path: checks that it has the size and the
    // serial taken, and that each value lies inside it and still holds the
    // bytes read (one read a value). Throws kImageChangedMessage when
    // anything differs, "Cannot open file <path>" when it cannot be opened.
    void check(const std::string& path, const std::vector<Value>& values) const;
    // The same on a file the caller holds open.
    void check(RomFile& file, const std::vector<Value>& values) const;

private:
    std::int64_t mSize = -1;
    std::string mSerial;
    std::string mPath;
};

// The bytes of a big-endian word, as an ImageSnapshot value holds them.
std::string WordBytes(std::uint16_t word);

// Called with the image's path and the file the Save holds open by every
// check that passed, so before a Save's first write: the window layer backs
// the image up there, reading it through that file (on Windows no other
// open of it is possible meanwhile). An error it throws refuses the Save.
// Nothing is called by default.
using BeforeWriteHook = std::function<void(const std::string& path, RomFile& file)>;
void SetBeforeWriteHook(BeforeWriteHook hook);
