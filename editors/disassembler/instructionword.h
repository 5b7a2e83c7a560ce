// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// Mnemonic of a 68000 instruction word (low 16 bits of word) among the six
// operand-less instructions of the 0x4E70 group; empty for any other word.
std::string InstructionMnemonic(std::uint32_t word);

// What the converter shows for a typed instruction word: the text is read
// as hexadecimal by ParseNumber (bare digits, "$4E75", "0x4E75", "4E75h"),
// and "unrecognized" answers every word without a mnemonic. Throws
// KorvaneError naming the "Machine code" box and its range.
std::string ConvertInstructionWord(const std::string& hexText);
