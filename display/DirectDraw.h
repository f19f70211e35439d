#pragma once
// The program's multimedia services, display side: a small object model
// through which start-up takes the screen in exclusive full screen at
// 1024x768x32 and shut-down gives it back. DirectX7 (core/DirectX7.h) makes
// it. It stands on the desktop's display operations; every call that cannot
// do its work throws LoadError.

#include <cstdint>
#include <memory>
#include <string_view>

namespace vellumo {

class Desktop;

// Cooperative-level flags.
constexpr std::int32_t DDSCL_FULLSCREEN = 1;
constexpr std::int32_t DDSCL_EXCLUSIVE = 16;

// A surface description: only the flags and capabilities are looked at.
constexpr std::uint32_t DDSD_CAPS = 1;
constexpr std::uint32_t DDSCAPS_PRIMARYSURFACE = 512;
struct DDSURFACEDESC2 {
  std::uint32_t flags = 0;
  std::uint32_t caps = 0;
};

// The screen itself; nothing is ever drawn on it, holding it is what counts.
class DirectDrawSurface7 {};

class DirectDraw7 {
 public:
  explicit DirectDraw7(Desktop& desktop) : desktop_(desktop) {}

  // The main window asks for the whole display; exclusive full screen is the
  // only level the program uses.
  void SetCooperativeLevel(std::int32_t flags);
  // refreshRate 0 is the default rate; flags must be 0.
  void SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate, int flags);
  std::shared_ptr<DirectDrawSurface7> CreateSurface(const DDSURFACEDESC2& description);
  void RestoreDisplayMode();

 private:
  Desktop& desktop_;
  bool exclusive_ = false;
};

}  // namespace vellumo
