// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/korvaneerror.h"
#include "core/leveltables.h"
#include "core/romaccess.h"
#include "core/supportfiles.h"
#include "editors/demos/demomodel.h"
#include "tests/support/testfiles.h"
#include "tools/samplerom/samples.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

namespace {

using Rows = std::vector<std::uint16_t>;

Rows rowsOf(LevelTable table)
{
    return Rows(table.begin(), table.end());
}

Rows acts(std::initializer_list<std::pair<int, int>> zonesAndActCounts)
{
    Rows rows;
    for (const auto& [zone, count] : zonesAndActCounts) {
        for (int act = 0; act < count; ++act)
            rows.push_back(static_cast<std::uint16_t>(zone << 8 | act));
    }
    return rows;
}

// The tables as the games number their levels, built from zone and act
// counts rather than copied.
TEST(LevelTables, FollowTheZonesAndActsOfEachGame)
{
    EXPECT_EQ(rowsOf(kDemoTableP1), acts({{0, 3}, {1, 4}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 1}}));
    EXPECT_EQ(rowsOf(kDemoTableP2), acts({{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 1}, {6, 1}, {7, 2}, {8, 2},
                                          {9, 2}, {10, 2}, {11, 2}, {12, 2}, {13, 2}, {14, 1}, {15, 2}, {16, 1}}));
    EXPECT_EQ(rowsOf(kDemoTableP2B), acts({{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 1}, {7, 2}, {8, 2}, {9, 2},
                                           {10, 2}, {11, 2}, {12, 2}, {13, 2}, {14, 2}, {15, 2}, {16, 1}}));
    Rows p3 = acts({{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}, {8, 2}, {9, 2}, {10, 2}, {11, 2},
                    {12, 1}, {14, 1}, {15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}, {20, 1}, {21, 1}, {22, 2}});
    EXPECT_EQ(rowsOf(kDemoTableP3), p3);

    Rows w2, w3;
    for (int zone = 0; zone <= 16; ++zone)
        w2.push_back(static_cast<std::uint16_t>(zone));
    for (int zone = 0; zone <= 21; ++zone) {
        if (zone != 13)
            w3.push_back(static_cast<std::uint16_t>(zone));
    }
    EXPECT_EQ(rowsOf(kZoneTableW2), w2);
    EXPECT_EQ(rowsOf(kZoneTableW3), w3);
}

