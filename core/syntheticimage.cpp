// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/syntheticimage.h"

#include "core/platform/files.h"
#include "core/romfile.h"

#include <stdexcept>

SyntheticImage::SyntheticImage(std::size_t size, std::uint8_t fill) : mData(size, fill) {}

SyntheticImage& SyntheticImage::bytes(std::size_t offset, const std::vector<std::uint8_t>& values)
{
    if (offset + values.size() > mData.size())
        mData.resize(offset + values.size(), 0);
    std::copy(values.begin(), values.end(), mData.begin() + static_cast<std::ptrdiff_t>(offset));
    return *this;
}

SyntheticImage& SyntheticImage::insert(std::size_t offset, const std::vector<std::uint8_t>& values)
{
    const std::size_t size = mData.size();
    mData.insert(mData.begin() + static_cast<std::ptrdiff_t>(offset), values.begin(), values.end());
    mData.resize(size);
    return *this;
}

SyntheticImage& SyntheticImage::resize(std::size_t size, std::uint8_t fill)
{
    mData.resize(size, fill);
    return *this;
}

std::vector<std::uint8_t> SyntheticImage::slice(std::size_t offset, std::size_t count) const
{
    const auto from = mData.begin() + static_cast<std::ptrdiff_t>(offset);
    return std::vector<std::uint8_t>(from, from + static_cast<std::ptrdiff_t>(count));
}

SyntheticImage& SyntheticImage::text(std::size_t offset, const std::string& value)
{
    return bytes(offset, std::vector<std::uint8_t>(value.begin(), value.end()));
}

SyntheticImage& SyntheticImage::byte(std::size_t offset, std::uint8_t value)
{
    return bytes(offset, {value});
}

SyntheticImage& SyntheticImage::word(std::size_t offset, std::uint16_t value)
{
    return bytes(offset, {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

SyntheticImage& SyntheticImage::longword(std::size_t offset, std::uint32_t value)
{
    return bytes(offset, {static_cast<std::uint8_t>(value >> 24), static_cast<std::uint8_t>(value >> 16),
                          static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value)});
}

SyntheticImage& SyntheticImage::serial(const std::string& value)
{
    return text(0x180, value);
}

SyntheticImage& SyntheticImage::secondSerial(const std::string& value)
{
    return text(0x200180, value);
}

SyntheticImage& SyntheticImage::validChecksum()
{
    if (mData.size() <= 0x200 || mData.size() % 2 != 0)
        throw std::logic_error("validChecksum needs an even image above 0x200 bytes");
    std::uint16_t sum = 0;
    for (std::size_t i = 0x200; i < mData.size(); i += 2)
        sum = static_cast<std::uint16_t>(sum + (mData[i] << 8 | mData[i + 1]));
    word(0x18E, sum);
    return longword(0x1A4, static_cast<std::uint32_t>(mData.size() - 1));
}

std::uint16_t SyntheticImage::wordAt(std::size_t offset) const
{
    return static_cast<std::uint16_t>(mData.at(offset) << 8 | mData.at(offset + 1));
}

void SyntheticImage::save(const std::string& path) const
{
    // Whole or not at all, as every file the programs write.
    if (const int error = ReplaceFileContents(path, mData.data(), mData.size()); error != 0)
        throw std::runtime_error("cannot write " + path + ": " + SystemErrorText(error));
}
