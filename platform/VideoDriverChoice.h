#pragma once
// Which of SDL's video drivers the program shows itself with. On a Wayland
// session the program talks to the compositor directly: only a Wayland window
// can ask the compositor to keep its own shortcuts (Alt+Tab, Super, Alt+F4)
// to itself while the book runs, and an X program under XWayland cannot. X11
// stays the way in where no Wayland compositor answers, and a driver named in
// SDL_VIDEODRIVER is always obeyed.

#include <string>

namespace vellumo {

// The drivers to try in order, as SDL's driver hint takes them, from the
// values of SDL_VIDEODRIVER and WAYLAND_DISPLAY (null when unset). Empty:
// leave the choice to SDL.
std::string videoDriversToTry(const char* sdlVideoDriver, const char* waylandDisplay);

// Whether the program will ask for Wayland first, from this process's
// environment.
bool prefersWayland();

}  // namespace vellumo
