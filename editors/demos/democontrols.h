#pragma once

#include <cstdint>

class QSpinBox;

// Small steps shared by the two demo windows. ROM values are 16-bit
// big-endian words on Rom.RomPath; read and write errors propagate as
// KorvaneError.

// Gives the edit part of a spin box the form's name of the edit box, so the
// pair keeps both of its names (the spin box holds the position).
void NameSpinEdit(QSpinBox* spin, const char* editName);

// The word at offset.
std::uint16_t ReadDemoWord(std::int32_t offset);

// Sets spin to value (clamped to its range) and returns the position shown.
int ShowDemoValue(QSpinBox* spin, int value);

// Writes the seconds of spin as frames at offset when its position differs
// from shown, then makes it the shown position; nothing when unchanged.
void SaveDemoSeconds(const QSpinBox* spin, int& shown, std::int32_t offset);

// Writes the position of spin at offset when it differs from shown, then
// makes it the shown position.
void SaveDemoCount(const QSpinBox* spin, int& shown, std::int32_t offset);

// Writes chosen at offset when it differs from stored, then stores it.
void SaveDemoLevel(std::uint16_t chosen, std::uint16_t& stored, std::int32_t offset);
