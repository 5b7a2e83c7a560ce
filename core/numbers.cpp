// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numbers.h"

#include "core/korvaneerror.h"
#include "core/translate.h"

#include <algorithm>
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
        return KorvaneError(Substituted(Translated("Numbers", "'%1' is not a valid integer value"), {text}));
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

namespace {

std::string trimmed(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// Stops growing past any field's range, so that long numbers are out of
// range rather than wrapped.
constexpr std::uint64_t kSaturated = std::uint64_t{1} << 40;

} // namespace

std::string NumberRangeText(const NumberField& field)
{
    if (field.hexDigits > 0) {
        return Substituted(Translated("Numbers", "hexadecimal %1 to %2"),
                           {HexStr(static_cast<std::uint32_t>(field.min), field.hexDigits),
                            HexStr(static_cast<std::uint32_t>(field.max), field.hexDigits)});
    }
    const std::string min = std::to_string(field.min);
    const std::string max = std::to_string(field.max);
    if (field.unit.empty())
        return Substituted(Translated("Numbers", "%1 to %2"), {min, max});
    // The unit is the caller's, in the user's language.
    return Substituted(Translated("Numbers", "%1 to %2 %3"), {min, max, field.unit});
}

std::string InvalidNumberMessage(const std::string& text, const NumberField& field)
{
    return Substituted(Translated("Numbers", "'%1' is not a valid value for \"%2\" (%3)."),
                       {text, field.name, NumberRangeText(field)});
}

std::string OutOfRangeMessage(const std::string& text, const NumberField& field)
{
    return Substituted(Translated("Numbers", "'%1' is out of range for \"%2\" (%3)."),
                       {text, field.name, NumberRangeText(field)});
}

std::int64_t CheckNumberRange(std::int64_t value, const std::string& text, const NumberField& field)
{
    if (value < field.min || value > field.max)
        throw KorvaneError(OutOfRangeMessage(text, field));
    return value;
}

std::int64_t ParseNumber(const std::string& text, const NumberField& field)
{
    return CheckNumberRange(ReadNumber(text, field), text, field);
}

std::int64_t ReadNumber(const std::string& text, const NumberField& field)
{
    std::string digits = trimmed(text);
    bool hex = field.hexDigits > 0;
    const auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); };
    if (!digits.empty() && digits[0] == '$') {
        digits.erase(0, 1);
        hex = true;
    } else if (digits.size() >= 2 && digits[0] == '0' && lower(digits[1]) == 'x') {
        digits.erase(0, 2);
        hex = true;
    } else if (!digits.empty() && lower(digits[0]) == 'x') {
        digits.erase(0, 1);
        hex = true;
    } else if (!digits.empty() && lower(digits.back()) == 'h') {
        digits.pop_back();
        hex = true;
    }

    bool negative = false;
    if (!hex && !digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
        negative = digits[0] == '-';
        digits.erase(0, 1);
    }
    if (digits.empty())
        throw KorvaneError(InvalidNumberMessage(text, field));
    std::uint64_t magnitude = 0;
    for (const char c : digits) {
        const int d = hex ? hexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (d < 0)
            throw KorvaneError(InvalidNumberMessage(text, field));
        magnitude = std::min(kSaturated, magnitude * (hex ? 16 : 10) + static_cast<std::uint64_t>(d));
    }
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

std::string FormatNumber(std::int64_t value, const NumberField& field)
{
    return field.hexDigits > 0 ? HexStr(static_cast<std::uint32_t>(value), field.hexDigits) : std::to_string(value);
}
