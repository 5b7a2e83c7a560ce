// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Creating then applying: the input is split into an original and a changed
// image; the patch of each format made from them gives the changed image
// back from the original.

#include "core/bps.h"
#include "core/ips.h"
#include "core/korvaneerror.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t split = data[0] * (size - 1) / 255 + 1;
    const PatchBytes original(data + 1, data + split);
    const PatchBytes changed(data + split, data + size);
    FUZZ_CHECK(ApplyBpsPatch(CreateBpsPatch(original, changed), original) == changed);
    try {
        FUZZ_CHECK(ApplyIpsPatch(CreateIpsPatch(original, changed), original) == changed);
    } catch (const KorvaneError&) {
        // IPS cannot make every change (an image that shrinks to less than
        // what its records address); a refusal is fine, a wrong image is not.
    }
    return 0;
}
