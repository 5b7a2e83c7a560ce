// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/colourwords.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr ColourComponent kComponents[] = {ColourComponent::Blue, ColourComponent::Green, ColourComponent::Red};
constexpr ColourFormat kFormats[] = {ColourFormat::MegaDrive, ColourFormat::Mars};

std::string describe(std::uint16_t word, ColourFormat format)
{
    char text[32];
    std::snprintf(text, sizeof text, "%s %04X", format == ColourFormat::Mars ? "MARS" : "MD", word);
    return text;
}

TEST(ColourWords, ScreenColoursOfTheEdgeCases)
{
    struct Row
    {
        std::uint16_t word;
        ColourFormat format;
        ScreenColour editor;
        int barB, barG, barR;
    };
    const Row rows[] = {
        {0x0EEE, ColourFormat::MegaDrive, {238, 238, 238}, 0, 0, 0},
        {0x000E, ColourFormat::MegaDrive, {238, 0, 0}, 7, 7, 0},
        {0x0F00, ColourFormat::MegaDrive, {0, 0, 255}, 0, 7, 7},
        {0x000F, ColourFormat::MegaDrive, {255, 0, 0}, 7, 7, 0},
        {0x0246, ColourFormat::MegaDrive, {102, 68, 34}, 6, 5, 4},
        {0xF246, ColourFormat::MegaDrive, {102, 68, 34}, 6, 5, 4},
        {0x7FFF, ColourFormat::Mars, {248, 248, 248}, 0, 0, 0},
        {0x801F, ColourFormat::Mars, {248, 0, 0}, 31, 31, 0},
        {0x0000, ColourFormat::Mars, {0, 0, 0}, 31, 31, 31},
        {0x7C00, ColourFormat::Mars, {0, 0, 248}, 0, 31, 31},
        {0x03E0, ColourFormat::Mars, {0, 248, 0}, 31, 0, 31},
        {0x1234, ColourFormat::Mars, {160, 136, 32}, 27, 14, 11},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(describe(row.word, row.format));
        EXPECT_EQ(EditorColour(row.word, row.format), row.editor);
        EXPECT_EQ(BarLevel(row.word, row.format, ColourComponent::Blue), row.barB);
        EXPECT_EQ(BarLevel(row.word, row.format, ColourComponent::Green), row.barG);
        EXPECT_EQ(BarLevel(row.word, row.format, ColourComponent::Red), row.barR);
        EXPECT_EQ(ComponentColour(row.word, row.format, ColourComponent::Blue), (ScreenColour{0, 0, row.editor.blue}));
        EXPECT_EQ(ComponentColour(row.word, row.format, ColourComponent::Green),
                  (ScreenColour{0, row.editor.green, 0}));
        EXPECT_EQ(ComponentColour(row.word, row.format, ColourComponent::Red), (ScreenColour{row.editor.red, 0, 0}));
    }
    EXPECT_EQ(ViewerColour(0x0EEE), (ScreenColour{224, 224, 224}));
    EXPECT_EQ(ViewerColour(0x0F00), (ScreenColour{0, 0, 240}));
    EXPECT_EQ(ViewerColour(0xF02C), (ScreenColour{192, 32, 0}));
}

// Every word of both layouts: the editor writes each hex digit twice and the
// art viewer follows it with a zero; a MARS component is shifted up by three.
TEST(ColourWords, ExpansionOfEveryWord)
{
    for (std::uint32_t w = 0; w <= 0xFFFF; ++w) {
        const auto word = static_cast<std::uint16_t>(w);
        const int r = w & 0xF, g = (w >> 4) & 0xF, b = (w >> 8) & 0xF;
        const ScreenColour md = EditorColour(word, ColourFormat::MegaDrive);
        const ScreenColour viewer = ViewerColour(word);
        const ScreenColour mars = EditorColour(word, ColourFormat::Mars);
        const bool ok = md == ScreenColour{std::uint8_t(r << 4 | r), std::uint8_t(g << 4 | g), std::uint8_t(b << 4 | b)}
            && viewer == ScreenColour{std::uint8_t(r << 4), std::uint8_t(g << 4), std::uint8_t(b << 4)}
            && mars == ScreenColour{std::uint8_t((w & 0x1F) << 3), std::uint8_t(((w >> 5) & 0x1F) << 3),
                                    std::uint8_t(((w >> 10) & 0x1F) << 3)};
        if (!ok) {
            ADD_FAILURE() << "word " << std::hex << w;
            return;
        }
    }
}

