#pragma once
// SDL surfaces and the program's pictures: decoding the formats SDL reads
// itself, and copying between a surface and the Picture layout.

#include <SDL.h>

#include <memory>
#include <span>
#include <vector>

#include "platform/Picture.h"
#include "platform/PictureScreening.h"

namespace vellumo {

struct SurfaceDeleter {
  void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// Decodes screened bytes of a BMP, icon or cursor with the loader of that
// format, never one chosen by sniffing. The surface is never null and within
// the picture limits. Throws LoadError for anything the loader refuses, and
// for any other format.
SurfacePtr decodeWithSdl(std::span<const unsigned char> bytes, PictureFormat format);

// The surface's pixels in the Picture layout (0x00BBGGRR).
Picture pictureFromSurface(SDL_Surface& surface);

// The surface's pixels as 0xAARRGGBB, the layout pointers are made from.
std::vector<std::uint32_t> argbFromSurface(SDL_Surface& surface);

// A surface that reads the picture's own pixels in place; it must not outlive
// the picture. Null when SDL refuses.
SurfacePtr surfaceViewOf(const Picture& picture);

}  // namespace vellumo
