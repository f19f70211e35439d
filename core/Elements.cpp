#include "core/Elements.h"

#include <algorithm>
#include <cstring>

namespace vellumo {

Elements::Elements() {
  for (int i = 0; i < kElementCount; ++i) {
    const ElementLayout& l = kLayout[i];
    states_[i].left = l.left;
    states_[i].top = l.top;
    states_[i].shown = l.shownAtStart;
  }
}

void Elements::move(ElementId id, int newLeft, int newTop) {
  State& s = state(id);
  dirty_ |= s.shown && (s.left != newLeft || s.top != newTop);
  s.left = newLeft;
  s.top = newTop;
}

void Elements::setPicture(ElementId id, PicturePtr newPicture) {
  State& s = state(id);
  // The same decoded picture again changes nothing on the screen.
  dirty_ |= s.shown && s.picture != newPicture;
  s.picture = std::move(newPicture);
}

void Elements::setBackground(PicturePtr picture) {
  background_ = std::move(picture);
  dirty_ = true;
}

std::optional<ElementId> Elements::topmostShownAt(int x, int y) const {
  for (int i = 0; i < kElementCount; ++i) {
    const State& s = states_[i];
    const ElementLayout& l = kLayout[i];
    if (s.shown && l.isPicture && x >= s.left && x < s.left + l.width && y >= s.top && y < s.top + l.height)
      return static_cast<ElementId>(i);
  }
  return std::nullopt;
}

namespace {

// Copy `source` with its top-left corner at (left, top), clipped to the box
// (left, top, width, height) and to the frame.
void blit(Picture& frame, const Picture& source, int left, int top, int width, int height) {
  const int x0 = std::max(left, 0);
  const int y0 = std::max(top, 0);
  const int x1 = std::min({left + width, left + source.width, frame.width});
  const int y1 = std::min({top + height, top + source.height, frame.height});
  if (x0 >= x1 || y0 >= y1) return;
  const auto rowBytes = static_cast<std::size_t>(x1 - x0) * sizeof(Colour);
  for (int y = y0; y < y1; ++y)
    std::memcpy(&frame.at(x0, y), source.pixels.data() + static_cast<std::size_t>(y - top) * source.width + (x0 - left),
                rowBytes);
}

}  // namespace

void Elements::composeInto(Picture& frame) const {
  std::fill(frame.pixels.begin(), frame.pixels.end(), kWindowColour);
  if (background_) blit(frame, *background_, 0, 0, background_->width, background_->height);
  for (int i = kElementCount - 1; i >= 0; --i) {
    const State& s = states_[i];
    const ElementLayout& l = kLayout[i];
    if (s.shown && l.isPicture && s.picture) blit(frame, *s.picture, s.left, s.top, l.width, l.height);
  }
}

}  // namespace vellumo
