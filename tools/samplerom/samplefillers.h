// SPDX-FileCopyrightText: 2026 The Pelbo Korvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "tools/samplerom/syntheticimage.h"

#include <string>

// Each filler writes plausible values at one editor's offsets of a sample
// image of the game code, and leaves the images of other games alone.

// Demo lengths, number of demos and the four demo level words.
void FillDemoSamples(SyntheticImage& image, const std::string& gameCode);
// Compare instructions of both editable forms, each followed by a short
// branch, and the underwater palette bytes ("p2", "p2k", "p3").
void FillWaterSamples(SyntheticImage& image, const std::string& gameCode);
// The 42 object words ("p2").
void FillObjectSamples(SyntheticImage& image, const std::string& gameCode);
// The 24 screen texts in the game's codes ("p2").
void FillTextSamples(SyntheticImage& image, const std::string& gameCode);
// Colourful palettes at every palette the shipped list file of the code
// names, in the list's colour format.
void FillPaletteSamples(SyntheticImage& image, const std::string& gameCode);
// The art viewer's art, for any game: a 16-colour palette at the art palette
// (unless another filler already put colours there), the eleven tiles and
// their two sprite pieces, the second one flipped. Runs last.
void FillArtSamples(SyntheticImage& image, const std::string& gameCode);
