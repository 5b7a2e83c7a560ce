#pragma once

#include "tests/support/syntheticimage.h"

#include <string>

// Writes plausible demo settings into a sample image of gameCode: lengths,
// number of demos and four demo level words. Other codes are left alone.
void FillDemoSamples(SyntheticImage& image, const std::string& gameCode);