TEST(LevelTables, RowAndValueLookUps)
{
    struct Row
    {
        const char* label;
        LevelTable table;
        std::uint16_t value;
        int row;
    };
    const Row rows[] = {
        {"P1 LZ act 4", kDemoTableP1, 0x0103, 6},
        {"P1 last", kDemoTableP1, 0x0600, 19},
        {"P2 zone 6", kDemoTableP2, 0x0600, 11},
        {"P2B zone 14 act 2", kDemoTableP2B, 0x0E01, 26},
        {"P3 last", kDemoTableP3, 0x1601, 34},
        {"W3 zone 14", kZoneTableW3, 14, 13},
        {"W3 zone 21", kZoneTableW3, 21, 20},
        {"P2 has no zone 14 act 2", kDemoTableP2, 0x0E01, -1},
        {"P2B has no zone 6", kDemoTableP2B, 0x0600, -1},
        {"P3 has no zone 13", kDemoTableP3, 0x0D00, -1},
        {"W3 has no zone 13", kZoneTableW3, 13, -1},
        {"W2 ends at zone 16", kZoneTableW2, 17, -1},
        {"P1 zone 3 act 2", kDemoTableP1, 0x0301, 11},
        {"identifiers compare as whole words", kDemoTableP1, 0x0103 | 0x1000, -1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        EXPECT_EQ(LevelRow(r.table, r.value), r.row);
        if (r.row >= 0) {
            EXPECT_EQ(LevelAtRow(r.table, r.row, 0xBEEF), r.value);
        }
    }

    // Nothing selected, or a list line beyond the table: the value stays.
    struct Keep
    {
        LevelTable table;
        int row;
    };
    for (const Keep& k : {Keep{kDemoTableP2, -1}, Keep{kDemoTableP1, 20}, Keep{kDemoTableP1, 25},
                          Keep{kDemoTableP3, 35}, Keep{kZoneTableW2, 17}, Keep{kZoneTableW3, -5}}) {
        SCOPED_TRACE(k.row);
        EXPECT_EQ(LevelAtRow(k.table, k.row, 0x0D01), 0x0D01);
    }
    EXPECT_EQ(LevelAtRow(kDemoTableP3, 34, 0x0400), 0x1601);
}

TEST(LevelLists, SplitsAtEveryKindOfLineBreak)
{
    using Lines = std::vector<std::string>;
    struct Row
    {
        const char* label;
        std::string text;
        Lines lines;
    };
    const Row rows[] = {
        {"empty file", "", {}},
        {"one line without break", "EHZ", {"EHZ"}},
        {"final LF adds no line", "EHZ\n", {"EHZ"}},
        {"final CR LF adds no line", "EHZ\r\nCPZ\r\n", {"EHZ", "CPZ"}},
        {"final CR adds no line", "EHZ\rCPZ\r", {"EHZ", "CPZ"}},
        {"mixed breaks", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
        {"CR CR LF is two breaks", "a\r\r\nb", {"a", "", "b"}},
        {"empty lines are entries", "\n\nx\n\n", {"", "", "x", ""}},
        {"a lone break is one empty line", "\r\n", {""}},
        {"no trimming", "  EHZ Act 1 \t\n\tx", {"  EHZ Act 1 \t", "\tx"}},
        {"8-bit bytes kept", "Zone \xDF\n", {"Zone \xDF"}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        EXPECT_EQ(SplitLines(r.text), r.lines);
    }
}

struct ListFiles : ::testing::Test
{
    TempDir dir;

    void SetUp() override
    {
        SetSupportBase(dir.path() + "/");
        std::filesystem::create_directory(dir.file("korvane"));
    }
    void TearDown() override { SetSupportBase(""); }

    std::string errorOf(const std::string& listFile)
    {
        try {
            ReadLevelList(listFile);
        } catch (const KorvaneError& e) {
            return e.what();
        }
        return "no error";
    }
};

TEST_F(ListFiles, ReadsTheFileBesideTheProgram)
{
    std::ofstream(dir.file("korvane/p2levels.txt"), std::ios::binary) << "EHZ Act 1\r\nEHZ Act 2\r\n";
    EXPECT_EQ(ReadLevelList(kP2LevelsFile), (std::vector<std::string>{"EHZ Act 1", "EHZ Act 2"}));
}

TEST_F(ListFiles, UnreadableFileNamesItsFullPath)
{
    // The support base ends with a separator and the name starts with one.
    EXPECT_EQ(errorOf(kP1LevelsFile), "Cannot open file " + dir.path() + "//korvane/p1levels.txt");
    std::filesystem::create_directory(dir.file("korvane/p3klevels.txt"));
    EXPECT_EQ(errorOf(kP3LevelsFile), "Cannot open file " + dir.path() + "//korvane/p3klevels.txt");
}

// The files shipped with the program: one line for every row, and the acts
// named in the lines of one zone follow its rows (a zone may carry on the
// acts of the zone before it).
TEST(ShippedLists, HaveOneLineForEveryRow)
{
    SetSupportBase(std::filesystem::path(KORVANE_SUPPORT_DIR).parent_path().string() + "/");
    struct Row
    {
        LevelList list;
        bool acts;
    };
    const Row rows[] = {{kP1Levels, true},  {kP2Levels, true}, {kP2BLevels, true},
                        {kP3Levels, true},  {kP2Zones, false}, {kP3Zones, false}};
    const std::regex act(R"(^[^(]*\bAct (\d))");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.list.fileName);
        const std::vector<std::string> lines = ReadLevelList(r.list.fileName);
        ASSERT_EQ(lines.size(), r.list.table.size());
        EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size());
        std::map<int, int> actShift; // zone -> named act minus stored act
        for (std::size_t k = 0; k < lines.size(); ++k) {
            SCOPED_TRACE(lines[k]);
            EXPECT_FALSE(lines[k].empty());
            std::smatch m;
            const bool named = std::regex_search(lines[k], m, act);
            if (!r.acts) {
                EXPECT_FALSE(named);
                continue;
            }
            if (!named)
                continue;
            const int zone = r.list.table[k] >> 8;
            const int shift = std::stoi(m[1].str()) - (r.list.table[k] & 0xFF);
            EXPECT_GE(shift, 1);
            if (actShift.count(zone)) {
                EXPECT_EQ(shift, actShift[zone]);
            }
            actShift[zone] = shift;
        }
    }
    SetSupportBase("");
}

// The sample images carry demo settings the windows can show: levels that
// their tables hold and numbers within range.
TEST(DemoSamples, HoldPlausibleDemoValues)
{
    int served = 0;
    for (const SampleImage& sample : BuildSampleImages()) {
        const DemoLayout* layout = FirstGameDemoLayout(sample.gameCode);
        if (!layout)
            layout = SecondGameDemoLayout(sample.gameCode);
        if (!layout)
            continue;
        SCOPED_TRACE(sample.gameCode);
        ++served;
        const SyntheticImage& image = sample.image;
        const std::uint16_t length = image.wordAt(static_cast<std::size_t>(layout->length));
        EXPECT_GT(length, 0);
        EXPECT_LE(DemoSeconds(length), kMaxDemoSeconds);
        if (layout->number != kNoDemoOffset) {
            EXPECT_GT(image.wordAt(static_cast<std::size_t>(layout->number)), 0);
            EXPECT_LE(image.wordAt(static_cast<std::size_t>(layout->number)), layout->maxNumber);
        }
        for (int n = 0; n < layout->slotCount; ++n)
            EXPECT_GE(LevelRow(layout->levels.table, image.wordAt(static_cast<std::size_t>(layout->levelBase + 2 * n))),
                      0);
    }
    EXPECT_EQ(served, 7);
}

} // namespace
