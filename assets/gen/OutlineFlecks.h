#pragma once
// Cleans a two-coloured outline picture of the white flecks left where two
// lines meet at a shallow angle: too small for a child to hit with the fill
// tool, they would stay white in a finished picture.

#include "Image.h"

namespace assetgen {

// Turns black every 4-connected white region of fewer than `maxPixels`
// pixels that does not reach the picture's edge. The image must already be
// pure black and white.
void closeWhiteFlecks(Image& image, int maxPixels);

}  // namespace assetgen
