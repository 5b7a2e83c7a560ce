// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The level list reader on arbitrary file contents.

#include "core/leveltables.h"
#include "core/supportfiles.h"
#include "tests/fuzz/fuzzcheck.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = SplitLines(text);
    std::size_t total = 0;
    for (const std::string& line : lines) {
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
        total += line.size();
    }
    // Only line breaks are dropped, and there is never more than one line
    // per break plus one.
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')
                                                 + std::count(text.begin(), text.end(), '\r'));
    FUZZ_CHECK(total + breaks >= text.size());
    FUZZ_CHECK(lines.size() <= breaks + 1);
    // Joined with LF, the lines read back the same.
    std::string joined;
    for (const std::string& line : lines)
        joined += line + "\n";
    FUZZ_CHECK(SplitLines(joined) == lines);
    return 0;
}
