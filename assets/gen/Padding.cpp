#include "Padding.h"

#include <algorithm>

namespace assetgen {
namespace {

constexpr std::string_view kFiller = "Vellumo picture, padded to its pinned size. ";

std::uint8_t fillerByte(std::size_t i) { return static_cast<std::uint8_t>(kFiller[i % kFiller.size()]); }

void checkFits(std::size_t size, std::size_t target, const std::string& name) {
  if (size > target)
    throw TooLargeError(name + ": encoded size " + std::to_string(size) + " bytes is larger than its pinned size " +
                        std::to_string(target) + " bytes");
}

}  // namespace

Bytes padJpeg(Bytes jpeg, std::size_t target, const std::string& name) {
  checkFits(jpeg.size(), target, name);
  if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8 || jpeg[jpeg.size() - 2] != 0xFF || jpeg.back() != 0xD9)
    throw std::runtime_error(name + ": not a JPEG stream from SOI to EOI");
  std::size_t remainder = target - jpeg.size();
  if (remainder == 0) return jpeg;

  if (remainder < 4) {
    jpeg.insert(jpeg.end() - 2, remainder, 0xFF);
    return jpeg;
  }

  // After SOI and, when present, the JFIF APP0 segment that must come first.
  std::size_t at = 2;
  if (jpeg[2] == 0xFF && jpeg[3] == 0xE0) at = 4 + ((std::size_t{jpeg[4]} << 8) | jpeg[5]);

  constexpr std::size_t kMaxSegment = 2 + 65535;  // marker + largest length field
  const std::size_t segments = (remainder + kMaxSegment - 1) / kMaxSegment;
  Bytes pad;
  pad.reserve(remainder);
  std::size_t filler = 0;
  for (std::size_t s = 0; s < segments; ++s) {
    // Even shares; every share is at least 4 bytes since remainder >= 4 and,
    // with two or more segments, each share is above 32 KiB.
    const std::size_t share = remainder / segments + (s < remainder % segments ? 1 : 0);
    const std::size_t length = share - 2;
    pad.push_back(0xFF);
    pad.push_back(0xFE);
    pad.push_back(static_cast<std::uint8_t>(length >> 8));
    pad.push_back(static_cast<std::uint8_t>(length & 0xFF));
    for (std::size_t i = 2; i < length; ++i) pad.push_back(fillerByte(filler++));
  }
  jpeg.insert(jpeg.begin() + static_cast<std::ptrdiff_t>(at), pad.begin(), pad.end());
  return jpeg;
}

Bytes padGif(Bytes gif, std::size_t target, const std::string& name) {
  checkFits(gif.size(), target, name);
  if (gif.size() < 14 || gif.back() != 0x3B) throw std::runtime_error(name + ": not a GIF stream");
  const std::size_t remainder = target - gif.size();
  if (remainder == 0) return gif;

  if (remainder >= 5) {
    // Comment extension: 0x21 0xFE, sub-blocks (length byte + 1..255 data
    // bytes), terminator. Total = 3 + data + blocks.
    const std::size_t m = remainder - 3;
    const std::size_t blocks = (m + 255) / 256;
    std::size_t data = m - blocks;
    Bytes ext{0x21, 0xFE};
    std::size_t filler = 0;
    for (std::size_t b = 0; b < blocks; ++b) {
      const std::size_t left = blocks - b - 1;  // blocks still to come need a byte each
      const std::size_t n = std::min<std::size_t>(255, data - left);
      ext.push_back(static_cast<std::uint8_t>(n));
      for (std::size_t i = 0; i < n; ++i) ext.push_back(fillerByte(filler++));
      data -= n;
    }
    ext.push_back(0);
    gif.insert(gif.end() - 1, ext.begin(), ext.end());
    return gif;
  }

  // Find the first image's data sub-blocks: walk header, colour table and
  // any extensions up to the image descriptor.
  const std::size_t flags = gif[10];
  std::size_t pos = 13 + ((flags & 0x80) ? 3u * (1u << ((flags & 7) + 1)) : 0u);
  auto skipSubBlocks = [&gif, &name](std::size_t p) {
    while (true) {
      if (p >= gif.size()) throw std::runtime_error(name + ": GIF ends inside a block");
      if (gif[p] == 0) return p + 1;
      p += 1 + gif[p];
    }
  };
  while (pos < gif.size() && gif[pos] == 0x21) pos = skipSubBlocks(pos + 2);
  if (pos >= gif.size() || gif[pos] != 0x2C) throw std::runtime_error(name + ": GIF has no image");
  const std::size_t imageFlags = gif[pos + 9];
  pos += 10 + ((imageFlags & 0x80) ? 3u * (1u << ((imageFlags & 7) + 1)) : 0u);
  pos += 1;  // LZW minimum code size

  std::size_t splits = remainder;
  while (splits > 0) {
    if (pos >= gif.size() || gif[pos] == 0)
      throw std::runtime_error(name + ": GIF image data has too few bytes to split");
    const std::size_t len = gif[pos];
    if (len >= 2) {
      const std::size_t first = len / 2;
      gif[pos] = static_cast<std::uint8_t>(first);
      gif.insert(gif.begin() + static_cast<std::ptrdiff_t>(pos + 1 + first), static_cast<std::uint8_t>(len - first));
      --splits;
      pos += 1 + first + 1 + (len - first);
    } else {
      pos += 1 + len;
    }
  }
  return gif;
}

}  // namespace assetgen
