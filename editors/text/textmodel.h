// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/editormodel.h"
#include "core/korvaneerror.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Storage form of a text: one byte or one big-endian word per character.
enum class TextForm { Byte, Word };

// One screen text of the second game: the edit box that shows it, the group
// box it sits in, its place in that group (from 1), where its codes lie and
// how many there are.
struct TextField
{
    const char* name;
    const char* group;
    int place;
    std::int32_t offset;
    TextForm form;
    int count;
};

inline constexpr int kTextFieldCount = 24;

// The 24 texts in the order the editor reads and writes them.
extern const std::array<TextField, kTextFieldCount> kTextFields;

// How messages name a field, in the user's language: "Copyright text",
// "2 Player Mode text 3".
std::string TextFieldLabel(const TextField& field);

// Throws KorvaneError naming the field when text (UTF-8) has more characters
// than the field's count, or naming the character when one of them has no
// code.
void CheckTextField(const TextField& field, const std::string& text);

// The count codes at offset of file as the file holds them (count bytes,
// or count big-endian words), one read a code in ascending order. Read
// errors propagate (KorvaneError).
std::string ReadRomCodes(RomFile& file, std::int64_t offset, int count, TextForm form);
// Writes codes as ReadRomCodes gives them, in one write. A write error
// propagates.
void WriteRomCodes(RomFile& file, std::int64_t offset, TextForm form, const std::string& bytes);

// The text of codes as ReadRomCodes gives them: a code outside the alphabet
// shows as its value in hexadecimal digits. allKnown, when given, tells
// whether every code has a character.
std::string DecodeTextCodes(TextForm form, const std::string& bytes, bool* allKnown = nullptr);
// The codes of the first count characters of text, padded with spaces, as
// ReadRomCodes gives them. Throws KorvaneError naming the first character
// that has no code.
std::string EncodeTextCodes(TextForm form, const std::string& text, int count);

// The 24 texts (UTF-8) in kTextFields order.
using TextValues = std::array<std::string, kTextFieldCount>;

// The texts of the text editor in one image.
class TextModel : public EditorModel
{
public:
    // Texts read, from the first in table order.
    int textsRead() const { return mTextsRead; }
    bool complete() const { return mTextsRead == kTextFieldCount; }
    // Each text as read, or as the last write stored it (upper case, padded).
    const TextValues& texts() const { return mTexts; }
    const TextValues& wanted() const { return mWanted; }
    // Whether text i is shown with a character for every code; a text that
    // shows codes in hexadecimal digits cannot be changed.
    bool editable(std::size_t i) const { return mEditable[i]; }
    // Checks every text of wanted that differs from texts(): it must be
    // editable and pass CheckTextField. The first refused throws FieldError
    // with its index, or with all given, every refused text is added there
    // instead.
    void check(const TextValues& wanted, FieldErrors* all = nullptr) const;
    // check, then wanted is what a Save writes.
    void want(const TextValues& wanted);
    // Whether text, checked, would store other codes than text i holds: a
    // text the codec stores as it is (upper case, padded with blanks) is no
    // change.
    bool changes(std::size_t i, const std::string& text) const;

    // Refuses unless every text was read.
    std::string unreadRefusal() const override;
    std::vector<ByteSpan> spans() const override;
    // The texts holding codes that have no character.
    std::vector<SuspectValue> suspects() const override;
    std::vector<ImageSnapshot::Value> changes() const override;
    // Each wanted text that changes its codes, in table order, each in one
    // write.
    void write(RomFile& file) override;

protected:
    // The texts in table order.
    void readValues(RomFile& file) override;

private:
    TextValues mTexts;
    TextValues mWanted;
    // The codes of each text as the file holds them.
    std::array<std::string, kTextFieldCount> mCodes;
    std::array<bool, kTextFieldCount> mEditable{};
    int mTextsRead = 0;
};
