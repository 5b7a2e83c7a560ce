// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/editormodel.h"
#include "core/leveltables.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Where a game keeps its attract-mode demo settings. Every value is a 16-bit
// big-endian word at an absolute file offset; lengths are in frames at 60
// frames a second; slot n (from 0) of the demo level table lies at
// levelBase + 2 * n and holds a level identifier of the layout's table.
struct DemoLayout
{
    const char* gameCode;
    std::int32_t length;        // normal demo length
    std::int32_t specialLength; // special stage demo length, or kNoDemoOffset
    std::int32_t number;        // number of demos played, or kNoDemoOffset
    std::int32_t levelBase;
    int slotCount;                // level slots the window edits (3 or 4)
    int maxNumber;              // largest number of demos the window offers
    LevelList levels;
};

inline constexpr std::int32_t kNoDemoOffset = -1;
// Every demo level table has room for four slots, whatever the window edits.
inline constexpr int kDemoLevelWords = 4;
inline constexpr int kMaxDemoSeconds = 300;

// The first game's two releases ("p1", "p1j"); nullptr for any other code.
const DemoLayout* FirstGameDemoLayout(const std::string& gameCode);
// The later games ("p2", "p2b", "p2k", "p3", "pk"); nullptr for any other
// code.
const DemoLayout* SecondGameDemoLayout(const std::string& gameCode);
// The layout of either; nullptr for a game without demo settings.
const DemoLayout* DemoLayoutFor(const std::string& gameCode);

// Whole seconds of a frame count, remainder dropped.
constexpr std::uint16_t DemoSeconds(std::uint16_t frames)
{
    return static_cast<std::uint16_t>(frames / 60);
}

// Frames of a number of seconds, kept to 16 bits.
constexpr std::uint16_t DemoFrames(int seconds)
{
    return static_cast<std::uint16_t>(seconds * 60);
}

// The demo settings of one image, as the words the ROM stores: lengths in
// frames, the number of demos, and the level identifier of each slot.
struct DemoValues
{
    std::uint16_t length = 0;
    std::uint16_t specialLength = 0; // first game only
    std::uint16_t number = 0;        // where the game has one
    std::array<std::uint16_t, kDemoLevelWords> levels{};
};

// The values of a demos editor in one image: each a big-endian word at the
// layout's offsets, read and written one word at a time.
class DemoModel : public EditorModel
{
public:
    explicit DemoModel(const DemoLayout& layout) : mLayout(layout) {}

    const DemoLayout& layout() const { return mLayout; }

    // Whether every value was read: a read error leaves none read.
    bool isRead() const { return mRead; }
    // The values as read, or as last written.
    const DemoValues& values() const { return mValues; }
    const DemoValues& wanted() const { return mWanted; }
    // The values a Save writes: level slots beyond the layout's slotCount,
    // and values the layout does not have, are never written.
    void want(const DemoValues& wanted) { mWanted = wanted; }

    std::string unreadRefusal() const override;
    std::vector<ByteSpan> spans() const override;
    std::vector<ImageSnapshot::Value> changes() const override;
    // A number of demos above the layout's largest, a level slot the window
    // edits that holds no level of the layout's table.
    std::vector<SuspectValue> suspects() const override;
    // Each wanted value that differs, in the order they are read.
    void write(RomFile& file) override;

protected:
    // The length, the special stage length and the number of demos where
    // the layout has them, then the four level words.
    void readValues(RomFile& file) override;

private:
    // One word the layout writes: where it lies, and which value of
    // DemoValues it holds (0 length, 1 special length, 2 number, 3 on the
    // level slots).
    struct Word
    {
        std::int64_t offset;
        int value;
    };
    // In the order they are read.
    std::vector<Word> words() const;

    const DemoLayout& mLayout;
    DemoValues mValues;
    DemoValues mWanted;
    bool mRead = false;
};
