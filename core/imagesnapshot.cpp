// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/imagesnapshot.h"

#include "core/korvaneerror.h"
#include "core/romfile.h"
#include "core/translate.h"

#include <algorithm>

namespace {

constexpr std::int64_t kSerialAt = 0x180;
constexpr std::int64_t kSerialSize = 14;

// The serial bytes of an open file of size bytes; empty on a read error.
std::string serialOf(RomFile& file, std::int64_t size)
{
    std::string serial(static_cast<std::size_t>(std::clamp<std::int64_t>(size - kSerialAt, 0, kSerialSize)), '\0');
    if (!serial.empty() && file.readAt(kSerialAt, serial.data(), serial.size())
                               != static_cast<std::ptrdiff_t>(serial.size()))
        return {};
    return serial;
}

} // namespace

std::string ImageChangedMessage()
{
    return Translated("ImageSnapshot",
                      "The image was changed by another program since this window read it. Nothing was saved: close "
                      "the window and open it again");
}

void ImageSnapshot::take(RomFile& file)
{
    mSize = -1;
    const std::int64_t size = file.size();
    if (size < 0)
        throw KorvaneError(Translated("Files", "Stream read error"));
    mSerial = serialOf(file, size);
    mSize = size;
}

void ImageSnapshot::check(RomFile& file, const std::vector<Value>& values) const
{
    const std::int64_t size = file.size();
    if (mSize < 0 || size != mSize || serialOf(file, size) != mSerial)
        throw KorvaneError(ImageChangedMessage());
    for (const Value& value : values) {
        const auto count = static_cast<std::int64_t>(value.bytes.size());
        // Never a write at or past the end of the file.
        if (value.offset < 0 || value.offset + count > size)
            throw KorvaneError(ImageChangedMessage());
        std::string now(value.bytes.size(), '\0');
        if (file.readAt(value.offset, now.data(), now.size()) != static_cast<std::ptrdiff_t>(now.size())
            || now != value.bytes)
            throw KorvaneError(ImageChangedMessage());
    }
}

std::string WordBytes(std::uint16_t word)
{
    return {static_cast<char>(word >> 8), static_cast<char>(word & 0xFF)};
}
