#include "editors/text/textmodel.h"

#include "core/korvaneerror.h"
#include "core/romaccess.h"
#include "editors/text/textcodec.h"

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
    if (field.form == TextForm::Word)
        return std::string(field.group) + " text";
    return std::string(field.group) + " text " + std::to_string(field.place);
}

void CheckTextField(const TextField& field, const std::string& text)
{
    if (const std::optional<char32_t> c = FirstCharWithoutCode(text, field.count))
        throw KorvaneError(TextFieldLabel(field) + ": the character " + CharForMessage(*c)
                           + " has no code in the game's texts. Nothing was saved.");
}

std::string ReadTextField(const std::string& path, const TextField& field)
{
    if (field.form == TextForm::Word)
        return ReadRomWordText(path, field.offset, field.count);
    return ReadRomText(path, field.offset, field.count);
}

void WriteTextField(const std::string& path, const TextField& field, const std::string& text)
{
    if (field.form == TextForm::Word)
        WriteRomWordText(path, field.offset, field.count, text);
    else
        WriteRomText(path, field.offset, field.count, text);
}

std::string ReadRomText(const std::string& path, std::int32_t offset, int count)
{
    std::vector<std::uint8_t> codes;
    for (int i = 0; i < count; ++i)
        codes.push_back(static_cast<std::uint8_t>(ReadRomValue(path, offset + i, 1)));
    return DecodeTextBytes(codes);
}

void WriteRomText(const std::string& path, std::int32_t offset, int count, const std::string& text)
{
    const std::vector<std::uint8_t> codes = EncodeTextBytes(text, count);
    for (int i = 0; i < count; ++i)
        WriteRomBytes(path, offset + i, 1, codes[static_cast<std::size_t>(i)]);
}

std::string ReadRomWordText(const std::string& path, std::int32_t offset, int count)
{
    std::vector<std::uint16_t> codes;
    for (int i = 0; i < count; ++i)
        codes.push_back(static_cast<std::uint16_t>(SwapWord(ReadRomValue(path, offset + 2 * i, 2))));
    return DecodeTextWords(codes);
}

void WriteRomWordText(const std::string& path, std::int32_t offset, int count, const std::string& text)
{
    const std::vector<std::uint16_t> codes = EncodeTextWords(text, count);
    for (int i = 0; i < count; ++i)
        WriteRomBytes(path, offset + 2 * i, 2, SwapWord(codes[static_cast<std::size_t>(i)]));
}

void TextModel::read(const std::string& path)
{
    mTextsRead = 0;
    for (const TextField& field : kTextFields) {
        mTexts[static_cast<std::size_t>(mTextsRead)] = ReadTextField(path, field);
        ++mTextsRead;
    }
}

void TextModel::check(const TextValues& wanted) const
{
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        if (wanted[i] == mTexts[i])
            continue;
        try {
            CheckTextField(kTextFields[i], wanted[i]);
        } catch (const KorvaneError& e) {
            throw FieldError(i, e.what());
        }
    }
}

void TextModel::write(const std::string& path, const TextValues& wanted)
{
    if (!complete())
        throw KorvaneError("Not every text has been read from this ROM; nothing was saved");
    check(wanted);
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        if (wanted[i] == mTexts[i])
            continue;
        WriteTextField(path, kTextFields[i], wanted[i]);
        mTexts[i] = wanted[i];
    }
}
