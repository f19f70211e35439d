#include "platform/BmpFile.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/FileReplacement.h"
#include "platform/LoadError.h"

namespace vellumo {

namespace {

constexpr std::uint32_t kHeaderBytes = 14 + 40;  // file header and BITMAPINFOHEADER
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 pixels an inch, the picture's natural size

void put16(std::vector<unsigned char>& out, std::uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void put32(std::vector<unsigned char>& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

std::vector<unsigned char> encodeBmp(const Picture& picture, const std::string& path) {
  // Within the decoder's limit every size fits the 32-bit header fields, and
  // whatever is saved can be loaded again.
  const bool sizeValid = picture.width > 0 && picture.height > 0 && picture.width <= kMaxPictureSide &&
                         picture.height <= kMaxPictureSide &&
                         picture.pixels.size() == static_cast<std::size_t>(picture.width) * picture.height;
  if (!sizeValid) throw LoadError(path + ": no picture to save");

  const std::uint32_t width = picture.width, height = picture.height;
  const std::uint32_t rowBytes = (width * 3 + 3) & ~3u;  // rows are padded to whole 32-bit words
  const std::uint32_t pixelBytes = rowBytes * height;

  std::vector<unsigned char> out;
  out.reserve(kHeaderBytes + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, kHeaderBytes + pixelBytes);
  put32(out, 0);
  put32(out, kHeaderBytes);
  put32(out, 40);
  put32(out, width);
  put32(out, height);  // positive: rows stored bottom-up
  put16(out, 1);       // planes
  put16(out, 24);      // bits per pixel
  put32(out, 0);       // uncompressed
  put32(out, pixelBytes);
  put32(out, kPixelsPerMetre);
  put32(out, kPixelsPerMetre);
  put32(out, 0);  // no palette
  put32(out, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const Colour c = picture.at(x, y);
      out.push_back((c >> 16) & 0xFF);  // blue, green, red
      out.push_back((c >> 8) & 0xFF);
      out.push_back(c & 0xFF);
    }
    out.resize(out.size() + rowBytes - width * 3, 0);
  }
  return out;
}

}  // namespace

void writeBmpFile(const Picture& picture, const std::string& path) {
  const std::vector<unsigned char> bytes = encodeBmp(picture, path);

  replaceFileContents(path, bytes);
}

}  // namespace vellumo
