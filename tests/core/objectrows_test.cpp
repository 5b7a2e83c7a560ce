// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/korvaneerror.h"
#include "editors/objects/objectmodel.h"
#include "tools/samplerom/samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string_view>

namespace {

const ObjectRow& rowNamed(std::string_view label)
{
    const auto it = std::find_if(kObjectRows.begin(), kObjectRows.end(),
                                 [&](const ObjectRow& r) { return label == r.label; });
    if (it == kObjectRows.end())
        throw std::logic_error("no row " + std::string(label));
    return *it;
}

std::size_t saveRank(std::string_view label)
{
    for (std::size_t k = 0; k < kObjectSaveOrder.size(); ++k)
        if (label == kObjectRows[kObjectSaveOrder[k]].label)
            return k;
    return kObjectSaveOrder.size();
}

TEST(ObjectRows, BossesComeFirstAndEveryRowHasItsOwnWord)
{
    std::set<std::string> labels;
    std::set<std::int32_t> offsets;
    for (std::size_t i = 0; i < kObjectRows.size(); ++i) {
        const ObjectRow& row = kObjectRows[i];
        SCOPED_TRACE(row.label);
        EXPECT_EQ(row.grid, i < 12 ? ObjectGrid::Bosses : ObjectGrid::PelboAndTails);
        // Hit counts and lives are counts; everything else is a physics word.
        const std::string label = row.label;
        const bool count = label.find("hits") != std::string::npos || label.find("lives") != std::string::npos;
        EXPECT_EQ(row.form, count ? ObjectForm::Decimal : ObjectForm::Hex);
        EXPECT_EQ(row.offset % 2, 0);
        labels.insert(row.label);
        // No two rows share a byte.
        for (const std::int32_t o : {row.offset, row.offset + 1})
            EXPECT_TRUE(offsets.insert(o).second);
    }
    EXPECT_EQ(labels.size(), kObjectRowCount);
}

TEST(ObjectRows, SaveOrderWritesOozBeforeMczAndOtherwiseKeepsDisplayOrder)
{
    std::vector<std::size_t> sorted(kObjectSaveOrder.begin(), kObjectSaveOrder.end());
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        EXPECT_EQ(sorted[i], i);

    EXPECT_LT(saveRank("OOZ boss hits"), saveRank("MCZ boss hits"));
    std::vector<std::size_t> rest;
    for (const std::size_t i : kObjectSaveOrder)
        if (kObjectRows[i].label != std::string_view("OOZ boss hits"))
            rest.push_back(i);
    EXPECT_TRUE(std::is_sorted(rest.begin(), rest.end()));
}

TEST(ObjectRows, ParsesCellsOrNamesWhatIsWrong)
{
    const ObjectRow& dec = rowNamed("EHZ boss hits");
    const ObjectRow& hex = rowNamed("Pelbo max speed");
    struct Case
    {
        const ObjectRow* row;
        const char* text;
        std::optional<std::uint16_t> value; // none: the error below
        const char* error;
    };
    const char* const decRange = ": enter a value from -32768 to 65535";
    const Case cases[] = {
        {&dec, "12", 12, ""},
        {&dec, "  12", 12, ""},
        {&dec, "+7", 7, ""},
        {&dec, "$1F", 0x1F, ""},
        {&dec, "0x1f", 0x1F, ""},
        {&dec, "-1", 0xFFFF, ""},
        {&dec, "-32768", 0x8000, ""},
        {&dec, "65535", 0xFFFF, ""},
        {&dec, "0", 0, ""},
        {&dec, "12 ", std::nullopt, "'12 ' is not a valid integer value"},
        {&dec, "", std::nullopt, "'' is not a valid integer value"},
        {&dec, "abc", std::nullopt, "'abc' is not a valid integer value"},
        {&dec, "2147483648", std::nullopt, "'2147483648' is not a valid integer value"},
        {&dec, "65536", std::nullopt, "'65536' is out of range for EHZ boss hits"},
        {&dec, "70000", std::nullopt, "'70000' is out of range for EHZ boss hits"},
        {&dec, "-32769", std::nullopt, "'-32769' is out of range for EHZ boss hits"},
        {&dec, "$10000", std::nullopt, "'$10000' is out of range for EHZ boss hits"},
        {&hex, "c", 0x000C, ""},
        {&hex, "0600", 0x0600, ""},
        {&hex, "ffff", 0xFFFF, ""},
        {&hex, "  80", std::nullopt, "'$  80' is not a valid integer value"},
        {&hex, "$C", std::nullopt, "'$$C' is not a valid integer value"},
        {&hex, "", std::nullopt, "'$' is not a valid integer value"},
        {&hex, "-1", std::nullopt, "'$-1' is not a valid integer value"},
        {&hex, "0x10", std::nullopt, "'$0x10' is not a valid integer value"},
        {&hex, "100000000", std::nullopt, "'$100000000' is not a valid integer value"},
        {&hex, "12345", std::nullopt, "'12345' is out of range for Pelbo max speed: enter a value from 0000 to FFFF"},
        {&hex, "FFFFFFFF", std::nullopt,
         "'FFFFFFFF' is out of range for Pelbo max speed: enter a value from 0000 to FFFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.row->label) + " <" + c.text + ">");
        if (c.value) {
            EXPECT_EQ(ParseObjectValue(*c.row, c.text), *c.value);
            continue;
        }
        try {
            ParseObjectValue(*c.row, c.text);
            ADD_FAILURE() << "accepted";
        } catch (const KorvaneError& e) {
            std::string expected = c.error;
            if (c.row == &dec && expected.find("out of range") != std::string::npos)
                expected += decRange;
            EXPECT_EQ(e.what(), expected);
        }
    }
}

TEST(ObjectRows, SampleImageHoldsPlausibleValuesOnlyInTheSecondGame)
{
    for (const SampleImage& sample : BuildSampleImages()) {
        SCOPED_TRACE(sample.fileName);
        for (const ObjectRow& row : kObjectRows) {
            SCOPED_TRACE(row.label);
            const auto offset = static_cast<std::size_t>(row.offset);
            if (sample.gameCode != "p2") {
                // Other images keep their background there.
                if (offset + 1 < sample.image.size()) {
                    EXPECT_EQ(sample.image.wordAt(offset), 0);
                }
                continue;
            }
            const std::uint16_t value = sample.image.wordAt(offset);
            const std::string label = row.label;
            if (label.find("hits") != std::string::npos)
                EXPECT_TRUE(value >= 1 && value <= 32);
            else if (label.find("lives") != std::string::npos)
                EXPECT_TRUE(value >= 1 && value <= 9);
            else
                EXPECT_TRUE(value >= 0x0004 && value <= 0x0800) << value;
        }
    }
}

} // namespace
