#pragma once
// Which of the eight wipe patterns the next wipe shows. The chooser is a
// small generator that starts every run in the same state, so the first wipe
// of a run always uses pattern 6, and is re-seeded from the clock after every
// draw, so later wipes vary. The window keeps it from one wipe to the next.

#include <cstdint>

namespace vellumo {

class WipePatternChooser {
 public:
  // Draws until a pattern 1..8 comes up; `clock` re-seeds after each draw.
  int choose(double clock);

 private:
  double draw();  // in [0, 1)
  std::uint32_t state_ = 0x50000;
};

}  // namespace vellumo
