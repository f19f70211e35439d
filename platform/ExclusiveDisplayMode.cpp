#include "platform/ExclusiveDisplayMode.h"

#include <optional>
#include <string>

#include "platform/LoadError.h"

namespace vellumo {

namespace {

std::optional<Uint32> pixelFormatOfDepth(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 32: return SDL_PIXELFORMAT_RGB888;  // 8 bits a channel in a 32-bit pixel
    case 24: return SDL_PIXELFORMAT_RGB24;
    case 16: return SDL_PIXELFORMAT_RGB565;
    case 15: return SDL_PIXELFORMAT_RGB555;
    default: return std::nullopt;
  }
}

// SDL counts the bits that carry colour (24 for RGB888); the display mode is
// asked for by the bits a pixel takes in memory.
int depthOf(Uint32 format) { return SDL_BYTESPERPIXEL(format) == 4 ? 32 : SDL_BITSPERPIXEL(format); }

bool isMode(const SDL_DisplayMode& mode, int width, int height, int bitsPerPixel) {
  return mode.w == width && mode.h == height && depthOf(mode.format) == bitsPerPixel;
}

LoadError modeUnavailable(int width, int height, int bitsPerPixel, const char* why) {
  return LoadError("display mode " + std::to_string(width) + "x" + std::to_string(height) + "x" +
                   std::to_string(bitsPerPixel) + " unavailable: " + why);
}

}  // namespace

void enterExclusiveDisplayMode(SDL_Window* window, int width, int height, int bitsPerPixel) {
  const std::optional<Uint32> format = pixelFormatOfDepth(bitsPerPixel);
  if (!format) throw modeUnavailable(width, height, bitsPerPixel, "unsupported depth");
  const int display = SDL_GetWindowDisplayIndex(window);
  if (display < 0) throw modeUnavailable(width, height, bitsPerPixel, SDL_GetError());

  const SDL_DisplayMode wanted{*format, width, height, 0, nullptr};
  SDL_DisplayMode closest{};
  if (SDL_GetClosestDisplayMode(display, &wanted, &closest) == nullptr ||
      !isMode(closest, width, height, bitsPerPixel)) {
    throw modeUnavailable(width, height, bitsPerPixel, "the display has no such mode");
  }

  // A window manager sizes a full-screen window to the mode; without one
  // (a kiosk session, a test server) nothing would, so size it first.
  SDL_SetWindowSize(window, width, height);
  if (SDL_SetWindowDisplayMode(window, &closest) != 0 || SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) != 0) {
    const std::string why = SDL_GetError();
    leaveExclusiveDisplayMode(window);
    throw modeUnavailable(width, height, bitsPerPixel, why.c_str());
  }
  // SDL reports success even when the switch did not happen: ask the display
  // what it really shows now.
  SDL_DisplayMode current{};
  if (SDL_GetCurrentDisplayMode(display, &current) != 0 || !isMode(current, width, height, bitsPerPixel)) {
    leaveExclusiveDisplayMode(window);
    throw modeUnavailable(width, height, bitsPerPixel, "the switch did not take");
  }
}

void leaveExclusiveDisplayMode(SDL_Window* window) {
  if (isInExclusiveDisplayMode(window)) SDL_SetWindowFullscreen(window, 0);
}

bool isInExclusiveDisplayMode(SDL_Window* window) {
  return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN;
}

bool coverDisplay(SDL_Window* window) {
  // As for a mode switch, nothing resizes the window where no window manager
  // runs: it is given the display's place and size first.
  SDL_Rect bounds{};
  const int display = SDL_GetWindowDisplayIndex(window);
  if (display >= 0 && SDL_GetDisplayBounds(display, &bounds) == 0) {
    SDL_SetWindowPosition(window, bounds.x, bounds.y);
    SDL_SetWindowSize(window, bounds.w, bounds.h);
  }
  return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

void leaveCoveringDisplay(SDL_Window* window) {
  if (isCoveringDisplay(window)) SDL_SetWindowFullscreen(window, 0);
}

bool isCoveringDisplay(SDL_Window* window) {
  return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

}  // namespace vellumo
