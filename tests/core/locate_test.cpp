// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/locate.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes randomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 rng(seed);
    Bytes bytes(size);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(rng());
    return bytes;
}

const std::vector<ValuePlace> kValues = {
    {"early", 0x100, 2}, {"middle", 0x8000, 32}, {"late", 0x1F000, 4}, {"zeros", 0x10010, 2}};

struct Case
{
    const char* name;
    std::function<Bytes(const Bytes&)> modify;
    // Per value of kValues: where it is found, -1 for nowhere.
    std::vector<std::int64_t> found;
};

} // namespace

// Each value is placed where its surroundings went, or reported not found,
// however the image was changed around it.
TEST(Locate, FindsEveryValueWhereItWent)
{
    Bytes original = randomBytes(0x20000, 1);
    // A zero-filled stretch: in place where its address holds zeros still,
    // else placed by a window wide enough to take in what lies before it.
    std::fill(original.begin() + 0x10000, original.begin() + 0x10400, 0);
    const Case cases[] = {
        {"unchanged", [](const Bytes& o) { return o; }, {0x100, 0x8000, 0x1F000, 0x10010}},
        {"bytes inserted before the middle",
         [](const Bytes& o) {
             Bytes m = o;
             m.insert(m.begin() + 0x4000, 0x40, 0x4E);
             return m;
         },
         {0x100, 0x8040, 0x1F040, 0x10050}},
        {"table moved, its place overwritten with code",
         [](const Bytes& o) {
             Bytes m = o;
             std::copy(o.begin() + 0x7F00, o.begin() + 0x8100, m.begin() + 0x12000);
             const Bytes code = randomBytes(0x200, 2);
             std::copy(code.begin(), code.end(), m.begin() + 0x7F00);
             return m;
         },
         {0x100, 0x12100, 0x1F000, 0x10010}},
        {"value overwritten with code",
         [](const Bytes& o) {
             Bytes m = o;
             const Bytes code = randomBytes(0x300, 3);
             std::copy(code.begin(), code.end(), m.begin());
             return m;
         },
         {-1, 0x8000, 0x1F000, 0x10010}},
        {"grown to 8 MiB, the late value moved past 4 MiB",
         [](const Bytes& o) {
             Bytes m = o;
             m.resize(0x800000, 0xFF);
             std::copy(o.begin() + 0x1E000, o.end(), m.begin() + 0x500000);
             std::fill(m.begin() + 0x1E000, m.begin() + 0x20000, 0xFF);
             return m;
         },
         {0x100, 0x8000, 0x501000, 0x10010}},
    };
    for (const Case& c : cases) {
        const std::vector<LocatedValue> located = LocateValues(original, c.modify(original), kValues);
        ASSERT_EQ(located.size(), kValues.size()) << c.name;
        for (std::size_t i = 0; i < kValues.size(); ++i) {
            EXPECT_EQ(located[i].found, c.found[i]) << c.name << ": " << kValues[i].key;
            const LocateResult result = located[i].result;
            if (c.found[i] < 0)
                EXPECT_TRUE(result == LocateResult::NotFound || result == LocateResult::Ambiguous) << c.name;
            else
                EXPECT_EQ(result, c.found[i] == kValues[i].offset ? LocateResult::InPlace : LocateResult::Moved)
                    << c.name << ": " << kValues[i].key;
        }
    }
}
