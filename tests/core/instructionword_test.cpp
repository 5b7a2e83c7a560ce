// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/korvaneerror.h"
#include "editors/disassembler/instructionword.h"

#include "tests/support/testfiles.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(InstructionWord, NamesTheSixOperandlessInstructions)
{
    const std::map<std::uint32_t, std::string> named = {
        {0x4E70, "RESET"}, {0x4E71, "NOP"}, {0x4E73, "RTE"},
        {0x4E75, "RTS"},   {0x4E76, "TRAPV"}, {0x4E77, "RTR"},
    };
    // Every 16-bit word: exactly these six have a mnemonic.
    for (std::uint32_t word = 0; word <= 0xFFFF; ++word) {
        const auto it = named.find(word);
        ASSERT_EQ(InstructionMnemonic(word), it == named.end() ? "" : it->second) << std::hex << word;
    }
    // Only the low 16 bits count.
    EXPECT_EQ(InstructionMnemonic(0x12344E71), "NOP");
    EXPECT_EQ(InstructionMnemonic(0xFFFF4E75), "RTS");
}

TEST(InstructionWord, ConvertsTypedHexadecimal)
{
    struct Row
    {
        std::string typed;
        std::string shown;
    };
    const Row rows[] = {
        {"4E75", "RTS"},          {"4e75", "RTS"},
        {"4E72", "unrecognized"}, {"4E74", "unrecognized"},
        {"4E40", "unrecognized"}, {"00004E71", "NOP"},
        {"12344E71", "NOP"},      {"0000000000004E70", "RESET"},
        {"FFFF4E77", "RTR"},      {"0", "unrecognized"},
        {"4E7", "unrecognized"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.typed);
        EXPECT_EQ(ConvertInstructionWord(row.typed), row.shown);
    }
}

TEST(InstructionWord, RefusesWhatIsNotHexadecimalQuotingItAsTyped)
{
    for (const std::string typed : {"0x4E75", "$4E75", " 4E75", "4E75h"})
        EXPECT_EQ(ConvertInstructionWord(typed), "RTS");
    for (const std::string typed : {"", "4E7G", "-4E75", "+1", "$$4E75"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(ErrorOf([&] { ConvertInstructionWord(typed); }),
                  "'" + typed + "' is not a valid value for \"Machine code\" (hexadecimal 0000 to FFFFFFFF).");
    }
    EXPECT_EQ(ErrorOf([&] { ConvertInstructionWord("123456789"); }),
              "'123456789' is out of range for \"Machine code\" (hexadecimal 0000 to FFFFFFFF).");
}

} // namespace
