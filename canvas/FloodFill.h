#pragma once
// Bucket fill over a picture's pixels: every pixel of exactly the seed's
// colour that is 4-connected to the seed (left, right, up, down; never
// diagonally) takes the new colour. Anything of another colour, and the
// picture's edges, bound the region.

#include "platform/Picture.h"

namespace vellumo {

// Returns the number of pixels changed. A seed outside the picture, or a
// region already of `colour`, changes nothing.
long floodFill(Picture& picture, int seedX, int seedY, Colour colour);

}  // namespace vellumo
