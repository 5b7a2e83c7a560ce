#pragma once

#include "tests/support/syntheticimage.h"

#include <string>

// Writes plausible object values at the 42 offsets of a "p2" sample image;
// other games are left alone.
void FillObjectSamples(SyntheticImage& image, const std::string& code);
