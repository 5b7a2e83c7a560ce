// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The layout file reader on arbitrary text. A layout it accepts puts every
// value inside the image and no moved value on another; written again as a
// layout (all moved), it reads back the same.

#include "core/korvaneerror.h"
#include "document/layoutfile.h"
#include "tests/fuzz/fuzzcheck.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<ValuePlace> places = {
        {"objects/EHZ boss hits", 0x100, 2}, {"texts/p21p", 0x200, 2}, {"palettes/Title screen", 0x300, 32}};
    constexpr std::int64_t kImageSize = 0x1000;
    const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ImageLayout layout;
    try {
        layout = ReadLayout(text, "p2", places, kImageSize);
    } catch (const KorvaneError&) {
        return 0;
    }
    const std::vector<ValuePlace> placed = PlacesIn(places, layout);
    std::vector<LocatedValue> moved;
    for (const ValuePlace& place : placed) {
        FUZZ_CHECK(place.offset >= 0 && place.offset + place.size <= kImageSize);
        for (const ValuePlace& other : placed) {
            if (&other != &place && (layout.count(place.key) || layout.count(other.key)))
                FUZZ_CHECK(place.offset + place.size <= other.offset || other.offset + other.size <= place.offset);
        }
        if (layout.count(place.key))
            moved.push_back({place.key, -1, place.offset, LocateResult::Moved});
    }
    FUZZ_CHECK(ReadLayout(LayoutDocument("p2", moved), "p2", places, kImageSize) == layout);
    return 0;
}
