#include "XScreenProbe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

namespace vellumo::test {

namespace {
Display* asDisplay(void* display) { return static_cast<Display*>(display); }
}  // namespace

XScreenProbe::XScreenProbe() : display_(XOpenDisplay(nullptr)) {
  if (display_ == nullptr) throw std::runtime_error("cannot open the X display");
}

XScreenProbe::~XScreenProbe() { XCloseDisplay(asDisplay(display_)); }

Colour XScreenProbe::pixel(int x, int y) {
  Display* display = asDisplay(display_);
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) throw std::runtime_error("cannot read the screen");
  const unsigned long value = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return rgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

bool XScreenProbe::keyboardGrabbedElsewhere() {
  Display* display = asDisplay(display_);
  const int result =
      XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync, CurrentTime);
  if (result == GrabSuccess) XUngrabKeyboard(display, CurrentTime);
  XSync(display, False);
  return result == AlreadyGrabbed;
}

}  // namespace vellumo::test
