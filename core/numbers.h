// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// The standard integer conversion used by every box that takes a number.
// Leading blanks are skipped; then either an optional sign and decimal digits
// (signed 32-bit range), or a prefix "$", "x", "X", "0x" or "0X" and
// hexadecimal digits of either case up to 0xFFFFFFFF (returned as the 32-bit
// pattern, so "$FFFFFFFF" is -1). Nothing may follow the digits. Throws
// KorvaneError "'<text>' is not a valid integer value" with the whole text.
std::int32_t StrToInt(const std::string& text);

// Decimal, no leading zeros, no sign.
std::string DecStr(std::uint32_t value);

// Upper-case hexadecimal without prefix, zero-padded to at least digits
// digits (two for bytes, four for words, six for offsets).
std::string HexStr(std::uint32_t value, int digits);