// A bar sets only its own component, to the value that shows that level
// again; every other bit, the unused ones included, stays.
TEST(ColourWords, BarLevelsRoundTripAndKeepOtherBits)
{
    const std::uint16_t words[] = {0x0000, 0xFFFF, 0x8000, 0xF000, 0x0246, 0x801F, 0x7FFF, 0x5A5A, 0xA5A5, 0x0F0F};
    for (const ColourFormat format : kFormats) {
        for (const ColourComponent component : kComponents) {
            const std::uint16_t mask = ComponentMask(format, component);
            for (const std::uint16_t word : words) {
                for (int level = 0; level <= BarMaximum(format); ++level) {
                    SCOPED_TRACE(describe(word, format) + " level " + std::to_string(level) + " component "
                                 + std::to_string(static_cast<int>(component)));
                    const std::uint16_t changed = WithBarLevel(word, format, component, level);
                    EXPECT_EQ(changed & ~mask, word & ~mask);
                    EXPECT_EQ(BarLevel(changed, format, component), level);
                    const int value = ComponentValue(changed, format, component);
                    EXPECT_EQ(value, format == ColourFormat::MegaDrive ? 14 - 2 * level : 31 - level);
                }
            }
        }
    }
    EXPECT_EQ(BarMaximum(ColourFormat::MegaDrive), 7);
    EXPECT_EQ(BarMaximum(ColourFormat::Mars), 31);
}

TEST(ColourWords, BarChangesOfTheEdgeCases)
{
    struct Row
    {
        std::uint16_t word;
        ColourFormat format;
        ColourComponent component;
        int level;
        std::uint16_t result;
    };
    const Row rows[] = {
        {0x0246, ColourFormat::MegaDrive, ColourComponent::Red, 0, 0x024E},
        {0x0246, ColourFormat::MegaDrive, ColourComponent::Blue, 7, 0x0046},
        {0x0246, ColourFormat::MegaDrive, ColourComponent::Green, 1, 0x02C6},
        {0xF00F, ColourFormat::MegaDrive, ColourComponent::Red, 0, 0xF00E},
        {0x000F, ColourFormat::MegaDrive, ColourComponent::Red, 0, 0x000E},
        {0x801F, ColourFormat::Mars, ColourComponent::Red, 31, 0x8000},
        {0x801F, ColourFormat::Mars, ColourComponent::Blue, 0, 0xFC1F},
        {0x801F, ColourFormat::Mars, ColourComponent::Green, 15, 0x821F},
        {0x7FFF, ColourFormat::Mars, ColourComponent::Green, 31, 0x7C1F},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(describe(row.word, row.format));
        EXPECT_EQ(WithBarLevel(row.word, row.format, row.component, row.level), row.result);
    }
}

TEST(ColourWords, TypedValuesAreMasked)
{
    struct Row
    {
        std::uint32_t value;
        std::uint16_t megaDrive;
        std::uint16_t mars;
    };
    const Row rows[] = {
        {0xFFFF, 0x0EEE, 0x7FFF},
        {0x801F, 0x000E, 0x001F},
        {0x0246, 0x0246, 0x0246},
        {0x0F0F, 0x0E0E, 0x0F0F},
        {0x12345678, 0x0668, 0x5678},
        {0xFFFFFFFF, 0x0EEE, 0x7FFF},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(TypedColourWord(row.value, ColourFormat::MegaDrive), row.megaDrive);
        EXPECT_EQ(TypedColourWord(row.value, ColourFormat::Mars), row.mars);
    }
}

} // namespace
