// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/bps.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// IPS patches: "PATCH", records of a 3-byte offset and a 2-byte size
// (big-endian) followed by that many bytes, or of size 0 followed by a
// 2-byte count and one byte to repeat, then "EOF" and, when the target is
// shorter than the source, its 3-byte length. No record may begin at
// 0x454F46, whose three bytes read "EOF". Offsets are 24-bit: targets of
// more than 16 MiB cannot be written.

// A patch that makes target from source. Throws KorvaneError when a change
// lies past 16 MiB.
PatchBytes CreateIpsPatch(const PatchBytes& source, const PatchBytes& target);

// What an IPS patch holds.
struct IpsInfo
{
    std::size_t records = 0;
    std::size_t runRecords = 0;         // records of one repeated byte
    std::uint32_t end = 0;              // the end of the last byte any record writes
    std::optional<std::uint32_t> truncate; // the length after "EOF", when present
};

// Reads the records. Throws KorvaneError for a patch that is not IPS or is
// truncated.
IpsInfo ReadIpsInfo(const PatchBytes& patch);

// The target the patch makes of source: a copy of source with every record
// written in order (past its end the file grows, the gap holding zeros),
// then cut to the length after "EOF" when there is one. Throws KorvaneError
// with the reason.
PatchBytes ApplyIpsPatch(const PatchBytes& patch, const PatchBytes& source);
