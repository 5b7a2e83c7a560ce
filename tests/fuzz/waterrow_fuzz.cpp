// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Water row decoding and encoding, and the palette box text, on arbitrary
// bytes.

#include "core/korvaneerror.h"
#include "editors/water/waterrows.h"
#include "tests/fuzz/fuzzcheck.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 5)
        return 0;
    const WaterBytes bytes{data[0], data[1], data[2]};
    const WaterLevel level = DecodeWaterRow(bytes);
    FUZZ_CHECK(level.decoded == IsEditableWaterRow(bytes));

    // Re-encoding what was decoded gives the row back, or leaves it alone.
    if (level.decoded && level.act != WaterAct::None) {
        const WaterBytes again = EncodeWaterRow(bytes, level.zone, level.act);
        FUZZ_CHECK(DecodeWaterRow(again).zone == level.zone);
        FUZZ_CHECK(DecodeWaterRow(again).act == level.act);
        FUZZ_CHECK(again == bytes || bytes.size == kWaterZoneCompare);
    }
    // Any choice keeps the row's form valid, or leaves the row unchanged.
    const auto act = static_cast<WaterAct>(data[3] % 4);
    const WaterBytes chosen = EncodeWaterRow(bytes, data[4], act);
    if (!level.decoded || act == WaterAct::None)
        FUZZ_CHECK(chosen == bytes);
    else
        FUZZ_CHECK(IsEditableWaterRow(chosen) && DecodeWaterRow(chosen).zone == data[4]);

    // The palette box takes two hexadecimal digits or fails with a message.
    const std::string text(reinterpret_cast<const char*>(data + 5), size - 5);
    try {
        const std::uint8_t value = ParseWaterPalette(text, 1 + data[3] % 3);
        FUZZ_CHECK(ParseWaterPalette(WaterPaletteText(value), 1) == value);
    } catch (const KorvaneError& e) {
        FUZZ_CHECK(std::string(e.what()).size() > 0);
    }
    return 0;
}
