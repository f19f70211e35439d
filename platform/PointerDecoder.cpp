#include "platform/PointerDecoder.h"

#include "platform/FileBytes.h"
#include "platform/IconDirectory.h"
#include "platform/LoadError.h"
#include "platform/PictureDecoder.h"
#include "platform/PictureScreening.h"
#include "platform/SdlSurface.h"

namespace vellumo {

PointerImage decodePointerBytes(std::span<const unsigned char> bytes) {
  const PictureFormat format = screenPicture(bytes);
  if (format != PictureFormat::Icon && format != PictureFormat::Cursor) throw LoadError("not an icon or cursor");
  const SurfacePtr surface = decodeWithSdl(bytes, format);
  PointerImage image;
  image.width = surface->w;
  image.height = surface->h;
  image.argb = argbFromSurface(*surface);
  if (format == PictureFormat::Cursor) {
    const IconDirectory directory = readIconDirectory(bytes);
    const IconDirectoryEntry& shown = entryShown(directory);
    image.hotSpotX = shown.hotSpotX;
    image.hotSpotY = shown.hotSpotY;
  } else {
    image.hotSpotX = image.width / 2;
    image.hotSpotY = image.height / 2;
  }
  if (image.hotSpotX >= image.width || image.hotSpotY >= image.height) {
    throw LoadError("cursor hot spot outside its image");
  }
  return image;
}

PointerImage decodePointerFile(const std::string& path) {
  const std::vector<unsigned char> bytes = readFileBytes(path, kMaxPictureFileBytes);
  try {
    return decodePointerBytes(bytes);
  } catch (const LoadError& error) {
    throw LoadError(path + ": " + error.what());
  }
}

}  // namespace vellumo
