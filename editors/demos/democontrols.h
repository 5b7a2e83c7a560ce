// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "editors/demos/demomodel.h"

#include <array>
#include <cstdint>

class QComboBox;
class QSpinBox;

// Small steps shared by the two demo windows.

// Gives the edit part of a spin box the form's name of the edit box, so the
// pair keeps both of its names (the spin box holds the position).
void NameSpinEdit(QSpinBox* spin, const char* editName);

// Names the demo controls for screen readers and says in their tooltips
// what they hold; specialLength may be null.
void DescribeDemoControls(QSpinBox* length, QSpinBox* specialLength, QSpinBox* number,
                          const std::array<QComboBox*, kDemoLevelWords>& selectors);

// Says the number box's range in its tooltip, again after it changed.
void DescribeDemoNumber(QSpinBox* number);

// Sets spin to value (clamped to its range) and returns the position shown.
int ShowDemoValue(QSpinBox* spin, int value);

// The frames a seconds spin box asks to store: stored while its position is
// still shown (the position shown after opening or the last Save: the user
// left it alone), else its seconds as frames.
std::uint16_t ChosenFrames(const QSpinBox* spin, int shown, std::uint16_t stored);

// The same for a spin box whose position is the word itself.
std::uint16_t ChosenCount(const QSpinBox* spin, int shown, std::uint16_t stored);

// The level identifiers the four selectors ask to store: the table row each
// one selects, or the stored level where nothing is selected.
std::array<std::uint16_t, kDemoLevelWords> ChosenLevels(const std::array<QComboBox*, kDemoLevelWords>& selectors,
                                                        const DemoModel& model);
