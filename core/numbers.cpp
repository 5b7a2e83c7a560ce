// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numbers.h"

#include "core/korvaneerror.h"

#include <limits>

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::int32_t StrToInt(const std::string& text)
{
    const auto fail = [&text]() -> KorvaneError {
        return KorvaneError("'" + text + "' is not a valid integer value");
    };

    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;

    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }

    if (hex) {
        if (i == text.size())
            throw fail();
        std::uint64_t value = 0;
        for (; i < text.size(); ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0)
                throw fail();
            value = value * 16 + static_cast<std::uint64_t>(d);
            if (value > 0xFFFFFFFFu)
                throw fail();
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        throw fail();
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            throw fail();
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            throw fail();
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string DecStr(std::uint32_t value)
{
    return std::to_string(value);
}

std::string HexStr(std::uint32_t value, int digits)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    if (static_cast<int>(out.size()) < digits)
        out.insert(out.begin(), static_cast<std::size_t>(digits) - out.size(), '0');
    return out;
}
