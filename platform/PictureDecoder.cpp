#include "platform/PictureDecoder.h"

#include "platform/LoadError.h"
#include "platform/SdlSurface.h"

namespace vellumo {

PicturePtr decodePictureFile(const std::string& path) {
  const std::vector<unsigned char> bytes = readFileBytes(path, kMaxPictureFileBytes);
  try {
    return decodePictureBytes(bytes);
  } catch (const LoadError& error) {
    throw LoadError(path + ": " + error.what());
  }
}

PicturePtr decodePictureBytes(std::span<const unsigned char> bytes) {
  DecodedSurface decoded = decodeSurface(bytes);
  return std::make_shared<const Picture>(pictureFromSurface(*decoded.surface));
}

}  // namespace vellumo
