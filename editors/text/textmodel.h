#pragma once

#include <array>
#include <cstdint>
#include <string>

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

// How messages name a field: "Copyright text", "2 Player Mode text 3".
std::string TextFieldLabel(const TextField& field);

// Throws KorvaneError naming the field and the character when one of the
// first count characters of text (UTF-8) has no code.
void CheckTextField(const TextField& field, const std::string& text);

// Reads and decodes the field from the file path (hexadecimal digits for
// codes outside the alphabet). Read errors propagate.
std::string ReadTextField(const std::string& path, const TextField& field);

// Encodes and writes the field, padded with space codes; nothing is written
// when a character has no code. Write errors propagate.
void WriteTextField(const std::string& path, const TextField& field, const std::string& text);

// Reads count byte codes at offset of the file path, one read per code in
// ascending order, and decodes them. Read errors propagate (KorvaneError).
std::string ReadRomText(const std::string& path, std::int32_t offset, int count);
// Encodes text as EncodeTextBytes (nothing is written when a character has
// no code), then writes the count bytes at offset, one write per code in
// ascending order. A write error ends the text there and propagates.
void WriteRomText(const std::string& path, std::int32_t offset, int count, const std::string& text);
// As ReadRomText for count big-endian words at offset.
std::string ReadRomWordText(const std::string& path, std::int32_t offset, int count);
// As WriteRomText for count big-endian words at offset.
void WriteRomWordText(const std::string& path, std::int32_t offset, int count, const std::string& text);

// The 24 texts (UTF-8) in kTextFields order.
using TextValues = std::array<std::string, kTextFieldCount>;

// The texts of the text editor in one image.
class TextModel
{
public:
    // Reads the texts in table order. A read error ends it and propagates;
    // the texts before it stay read.
    void read(const std::string& path);
    // Texts read, from the first in table order.
    int textsRead() const { return mTextsRead; }
    bool complete() const { return mTextsRead == kTextFieldCount; }
    // Each text as read, or as last written.
    const TextValues& texts() const { return mTexts; }

    // Checks every text of wanted that differs from texts() with
    // CheckTextField; the first refused throws FieldError with its index.
    void check(const TextValues& wanted) const;

    // check, then writes each text of wanted that differs from texts(), in
    // table order. Refuses unless every text was read. A write error ends it
    // and propagates; the texts written before it count as written.
    void write(const std::string& path, const TextValues& wanted);

private:
    TextValues mTexts;
    int mTextsRead = 0;
};
