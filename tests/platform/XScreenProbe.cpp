#include "XScreenProbe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <stdexcept>

namespace vellumo::test {

namespace {
Display* asDisplay(void* display) { return static_cast<Display*>(display); }
}  // namespace

XScreenProbe::XScreenProbe() : display_(XOpenDisplay(nullptr)) {
  if (display_ == nullptr) throw std::runtime_error("cannot open the X display");
}

XScreenProbe::~XScreenProbe() { XCloseDisplay(asDisplay(display_)); }

Colour XScreenProbe::pixel(int x, int y) { return region(x, y, 1, 1).pixels.front(); }

Picture XScreenProbe::region(int x, int y, int width, int height) {
  Display* display = asDisplay(display_);
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, width, height, AllPlanes, ZPixmap);
  if (image == nullptr) throw std::runtime_error("cannot read the screen");
  Picture picture(width, height);
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const unsigned long value = XGetPixel(image, column, row);
      picture.at(column, row) = rgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }
  }
  XDestroyImage(image);
  return picture;
}

XScreenProbe::PointerLook XScreenProbe::pointer() {
  XFixesCursorImage* image = XFixesGetCursorImage(asDisplay(display_));
  if (image == nullptr) throw std::runtime_error("cannot read the pointer");
  const PointerLook shape{image->width, image->height, image->xhot, image->yhot};
  XFree(image);
  return shape;
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
