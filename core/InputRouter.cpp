#include "core/InputRouter.h"

namespace vellumo {

MouseTarget InputRouter::relativeTo(std::optional<ElementId> element, int x, int y) const {
  if (!element) return {std::nullopt, x, y};
  return {element, x - elements_.left(*element), y - elements_.top(*element)};
}

MouseTarget InputRouter::targetAt(int x, int y) const {
  const auto hit = elements_.topmostShownAt(x, y);
  if (hit && elements_.enabled(*hit)) return relativeTo(hit, x, y);
  return {std::nullopt, x, y};
}

// A dialog that opens mid-stroke disables the canvas: the stroke must not
// go on drawing under it.
void InputRouter::endCaptureOfUnavailableElement() {
  if (captured_ && captureElement_ && !(elements_.shown(*captureElement_) && elements_.enabled(*captureElement_))) {
    captured_ = false;
    captureElement_.reset();
  }
}

MouseTarget InputRouter::move(int x, int y) {
  endCaptureOfUnavailableElement();
  if (captured_) return relativeTo(captureElement_, x, y);
  return targetAt(x, y);
}

MouseTarget InputRouter::press(int x, int y) {
  endCaptureOfUnavailableElement();
  if (captured_) return relativeTo(captureElement_, x, y);
  MouseTarget target = targetAt(x, y);
  captured_ = true;
  captureElement_ = target.element;
  if (target.element) focus_ = target.element;
  return target;
}

MouseTarget InputRouter::release(int x, int y, int buttonsStillHeld) {
  const MouseTarget target = move(x, y);
  if (buttonsStillHeld == 0) {
    captured_ = false;
    captureElement_.reset();
  }
  return target;
}

bool InputRouter::canTakeFocus(ElementId id) const {
  return elements_.layout(id).isPicture && elements_.shown(id) && elements_.enabled(id);
}

std::optional<ElementId> InputRouter::nextInTabOrder(int fromTab, bool backwards) const {
  std::optional<ElementId> best;
  int bestDistance = kElementCount + 1;
  for (int i = 0; i < kElementCount; ++i) {
    const auto id = static_cast<ElementId>(i);
    if (!canTakeFocus(id)) continue;
    const int tab = elements_.layout(id).tabIndex;
    // Distance walking forwards (or backwards) from fromTab, wrapping round.
    int distance = backwards ? fromTab - tab : tab - fromTab;
    if (distance < 0) distance += kElementCount + 1;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = id;
    }
  }
  return best;
}

// An element that was hidden or disabled gives the focus back to the window,
// so the shortcut keys keep working on whatever screen comes next.
std::optional<ElementId> InputRouter::keyTarget() {
  if (focus_ && !canTakeFocus(*focus_)) focus_.reset();
  return focus_;
}

void InputRouter::moveFocus(bool backwards) {
  const int from = focus_ ? elements_.layout(*focus_).tabIndex + (backwards ? -1 : 1) : 0;
  focus_ = nextInTabOrder(from, backwards);
}

void InputRouter::resetFocus() { focus_ = nextInTabOrder(0, false); }

}  // namespace vellumo
