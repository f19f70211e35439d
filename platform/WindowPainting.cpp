#include "platform/WindowPainting.h"

#include <algorithm>

namespace vellumo {

namespace {

constexpr Uint32 kPictureFormat = SDL_PIXELFORMAT_XBGR8888;

// Copies the top-left width x height pixels of the picture into the surface.
// The two layouts window surfaces usually have are done by hand: SDL's
// general converter allocates on every call.
void copyPixels(const Picture& picture, SDL_Surface& target, int width, int height) {
  const Uint32 format = target.format->format;
  if (format != SDL_PIXELFORMAT_XRGB8888 && format != kPictureFormat) {
    SDL_ConvertPixels(width, height, kPictureFormat, picture.pixels.data(), picture.width * 4, format, target.pixels,
                      target.pitch);
    return;
  }
  for (int y = 0; y < height; ++y) {
    const Colour* from = picture.pixels.data() + static_cast<std::size_t>(y) * picture.width;
    auto* to = reinterpret_cast<Uint32*>(static_cast<unsigned char*>(target.pixels) +
                                         static_cast<std::size_t>(y) * target.pitch);
    if (format == kPictureFormat) {
      std::copy(from, from + width, to);
    } else {  // red and blue trade places
      for (int x = 0; x < width; ++x) {
        const Colour c = from[x];
        to[x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
      }
    }
  }
}

}  // namespace

bool paintWindow(SDL_Window* window, const Picture& picture, Colour background) {
  SDL_Surface* target = SDL_GetWindowSurface(window);
  if (target == nullptr) return false;

  const int width = std::min(picture.width, target->w);
  const int height = std::min(picture.height, target->h);
  if (width < target->w || height < target->h) {
    const Uint32 fill =
        SDL_MapRGB(target->format, background & 0xFF, (background >> 8) & 0xFF, (background >> 16) & 0xFF);
    const SDL_Rect right{width, 0, target->w - width, target->h};
    const SDL_Rect below{0, height, width, target->h - height};
    SDL_FillRect(target, &right, fill);
    SDL_FillRect(target, &below, fill);
  }
  if (width > 0 && height > 0) {
    const bool mustLock = SDL_MUSTLOCK(target);
    if (mustLock && SDL_LockSurface(target) != 0) return false;
    copyPixels(picture, *target, width, height);
    if (mustLock) SDL_UnlockSurface(target);
  }
  return SDL_UpdateWindowSurface(window) == 0;
}

bool repaintWindow(SDL_Window* window) { return SDL_UpdateWindowSurface(window) == 0; }

}  // namespace vellumo
