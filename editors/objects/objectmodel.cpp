// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/objects/objectmodel.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/romaccess.h"

namespace {

constexpr ObjectGrid B = ObjectGrid::Bosses;
constexpr ObjectGrid P = ObjectGrid::PelboAndTails;
constexpr ObjectForm Dec = ObjectForm::Decimal;
constexpr ObjectForm Hex = ObjectForm::Hex;

} // namespace

const std::array<ObjectRow, kObjectRowCount> kObjectRows = {{
    {"EHZ boss hits", B, 0x2EF76, Dec},
    {"CPZ boss hits", B, 0x2D792, Dec},
    {"ARZ boss hits", B, 0x3052C, Dec},
    {"CNZ boss hits", B, 0x3195A, Dec},
    {"HTZ boss hits", B, 0x2FCB8, Dec},
    {"MCZ boss hits", B, 0x31002, Dec},
    {"OOZ boss hits", B, 0x32FDA, Dec},
    {"MTZ boss hits", B, 0x322E2, Dec},
    {"MTZ boss hits until enabling laser", B, 0x322E8, Dec},
    {"WFZ boss hits", B, 0x3C4B4, Dec},
    {"Silver Pelbo hits", B, 0x39776, Dec},
    {"Final boss hits", B, 0x3D61A, Dec},

    {"Pelbo starting lives in level", P, 0x03C78, Dec},
    {"Pelbo starting lives in demo", P, 0x03D76, Dec},
    {"Pelbo starting lives in level (level select)", P, 0x09490, Dec},
    {"Pelbo starting lives in special stage (level select)", P, 0x09410, Dec},
    {"Pelbo max speed", P, 0x19FA2, Hex},
    {"Pelbo acceleration", P, 0x19FA8, Hex},
    {"Pelbo deceleration", P, 0x19FAE, Hex},
    {"Pelbo max speed after sneakers wear off", P, 0x1A122, Hex},
    {"Pelbo acceleration after sneakers wear off", P, 0x1A128, Hex},
    {"Pelbo deceleration after sneakers wear off", P, 0x1A12E, Hex},
    {"Pelbo max speed underwater", P, 0x1A1B8, Hex},
    {"Pelbo acceleration underwater", P, 0x1A1BE, Hex},
    {"Pelbo deceleration underwater", P, 0x1A1C4, Hex},
    {"Pelbo max speed underwater with sneakers", P, 0x1A1D0, Hex},
    {"Pelbo acceleration underwater with sneakers", P, 0x1A1D6, Hex},
    {"Pelbo deceleration underwater with sneakers", P, 0x1A1DC, Hex},
    {"Pelbo jump height", P, 0x1AA5C, Hex},
    {"Pelbo jump height with sneakers", P, 0x1AA66, Hex},
    {"Tails starting lives in level", P, 0x03C7E, Dec},
    {"Tails starting lives in demo", P, 0x03D7C, Dec},
    {"Tails starting lives in level (level select)", P, 0x09496, Dec},
    {"Tails starting lives in special stage (level select)", P, 0x09416, Dec},
    {"Tails max speed", P, 0x1B904, Hex},
    {"Tails acceleration", P, 0x1B90A, Hex},
    {"Tails deceleration", P, 0x1B910, Hex},
    {"Tails max speed underwater", P, 0x1BF84, Hex},
    {"Tails acceleration underwater", P, 0x1BF8A, Hex},
    {"Tails deceleration underwater", P, 0x1BF90, Hex},
    {"Tails jump height", P, 0x1C642, Hex},
    {"Tails jump height (?\?\?)", P, 0x1C64E, Hex},
}};

const std::array<std::size_t, kObjectRowCount> kObjectSaveOrder = [] {
    std::array<std::size_t, kObjectRowCount> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    // OOZ (index 6) is written before MCZ (index 5).
    order[5] = 6;
    order[6] = 5;
    return order;
}();

std::string FormatObjectValue(ObjectForm form, std::uint16_t value)
{
    return form == ObjectForm::Hex ? HexStr(value, 4) : DecStr(value);
}

NumberField ObjectField(const ObjectRow& row)
{
    if (row.form == ObjectForm::Hex)
        return {row.label, 4, 0, 0xFFFF};
    return {row.label, 0, -32768, 65535};
}

std::uint16_t ParseObjectValue(const ObjectRow& row, const std::string& cellText)
{
    return static_cast<std::uint16_t>(ParseNumber(cellText, ObjectField(row)));
}

void ObjectModel::readValues(RomFile& file)
{
    mRowsRead = 0;
    for (const ObjectRow& row : kObjectRows) {
        mWords[mRowsRead] = static_cast<std::uint16_t>(SwapWord(ReadRomValue(file, at(row.offset), 2)));
        ++mRowsRead;
    }
    mWanted = mWords;
}

std::string ObjectModel::unreadRefusal() const
{
    return complete() ? std::string() : "Not every object value has been read from this ROM; nothing was saved";
}

std::vector<ByteSpan> ObjectModel::spans() const
{
    std::vector<ByteSpan> spans;
    for (const ObjectRow& row : kObjectRows)
        spans.push_back({at(row.offset), 2});
    return spans;
}

std::vector<SuspectValue> ObjectModel::suspects() const
{
    // Hit counts and lives are counted in a byte by the game; code or other
    // data read as one is rarely that small.
    std::vector<SuspectValue> suspect;
    for (std::size_t i = 0; i < mRowsRead; ++i) {
        const ObjectRow& row = kObjectRows[i];
        if (row.form == ObjectForm::Decimal && mWords[i] > kMostObjectCount) {
            const std::string label = row.label;
            suspect.push_back({at(row.offset), HexBytes(WordBytes(mWords[i])),
                               label.find("lives") != std::string::npos ? "a number of lives" : "a boss hit count"});
        }
    }
    return suspect;
}

ObjectWords ObjectModel::check(const ObjectCells& cells, FieldErrors* all)
{
    ObjectWords words{};
    for (const std::size_t i : kObjectSaveOrder) {
        try {
            words[i] = ParseObjectValue(kObjectRows[i], cells[i]);
        } catch (const KorvaneError& e) {
            if (!all)
                throw FieldError(i, e.what());
            all->emplace_back(i, e.what());
        }
    }
    return words;
}

std::vector<ImageSnapshot::Value> ObjectModel::changes() const
{
    std::vector<ImageSnapshot::Value> changed;
    for (const std::size_t i : kObjectSaveOrder) {
        if (mWanted[i] != mWords[i])
            changed.push_back({at(kObjectRows[i].offset), WordBytes(mWords[i])});
    }
    return changed;
}

void ObjectModel::write(RomFile& file)
{
    for (const std::size_t i : kObjectSaveOrder) {
        if (mWanted[i] == mWords[i])
            continue;
        WriteRomBytes(file, at(kObjectRows[i].offset), 2, SwapWord(mWanted[i]));
        mWords[i] = mWanted[i];
    }
}
