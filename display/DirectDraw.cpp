#include "display/DirectDraw.h"

#include "core/DirectX7.h"
#include "platform/Desktop.h"
#include "platform/LoadError.h"

namespace vellumo {

void DirectDraw7::SetCooperativeLevel(std::int32_t flags) {
  if (flags != (DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE)) throw LoadError("only exclusive full screen is supported");
  exclusive_ = true;
}

void DirectDraw7::SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate, int flags) {
  if (!exclusive_) throw LoadError("the display mode needs exclusive access");
  if (refreshRate != 0 || flags != 0) throw LoadError("only the default refresh rate is supported");
  desktop_.setExclusiveDisplayMode(width, height, bitsPerPixel);
}

std::shared_ptr<DirectDrawSurface7> DirectDraw7::CreateSurface(const DDSURFACEDESC2& description) {
  if (description.flags != DDSD_CAPS || description.caps != DDSCAPS_PRIMARYSURFACE)
    throw LoadError("only the primary surface can be created");
  if (!exclusive_) throw LoadError("the primary surface needs exclusive access");
  return std::make_shared<DirectDrawSurface7>();
}

void DirectDraw7::RestoreDisplayMode() { desktop_.restoreDisplayMode(); }

std::shared_ptr<DirectDraw7> DirectX7::DirectDrawCreate(std::string_view driver) {
  if (!driver.empty()) throw LoadError("unknown display driver");
  return std::make_shared<DirectDraw7>(desktop_);
}

}  // namespace vellumo
