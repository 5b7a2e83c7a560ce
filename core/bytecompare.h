// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// How many bytes a and b have in common from their start, at most most:
// eight bytes a comparison while they last.
inline std::size_t EqualPrefixLength(const std::uint8_t* a, const std::uint8_t* b, std::size_t most)
{
    std::size_t n = 0;
    while (n + 8 <= most) {
        std::uint64_t x;
        std::uint64_t y;
        std::memcpy(&x, a + n, 8);
        std::memcpy(&y, b + n, 8);
        if (x != y)
            break;
        n += 8;
    }
    while (n < most && a[n] == b[n])
        ++n;
    return n;
}
