// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The alphabet of the second game's screen texts: 41 characters (space, the
// digits, '*', '©', ':', '.', 'A' to 'Z'). Byte form: space 0x00, '0' to '9'
// 0x10 to 0x19, '*' 0x1A, '©' 0x1B, ':' 0x1C, '.' 0x1D, 'A' to 'Z' 0x1E to
// 0x37. Word form: 0x0670 + the byte code, except space, which is 0x0000.
// Texts are UTF-8 strings; '©' is U+00A9.

inline constexpr int kTextAlphabetSize = 41;

// The characters of the alphabet in code order.
extern const char32_t kTextAlphabet[kTextAlphabetSize];

// Byte code of c; 'a' to 'z' give the codes of 'A' to 'Z'. Nothing for a
// character outside the alphabet.
std::optional<std::uint8_t> TextByteCode(char32_t c);
// Word code of c, as TextByteCode.
std::optional<std::uint16_t> TextWordCode(char32_t c);
// The character of a byte code or word code; nothing outside the alphabet.
std::optional<char32_t> TextByteChar(std::uint8_t code);
std::optional<char32_t> TextWordChar(std::uint16_t code);

// Decodes codes to text. A code outside the alphabet shows as its value in
// upper-case hexadecimal: two digits for a byte, four for a word.
std::string DecodeTextBytes(const std::vector<std::uint8_t>& codes);
std::string DecodeTextWords(const std::vector<std::uint16_t>& codes);

// The first of the first count characters of text that has no code.
std::optional<char32_t> FirstCharWithoutCode(const std::string& text, int count);
// How a character is named in messages: itself in double quotes, or U+XXXX
// for a control character.
std::string CharForMessage(char32_t c);

// Codes of the first count characters of text; a shorter text is padded with
// space codes. Throws KorvaneError naming the first character that has no
// code.
std::vector<std::uint8_t> EncodeTextBytes(const std::string& text, int count);
std::vector<std::uint16_t> EncodeTextWords(const std::string& text, int count);
