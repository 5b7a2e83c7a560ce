// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A cartridge image built in memory: a given size filled with one byte, with
// given bytes at given offsets. Used by the tests and the sample tool; no
// real game data is involved.
class SyntheticImage
{
public:
    explicit SyntheticImage(std::size_t size, std::uint8_t fill = 0);

    // Raw bytes at offset; the image grows when they reach past its end.
    SyntheticImage& bytes(std::size_t offset, const std::vector<std::uint8_t>& values);
    SyntheticImage& text(std::size_t offset, const std::string& value);
    // Bytes put in at offset: every byte from there on moves up by their
    // count, and as many are dropped at the end (the size stays).
    SyntheticImage& insert(std::size_t offset, const std::vector<std::uint8_t>& values);
    // Grows or shrinks the image to size, new bytes filled with fill.
    SyntheticImage& resize(std::size_t size, std::uint8_t fill = 0);
    SyntheticImage& byte(std::size_t offset, std::uint8_t value);
    SyntheticImage& word(std::size_t offset, std::uint16_t value); // big-endian
    SyntheticImage& longword(std::size_t offset, std::uint32_t value); // big-endian
    // The 14-byte serial of the header at 0x180, or of the second header at
    // 0x200180 that the lock-on cartridge carries.
    SyntheticImage& serial(const std::string& value);
    SyntheticImage& secondSerial(const std::string& value);
    // Stores the checksum and the ROM end address the way the header repair
    // computes them (the image must be even-sized).
    SyntheticImage& validChecksum();

    std::uint8_t at(std::size_t offset) const { return mData.at(offset); }
    std::vector<std::uint8_t> slice(std::size_t offset, std::size_t count) const;
    std::uint16_t wordAt(std::size_t offset) const;
    std::size_t size() const { return mData.size(); }
    const std::vector<std::uint8_t>& data() const { return mData; }

    // Writes the image to path, replacing the file; throws std::runtime_error.
    void save(const std::string& path) const;

private:
    std::vector<std::uint8_t> mData;
};
