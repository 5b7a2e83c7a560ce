#pragma once

#include "tests/support/syntheticimage.h"

#include <string>

// Writes plausible screen texts, in the game's codes, at the 24 text offsets
// of a "p2" image; other images are left alone.
void FillTextSamples(SyntheticImage& image, const std::string& gameCode);
