// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "editors/text/textmodel.h"

#include "core/codepage.h"
#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "core/translate.h"
#include "editors/text/textcodec.h"

#include <string_view>

namespace {

constexpr const char* kCopyrightGroup = "Copyright";
constexpr const char* kTwoPlayerGroup = "2 Player Mode";
constexpr const char* kOptionsGroup = "Options";

} // namespace

const std::array<TextField, kTextFieldCount> kTextFields = {{
    {"Copyright", kCopyrightGroup, 1, 0x3E80, TextForm::Word, 12},
    {"p2ehz", kTwoPlayerGroup, 1, 0x874B, TextForm::Byte, 12},
    {"p2mcz", kTwoPlayerGroup, 2, 0x8759, TextForm::Byte, 11},
    {"p2cnz", kTwoPlayerGroup, 3, 0x8765, TextForm::Byte, 12},
    {"p2ss", kTwoPlayerGroup, 4, 0x8772, TextForm::Byte, 13},
    {"p2sp", kTwoPlayerGroup, 5, 0x8783, TextForm::Byte, 7},
    {"p2zon", kTwoPlayerGroup, 6, 0x878D, TextForm::Byte, 4},
    {"p2stag", kTwoPlayerGroup, 7, 0x8793, TextForm::Byte, 5},
    {"p2gameover", kTwoPlayerGroup, 8, 0x8799, TextForm::Byte, 9},
    {"p2timeover", kTwoPlayerGroup, 9, 0x87A3, TextForm::Byte, 9},
    {"p2nogame", kTwoPlayerGroup, 10, 0x87AD, TextForm::Byte, 7},
    {"p2tied", kTwoPlayerGroup, 11, 0x87B5, TextForm::Byte, 4},
    {"p21p", kTwoPlayerGroup, 12, 0x87BB, TextForm::Byte, 2},
    {"p22p", kTwoPlayerGroup, 13, 0x87BF, TextForm::Byte, 2},
    {"op1", kOptionsGroup, 1, 0x97CB, TextForm::Byte, 17},
    {"op2", kOptionsGroup, 2, 0x97DD, TextForm::Byte, 15},
    {"op3", kOptionsGroup, 3, 0x97ED, TextForm::Byte, 15},
    {"op4", kOptionsGroup, 4, 0x97FD, TextForm::Byte, 11},
    {"op5", kOptionsGroup, 5, 0x980D, TextForm::Byte, 11},
    {"op6", kOptionsGroup, 6, 0x981D, TextForm::Byte, 11},
    {"op7", kOptionsGroup, 7, 0x982D, TextForm::Byte, 17},
    {"op8", kOptionsGroup, 8, 0x983F, TextForm::Byte, 15},
    {"op9", kOptionsGroup, 9, 0x984F, TextForm::Byte, 13},
    {"opA", kOptionsGroup, 10, 0x985F, TextForm::Byte, 17},
}};

std::string TextFieldLabel(const TextField& field)
{
    const std::string_view group = field.group;
    const std::string place = std::to_string(field.place);
    if (group == kTwoPlayerGroup)
        return Substituted(Translated("TextModel", "2 Player Mode text %1"), {place});
    if (group == kOptionsGroup)
        return Substituted(Translated("TextModel", "Options text %1"), {place});
    return Translated("TextModel", "Copyright text");
}

void CheckTextField(const TextField& field, const std::string& text)
{
    const std::size_t length = Utf8ToCodePoints(text).size();
    if (length > static_cast<std::size_t>(field.count))
        throw KorvaneError(
            Substituted(Translated("TextModel", "%1: the text has %2 characters, more than the %3 the game keeps. "
                                                "Nothing was saved."),
                        {TextFieldLabel(field), std::to_string(length), std::to_string(field.count)}));
    if (const std::optional<char32_t> c = FirstCharWithoutCode(text, field.count))
        throw KorvaneError(Substituted(
            Translated("TextModel", "%1: the character %2 has no code in the game's texts. Nothing was saved."),
            {TextFieldLabel(field), CharForMessage(*c)}));
}

std::string ReadRomCodes(RomFile& file, std::int64_t offset, int count, TextForm form)
{
    const int size = form == TextForm::Word ? 2 : 1;
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t value = ReadRomValue(file, offset + size * i, size);
        // ReadRomValue gives the first byte lowest.
        for (int k = 0; k < size; ++k)
            bytes += static_cast<char>(value >> (8 * k));
    }
    return bytes;
}

