// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The integer conversion of every number box, on arbitrary text.

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
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
