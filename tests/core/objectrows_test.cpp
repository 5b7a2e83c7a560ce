// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/korvaneerror.h"
#include "editors/objects/objectmodel.h"
#include "tests/support/numberinputs.h"
#include "tools/samplerom/samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
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
    std::vector<NumberInput> inputs(std::begin(kNumberInputs), std::end(kNumberInputs));
    // The edges of the ranges and the forms around them.
    inputs.push_back({"-32768", 0x8000, nullptr, std::nullopt,
                      "'-32768' is not a valid value for \"Pelbo max speed\" (hexadecimal 0000 to FFFF)."});
    inputs.push_back({"\tffffH", 0xFFFF, nullptr, 0xFFFF, nullptr});
    inputs.push_back({"12345678901234567890", std::nullopt,
                      "'12345678901234567890' is out of range for \"EHZ boss hits\" (-32768 to 65535).", std::nullopt,
                      "'12345678901234567890' is out of range for \"Pelbo max speed\" (hexadecimal 0000 to FFFF)."});
    for (const NumberInput& input : inputs) {
        for (const bool hex : {false, true}) {
            const ObjectRow& row = rowNamed(hex ? kHexRow : kDecimalRow);
            SCOPED_TRACE(std::string(row.label) + " <" + input.text + ">");
            const std::optional<std::uint16_t> value = hex ? input.hexRow : input.decimalRow;
            std::string refusal;
            try {
                EXPECT_EQ(ParseObjectValue(row, input.text), value);
            } catch (const KorvaneError& e) {
                refusal = e.what();
            }
            EXPECT_EQ(refusal, value ? "" : (hex ? input.hexRefusal : input.decimalRefusal));
        }
    }
}

TEST(ObjectRows, SampleImageHoldsPlausibleValuesOnlyInTheSecondGame)
{
    const SyntheticImage p2 = SampleImageOf("p2");
    for (const SampleImage& sample : BuildSampleImages()) {
        SCOPED_TRACE(sample.fileName);
        for (const ObjectRow& row : kObjectRows) {
            SCOPED_TRACE(row.label);
            const auto offset = static_cast<std::size_t>(row.offset);
            if (sample.gameCode != "p2") {
                // Other images keep their background there, not the
                // second game's value.
                if (offset + 1 < sample.image.size()) {
                    EXPECT_NE(sample.image.wordAt(offset), p2.wordAt(offset));
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
