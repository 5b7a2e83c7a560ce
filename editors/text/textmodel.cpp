#include "editors/text/textmodel.h"

#include "core/korvaneerror.h"
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

std::string ReadTextField(const TextField& field)
{
    if (field.form == TextForm::Word)
        return ReadRomWordText(field.offset, field.count);
    return ReadRomText(field.offset, field.count);
}

void WriteTextField(const TextField& field, const std::string& text)
{
    if (field.form == TextForm::Word)
        WriteRomWordText(field.offset, field.count, text);
    else
        WriteRomText(field.offset, field.count, text);
}
