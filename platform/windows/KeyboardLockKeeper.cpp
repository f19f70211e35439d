#include "platform/KeyboardLockKeeper.h"

// On Windows SDL's keyboard grab is a low-level keyboard hook, installed
// while a grabbing window has the focus: the keys that would switch away
// (Alt+Tab, the Windows keys, Ctrl+Esc...) reach the program as ordinary key
// events, and the program's own keyboard lock decides what to swallow. Only
// Ctrl+Alt+Del stays the system's. SDL takes the hook off itself while the
// window is minimised or without the focus, and puts it back on return, so
// nothing needs renewing here.

namespace vellumo {

// There is neither an X server to grab on nor a Wayland compositor to ask.
struct KeyboardLockKeeper::X11Grab {};
class WaylandShortcutInhibitor {};

KeyboardLockKeeper::KeyboardLockKeeper(SDL_Window* mainWindow) : main_(mainWindow) {}

KeyboardLockKeeper::~KeyboardLockKeeper() = default;

void KeyboardLockKeeper::addSplash(SDL_Window* splash) {
  splash_ = splash;
  applySdlGrab(on_);
}

void KeyboardLockKeeper::setOn(bool on) {
  on_ = on;
  applySdlGrab(on);
}

void KeyboardLockKeeper::beforeHiding(SDL_Window*) {}

void KeyboardLockKeeper::keep(bool) {}

void KeyboardLockKeeper::applySdlGrab(bool on) {
  const SDL_bool grab = on ? SDL_TRUE : SDL_FALSE;
  SDL_SetWindowKeyboardGrab(main_, grab);
  if (splash_ != nullptr) SDL_SetWindowKeyboardGrab(splash_, grab);
}

}  // namespace vellumo
