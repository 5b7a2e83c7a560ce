#pragma once

#include "tests/support/syntheticimage.h"

#include <string>

// Writes colourful palettes into a sample image of the game code at every
// palette that the shipped list file of that code names (in the list's
// colour format). Images of codes without a list stay as they are.
void FillPaletteSamples(SyntheticImage& image, const std::string& code);
