// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/korvaneerror.h"
#include "editors/water/waterrows.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(WaterRows, DecodesOnlyTheByteAndWordCompares)
{
    for (int size = 0; size < 256; ++size) {
        SCOPED_TRACE(size);
        for (const std::uint8_t low : {0x00, 0x01, 0x02, 0x0D}) {
            const WaterBytes bytes{static_cast<std::uint8_t>(size), 0x0B, low};
            const WaterLevel level = DecodeWaterRow(bytes);
            EXPECT_EQ(IsEditableWaterRow(bytes), size == 0x38 || size == 0x78);
            if (size == 0x38) {
                EXPECT_TRUE(level.decoded);
                EXPECT_EQ(level.zone, low);
                EXPECT_EQ(level.act, WaterAct::Both);
            } else if (size == 0x78) {
                EXPECT_TRUE(level.decoded);
                EXPECT_EQ(level.zone, 0x0B);
                EXPECT_EQ(level.act, low == 0 ? WaterAct::Act1 : low == 1 ? WaterAct::Act2 : WaterAct::None);
            } else {
                EXPECT_FALSE(level.decoded);
                EXPECT_EQ(level.act, WaterAct::None);
            }
        }
    }
}

TEST(WaterRows, EncodesTheChosenLevelOrKeepsTheBytes)
{
    struct Case
    {
        WaterBytes current;
        std::optional<std::uint8_t> zone;
        WaterAct act;
        WaterBytes expected;
    };
    const Case cases[] = {
        {{0x78, 0x0B, 0x01}, 0x0B, WaterAct::Both, {0x38, 0x00, 0x0B}},
        {{0x38, 0x00, 0x05}, 0x05, WaterAct::Act1, {0x78, 0x05, 0x00}},
        {{0x78, 0x0E, 0x00}, 0x0C, WaterAct::Act2, {0x78, 0x0C, 0x01}},
        {{0x78, 0x00, 0x00}, 0xFF, WaterAct::Act2, {0x78, 0xFF, 0x01}},
        // Nothing chosen, or no act: the row stays as it is.
        {{0x78, 0x11, 0x00}, std::nullopt, WaterAct::Both, {0x78, 0x11, 0x00}},
        {{0x78, 0x03, 0x02}, 0x04, WaterAct::None, {0x78, 0x03, 0x02}},
        // The level named already: a byte compare keeps its high byte.
        {{0x38, 0x12, 0x05}, 0x05, WaterAct::Both, {0x38, 0x12, 0x05}},
        {{0x38, 0x12, 0x05}, 0x06, WaterAct::Both, {0x38, 0x00, 0x06}},
        // Long compares and unknown forms are never rewritten.
        {{0xB9, 0x00, 0x00}, 0x01, WaterAct::Both, {0xB9, 0x00, 0x00}},
        {{0x3C, 0x12, 0x34}, 0x01, WaterAct::Act1, {0x3C, 0x12, 0x34}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.current.size) * 0x10000 + c.current.high * 0x100 + c.current.low);
        EXPECT_EQ(EncodeWaterRow(c.current, c.zone, c.act), c.expected);
    }
}

TEST(WaterRows, PaletteBoxText)
{
    EXPECT_EQ(WaterPaletteText(0x00), "00");
    EXPECT_EQ(WaterPaletteText(0x0A), "0A");
    EXPECT_EQ(WaterPaletteText(0xFF), "FF");

    struct Case
    {
        const char* text;
        int value; // -1: refused
        const char* error;
    };
    const Case cases[] = {
        {"0A", 0x0A, ""},
        {"1f", 0x1F, ""},
        {"FF", 0xFF, ""},
        {"$0a", 0x0A, ""},
        {" 7 ", 0x07, ""},
        {"1G", -1, "'1G' is not a valid value for \"Underwater palette of level 2\" (hexadecimal 00 to FF)."},
        {"100", -1, "'100' is out of range for \"Underwater palette of level 2\" (hexadecimal 00 to FF)."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.value >= 0) {
            EXPECT_EQ(ParseWaterPalette(c.text, 2), c.value);
            continue;
        }
        try {
            ParseWaterPalette(c.text, 2);
            ADD_FAILURE() << "accepted";
        } catch (const KorvaneError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
    }
}

} // namespace
