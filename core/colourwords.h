// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

// Palette colour words as the ROM stores them (16 bits, big-endian in the
// file; every routine here takes the word already in host order) and their
// screen colours.
//
// Mega Drive layout: blue, green and red nibbles in bits 11-8, 7-4 and 3-0;
// bits 15-12 are not part of the colour.
// MARS layout: blue, green and red 5-bit components in bits 14-10, 9-5 and
// 4-0; bit 15 is not part of the colour.

// The layout of a palette; the number is the one the palette list files use.
enum class ColourFormat {
    MegaDrive = 0,
    Mars = 1,
};

enum class ColourComponent {
    Blue,
    Green,
    Red,
};

// An 8-bit-per-channel screen colour.
struct ScreenColour
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const ScreenColour&, const ScreenColour&) = default;
};

// Bits of one component within a word of the format (0x0F00, 0x00F0, 0x000F
// or 0x7C00, 0x03E0, 0x001F).
std::uint16_t ComponentMask(ColourFormat format, ColourComponent component);

// The raw component: a nibble 0 to 15 (Mega Drive) or 0 to 31 (MARS).
int ComponentValue(std::uint16_t word, ColourFormat format, ColourComponent component);

// One component expanded to 8 bits as the palette editor shows it: nibble x 17
// (0xE gives 0xEE) or MARS component x 8 (31 gives 248).
std::uint8_t EditorLevel(std::uint16_t word, ColourFormat format, ColourComponent component);

// The screen colour of a word as the palette editor shows it (EditorLevel for
// each component). Bits outside the colour are ignored.
ScreenColour EditorColour(std::uint16_t word, ColourFormat format);

// One component alone, as the editor's component boxes show it: blue as
// (0, 0, B), green as (0, G, 0), red as (R, 0, 0), expanded as EditorColour.
ScreenColour ComponentColour(std::uint16_t word, ColourFormat format, ColourComponent component);

// The screen colour of a Mega Drive word as the art viewer shows it: nibble
// x 16 (0xE gives 0xE0). The art viewer knows only the Mega Drive layout.
ScreenColour ViewerColour(std::uint16_t word);

// Highest level of the editor's bars: 7 (Mega Drive) or 31 (MARS). Level 0
// is the top of a bar and stands for the brightest value.
int BarMaximum(ColourFormat format);

// The bar level that shows a component: 7 - nibble / 2 (rounded down), or
// 31 - component.
int BarLevel(std::uint16_t word, ColourFormat format, ColourComponent component);

// The word with one component set from a bar level: nibble 2 x (7 - level)
// or component 31 - level. Only that component's bits change; every other
// bit, the unused high bits included, stays. A level outside 0 to
// BarMaximum is cut down to the component's bits.
std::uint16_t WithBarLevel(std::uint16_t word, ColourFormat format, ColourComponent component, int level);

// The word that a typed value becomes: value AND 0x0EEE (Mega Drive, even
// nibbles only) or value AND 0x7FFF (MARS, bit 15 cleared).
std::uint16_t TypedColourWord(std::uint32_t value, ColourFormat format);

// A colour word typed into field (text as typed) in place of stored: any of
// ParseNumber's forms of a hexadecimal word. The stored word itself is
// taken as it is; any other word must keep to the format's colour bits
// (0EEE or 7FFF). Throws KorvaneError naming the field otherwise, never
// masks in silence.
std::uint16_t ParseColourWord(const std::string& text, ColourFormat format, std::uint16_t stored,
                              const std::string& field);
