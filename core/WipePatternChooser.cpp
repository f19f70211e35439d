#include "core/WipePatternChooser.h"

namespace vellumo {

double WipePatternChooser::draw() {
  // A 24-bit linear congruential generator: tiny, and the same on every machine.
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return state_ / 16777216.0;
}

int WipePatternChooser::choose(double clock) {
  for (;;) {
    const int pattern = static_cast<int>(draw() * 9);
    // Re-seed from the clock, its bits mixed so that clocks close together
    // still give unrelated seeds; the last draw goes in too, so a retry at
    // the same clock reading draws something else.
    std::uint64_t z =
        static_cast<std::uint64_t>(static_cast<std::int64_t>(clock * 1e6)) ^ (std::uint64_t{state_} << 40);
    z = (z ^ (z >> 33)) * 0xFF51AFD7ED558CCDull;
    z = (z ^ (z >> 33)) * 0xC4CEB9FE1A85EC53ull;
    state_ = static_cast<std::uint32_t>((z ^ (z >> 33)) & 0xFFFFFF);
    if (pattern != 0) return pattern;
  }
}

}  // namespace vellumo
