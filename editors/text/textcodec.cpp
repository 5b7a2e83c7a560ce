// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/text/textcodec.h"

#include "core/codepage.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/translate.h"

namespace {

constexpr std::uint8_t kDigitZeroCode = 0x10;
constexpr std::uint8_t kLetterACode = 0x1E;
constexpr std::uint16_t kWordBase = 0x0670;
constexpr char32_t kCopyright = 0x00A9;

template <typename Code>
std::vector<Code> encode(const std::string& text, int count, std::optional<Code> (*codeOf)(char32_t))
{
    const std::u32string chars = Utf8ToCodePoints(text);
    std::vector<Code> codes;
    codes.reserve(static_cast<std::size_t>(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i) {
        if (static_cast<std::size_t>(i) >= chars.size()) {
            codes.push_back(*codeOf(U' '));
            continue;
        }
        const std::optional<Code> code = codeOf(chars[static_cast<std::size_t>(i)]);
        if (!code)
            throw KorvaneError(Substituted(Translated("TextCodec", "The character %1 has no code in the game's texts"),
                                           {CharForMessage(chars[static_cast<std::size_t>(i)])}));
        codes.push_back(*code);
    }
    return codes;
}

} // namespace

const char32_t kTextAlphabet[kTextAlphabetSize] = {
    U' ', U'0', U'1', U'2', U'3', U'4', U'5', U'6', U'7', U'8', U'9', U'*', kCopyright, U':',
    U'.', U'A', U'B', U'C', U'D', U'E', U'F', U'G', U'H', U'I', U'J', U'K', U'L', U'M',
    U'N', U'O', U'P', U'Q', U'R', U'S', U'T', U'U', U'V', U'W', U'X', U'Y', U'Z',
};

std::optional<std::uint8_t> TextByteCode(char32_t c)
{
    if (c >= U'a' && c <= U'z')
        c = c - U'a' + U'A';
    if (c == U' ')
        return 0x00;
    if (c >= U'0' && c <= U'9')
        return static_cast<std::uint8_t>(kDigitZeroCode + (c - U'0'));
    if (c >= U'A' && c <= U'Z')
        return static_cast<std::uint8_t>(kLetterACode + (c - U'A'));
    switch (c) {
    case U'*':
        return 0x1A;
    case kCopyright:
        return 0x1B;
    case U':':
        return 0x1C;
    case U'.':
        return 0x1D;
    default:
        return std::nullopt;
    }
}

std::optional<std::uint16_t> TextWordCode(char32_t c)
{
    const std::optional<std::uint8_t> code = TextByteCode(c);
    if (!code)
        return std::nullopt;
    if (*code == 0x00)
        return 0x0000;
    return static_cast<std::uint16_t>(kWordBase + *code);
}

std::optional<char32_t> TextByteChar(std::uint8_t code)
{
    if (code == 0x00)
        return U' ';
    // Codes 0x10 to 0x37 follow the alphabet's order after the space.
    if (code >= kDigitZeroCode && code < kDigitZeroCode + kTextAlphabetSize - 1)
        return kTextAlphabet[code - kDigitZeroCode + 1];
    return std::nullopt;
}

std::optional<char32_t> TextWordChar(std::uint16_t code)
{
    if (code == 0x0000)
        return U' ';
    // The space has no word kWordBase: only the codes from the digits on.
    if (code >= kWordBase + kDigitZeroCode && code <= kWordBase + 0xFF)
        return TextByteChar(static_cast<std::uint8_t>(code - kWordBase));
    return std::nullopt;
}

std::string DecodeTextBytes(const std::vector<std::uint8_t>& codes)
{
    std::string text;
    for (const std::uint8_t code : codes) {
        const std::optional<char32_t> c = TextByteChar(code);
        text += c ? CodePointToUtf8(*c) : HexStr(code, 2);
    }
    return text;
}

std::string DecodeTextWords(const std::vector<std::uint16_t>& codes)
{
    std::string text;
    for (const std::uint16_t code : codes) {
        const std::optional<char32_t> c = TextWordChar(code);
        text += c ? CodePointToUtf8(*c) : HexStr(code, 4);
    }
    return text;
}

std::optional<char32_t> FirstCharWithoutCode(const std::string& text, int count)
{
    const std::u32string chars = Utf8ToCodePoints(text);
    for (std::size_t i = 0; i < chars.size() && static_cast<int>(i) < count; ++i)
        if (!TextByteCode(chars[i]))
            return chars[i];
    return std::nullopt;
}

std::string CharForMessage(char32_t c)
{
    // Appended rather than "..." + temporary, which GCC 12 at -O3 flags
    // with a false -Wrestrict.
    std::string shown;
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == kReplacementChar) {
        shown = "U+";
        shown += HexStr(c, 4);
    } else {
        shown = '"';
        shown += CodePointToUtf8(c);
        shown += '"';
    }
    return shown;
}

std::vector<std::uint8_t> EncodeTextBytes(const std::string& text, int count)
{
    return encode<std::uint8_t>(text, count, &TextByteCode);
}

std::vector<std::uint16_t> EncodeTextWords(const std::string& text, int count)
{
    return encode<std::uint16_t>(text, count, &TextWordCode);
}
