#pragma once
// Decides which element, or the window itself, receives each mouse and key
// event. Mouse events go to the topmost shown element under the pointer, or
// to the window when that element is disabled or there is none; a press
// captures the mouse for its receiver until every button is up, or until that
// element is hidden or disabled, after which events go where they would
// without the capture. Keys go to the element holding the keyboard focus, or
// to the window.

#include <optional>

#include "core/Elements.h"

namespace vellumo {

struct MouseTarget {
  std::optional<ElementId> element;  // nothing: the window itself
  int x = 0, y = 0;                  // relative to the element, or window pixels
};

class InputRouter {
 public:
  explicit InputRouter(const Elements& elements) : elements_(elements) {}

  // The receiver of a mouse move, honouring capture.
  MouseTarget move(int x, int y);
  // A button went down: its receiver captures the mouse and takes the focus.
  MouseTarget press(int x, int y);
  // A button went up; capture ends once no button is held.
  MouseTarget release(int x, int y, int buttonsStillHeld);

  // The receiver of a key: the focused element while it can take input,
  // otherwise the window.
  std::optional<ElementId> keyTarget();
  // Tab and Shift+Tab walk the focus through the elements in tab order.
  void moveFocus(bool backwards);
  // The window was shown: the focus goes to the first element in tab order.
  void resetFocus();

  std::optional<ElementId> focus() const { return focus_; }

 private:
  MouseTarget targetAt(int x, int y) const;
  void endCaptureOfUnavailableElement();
  MouseTarget relativeTo(std::optional<ElementId> element, int x, int y) const;
  bool canTakeFocus(ElementId id) const;
  std::optional<ElementId> nextInTabOrder(int fromTab, bool backwards) const;

  const Elements& elements_;
  bool captured_ = false;
  std::optional<ElementId> captureElement_;
  std::optional<ElementId> focus_;
};

}  // namespace vellumo
