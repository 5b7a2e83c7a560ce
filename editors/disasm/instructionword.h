// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// Mnemonic of a 68000 instruction word (low 16 bits of word) among the six
// operand-less instructions of the 0x4E70 group; empty for any other word.
std::string InstructionMnemonic(std::uint32_t word);

// What the converter shows for a typed instruction word: the text is read as
// hexadecimal with "$" in front through the standard integer conversion, and
// "unrecognized" answers every word without a mnemonic. Throws KorvaneError
// "'$<text>' is not a valid integer value".
std::string ConvertInstructionWord(const std::string& hexText);
