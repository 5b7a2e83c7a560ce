#pragma once

#include "tests/support/syntheticimage.h"

#include <string>

// Writes the art viewer's art into a sample image of any game: a 16-colour
// palette at the art palette (unless another editor's sample already put
// colours there), the eleven tiles and their two sprite pieces, the second
// one flipped.
void FillArtSamples(SyntheticImage& image, const std::string& code);
