#pragma once
// Looks at the X server from outside the program, as another client would:
// the colour of a screen pixel, and whether the keyboard is grabbed. Xlib's
// own headers stay in the .cpp, their macros clash with the test framework.

#include "platform/Picture.h"

namespace vellumo::test {

class XScreenProbe {
 public:
  XScreenProbe();  // connects to $DISPLAY; throws when it cannot
  ~XScreenProbe();
  XScreenProbe(const XScreenProbe&) = delete;
  XScreenProbe& operator=(const XScreenProbe&) = delete;

  Colour pixel(int x, int y);
  // True when another client holds the keyboard, so this one cannot grab it.
  bool keyboardGrabbedElsewhere();

 private:
  void* display_;
};

}  // namespace vellumo::test
