// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/objects/objectmodel.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/romaccess.h"
#include "core/translate.h"


namespace {

constexpr ObjectGrid B = ObjectGrid::Bosses;
constexpr ObjectGrid P = ObjectGrid::PelboAndTails;
constexpr ObjectForm Dec = ObjectForm::Decimal;
constexpr ObjectForm Hex = ObjectForm::Hex;

} // namespace

const std::array<ObjectRow, kObjectRowCount> kObjectRows = {{
    {QT_TRANSLATE_NOOP("ObjectModel", "EHZ boss hits"), B, 0x2EF76, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "CPZ boss hits"), B, 0x2D792, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "ARZ boss hits"), B, 0x3052C, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "CNZ boss hits"), B, 0x3195A, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "HTZ boss hits"), B, 0x2FCB8, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "MCZ boss hits"), B, 0x31002, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "OOZ boss hits"), B, 0x32FDA, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "MTZ boss hits"), B, 0x322E2, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "MTZ boss hits until enabling laser"), B, 0x322E8, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "WFZ boss hits"), B, 0x3C4B4, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Silver Pelbo hits"), B, 0x39776, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Final boss hits"), B, 0x3D61A, Dec},

    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo starting lives in level"), P, 0x03C78, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo starting lives in demo"), P, 0x03D76, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo starting lives in level (level select)"), P, 0x09490, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo starting lives in special stage (level select)"), P, 0x09410, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo max speed"), P, 0x19FA2, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo acceleration"), P, 0x19FA8, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo deceleration"), P, 0x19FAE, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo max speed after sneakers wear off"), P, 0x1A122, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo acceleration after sneakers wear off"), P, 0x1A128, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo deceleration after sneakers wear off"), P, 0x1A12E, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo max speed underwater"), P, 0x1A1B8, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo acceleration underwater"), P, 0x1A1BE, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo deceleration underwater"), P, 0x1A1C4, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo max speed underwater with sneakers"), P, 0x1A1D0, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo acceleration underwater with sneakers"), P, 0x1A1D6, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo deceleration underwater with sneakers"), P, 0x1A1DC, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo jump height"), P, 0x1AA5C, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Pelbo jump height with sneakers"), P, 0x1AA66, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails starting lives in level"), P, 0x03C7E, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails starting lives in demo"), P, 0x03D7C, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails starting lives in level (level select)"), P, 0x09496, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails starting lives in special stage (level select)"), P, 0x09416, Dec},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails max speed"), P, 0x1B904, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails acceleration"), P, 0x1B90A, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails deceleration"), P, 0x1B910, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails max speed underwater"), P, 0x1BF84, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails acceleration underwater"), P, 0x1BF8A, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails deceleration underwater"), P, 0x1BF90, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails jump height"), P, 0x1C642, Hex},
    {QT_TRANSLATE_NOOP("ObjectModel", "Tails jump height (?\?\?)"), P, 0x1C64E, Hex},
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

std::string ObjectRowName(const ObjectRow& row)
{
    return Translated("ObjectModel", row.label);
}

std::string FormatObjectValue(ObjectForm form, std::uint16_t value)
{
    return form == ObjectForm::Hex ? HexStr(value, 4) : DecStr(value);
}

NumberField ObjectField(const ObjectRow& row)
{
    if (row.form == ObjectForm::Hex)
        return {ObjectRowName(row), 4, 0, 0xFFFF};
    return {ObjectRowName(row), 0, -32768, 65535};
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
    if (complete())
        return {};
    return Translated("ObjectModel", "Not every object value has been read from this ROM; nothing was saved");
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
            const bool lives = label.find("lives") != std::string::npos;
            suspect.push_back({at(row.offset), HexBytes(WordBytes(mWords[i])),
                               lives ? Translated("ObjectModel", "a number of lives")
                                     : Translated("ObjectModel", "a boss hit count")});
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
