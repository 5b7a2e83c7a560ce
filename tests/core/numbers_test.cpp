// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/apptexts.h"
#include "core/codepage.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

std::optional<std::int32_t> convert(const std::string& text)
{
    try {
        return StrToInt(text);
    } catch (const KorvaneError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
        return std::nullopt;
    }
}

TEST(StrToInt, ConvertsDecimalAndHexadecimal)
{
    struct Row
    {
        std::string text;
        std::int32_t value;
    };
    const Row rows[] = {
        {"0", 0},
        {"12", 12},
        {"  12", 12},
        {"\t7", 7},
        {"+5", 5},
        {"-1", -1},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$1F", 0x1F},
        {"$c", 0xC},
        {"x10", 16},
        {"X10", 16},
        {"0x10", 16},
        {"0XfF", 255},
        {"  $12345", 0x12345},
        {"$FFFFFFFF", -1},
        {"$80000000", -2147483647 - 1},
        {"$000000001", 1},
        {"00", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(convert(row.text), std::optional<std::int32_t>(row.value));
    }
}

TEST(StrToInt, RefusesEverythingElseWithTheWholeText)
{
    for (const std::string text : {"", " ", "12 ", "1 2", "abc", "$", "$$C", "0x", "x", "+", "-", "+$10", "-0x1",
                                   "$100000000", "2147483648", "-2147483649", "99999999999", "1.5", "1e3", "$G",
                                   "0x-1", "１２"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(convert(text), std::nullopt);
    }
}

TEST(NumberDisplay, PadsHexadecimalAndNeverPadsDecimal)
{
    EXPECT_EQ(DecStr(0), "0");
    EXPECT_EQ(DecStr(65535), "65535");
    EXPECT_EQ(DecStr(4294967295u), "4294967295");
    EXPECT_EQ(HexStr(0, 4), "0000");
    EXPECT_EQ(HexStr(0xC0, 4), "00C0");
    EXPECT_EQ(HexStr(0xab, 2), "AB");
    EXPECT_EQ(HexStr(0x2208, 6), "002208");
    EXPECT_EQ(HexStr(0x12345, 4), "12345");
    EXPECT_EQ(HexStr(0xFFFFFFFF, 2), "FFFFFFFF");
}

TEST(ErrorReport, AppendsAFullStopAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(ErrorReportText("Stream read error"), "Stream read error.");
    EXPECT_EQ(ErrorReportText("'x' is not a valid integer value"), "'x' is not a valid integer value.");
    EXPECT_EQ(ErrorReportText("Cannot open file /tmp/a.bin"), "Cannot open file /tmp/a.bin.");
    EXPECT_EQ(ErrorReportText("Cannot open file /tmp/a/"), "Cannot open file /tmp/a/.");
    EXPECT_EQ(ErrorReportText("Ends with a full stop."), "Ends with a full stop.");
    EXPECT_EQ(ErrorReportText("Ends with a dash-"), "Ends with a dash-");
    EXPECT_EQ(ErrorReportText("Ends with !"), "Ends with !");
    EXPECT_EQ(ErrorReportText("Grüße \xC3\x9F"), "Grüße \xC3\x9F.");
    EXPECT_EQ(ErrorReportText(""), "");
}

TEST(Cp1252, DecodesEveryByte)
{
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string utf8 = Cp1252ToUtf8(std::string(1, static_cast<char>(b)));
        if (b < 0x80)
            EXPECT_EQ(utf8, std::string(1, static_cast<char>(b)));
        else if (b >= 0xA0)
            EXPECT_EQ(utf8, (std::string{static_cast<char>(0xC0 | b >> 6), static_cast<char>(0x80 | (b & 0x3F))}));
        else
            EXPECT_GE(utf8.size(), 2u);
    }
    EXPECT_EQ(Cp1252ToUtf8("Pelbo 2 \xDF" "eta"), "Pelbo 2 \u00DF" "eta");
    EXPECT_EQ(Cp1252ToUtf8("\x80\x99\x81"), "\u20AC\u2122\u0081");
}

} // namespace
