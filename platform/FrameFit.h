#pragma once
// Where the program's fixed-size frame stands in a window of another size:
// at the largest scale that fits, centred, with black around it. The same
// rule takes a window pixel back to the frame pixel shown there, so the
// mouse lands where the picture is.

#include <utility>

namespace vellumo {

struct FrameFit {
  int frameWidth = 0, frameHeight = 0;
  int left = 0, top = 0, width = 0, height = 0;  // the frame's rectangle in the window

  static FrameFit of(int frameWidth, int frameHeight, int windowWidth, int windowHeight);

  // The frame column shown at window column x (outside 0..frameWidth-1 when
  // x lies beside the frame), and likewise for rows.
  int frameColumn(int x) const { return scaledDown(x - left, frameWidth, width); }
  int frameRow(int y) const { return scaledDown(y - top, frameHeight, height); }

 private:
  // floor(offset * frameSize / shownSize), for offsets on either side of 0.
  static int scaledDown(int offset, int frameSize, int shownSize);
};

}  // namespace vellumo
