#pragma once
// The pencil's stroke: a solid line three pixels wide with round ends,
// clipped to the picture. A pixel is painted when its centre lies within 1.5
// pixels of the segment, so consecutive segments of a drag join without gaps
// and a line of length zero paints a small round dot.

#include "platform/Picture.h"

namespace vellumo {

constexpr double kPencilRadius = 1.5;

// Returns the number of pixels painted. The end points may lie anywhere,
// far outside the picture included.
long drawPencilLine(Picture& picture, int x0, int y0, int x1, int y1, Colour colour);

}  // namespace vellumo
