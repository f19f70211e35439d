#include "platform/WindowPainting.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vellumo {

namespace {

constexpr Uint32 kPictureFormat = SDL_PIXELFORMAT_XBGR8888;

// The picture's colour in the window's XRGB8888 pixels: red and blue trade places.
Uint32 toXrgb(Colour c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

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
    } else {
      for (int x = 0; x < width; ++x) to[x] = toXrgb(from[x]);
    }
  }
}

// One picture row scaled into a row of the window, in the window's format.
void scaleRow(const Colour* from, const std::vector<int>& columns, Uint32 format, Uint32* to,
              std::vector<Uint32>& scratch) {
  const int width = static_cast<int>(columns.size());
  if (format == SDL_PIXELFORMAT_XRGB8888) {
    for (int x = 0; x < width; ++x) to[x] = toXrgb(from[columns[x]]);
  } else if (format == kPictureFormat) {
    for (int x = 0; x < width; ++x) to[x] = from[columns[x]];
  } else {
    scratch.resize(columns.size());
    for (int x = 0; x < width; ++x) scratch[x] = from[columns[x]];
    SDL_ConvertPixels(width, 1, kPictureFormat, scratch.data(), width * 4, format, to, width * 4);
  }
}

}  // namespace

bool paintWindowFitted(SDL_Window* window, const Picture& picture, FrameFit& fitted) {
  SDL_Surface* target = SDL_GetWindowSurface(window);
  if (target == nullptr || picture.width <= 0 || picture.height <= 0) return false;
  const FrameFit fit = FrameFit::of(picture.width, picture.height, target->w, target->h);
  fitted = fit;

  const Uint32 black = SDL_MapRGB(target->format, 0, 0, 0);
  const SDL_Rect around[] = {{0, 0, target->w, fit.top},
                             {0, fit.top + fit.height, target->w, target->h - fit.top - fit.height},
                             {0, fit.top, fit.left, fit.height},
                             {fit.left + fit.width, fit.top, target->w - fit.left - fit.width, fit.height}};
  for (const SDL_Rect& bar : around)
    if (bar.w > 0 && bar.h > 0) SDL_FillRect(target, &bar, black);

  const bool fourBytes = target->format->BytesPerPixel == 4;
  if (fit.width > 0 && fit.height > 0 && fourBytes) {
    const bool mustLock = SDL_MUSTLOCK(target);
    if (mustLock && SDL_LockSurface(target) != 0) return false;
    std::vector<int> columns(static_cast<std::size_t>(fit.width));
    for (int x = 0; x < fit.width; ++x) columns[x] = std::clamp(fit.frameColumn(fit.left + x), 0, picture.width - 1);
    std::vector<Uint32> scratch;
    const auto rowOf = [&](int y) {
      return reinterpret_cast<Uint32*>(static_cast<unsigned char*>(target->pixels) +
                                       static_cast<std::size_t>(y) * target->pitch) +
             fit.left;
    };
    int previousSource = -1;
    for (int y = fit.top; y < fit.top + fit.height; ++y) {
      const int source = std::clamp(fit.frameRow(y), 0, picture.height - 1);
      if (source == previousSource) {  // a row shown twice is copied, not scaled again
        std::memcpy(rowOf(y), rowOf(y - 1), columns.size() * sizeof(Uint32));
        continue;
      }
      scaleRow(picture.pixels.data() + static_cast<std::size_t>(source) * picture.width, columns,
               target->format->format, rowOf(y), scratch);
      previousSource = source;
    }
    if (mustLock) SDL_UnlockSurface(target);
  }
  return SDL_UpdateWindowSurface(window) == 0;
}

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
