// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/codepage.h"
#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "editors/text/textcodec.h"
#include "editors/text/textmodel.h"
#include "tests/support/testfiles.h"
#include "tools/samplerom/samples.h"
#include "core/syntheticimage.h"

#include <gtest/gtest.h>

#include "core/romfile.h"

#include <algorithm>
#include <functional>
#include <set>

namespace {

// A text of count codes at offset of the file path, read or written one code
// at a time.
std::string readText(const std::string& path, std::int32_t offset, int count, TextForm form = TextForm::Byte)
{
    RomFile file(path, RomFile::Access::Read);
    file.requireOpen(path);
    return DecodeTextCodes(form, ReadRomCodes(file, offset, count, form));
}

void writeText(const std::string& path, std::int32_t offset, int count, const std::string& text,
               TextForm form = TextForm::Byte)
{
    RomFile file(path, RomFile::Access::Write);
    file.requireOpen(path);
    WriteRomCodes(file, offset, form, EncodeTextCodes(form, text, count));
}

// The alphabet as the game's tables list it: characters with their byte codes.
const std::u32string kChars = U" 0123456789*\u00A9:.ABCDEFGHIJKLMNOPQRSTUVWXYZ";

std::uint8_t expectedByte(std::size_t place)
{
    return place == 0 ? 0x00 : static_cast<std::uint8_t>(0x0F + place);
}


TEST(TextCodec, EveryCharacterHasItsByteAndWordCode)
{
    ASSERT_EQ(kChars.size(), static_cast<std::size_t>(kTextAlphabetSize));
    for (std::size_t place = 0; place < kChars.size(); ++place) {
        SCOPED_TRACE(place);
        const char32_t c = kChars[place];
        const std::uint8_t byte = expectedByte(place);
        const std::uint16_t word = place == 0 ? 0x0000 : static_cast<std::uint16_t>(0x0670 + byte);
        EXPECT_EQ(TextByteCode(c), byte);
        EXPECT_EQ(TextWordCode(c), word);
        EXPECT_EQ(TextByteChar(byte), c);
        EXPECT_EQ(TextWordChar(word), c);
        EXPECT_EQ(kTextAlphabet[place], c);
    }
    // Fixed points of the table.
    EXPECT_EQ(TextByteCode(U'0'), 0x10);
    EXPECT_EQ(TextByteCode(U'*'), 0x1A);
    EXPECT_EQ(TextByteCode(U'\u00A9'), 0x1B);
    EXPECT_EQ(TextByteCode(U'.'), 0x1D);
    EXPECT_EQ(TextByteCode(U'A'), 0x1E);
    EXPECT_EQ(TextByteCode(U'Z'), 0x37);
    EXPECT_EQ(TextWordCode(U'\u00A9'), 0x068B);
    EXPECT_EQ(TextWordCode(U'Z'), 0x06A7);
}

TEST(TextCodec, OnlyTheAlphabetsCodesDecode)
{
    int bytes = 0;
    for (int code = 0; code < 0x100; ++code) {
        SCOPED_TRACE(code);
        const bool known = code == 0x00 || (code >= 0x10 && code <= 0x37);
        const std::optional<char32_t> c = TextByteChar(static_cast<std::uint8_t>(code));
        ASSERT_EQ(c.has_value(), known);
        if (c) {
            EXPECT_EQ(TextByteCode(*c), code);
            ++bytes;
        }
    }
    EXPECT_EQ(bytes, kTextAlphabetSize);

    int words = 0;
    for (int code = 0; code < 0x10000; ++code) {
        const bool known = code == 0x0000 || (code >= 0x0680 && code <= 0x06A7);
        const std::optional<char32_t> c = TextWordChar(static_cast<std::uint16_t>(code));
        ASSERT_EQ(c.has_value(), known) << code;
        if (c) {
            EXPECT_EQ(TextWordCode(*c), code);
            ++words;
        }
    }
    EXPECT_EQ(words, kTextAlphabetSize);
    // The space is never 0x0670.
    EXPECT_FALSE(TextWordChar(0x0670));
}

TEST(TextCodec, LowerCaseEncodesAsUpperCaseAndNothingElseHasACode)
{
    for (char32_t c = U'a'; c <= U'z'; ++c) {
        EXPECT_EQ(TextByteCode(c), TextByteCode(c - U'a' + U'A'));
        EXPECT_EQ(TextWordCode(c), TextWordCode(c - U'a' + U'A'));
    }
    std::vector<char32_t> others;
    for (char32_t c = 0; c < 0x400; ++c)
        others.push_back(c);
    others.insert(others.end(), {U'\u2122', U'\uFFFD', U'\U0001F600'});
    for (const char32_t c : others) {
        const bool coded = kChars.find(c) != std::u32string::npos || (c >= U'a' && c <= U'z');
        EXPECT_EQ(TextByteCode(c).has_value(), coded) << static_cast<unsigned>(c);
        EXPECT_EQ(TextWordCode(c).has_value(), coded) << static_cast<unsigned>(c);
    }
}

TEST(TextCodec, DecodesUnknownCodesAsHexadecimal)
{
    struct Row
    {
        std::vector<std::uint8_t> codes;
        std::string text;
    };
    const Row bytes[] = {
        {{0x00, 0x00}, "  "},
        {{0x22, 0x25, 0x37, 0x00, 0x11}, "EHZ 1"},
        {{0x1E, 0x0F, 0x1F, 0x20}, "A0FBC"},
        {{0x05, 0xFF, 0x38, 0x01}, "05FF3801"},
        {{0x1B, 0x1C, 0x1D, 0x1A}, "\u00A9:.*"},
    };
    for (const Row& row : bytes) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(DecodeTextBytes(row.codes), row.text);
    }
    EXPECT_EQ(DecodeTextWords({0x068B, 0x0000, 0x0681, 0x0670, 0x1B00, 0x06A7}), "\u00A9 10670" "1B00Z");
}

