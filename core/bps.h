// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// BPS patches, as published with their reference patcher: "BPS1", the
// source size, the target size and the metadata size as variable-length
// numbers, the metadata, the actions, then the CRC32 of the source, of the
// target and of the patch before this last field, each little-endian.
//
// An action is a number: its low two bits say what it does, the rest plus
// one how many bytes it makes.
//   SourceRead  the bytes at the same place of the source
//   TargetRead  that many bytes that follow in the patch
//   SourceCopy  bytes of the source from a place moved by a signed number
//               that follows (low bit the sign, the rest the distance)
//   TargetCopy  bytes of the target made so far, likewise
using PatchBytes = std::vector<std::uint8_t>;

// The largest image a patch may make: more than any cartridge, and what a
// patch may claim before its image is allocated.
inline constexpr std::uint64_t kMaxBpsTargetSize = std::uint64_t{256} << 20;
// "the changed image is <size> bytes, larger than any cartridge image"
std::string TooLargeToPatchMessage(std::uint64_t size);

// A patch that makes target from source. Unchanged runs cost a few bytes
// (SourceRead); a run found elsewhere in the source is a SourceCopy, not new
// data.
PatchBytes CreateBpsPatch(const PatchBytes& source, const PatchBytes& target, const std::string& metadata = {});

// What a BPS patch says of itself.
struct BpsInfo
{
    std::uint64_t sourceSize = 0;
    std::uint64_t targetSize = 0;
    std::string metadata;
    std::uint32_t sourceCrc = 0;
    std::uint32_t targetCrc = 0;
    std::uint32_t patchCrc = 0;
    std::size_t actions = 0;
};

// Reads the header, counts the actions and checks the patch's own CRC.
// Throws KorvaneError for a patch that is not BPS, truncated or corrupted.
BpsInfo ReadBpsInfo(const PatchBytes& patch);

// The target the patch makes of source. Everything is checked: the patch's
// CRC and the source's size and CRC before, every action against the sizes,
// the target's CRC after. Throws KorvaneError with the reason.
PatchBytes ApplyBpsPatch(const PatchBytes& patch, const PatchBytes& source);

// zlib's CRC32 of bytes.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);
