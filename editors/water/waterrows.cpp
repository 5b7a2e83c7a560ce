// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/water/waterrows.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/translate.h"

namespace {

constexpr std::array<WaterLayout, 3> kLayouts = {{
    {"p2", 3, {0x3FAA, 0x3FB2, 0x3FBA, 0, 0}, 3, {0x4089, 0x4093, 0x409D}, kP2Zones},
    {"p2k", 3, {0x303A86, 0x303A8E, 0x303A96, 0, 0}, 3, {0x303B59, 0x303B63, 0x303B6D}, kP2Zones},
    {"p3", 5, {0x5EA2, 0x5EAA, 0x5EB2, 0x5EBA, 0x5EC2}, 0, {0, 0, 0}, kP3Zones},
}};

} // namespace

const WaterLayout* WaterLayoutFor(const std::string& gameCode)
{
    for (const WaterLayout& layout : kLayouts) {
        if (gameCode == layout.gameCode)
            return &layout;
    }
    return nullptr;
}

WaterLevel DecodeWaterRow(WaterBytes bytes)
{
    if (bytes.size == kWaterZoneCompare)
        return {true, bytes.low, WaterAct::Both};
    if (bytes.size == kWaterLevelCompare) {
        const WaterAct act = bytes.low == 0 ? WaterAct::Act1 : bytes.low == 1 ? WaterAct::Act2 : WaterAct::None;
        return {true, bytes.high, act};
    }
    return {};
}

bool IsEditableWaterRow(WaterBytes bytes)
{
    return bytes.size == kWaterZoneCompare || bytes.size == kWaterLevelCompare;
}

WaterBytes EncodeWaterRow(WaterBytes current, std::optional<std::uint8_t> zone, WaterAct act)
{
    // Rewriting a long compare with a 6-byte form would cut the game's code.
    if (!zone || !IsEditableWaterRow(current))
        return current;
    // A row that already names this level keeps its bytes: the unused high
    // byte of a byte compare is not the editor's to clear.
    const WaterLevel level = DecodeWaterRow(current);
    if (level.zone == *zone && level.act == act)
        return current;
    switch (act) {
    case WaterAct::Both:
        return {kWaterZoneCompare, 0x00, *zone};
    case WaterAct::Act1:
        return {kWaterLevelCompare, *zone, 0x00};
    case WaterAct::Act2:
        return {kWaterLevelCompare, *zone, 0x01};
    case WaterAct::None:
        break;
    }
    return current;
}

std::string WaterPaletteText(std::uint8_t value)
{
    return HexStr(value, 2);
}

NumberField WaterPaletteField(int row)
{
    return {Substituted(Translated("WaterModel", "Underwater palette of level %1"), {std::to_string(row)}), 2, 0, 0xFF};
}

std::uint8_t ParseWaterPalette(const std::string& text, int row)
{
    return static_cast<std::uint8_t>(ParseNumber(text, WaterPaletteField(row)));
}
