// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The integer conversions of the number boxes, on arbitrary text.

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cstdint>
#include <string>

namespace {

// The number fields' parser: a value in the field's range that reads back
// from its own form, or a refusal that quotes the text.
void checkNumberField(const std::string& text, const NumberField& field)
{
    try {
        const std::int64_t value = ParseNumber(text, field);
        FUZZ_CHECK(value >= field.min && value <= field.max);
        FUZZ_CHECK(ParseNumber(FormatNumber(value, field), field) == value);
    } catch (const KorvaneError& e) {
        FUZZ_CHECK(std::string(e.what()).rfind("'" + text.substr(0, text.find('\0')), 0) == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkNumberField(text, {"decimal", 0, -32768, 65535});
    checkNumberField(text, {"hexadecimal", 4, 0, 0xFFFF});
    std::int32_t value = 0;
    try {
        value = StrToInt(text);
    } catch (const KorvaneError& e) {
        // The message holds the whole text (what() stops at a NUL byte).
        const std::string expected = "'" + text + "' is not a valid integer value";
        FUZZ_CHECK(std::string(e.what()) == expected.c_str());
        return 0;
    }
    // What converts, converts back to itself in either notation.
    FUZZ_CHECK(StrToInt(std::to_string(value)) == value);
    FUZZ_CHECK(StrToInt("$" + HexStr(static_cast<std::uint32_t>(value), 8)) == value);
    return 0;
}
