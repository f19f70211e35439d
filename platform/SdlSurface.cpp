#include "platform/SdlSurface.h"

#include <SDL_image.h>

#include <climits>
#include <cstring>
#include <string>

#include "platform/LoadError.h"

namespace vellumo {

namespace {

// Picture's layout as SDL names it: red in the low byte, the top byte unused.
constexpr Uint32 kPictureFormat = SDL_PIXELFORMAT_XBGR8888;

SurfacePtr convertedCopy(SDL_Surface& surface, Uint32 format) {
  SurfacePtr converted(SDL_ConvertSurfaceFormat(&surface, format, 0));
  if (!converted) throw LoadError(std::string("cannot convert picture: ") + SDL_GetError());
  return converted;
}

// Copies rows of 32-bit pixels out of a surface with its own pitch, masked.
std::vector<std::uint32_t> packedPixels(SDL_Surface& surface, std::uint32_t keepMask) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(surface.w) * surface.h);
  const auto* row = static_cast<const unsigned char*>(surface.pixels);
  for (int y = 0; y < surface.h; ++y, row += surface.pitch) {
    std::uint32_t* out = pixels.data() + static_cast<std::size_t>(y) * surface.w;
    std::memcpy(out, row, static_cast<std::size_t>(surface.w) * sizeof(std::uint32_t));
    for (int x = 0; x < surface.w; ++x) out[x] &= keepMask;
  }
  return pixels;
}

}  // namespace

SurfacePtr decodeWithSdl(std::span<const unsigned char> bytes, PictureFormat format) {
  if (format != PictureFormat::Bmp && format != PictureFormat::Icon && format != PictureFormat::Cursor) {
    throw LoadError("not a BMP, icon or cursor");
  }
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) throw LoadError("picture file too large");
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (stream == nullptr) throw LoadError(std::string("cannot read picture: ") + SDL_GetError());
  SurfacePtr surface;
  switch (format) {
    case PictureFormat::Bmp: surface.reset(SDL_LoadBMP_RW(stream, /*freesrc=*/0)); break;
    case PictureFormat::Icon: surface.reset(IMG_LoadICO_RW(stream)); break;
    default: surface.reset(IMG_LoadCUR_RW(stream)); break;
  }
  SDL_RWclose(stream);
  if (!surface) throw LoadError(std::string("cannot decode picture: ") + SDL_GetError());
  // The screening held the declared size; this holds what was really decoded.
  if (!withinPictureLimits(surface->w, surface->h)) throw LoadError("picture size out of range");
  return surface;
}

Picture pictureFromSurface(SDL_Surface& surface) {
  SurfacePtr converted = convertedCopy(surface, kPictureFormat);
  Picture picture;
  picture.width = converted->w;
  picture.height = converted->h;
  // The converter may leave anything in the unused top byte; the layout wants 0.
  picture.pixels = packedPixels(*converted, 0x00FFFFFF);
  return picture;
}

std::vector<std::uint32_t> argbFromSurface(SDL_Surface& surface) {
  SurfacePtr converted = convertedCopy(surface, SDL_PIXELFORMAT_ARGB8888);
  return packedPixels(*converted, 0xFFFFFFFF);
}

SurfacePtr surfaceViewOf(const Picture& picture) {
  // SDL takes a non-const pointer; the view is only ever read from.
  return SurfacePtr(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Colour*>(picture.pixels.data()), picture.width,
                                                       picture.height, 32, picture.width * 4, kPictureFormat));
}

}  // namespace vellumo
