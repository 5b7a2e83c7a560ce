// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/leveltables.h"
#include "core/numbers.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// A water row is a 68000 compare-immediate instruction with an absolute
// short address in a game's level set-up code. It is known by the offset A
// of its immediate word; the editor reads and writes the byte before it (the
// operand size of the opcode word) and the two bytes of the immediate word.
struct WaterBytes
{
    std::uint8_t size = 0; // at A - 1
    std::uint8_t high = 0; // at A
    std::uint8_t low = 0;  // at A + 1

    friend bool operator==(const WaterBytes&, const WaterBytes&) = default;
};

// Operand sizes: a byte compare of the zone alone (every act matches), a
// word compare of zone and act, and a long compare (a 10-byte instruction
// the editor leaves alone).
inline constexpr std::uint8_t kWaterZoneCompare = 0x38;
inline constexpr std::uint8_t kWaterLevelCompare = 0x78;
inline constexpr std::uint8_t kWaterLongCompare = 0xB9;

inline constexpr int kMaxWaterRows = 5;
inline constexpr int kMaxWaterPalettes = 3;

// Where a game keeps its water rows and their underwater palette bytes
// (absolute file offsets), and the list naming the zones of its selectors.
struct WaterLayout
{
    const char* gameCode;
    int rowCount;
    std::array<std::int32_t, kMaxWaterRows> rows; // A of rows 1 to rowCount
    int paletteCount;                             // 0: no palette bytes
    std::array<std::int32_t, kMaxWaterPalettes> palettes;
    LevelList zones;
};

// The layout of "p2", "p2k" or "p3"; nullptr for any other code.
const WaterLayout* WaterLayoutFor(const std::string& gameCode);

// The act choice of a row.
enum class WaterAct { None, Act1, Act2, Both };

// What a row shows. A row whose size byte is neither a byte nor a word
// compare is not decoded: no zone, no act, and it is never written.
struct WaterLevel
{
    bool decoded = false;
    std::uint8_t zone = 0;
    WaterAct act = WaterAct::None;
};

// Byte compare: zone from the low byte, "Both". Word compare: zone from the
// high byte; act 0 is Act1, act 1 Act2, any other act None.
WaterLevel DecodeWaterRow(WaterBytes bytes);

// True for the byte and word compares, the only forms the editor rewrites.
bool IsEditableWaterRow(WaterBytes bytes);

// The bytes for a chosen zone and act: Both gives {0x38, 0, zone}, Act1
// {0x78, zone, 0}, Act2 {0x78, zone, 1}. With no zone, no act, a row that
// is not editable, or one that already names that zone and act, current
// comes back unchanged.
WaterBytes EncodeWaterRow(WaterBytes current, std::optional<std::uint8_t> zone, WaterAct act);

// A palette byte as its box shows it: two upper-case hexadecimal digits.
std::string WaterPaletteText(std::uint8_t value);

// The palette box of row (1 to 3) as a number field: "Underwater palette
// of level 2", hexadecimal 00 to FF.
NumberField WaterPaletteField(int row);

// Reads the text of the palette box of row (1 to 3) with ParseNumber:
// bare hexadecimal digits, or "$0A", "0x0A", "0Ah". Throws KorvaneError
// naming the box and its range when the text is no number or does not fit
// a byte.
std::uint8_t ParseWaterPalette(const std::string& text, int row);
