#include "platform/PictureDecoder.h"

#include "platform/GifDecoder.h"
#include "platform/JpegDecoder.h"
#include "platform/LoadError.h"
#include "platform/PictureScreening.h"
#include "platform/PngDecoder.h"
#include "platform/SdlSurface.h"

namespace vellumo {

namespace {

Picture decodeScreened(std::span<const unsigned char> bytes, PictureFormat format) {
  switch (format) {
    case PictureFormat::Jpeg: return decodeJpeg(bytes);
    case PictureFormat::Gif: return decodeGif(bytes);
    case PictureFormat::Png: return decodePng(bytes);
    case PictureFormat::Bmp:
    case PictureFormat::Icon:
    case PictureFormat::Cursor: break;
  }
  return pictureFromSurface(*decodeWithSdl(bytes, format));
}

}  // namespace

PicturePtr decodePictureFile(const std::string& path) {
  const std::vector<unsigned char> bytes = readFileBytes(path, kMaxPictureFileBytes);
  try {
    return decodePictureBytes(bytes);
  } catch (const LoadError& error) {
    throw LoadError(path + ": " + error.what());
  }
}

PicturePtr decodePictureBytes(std::span<const unsigned char> bytes) {
  return std::make_shared<const Picture>(decodeScreened(bytes, screenPicture(bytes)));
}

}  // namespace vellumo
