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

// A number field of a window or of the values document: how messages name
// it, how it is shown, and what it holds.
struct NumberField
{
    std::string name;
    // Hexadecimal digits the field shows (bare digits typed into it are
    // hexadecimal); 0 for a decimal field.
    int hexDigits = 0;
    std::int64_t min = 0;
    std::int64_t max = 0;
    // Said after a decimal range ("seconds"); empty for none.
    std::string unit = {};
};

// Reads text as people who edit these games write numbers: decimal with an
// optional sign, or hexadecimal as "$680", "0x680" or "680h" (either case),
// and in a hexadecimal field bare digits ("680") as well; blanks around it
// are ignored. Throws KorvaneError quoting text as typed, naming the field
// and its range, when it is no number ("'0x1G' is not a valid value for
// "CPZ boss hits" (hexadecimal 0000 to FFFF).") or out of the field's range
// ("'99999' is out of range for ...").
std::int64_t ParseNumber(const std::string& text, const NumberField& field);

// ParseNumber without the range: the number text holds (far beyond any
// field's range, it stops at 2^40). Throws the refusal of what is no number.
std::int64_t ReadNumber(const std::string& text, const NumberField& field);

// value, typed as text, when it lies in the field's range; else the
// out-of-range refusal of ParseNumber.
std::int64_t CheckNumberRange(std::int64_t value, const std::string& text, const NumberField& field);

// The refusals of ParseNumber, for checks of their own.
std::string InvalidNumberMessage(const std::string& text, const NumberField& field);
std::string OutOfRangeMessage(const std::string& text, const NumberField& field);

// What a tooltip says of the field: "hexadecimal 0000 to FFFF", "0 to 300
// seconds".
std::string NumberRangeText(const NumberField& field);

// value in the field's own form: hexadecimal digits or decimal.
std::string FormatNumber(std::int64_t value, const NumberField& field);
