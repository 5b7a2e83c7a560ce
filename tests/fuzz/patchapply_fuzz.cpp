// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Applying and describing patches of either format: any bytes are a patch
// that applies, or one refused with a message; nothing crashes, and no
// image grows past what its patch says.

#include "core/bps.h"
#include "core/ips.h"
#include "core/korvaneerror.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PatchBytes patch(data, data + size);
    const PatchBytes original(64, 0x5A);
    try {
        const BpsInfo info = ReadBpsInfo(patch);
        const PatchBytes target = ApplyBpsPatch(patch, original);
        FUZZ_CHECK(target.size() == info.targetSize);
    } catch (const KorvaneError&) {
    }
    try {
        const IpsInfo info = ReadIpsInfo(patch);
        const PatchBytes target = ApplyIpsPatch(patch, original);
        FUZZ_CHECK(target.size() <= std::max<std::size_t>(original.size(), info.end));
        if (info.truncate)
            FUZZ_CHECK(target.size() <= std::max<std::size_t>(*info.truncate, original.size()));
    } catch (const KorvaneError&) {
    }
    return 0;
}