TEST(TextCodec, EncodesPadsAndCuts)
{
    struct Row
    {
        std::string text;
        int count;
        std::vector<std::uint8_t> codes;
    };
    const Row rows[] = {
        {"EHZ 1", 5, {0x22, 0x25, 0x37, 0x00, 0x11}},
        {"abc", 3, {0x1E, 0x1F, 0x20}},
        {"\u00A9", 1, {0x1B}},
        {"AB", 4, {0x1E, 0x1F, 0x00, 0x00}},
        {"", 2, {0x00, 0x00}},
        {"ABCDE", 3, {0x1E, 0x1F, 0x20}},
        {"AB!", 2, {0x1E, 0x1F}}, // the third character is not stored, so not checked
        {"A0FBC", 4, {0x1E, 0x10, 0x23, 0x1F}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(EncodeTextBytes(row.text, row.count), row.codes);
        std::vector<std::uint16_t> words;
        for (const std::uint8_t b : row.codes)
            words.push_back(b == 0 ? 0 : static_cast<std::uint16_t>(0x0670 + b));
        EXPECT_EQ(EncodeTextWords(row.text, row.count), words);
    }
}

TEST(TextCodec, RefusesCharactersWithoutCode)
{
    struct Row
    {
        std::string text;
        std::string named;
    };
    const Row rows[] = {
        {"A!B", "\"!\""},          {"?", "\"?\""},          {"NO-GO", "\"-\""},
        {"IT'S", "\"'\""},         {"\u00E9T\u00C9", "\"\u00E9\""}, {"A\tB", "U+0009"},
        {"AB\xFF", "U+FFFD"},      {"\xE2\x84\xA2", "\"\u2122\""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const std::string expected = "The character " + row.named + " has no code in the game's texts";
        EXPECT_EQ(ErrorOf([&] { EncodeTextBytes(row.text, 5); }), expected);
        EXPECT_EQ(ErrorOf([&] { EncodeTextWords(row.text, 5); }), expected);
        EXPECT_TRUE(FirstCharWithoutCode(row.text, 5).has_value());
    }
    EXPECT_FALSE(FirstCharWithoutCode("abc \u00A9", 5).has_value());
}

TEST(TextCodec, ReadsUtf8CharacterByCharacter)
{
    struct Row
    {
        std::string bytes;
        std::u32string chars;
    };
    const Row rows[] = {
        {"A\u00A9B", U"A\u00A9B"},
        {"\xE2\x84\xA2\xF0\x9F\x98\x80", U"\u2122\U0001F600"},
        {"\xC2", U"\uFFFD"},          // cut short
        {"\xC2Z", U"\uFFFDZ"},        // the next character survives
        {"\xC0\x80", U"\uFFFD"},      // overlong
        {"\xED\xA0\x80", U"\uFFFD"},  // surrogate
        {"\x80" "A", U"\uFFFDA"},     // stray continuation
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bytes);
        EXPECT_EQ(Utf8ToCodePoints(row.bytes), row.chars);
    }
    for (const char32_t c : {U'A', U'\u00A9', U'\u2122', U'\U0001F600'})
        EXPECT_EQ(Utf8ToCodePoints(CodePointToUtf8(c)), std::u32string(1, c));
}

struct RomText : ::testing::Test
{
    TempDir dir;
    std::string path = dir.file("rom.bin");

    void SetUp() override
    {
        SyntheticImage(0x100, 0xEE)
            .bytes(0x10, {0x22, 0x25, 0x37, 0x00, 0x11})
            .bytes(0x20, {0x1E, 0x0F, 0x1F, 0x20})
            .bytes(0x40, {0x06, 0x8B, 0x00, 0x00, 0x06, 0x81, 0x12, 0x34})
            .save(path);
    }

    std::vector<std::uint8_t> with(std::size_t offset, const std::vector<std::uint8_t>& bytes)
    {
        auto expected = ReadFileBytes(path);
        std::copy(bytes.begin(), bytes.end(), expected.begin() + static_cast<std::ptrdiff_t>(offset));
        return expected;
    }
};

TEST_F(RomText, ReadsBothForms)
{
    EXPECT_EQ(readText(path, 0x10, 5), "EHZ 1");
    EXPECT_EQ(readText(path, 0x20, 4), "A0FBC");
    EXPECT_EQ(readText(path, 0x30, 2), "EEEE");
    EXPECT_EQ(readText(path, 0x40, 4, TextForm::Word), "\u00A9 11234");
    EXPECT_EQ(ErrorOf([&] { readText(path, 0xFE, 3); }), "Stream read error");
    EXPECT_EQ(ErrorOf([&] { readText(path, 0xFC, 3, TextForm::Word); }), "Stream read error");
}

TEST_F(RomText, WritesOnlyItsOwnCodes)
{
    auto expected = with(0x80, {0x22, 0x25, 0x37, 0x00, 0x11, 0x00, 0x00});
    writeText(path, 0x80, 7, "ehz 1");
    EXPECT_EQ(ReadFileBytes(path), expected);

    expected = with(0x90, {0x06, 0x8B, 0x06, 0x81, 0x06, 0xA7, 0x00, 0x00});
    writeText(path, 0x90, 4, "\u00A91z", TextForm::Word);
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(readText(path, 0x90, 4, TextForm::Word), "\u00A91Z ");

    // A decoded text with hexadecimal digits, stored back, is cut to its count.
    expected = with(0x20, {0x1E, 0x10, 0x23, 0x1F});
    writeText(path, 0x20, 4, readText(path, 0x20, 4));
    EXPECT_EQ(ReadFileBytes(path), expected);
}

TEST_F(RomText, RefusedTextWritesNothing)
{
    const auto before = ReadFileBytes(path);
    EXPECT_EQ(ErrorOf([&] { writeText(path, 0x10, 5, "EHZ!1"); }), "The character \"!\" has no code in the game's texts");
    EXPECT_EQ(ErrorOf([&] { writeText(path, 0x40, 4, "\u00A9 1?", TextForm::Word); }),
              "The character \"?\" has no code in the game's texts");
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST(TextFields, TableIsConsistent)
{
    std::set<std::string> names;
    std::int32_t end = 0;
    int places[3] = {0, 0, 0};
    for (const TextField& field : kTextFields) {
        SCOPED_TRACE(field.name);
        EXPECT_TRUE(names.insert(field.name).second);
        EXPECT_GE(field.count, 2);
        EXPECT_LE(field.count, 17);
        // Ascending and apart: the bytes between the texts are never touched.
        EXPECT_GT(field.offset, end);
        end = field.offset + field.count * (field.form == TextForm::Word ? 2 : 1) - 1;
        const std::string group = field.group;
        const int g = group == "Copyright" ? 0 : group == "2 Player Mode" ? 1 : group == "Options" ? 2 : -1;
        ASSERT_GE(g, 0);
        EXPECT_EQ(field.place, ++places[g]);
        EXPECT_EQ(field.form == TextForm::Word, g == 0);
    }
    EXPECT_EQ(places[0], 1);
    EXPECT_EQ(places[1], 13);
    EXPECT_EQ(places[2], 10);
    EXPECT_EQ(kTextFields.front().offset, 0x3E80);
    EXPECT_EQ(kTextFields.back().offset, 0x985F);
}

TEST(TextFields, RefusalNamesTheField)
{
    EXPECT_EQ(ErrorOf([] { CheckTextField(kTextFields[0], "(C) 1992"); }),
              "Copyright text: the character \"(\" has no code in the game's texts. Nothing was saved.");
    EXPECT_EQ(ErrorOf([] { CheckTextField(kTextFields[3], "CANDY-NIGHT"); }),
              "2 Player Mode text 3: the character \"-\" has no code in the game's texts. Nothing was saved.");
    EXPECT_EQ(ErrorOf([] { CheckTextField(kTextFields[23], "RANDOM ORDER?"); }),
              "Options text 10: the character \"?\" has no code in the game's texts. Nothing was saved.");
    // Longer than its count: refused, not cut.
    EXPECT_EQ(ErrorOf([] { CheckTextField(kTextFields[12], "1P!"); }),
              "2 Player Mode text 12: the text has 3 characters, more than the 2 the game keeps. Nothing was saved.");
    EXPECT_EQ(ErrorOf([] { CheckTextField(kTextFields[12], "1P"); }), "no error");
}

TEST(TextFields, SampleImageHoldsTextsInTheAlphabet)
{
    const std::vector<SampleImage> samples = BuildSampleImages();
    const auto p2 = std::find_if(samples.begin(), samples.end(), [](const SampleImage& s) { return s.gameCode == "p2"; });
    ASSERT_NE(p2, samples.end());
    TempDir dir;
    const std::string path = dir.file("p2.bin");
    p2->image.save(path);
    for (const TextField& field : kTextFields) {
        SCOPED_TRACE(field.name);
        const std::string text = readText(path, field.offset, field.count, field.form);
        const std::u32string chars = Utf8ToCodePoints(text);
        EXPECT_EQ(chars.size(), static_cast<std::size_t>(field.count));
        EXPECT_FALSE(FirstCharWithoutCode(text, field.count));
        EXPECT_NE(text.find_first_not_of(' '), std::string::npos);
    }
    const TextField& copyright = kTextFields[0];
    EXPECT_EQ(readText(path, copyright.offset, copyright.count, copyright.form).substr(0, 2), "\u00A9");
}

} // namespace
