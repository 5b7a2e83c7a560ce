// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/editormodel.h"
#include "core/korvaneerror.h"
#include "core/numbers.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The grid a row is shown in: vals (tab "Bosses") or valsPelbo (tab
// "Pelbo And Tails").
enum class ObjectGrid { Bosses, PelboAndTails };

// How a value cell shows its word: decimal without sign or leading zeros,
// or exactly four upper-case hexadecimal digits without prefix.
enum class ObjectForm { Decimal, Hex };

// One constant of the second game: a 16-bit big-endian word at a fixed
// file offset. The label, in English, is the row's key in the values
// document; ObjectRowName, its key cell and the name messages give it.
struct ObjectRow
{
    const char* label;
    ObjectGrid grid;
    std::int32_t offset;
    ObjectForm form;
};

inline constexpr std::size_t kObjectRowCount = 42;

// Every row, in display order: the twelve boss rows first, then the rows of
// Pelbo and Tails.
extern const std::array<ObjectRow, kObjectRowCount> kObjectRows;

// Indexes into kObjectRows in the order Save writes them: display order,
// except that "OOZ boss hits" goes before "MCZ boss hits".
extern const std::array<std::size_t, kObjectRowCount> kObjectSaveOrder;

// The row's label in the user's language.
std::string ObjectRowName(const ObjectRow& row);

// The cell text of a word in the row's form ("12", "00C0").
std::string FormatObjectValue(ObjectForm form, std::uint16_t value);

// The row as a number field: decimal rows hold -32768 to 65535 (a negative
// value keeps its 16-bit pattern, -1 is FFFF), hexadecimal rows 0000 to
// FFFF.
NumberField ObjectField(const ObjectRow& row);

// Converts the cell text of row with ParseNumber: a hex row takes bare
// hexadecimal digits, every row "$680", "0x680" and "680h". Throws
// KorvaneError naming the row and its range when the text is no number or
// does not fit.
std::uint16_t ParseObjectValue(const ObjectRow& row, const std::string& cellText);

// The most hits or lives a decimal row holds in an unmodified image.
inline constexpr std::uint16_t kMostObjectCount = 255;

// The 42 words in kObjectRows order, in host order.
using ObjectWords = std::array<std::uint16_t, kObjectRowCount>;
// The cell texts in kObjectRows order.
using ObjectCells = std::array<std::string, kObjectRowCount>;

// The values of the object editor in one image: each word big-endian at its
// row's offset, read and written one word at a time.
class ObjectModel : public EditorModel
{
public:
    // Rows read, from the first in display order.
    std::size_t rowsRead() const { return mRowsRead; }
    bool complete() const { return mRowsRead == kObjectRowCount; }
    // Each word as read, or as last written.
    const ObjectWords& words() const { return mWords; }
    const ObjectWords& wanted() const { return mWanted; }
    // Converts every cell in save order with ParseObjectValue; the first cell
    // refused throws FieldError with its row index and the parser's message,
    // or with all given, every refused cell is added there instead.
    static ObjectWords check(const ObjectCells& cells, FieldErrors* all = nullptr);
    void want(const ObjectWords& wanted) { mWanted = wanted; }

    // Refuses unless every row was read.
    std::string unreadRefusal() const override;
    std::vector<ByteSpan> spans() const override;
    std::vector<ImageSnapshot::Value> changes() const override;
    // The decimal rows (hit counts, lives) read above kMostObjectCount.
    std::vector<SuspectValue> suspects() const override;
    // Each wanted word that differs, in save order.
    void write(RomFile& file) override;

protected:
    // The rows in display order.
    void readValues(RomFile& file) override;

private:
    ObjectWords mWords{};
    ObjectWords mWanted{};
    std::size_t mRowsRead = 0;
};
