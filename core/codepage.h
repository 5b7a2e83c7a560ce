// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// Text encodings of the program: file and game names are Windows-1252 bytes,
// every text shown or typed is UTF-8.

// U+FFFD, what a malformed UTF-8 sequence decodes to.
inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes Windows-1252 bytes (game names, serials) to UTF-8. The five bytes
// that code page leaves undefined map to the C1 code points of the same
// value, as Windows itself does.
std::string Cp1252ToUtf8(const std::string& bytes);

// Appends the UTF-8 of one code point to out.
void AppendUtf8(std::string& out, char32_t c);
// UTF-8 of one code point.
std::string CodePointToUtf8(char32_t c);

// The code points of a UTF-8 string; a malformed sequence gives U+FFFD.
std::u32string Utf8ToCodePoints(const std::string& text);
