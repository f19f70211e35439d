#include "platform/VideoDriverChoice.h"

#include <cstdlib>

namespace vellumo {

namespace {

bool isSet(const char* value) { return value != nullptr && *value != '\0'; }

}  // namespace

std::string videoDriversToTry(const char* sdlVideoDriver, const char* waylandDisplay) {
  if (isSet(sdlVideoDriver)) return sdlVideoDriver;
  // SDL's own order puts X11 first, which on a Wayland desktop is XWayland.
  if (isSet(waylandDisplay)) return "wayland,x11";
  return {};
}

bool prefersWayland() {
  return videoDriversToTry(std::getenv("SDL_VIDEODRIVER"), std::getenv("WAYLAND_DISPLAY")).starts_with("wayland");
}

}  // namespace vellumo
