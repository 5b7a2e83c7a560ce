// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/demos/demomodel.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"

#include <array>
#include <vector>

namespace {

constexpr std::array<DemoLayout, 2> kFirstGame = {{
    {"p1", 0x3A5A, 0x4700, 0x3416, 0x3458, 4, 4, kP1Levels, "Pelbo 1 Demos Editor"},
    {"p1j", 0x3A56, 0x4702, 0x340A, 0x3454, 4, 4, kP1Levels, "Pelbo 1 (J) Demos Editor"},
}};

constexpr std::array<DemoLayout, 5> kSecondGame = {{
    {"p2", 0x42AA, kNoDemoOffset, 0x3D4E, 0x3DAC, 4, 4, kP2Levels, nullptr},
    {"p2b", 0x44B4, kNoDemoOffset, 0x3BC0, 0x3C16, 4, 4, kP2BLevels, nullptr},
    {"p2k", 0x303D86, kNoDemoOffset, 0x303850, 0x3038A0, 4, 4, kP2Levels, nullptr},
    {"p3", 0x4A84, kNoDemoOffset, 0x399E, 0x39EE, 3, 3, kP3Levels, nullptr},
    {"pk", 0x6492, kNoDemoOffset, kNoDemoOffset, 0x434A, 3, 3, kP3Levels, nullptr},
}};

template <std::size_t N>
const DemoLayout* find(const std::array<DemoLayout, N>& layouts, const std::string& gameCode)
{
    for (const DemoLayout& layout : layouts) {
        if (gameCode == layout.gameCode)
            return &layout;
    }
    return nullptr;
}

} // namespace

const DemoLayout* FirstGameDemoLayout(const std::string& gameCode)
{
    return find(kFirstGame, gameCode);
}

const DemoLayout* SecondGameDemoLayout(const std::string& gameCode)
{
    return find(kSecondGame, gameCode);
}

namespace {

std::uint16_t readWord(const std::string& path, std::int32_t offset)
{
    return static_cast<std::uint16_t>(SwapWord(ReadRomValue(path, offset, 2)));
}

// One word of the layout: where it lies, the value wanted and the value
// stored.
struct DemoWord
{
    std::int32_t offset;
    std::uint16_t wanted;
    std::uint16_t* stored;
};

} // namespace

void DemoModel::read(const std::string& path)
{
    mRead = false;
    mSnapshot.take(path);
    DemoValues values;
    values.length = readWord(path, mLayout.length);
    if (mLayout.specialLength != kNoDemoOffset)
        values.specialLength = readWord(path, mLayout.specialLength);
    if (mLayout.number != kNoDemoOffset)
        values.number = readWord(path, mLayout.number);
    for (int n = 0; n < kDemoLevelWords; ++n)
        values.levels[static_cast<std::size_t>(n)] = readWord(path, mLayout.levelBase + 2 * n);
    mValues = values;
    mRead = true;
}

void DemoModel::write(const std::string& path, const DemoValues& wanted)
{
    if (!mRead)
        throw KorvaneError("No demo setting has been read from this ROM; nothing was saved");
    std::vector<DemoWord> words{{mLayout.length, wanted.length, &mValues.length}};
    if (mLayout.specialLength != kNoDemoOffset)
        words.push_back({mLayout.specialLength, wanted.specialLength, &mValues.specialLength});
    if (mLayout.number != kNoDemoOffset)
        words.push_back({mLayout.number, wanted.number, &mValues.number});
    for (int n = 0; n < mLayout.slotCount; ++n) {
        const auto k = static_cast<std::size_t>(n);
        words.push_back({mLayout.levelBase + 2 * n, wanted.levels[k], &mValues.levels[k]});
    }
    std::vector<ImageSnapshot::Value> changed;
    for (const DemoWord& word : words) {
        if (word.wanted != *word.stored)
            changed.push_back({word.offset, WordBytes(*word.stored)});
    }
    mSnapshot.check(path, changed);
    for (const DemoWord& word : words) {
        if (word.wanted == *word.stored)
            continue;
        WriteRomBytes(path, word.offset, 2, SwapWord(word.wanted));
        *word.stored = word.wanted;
    }
}
