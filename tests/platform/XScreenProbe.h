#pragma once
// Looks at the X server from outside the program, as another client would:
// the colours on the screen, the mouse pointer's shape, and whether the
// keyboard is grabbed. Xlib's own headers stay in the .cpp, their macros
// clash with the test framework.

#include "platform/Picture.h"

namespace vellumo::test {

class XScreenProbe {
 public:
  XScreenProbe();  // connects to $DISPLAY; throws when it cannot
  ~XScreenProbe();
  XScreenProbe(const XScreenProbe&) = delete;
  XScreenProbe& operator=(const XScreenProbe&) = delete;

  Colour pixel(int x, int y);
  Picture region(int x, int y, int width, int height);

  struct PointerLook {
    int width = 0, height = 0, hotSpotX = 0, hotSpotY = 0;
  };
  PointerLook pointer();
  // True when another client holds the keyboard, so this one cannot grab it.
  bool keyboardGrabbedElsewhere();

 private:
  void* display_;
};

}  // namespace vellumo::test
