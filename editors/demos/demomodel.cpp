// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/demos/demomodel.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "core/translate.h"

#include <array>
#include <vector>

namespace {

constexpr std::array<DemoLayout, 2> kFirstGame = {{
    {"p1", 0x3A5A, 0x4700, 0x3416, 0x3458, 4, 4, kP1Levels},
    {"p1j", 0x3A56, 0x4702, 0x340A, 0x3454, 4, 4, kP1Levels},
}};

constexpr std::array<DemoLayout, 5> kSecondGame = {{
    {"p2", 0x42AA, kNoDemoOffset, 0x3D4E, 0x3DAC, 4, 4, kP2Levels},
    {"p2b", 0x44B4, kNoDemoOffset, 0x3BC0, 0x3C16, 4, 4, kP2BLevels},
    {"p2k", 0x303D86, kNoDemoOffset, 0x303850, 0x3038A0, 4, 4, kP2Levels},
    {"p3", 0x4A84, kNoDemoOffset, 0x399E, 0x39EE, 3, 3, kP3Levels},
    {"pk", 0x6492, kNoDemoOffset, kNoDemoOffset, 0x434A, 3, 3, kP3Levels},
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

const DemoLayout* DemoLayoutFor(const std::string& gameCode)
{
    const DemoLayout* layout = FirstGameDemoLayout(gameCode);
    return layout ? layout : SecondGameDemoLayout(gameCode);
}

namespace {

std::uint16_t readWord(RomFile& file, std::int64_t offset)
{
    return static_cast<std::uint16_t>(SwapWord(ReadRomValue(file, offset, 2)));
}

// Value n of values, numbered as DemoModel::Word numbers them.
template <typename Values>
auto& wordOf(Values& values, int n)
{
    if (n >= 3)
        return values.levels[static_cast<std::size_t>(n - 3)];
    return n == 0 ? values.length : n == 1 ? values.specialLength : values.number;
}

} // namespace

void DemoModel::readValues(RomFile& file)
{
    mRead = false;
    DemoValues values;
    values.length = readWord(file, at(mLayout.length));
    if (mLayout.specialLength != kNoDemoOffset)
        values.specialLength = readWord(file, at(mLayout.specialLength));
    if (mLayout.number != kNoDemoOffset)
        values.number = readWord(file, at(mLayout.number));
    for (int n = 0; n < kDemoLevelWords; ++n)
        values.levels[static_cast<std::size_t>(n)] = readWord(file, at(mLayout.levelBase + 2 * n));
    mValues = mWanted = values;
    mRead = true;
}

std::string DemoModel::unreadRefusal() const
{
    return mRead ? std::string()
                 : Translated("DemoModel", "No demo setting has been read from this ROM; nothing was saved");
}

std::vector<DemoModel::Word> DemoModel::words() const
{
    std::vector<Word> words{{at(mLayout.length), 0}};
    if (mLayout.specialLength != kNoDemoOffset)
        words.push_back({at(mLayout.specialLength), 1});
    if (mLayout.number != kNoDemoOffset)
        words.push_back({at(mLayout.number), 2});
    for (int n = 0; n < mLayout.slotCount; ++n)
        words.push_back({at(mLayout.levelBase + 2 * n), 3 + n});
    return words;
}

std::vector<ByteSpan> DemoModel::spans() const
{
    std::vector<ByteSpan> spans;
    for (const std::int32_t offset : {mLayout.length, mLayout.specialLength, mLayout.number}) {
        if (offset != kNoDemoOffset)
            spans.push_back({at(offset), 2});
    }
    for (int n = 0; n < kDemoLevelWords; ++n)
        spans.push_back({at(mLayout.levelBase + 2 * n), 2});
    return spans;
}

std::vector<SuspectValue> DemoModel::suspects() const
{
    std::vector<SuspectValue> suspect;
    if (!mRead)
        return suspect;
    if (mLayout.number != kNoDemoOffset && mValues.number > mLayout.maxNumber)
        suspect.push_back({at(mLayout.number), HexBytes(WordBytes(mValues.number)),
                           Translated("DemoModel", "a number of demos")});
    for (int n = 0; n < mLayout.slotCount; ++n) {
        const std::uint16_t level = mValues.levels[static_cast<std::size_t>(n)];
        if (LevelRow(mLayout.levels.table, level) < 0)
            suspect.push_back({at(mLayout.levelBase + 2 * n), HexBytes(WordBytes(level)),
                               Translated("DemoModel", "a level of the game")});
    }
    return suspect;
}

std::vector<ImageSnapshot::Value> DemoModel::changes() const
{
    std::vector<ImageSnapshot::Value> changed;
    for (const Word& word : words()) {
        if (wordOf(mWanted, word.value) != wordOf(mValues, word.value))
            changed.push_back({word.offset, WordBytes(wordOf(mValues, word.value))});
    }
    return changed;
}

void DemoModel::write(RomFile& file)
{
    for (const Word& word : words()) {
        const std::uint16_t wanted = wordOf(mWanted, word.value);
        std::uint16_t& stored = wordOf(mValues, word.value);
        if (wanted == stored)
            continue;
        WriteRomBytes(file, word.offset, 2, SwapWord(wanted));
        stored = wanted;
    }
}