std::string DecodeTextCodes(TextForm form, const std::string& bytes, bool* allKnown)
{
    bool known = true;
    std::string text;
    if (form == TextForm::Word) {
        std::vector<std::uint16_t> codes;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            codes.push_back(static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[i]) << 8
                                                       | static_cast<std::uint8_t>(bytes[i + 1])));
            known = known && TextWordChar(codes.back());
        }
        text = DecodeTextWords(codes);
    } else {
        const std::vector<std::uint8_t> codes(bytes.begin(), bytes.end());
        for (const std::uint8_t code : codes)
            known = known && TextByteChar(code);
        text = DecodeTextBytes(codes);
    }
    if (allKnown)
        *allKnown = known;
    return text;
}

std::string EncodeTextCodes(TextForm form, const std::string& text, int count)
{
    std::string bytes;
    if (form == TextForm::Word) {
        for (const std::uint16_t code : EncodeTextWords(text, count)) {
            bytes += static_cast<char>(code >> 8);
            bytes += static_cast<char>(code & 0xFF);
        }
    } else {
        for (const std::uint8_t code : EncodeTextBytes(text, count))
            bytes += static_cast<char>(code);
    }
    return bytes;
}

void WriteRomCodes(RomFile& file, std::int64_t offset, TextForm form, const std::string& bytes)
{
    // The codes are in file order; a text goes into the file in one write.
    const std::size_t size = form == TextForm::Word ? 2 : 1;
    WriteRomData(file, offset, bytes.substr(0, bytes.size() - bytes.size() % size));
}

void TextModel::readValues(RomFile& file)
{
    mTextsRead = 0;
    for (const TextField& field : kTextFields) {
        const auto k = static_cast<std::size_t>(mTextsRead);
        mCodes[k] = ReadRomCodes(file, at(field.offset), field.count, field.form);
        bool known = false;
        mTexts[k] = DecodeTextCodes(field.form, mCodes[k], &known);
        mEditable[k] = known;
        mWanted[k] = mTexts[k];
        ++mTextsRead;
    }
}

std::string TextModel::unreadRefusal() const
{
    return complete() ? std::string()
                      : Translated("TextModel", "Not every text has been read from this ROM; nothing was saved");
}

std::vector<ByteSpan> TextModel::spans() const
{
    std::vector<ByteSpan> spans;
    for (const TextField& field : kTextFields)
        spans.push_back({at(field.offset), std::int64_t{field.count} * (field.form == TextForm::Word ? 2 : 1)});
    return spans;
}

std::vector<SuspectValue> TextModel::suspects() const
{
    std::vector<SuspectValue> suspect;
    for (std::size_t i = 0; i < static_cast<std::size_t>(mTextsRead); ++i) {
        if (!mEditable[i])
            suspect.push_back(
                {at(kTextFields[i].offset), HexBytes(mCodes[i]), Translated("TextModel", "a text of the game")});
    }
    return suspect;
}

void TextModel::want(const TextValues& wanted)
{
    check(wanted);
    mWanted = wanted;
}

void TextModel::check(const TextValues& wanted, FieldErrors* all) const
{
    const auto refuse = [all](std::size_t i, const std::string& message) {
        if (!all)
            throw FieldError(i, message);
        all->emplace_back(i, message);
    };
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        if (wanted[i] == mTexts[i])
            continue;
        // Its hexadecimal digits would be stored as characters.
        if (!mEditable[i]) {
            refuse(i, Substituted(Translated("TextModel", "%1 holds codes that have no character; it cannot be "
                                                          "changed here. Nothing was saved."),
                                  {TextFieldLabel(kTextFields[i])}));
            continue;
        }
        try {
            CheckTextField(kTextFields[i], wanted[i]);
        } catch (const KorvaneError& e) {
            refuse(i, e.what());
        }
    }
}

bool TextModel::changes(std::size_t i, const std::string& text) const
{
    if (text == mTexts[i])
        return false;
    const TextField& field = kTextFields[i];
    return !mEditable[i] || EncodeTextCodes(field.form, text, field.count) != mCodes[i];
}

std::vector<ImageSnapshot::Value> TextModel::changes() const
{
    std::vector<ImageSnapshot::Value> changed;
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        if (changes(i, mWanted[i]))
            changed.push_back({at(kTextFields[i].offset), mCodes[i]});
    }
    return changed;
}

void TextModel::write(RomFile& file)
{
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        if (!changes(i, mWanted[i]))
            continue;
        const TextField& field = kTextFields[i];
        const std::string codes = EncodeTextCodes(field.form, mWanted[i], field.count);
        WriteRomCodes(file, at(field.offset), field.form, codes);
        // As the image holds it now: upper case, padded with blanks.
        mTexts[i] = mWanted[i] = DecodeTextCodes(field.form, codes);
        mCodes[i] = codes;
    }
}
