// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/colourwords.h"

#include "core/korvaneerror.h"
#include "core/numbers.h"
#include "core/translate.h"

namespace {

// Position of a component's lowest bit.
int componentShift(ColourFormat format, ColourComponent component)
{
    const int step = format == ColourFormat::MegaDrive ? 4 : 5;
    switch (component) {
    case ColourComponent::Blue:
        return 2 * step;
    case ColourComponent::Green:
        return step;
    case ColourComponent::Red:
        break;
    }
    return 0;
}

std::uint16_t componentBits(ColourFormat format)
{
    return format == ColourFormat::MegaDrive ? 0xF : 0x1F;
}

} // namespace

std::uint16_t ComponentMask(ColourFormat format, ColourComponent component)
{
    return static_cast<std::uint16_t>(componentBits(format) << componentShift(format, component));
}

int ComponentValue(std::uint16_t word, ColourFormat format, ColourComponent component)
{
    return (word >> componentShift(format, component)) & componentBits(format);
}

std::uint8_t EditorLevel(std::uint16_t word, ColourFormat format, ColourComponent component)
{
    const int value = ComponentValue(word, format, component);
    return static_cast<std::uint8_t>(format == ColourFormat::MegaDrive ? value * 17 : value * 8);
}

ScreenColour EditorColour(std::uint16_t word, ColourFormat format)
{
    return {EditorLevel(word, format, ColourComponent::Red), EditorLevel(word, format, ColourComponent::Green),
            EditorLevel(word, format, ColourComponent::Blue)};
}

ScreenColour ComponentColour(std::uint16_t word, ColourFormat format, ColourComponent component)
{
    const std::uint8_t level = EditorLevel(word, format, component);
    switch (component) {
    case ColourComponent::Blue:
        return {0, 0, level};
    case ColourComponent::Green:
        return {0, level, 0};
    case ColourComponent::Red:
        break;
    }
    return {level, 0, 0};
}

ScreenColour ViewerColour(std::uint16_t word)
{
    const auto level = [word](ColourComponent c) {
        return static_cast<std::uint8_t>(ComponentValue(word, ColourFormat::MegaDrive, c) * 16);
    };
    return {level(ColourComponent::Red), level(ColourComponent::Green), level(ColourComponent::Blue)};
}

int BarMaximum(ColourFormat format)
{
    return format == ColourFormat::MegaDrive ? 7 : 31;
}

int BarLevel(std::uint16_t word, ColourFormat format, ColourComponent component)
{
    const int value = ComponentValue(word, format, component);
    return format == ColourFormat::MegaDrive ? 7 - value / 2 : 31 - value;
}

std::uint16_t WithBarLevel(std::uint16_t word, ColourFormat format, ColourComponent component, int level)
{
    const int value = format == ColourFormat::MegaDrive ? 2 * (7 - level) : 31 - level;
    const std::uint16_t mask = ComponentMask(format, component);
    const auto bits = static_cast<std::uint16_t>(static_cast<unsigned>(value) << componentShift(format, component));
    return static_cast<std::uint16_t>((word & ~mask) | (bits & mask));
}

std::uint16_t TypedColourWord(std::uint32_t value, ColourFormat format)
{
    return static_cast<std::uint16_t>(value & (format == ColourFormat::MegaDrive ? 0x0EEEu : 0x7FFFu));
}

std::uint16_t ParseColourWord(const std::string& text, ColourFormat format, std::uint16_t stored,
                              const std::string& field)
{
    const auto value = static_cast<std::uint16_t>(ParseNumber(text, {field, 4, 0, 0xFFFF}));
    const std::uint16_t kept = TypedColourWord(value, format);
    if (value == stored || value == kept)
        return value;
    const std::string refusal =
        format == ColourFormat::MegaDrive
            ? Translated("ColourWords", "'%1' has bits outside 0EEE for \"%2\": a Mega Drive colour holds blue, green "
                                        "and red in even steps, 0 to E (the nearest is %3).")
            : Translated("ColourWords",
                         "'%1' has bits outside 7FFF for \"%2\": a 32X colour holds 15 bits (the nearest is %3).");
    throw KorvaneError(Substituted(refusal, {text, field, HexStr(kept, 4)}));
}
