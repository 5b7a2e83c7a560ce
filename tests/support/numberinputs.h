// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>

// Numbers as people type them, with what a decimal object row ("EHZ boss
// hits") and a hexadecimal one ("Pelbo max speed") make of each: the word,
// or the refusal. The windows, the tool and the parser's own test read the
// same table.
struct NumberInput
{
    const char* text;
    std::optional<std::uint16_t> decimalRow;
    const char* decimalRefusal;
    std::optional<std::uint16_t> hexRow;
    const char* hexRefusal;
};

inline constexpr const char* kDecimalRow = "EHZ boss hits";
inline constexpr const char* kHexRow = "Pelbo max speed";

inline const NumberInput kNumberInputs[] = {
    {"$680", 0x680, nullptr, 0x680, nullptr},
    {"0x680", 0x680, nullptr, 0x680, nullptr},
    {"680h", 0x680, nullptr, 0x680, nullptr},
    {"680", 680, nullptr, 0x680, nullptr},
    {" 12 ", 12, nullptr, 0x12, nullptr},
    {"0x1G", std::nullopt, "'0x1G' is not a valid value for \"EHZ boss hits\" (-32768 to 65535).", std::nullopt,
     "'0x1G' is not a valid value for \"Pelbo max speed\" (hexadecimal 0000 to FFFF)."},
    {"-1", 0xFFFF, nullptr, std::nullopt,
     "'-1' is not a valid value for \"Pelbo max speed\" (hexadecimal 0000 to FFFF)."},
    {"99999", std::nullopt, "'99999' is out of range for \"EHZ boss hits\" (-32768 to 65535).", std::nullopt,
     "'99999' is out of range for \"Pelbo max speed\" (hexadecimal 0000 to FFFF)."},
};
