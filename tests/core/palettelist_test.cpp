// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/korvaneerror.h"
#include "core/supportfiles.h"
#include "editors/palette/palettelist.h"
#include "tests/support/testfiles.h"
#include "tools/samplerom/samples.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>

namespace {


void writeText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
}

TEST(PaletteLine, FixedColumnsOfBothLayouts)
{
    struct Row
    {
        std::string line;
        std::uint32_t offset;
        int count;
        ColourFormat format;
        std::string name;
    };
    const Row rows[] = {
        {"001234 10 x", 0x1234, 16, ColourFormat::MegaDrive, "x"},
        {"001234 MARS 20 a b", 0x1234, 32, ColourFormat::Mars, "a b"},
        {"2b3cf0 MARS 40 32X palette (unverified)", 0x2B3CF0, 64, ColourFormat::Mars, "32X palette (unverified)"},
        {"FFFFFF ff  two blanks ", 0xFFFFFF, 255, ColourFormat::MegaDrive, " two blanks "},
        {"001234 10 ", 0x1234, 16, ColourFormat::MegaDrive, ""},
        {"001234 10", 0x1234, 16, ColourFormat::MegaDrive, ""},
        {"001234 1", 0x1234, 1, ColourFormat::MegaDrive, ""},
        // The separator columns are never looked at.
        {"001234x10yname", 0x1234, 16, ColourFormat::MegaDrive, "name"},
        {"001234\tMARS#20\tn", 0x1234, 32, ColourFormat::Mars, "n"},
        {"00000000F z", 0, 15, ColourFormat::MegaDrive, "z"},
        {"12", 0x12, -1, ColourFormat::MegaDrive, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        if (row.count < 0) {
            // Too short for a count.
            EXPECT_EQ(ErrorOf([&] { ParsePaletteLine(row.line); }), "'$' is not a valid integer value");
            continue;
        }
        const PaletteEntry entry = ParsePaletteLine(row.line);
        EXPECT_EQ(entry.offset, row.offset);
        EXPECT_EQ(entry.count, row.count);
        EXPECT_EQ(entry.format, row.format);
        EXPECT_EQ(entry.name, row.name);
    }
}

TEST(PaletteLine, FieldsThatAreNotHexadecimal)
{
    struct Row
    {
        std::string line;
        std::string message;
    };
    const Row rows[] = {
        {"", "'$' is not a valid integer value"},
        {"001234", "'$' is not a valid integer value"},
        {"001234 MARS", "'$' is not a valid integer value"},
        {"001234 mars 20 a", "'$ma' is not a valid integer value"},
        {"001234 Mars 20 a", "'$Ma' is not a valid integer value"},
        {"00123G 10 x", "'$00123G' is not a valid integer value"},
        {"12 10 x", "'$12 10 ' is not a valid integer value"},
        {" 01234 10 x", "'$ 01234' is not a valid integer value"},
        {"001234 -1 x", "'$-1' is not a valid integer value"},
        {"001234  1 x", "'$ 1' is not a valid integer value"},
        {"001234 1x x", "'$1x' is not a valid integer value"},
        {"001234 MARS 4 x", "'$4 ' is not a valid integer value"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        EXPECT_EQ(ErrorOf([&] { ParsePaletteLine(row.line); }), row.message);
    }
}

TEST(PaletteList, PathOfAGameCode)
{
    SetSupportBase("/opt/korvane/");
    EXPECT_EQ(PaletteListPath("chaotix"), "/opt/korvane//korvane/chaotixpals.txt");
    SetSupportBase("");
}

TEST(PaletteList, LoadsLinesUntilTheEndOrTheFirstBadLine)
{
    struct Row
    {
        std::string text;
        std::vector<std::string> names; // handed over, in order
        std::string error;
    };
    const Row rows[] = {
        {"000010 02 a\n000020 04 b\n", {"a", "b"}, ""},
        {"000010 02 a\r\n000020 04 b\r\n", {"a", "b"}, ""},
        {"000010 02 a\r000020 04 b", {"a", "b"}, ""},
        {"000010 02 a\n000020 04 b", {"a", "b"}, ""},
        {"000010 02 a\n000020 04 b\n\n", {"a", "b"}, "'$' is not a valid integer value"},
        {"", {}, "'$' is not a valid integer value"},
        {"\n", {}, "'$' is not a valid integer value"},
        {"000010 02 a\nnonsense\n000030 02 c\n", {"a"}, "'$nonsen' is not a valid integer value"},
        {"000010 zz a\n", {}, "'$zz' is not a valid integer value"},
    };
    TempDir dir;
    const std::string path = dir.file("p1pals.txt");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        writeText(path, row.text);
        std::vector<PaletteEntry> table(3);
        table[1].name = "left over";
        std::vector<std::string> names;
        std::size_t loaded = 0;
        const std::string error =
            ErrorOf([&] { loaded = LoadPaletteList(path, table, [&](const std::string& n) { names.push_back(n); }); });
        EXPECT_EQ(names, row.names);
        ASSERT_EQ(table.size(), kPaletteTableSize);
        if (row.error.empty()) {
            EXPECT_EQ(error, "no error");
            EXPECT_EQ(loaded, row.names.size());
        } else {
            EXPECT_EQ(error, row.error);
        }
        for (std::size_t i = 0; i < row.names.size(); ++i) {
            EXPECT_EQ(table[i].name, row.names[i]);
            EXPECT_EQ(table[i].offset, 0x10 * (i + 1));
            EXPECT_EQ(table[i].count, 2 * (i + 1));
        }
        // Entries past the lines read stay as they were.
        if (row.names.size() < 2) {
            EXPECT_EQ(table[1].name, "left over");
        }
    }
}

TEST(PaletteList, FilesThatCannotBeRead)
{
    TempDir dir;
    std::vector<PaletteEntry> table;
    int names = 0;
    const auto count = [&](const std::string&) { ++names; };
    EXPECT_EQ(ErrorOf([&] { LoadPaletteList(dir.file("missing.txt"), table, count); }), "File not found");
    EXPECT_EQ(ErrorOf([&] { LoadPaletteList(dir.path(), table, count); }), "File access denied");
    EXPECT_EQ(names, 0);
}

TEST(PaletteList, MoreLinesThanTheTableHolds)
{
    TempDir dir;
    const std::string path = dir.file("big.txt");
    std::string text;
    for (std::size_t i = 0; i <= kPaletteTableSize; ++i)
        text += "000100 01 n\n";
    writeText(path, text);
    std::vector<PaletteEntry> table;
    std::size_t names = 0;
    EXPECT_EQ(ErrorOf([&] { LoadPaletteList(path, table, [&](const std::string&) { ++names; }); }),
              "The palette list has more than 65536 lines; the rest was not read");
    EXPECT_EQ(names, kPaletteTableSize);
    EXPECT_EQ(table.size(), kPaletteTableSize);
}

TEST(PaletteList, CountAboveTheSwatchGridIsRefused)
{
    PaletteEntry entry;
    entry.name = "Big";
    entry.count = 64;
    EXPECT_NO_THROW(CheckPaletteCount(entry));
    entry.count = 65;
    EXPECT_EQ(ErrorOf([&] { CheckPaletteCount(entry); }),
              "The palette \"Big\" has 65 colours, more than the 64 the editor can hold; it is not loaded");
}

std::vector<PaletteEntry> shippedList(const std::string& code)
{
    std::vector<PaletteEntry> table;
    const std::size_t count =
        LoadPaletteList(std::string(KORVANE_SUPPORT_DIR) + "/" + code + "pals.txt", table, [](const std::string&) {});
    table.resize(count);
    return table;
}

TEST(ShippedPaletteLists, FirstGameIsOneContiguousBlock)
{
    const std::vector<PaletteEntry> list = shippedList("p1");
    ASSERT_EQ(list.size(), 20u);
    std::uint32_t next = 0x2208;
    for (const PaletteEntry& entry : list) {
        SCOPED_TRACE(entry.name);
        EXPECT_EQ(entry.offset, next);
        EXPECT_EQ(entry.format, ColourFormat::MegaDrive);
        EXPECT_LE(entry.count, kMaxPaletteColours);
        EXPECT_FALSE(entry.name.empty());
        next = entry.offset + 2 * entry.count;
    }
    EXPECT_EQ(next, 0x29A8u);
    EXPECT_EQ(list[3].offset, 0x2388u);
    EXPECT_EQ(list[3].count, 0x10);
}

TEST(ShippedPaletteLists, ChaotixHasBothLayouts)
{
    const std::vector<PaletteEntry> list = shippedList("chaotix");
    ASSERT_EQ(list.size(), 4u);
    const std::uint32_t offsets[] = {0x6E18, 0x6E98, 0x2B3CF0, 0x2B3D70};
    const int counts[] = {0x40, 0x10, 0x40, 0x40};
    const ColourFormat formats[] = {ColourFormat::MegaDrive, ColourFormat::MegaDrive, ColourFormat::Mars,
                                    ColourFormat::Mars};
    for (std::size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(list[i].name);
        EXPECT_EQ(list[i].offset, offsets[i]);
        EXPECT_EQ(list[i].count, counts[i]);
        EXPECT_EQ(list[i].format, formats[i]);
    }
    EXPECT_NE(list[2].name.find("unverified"), std::string::npos);
    EXPECT_NE(list[3].name.find("unverified"), std::string::npos);
}

// The sample images hold a colourful palette wherever a shipped list names
// one, in that palette's layout.
TEST(ShippedPaletteLists, SampleImagesHoldTheirPalettes)
{
    std::set<std::string> seen;
    for (const SampleImage& sample : BuildSampleImages()) {
        if (sample.gameCode != "p1" && sample.gameCode != "chaotix")
            continue;
        seen.insert(sample.gameCode);
        for (const PaletteEntry& entry : shippedList(sample.gameCode)) {
            SCOPED_TRACE(sample.gameCode + ": " + entry.name);
            std::set<std::uint16_t> colours;
            for (int i = 0; i < entry.count; ++i) {
                const std::uint16_t word = sample.image.wordAt(entry.offset + 2 * static_cast<std::size_t>(i));
                colours.insert(word);
                if (entry.format == ColourFormat::MegaDrive) {
                    EXPECT_EQ(word & 0xF111, 0) << std::hex << word;
                }
            }
            EXPECT_GE(colours.size(), static_cast<std::size_t>(entry.count) * 3 / 4);
        }
    }
    EXPECT_EQ(seen, (std::set<std::string>{"p1", "chaotix"}));
}

} // namespace
