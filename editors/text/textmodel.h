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

// Reads and decodes the field from Rom.RomPath (hexadecimal digits for codes
// outside the alphabet). Read errors propagate.
std::string ReadTextField(const TextField& field);

// Encodes and writes the field, padded with space codes; nothing is written
// when a character has no code. Write errors propagate.
void WriteTextField(const TextField& field, const std::string& text);
