#include "platform/FrameFit.h"

#include <cstdint>

namespace vellumo {

FrameFit FrameFit::of(int frameWidth, int frameHeight, int windowWidth, int windowHeight) {
  FrameFit fit;
  fit.frameWidth = frameWidth;
  fit.frameHeight = frameHeight;
  if (frameWidth <= 0 || frameHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) return fit;
  // Compared as windowWidth / frameWidth against windowHeight / frameHeight,
  // in whole numbers.
  const std::int64_t byWidth = std::int64_t{windowWidth} * frameHeight;
  const std::int64_t byHeight = std::int64_t{windowHeight} * frameWidth;
  if (byWidth <= byHeight) {
    fit.width = windowWidth;
    fit.height = static_cast<int>(byWidth / frameWidth);
  } else {
    fit.height = windowHeight;
    fit.width = static_cast<int>(byHeight / frameHeight);
  }
  fit.left = (windowWidth - fit.width) / 2;
  fit.top = (windowHeight - fit.height) / 2;
  return fit;
}

int FrameFit::scaledDown(int offset, int frameSize, int shownSize) {
  if (shownSize <= 0) return offset;
  const std::int64_t scaled = std::int64_t{offset} * frameSize;
  const std::int64_t quotient = scaled / shownSize;
  return static_cast<int>(scaled % shownSize < 0 ? quotient - 1 : quotient);
}

}  // namespace vellumo
