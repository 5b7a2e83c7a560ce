#pragma once

#include "tests/support/syntheticimage.h"

#include <string>

// Writes compare instructions of both editable forms, each followed by a
// short branch, and the underwater palette bytes into a sample image of
// "p2", "p2k" or "p3". Other codes are left alone.
void FillWaterSamples(SyntheticImage& image, const std::string& gameCode);
