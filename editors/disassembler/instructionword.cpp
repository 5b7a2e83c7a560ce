// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/disassembler/instructionword.h"

#include "core/numbers.h"
#include "core/translate.h"

#include <array>

namespace {

struct Row
{
    std::uint32_t low6;
    const char* mnemonic;
};

constexpr std::array<Row, 6> kGroup4E40 = {{
    {0x30, "RESET"},
    {0x31, "NOP"},
    {0x33, "RTE"},
    {0x35, "RTS"},
    {0x36, "TRAPV"},
    {0x37, "RTR"},
}};

} // namespace

std::string InstructionMnemonic(std::uint32_t word)
{
    word &= 0xFFFF;
    if ((word & 0xFFC0) != 0x4E40)
        return {};
    for (const Row& row : kGroup4E40) {
        if ((word & 0x3F) == row.low6)
            return row.mnemonic;
    }
    return {};
}

std::string ConvertInstructionWord(const std::string& hexText)
{
    const auto value = static_cast<std::uint32_t>(
        ParseNumber(hexText, {Translated("InstructionWord", "Machine code"), 4, 0, 0xFFFFFFFF}));
    const std::string mnemonic = InstructionMnemonic(value);
    return mnemonic.empty() ? Translated("InstructionWord", "unrecognized") : mnemonic;
}
