#include "platform/PictureScreening.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "platform/ByteReader.h"
#include "platform/GifCodeStream.h"
#include "platform/IconDirectory.h"
#include "platform/LoadError.h"
#include "platform/Picture.h"

namespace vellumo {

namespace {

constexpr std::array<unsigned char, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool startsWith(std::span<const unsigned char> bytes, std::span<const unsigned char> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

bool startsWith(std::span<const unsigned char> bytes, const char* prefix) {
  const std::size_t length = std::strlen(prefix);
  return bytes.size() >= length && std::memcmp(bytes.data(), prefix, length) == 0;
}

void checkSides(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0) throw LoadError("picture without pixels");
  if (!withinPictureLimits(width, height)) throw LoadError("picture too large");
}

// --- JPEG: walk the marker segments to the end-of-image marker ---------------

bool isStartOfFrame(std::uint8_t marker) {
  // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share
  // the range but are not frames.
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isStandaloneMarker(std::uint8_t marker) { return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7); }

// Moves the reader past a scan's entropy-coded data, to the 0xFF of the next
// marker. Inside the data 0xFF is followed only by a stuffed 0x00, a restart
// marker or more fill bytes, so the first other pair is a real marker.
void skipEntropyCodedData(std::span<const unsigned char> bytes, ByteReader& reader) {
  std::size_t at = reader.position();
  for (;;) {
    const void* found = std::memchr(bytes.data() + at, 0xFF, bytes.size() - at);
    if (found == nullptr) throw LoadError("truncated JPEG");
    at = static_cast<std::size_t>(static_cast<const unsigned char*>(found) - bytes.data());
    if (at + 1 >= bytes.size()) throw LoadError("truncated JPEG");
    const std::uint8_t next = bytes[at + 1];
    if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
      at += 2;
    } else if (next == 0xFF) {
      at += 1;
    } else {
      reader.seek(at);
      return;
    }
  }
}

void screenJpeg(std::span<const unsigned char> bytes) {
  ByteReader reader(bytes, 2);
  bool sawFrame = false;
  int scans = 0;
  for (;;) {
    // Stray bytes between segments are skipped, as the decoder does.
    while (reader.u8() != 0xFF) {
    }
    std::uint8_t marker = reader.u8();
    while (marker == 0xFF) marker = reader.u8();
    if (marker == 0xD9) {
      if (!sawFrame) throw LoadError("JPEG without a frame");
      return;
    }
    if (isStandaloneMarker(marker) || marker == 0x00) continue;

    const std::size_t segmentStart = reader.position();
    const std::size_t length = reader.be16();
    if (length < 2) throw LoadError("corrupt JPEG");
    if (isStartOfFrame(marker)) {
      // Baseline, extended and progressive with Huffman coding are what
      // cameras and programs write. Arithmetic coding decodes ten times as
      // slowly, and lossless or hierarchical frames are not read at all.
      if (marker > 0xC2) throw LoadError("JPEG of a kind the program does not read");
      reader.skip(1);  // sample precision
      const int height = reader.be16();
      const int width = reader.be16();
      checkSides(width, height);
      sawFrame = true;
    }
    reader.seek(segmentStart);
    reader.skip(length);
    if (marker == 0xDA) {
      if (!sawFrame) throw LoadError("JPEG scan before its frame");
      if (++scans > kMaxJpegScans) throw LoadError("JPEG with too many scans");
      skipEntropyCodedData(bytes, reader);
    }
  }
}

// --- GIF: the screen, then every block up to the trailer -----------------------

void skipSubBlocks(ByteReader& reader) {
  for (std::uint8_t size = reader.u8(); size != 0; size = reader.u8()) reader.skip(size);
}

void skipColourTable(ByteReader& reader, std::uint8_t packedFields) {
  if (packedFields & 0x80) reader.skip(3u << ((packedFields & 0x07) + 1));
}

void screenGif(std::span<const unsigned char> bytes) {
  ByteReader reader(bytes, 6);
  const int screenWidth = reader.le16();
  const int screenHeight = reader.le16();
  if (screenWidth > kMaxPictureSide || screenHeight > kMaxPictureSide) throw LoadError("picture too large");
  const std::uint8_t screenFields = reader.u8();
  reader.skip(2);  // background colour, aspect ratio
  skipColourTable(reader, screenFields);
  bool sawImage = false;
  for (;;) {
    switch (reader.u8()) {
      case 0x21:  // extension: label, then sub-blocks
        reader.skip(1);
        skipSubBlocks(reader);
        break;
      case 0x2C: {       // image descriptor: the decoder shows the first image only
        reader.skip(4);  // left, top
        const int width = reader.le16();
        const int height = reader.le16();
        skipColourTable(reader, reader.u8());
        if (sawImage) {
          reader.skip(1);  // LZW minimum code size
          skipSubBlocks(reader);
          break;
        }
        checkSides(width, height);
        countClearCodes(reader, kMaxGifClearCodes);
        sawImage = true;
        break;
      }
      case 0x3B:
        if (!sawImage) throw LoadError("GIF without an image");
        return;
      default: throw LoadError("corrupt GIF");
    }
  }
}

// --- BMP: the header's size, and pixel rows that are really there -------------

void screenBmp(std::span<const unsigned char> bytes) {
  ByteReader reader(bytes, 10);
  const std::uint32_t pixelOffset = reader.le32();
  const std::uint32_t headerSize = reader.le32();
  std::int64_t width = 0, height = 0;
  int bitsPerPixel = 0;
  std::uint32_t compression = 0;
  if (headerSize == 12) {  // OS/2 core header: unsigned 16-bit sides
    width = reader.le16();
    height = reader.le16();
    reader.skip(2);
    bitsPerPixel = reader.le16();
  } else if (headerSize >= 16) {
    width = static_cast<std::int32_t>(reader.le32());
    height = static_cast<std::int32_t>(reader.le32());  // negative: rows top-down
    reader.skip(2);
    bitsPerPixel = reader.le16();
    if (headerSize >= 20) compression = reader.le32();
  } else {
    throw LoadError("corrupt BMP");
  }
  height = std::abs(height);
  checkSides(width, height);

  constexpr std::uint32_t kUncompressed = 0, kBitFields = 3, kAlphaBitFields = 6;
  if (compression == kUncompressed || compression == kBitFields || compression == kAlphaBitFields) {
    const std::int64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
    if (pixelOffset + rowBytes * height > static_cast<std::int64_t>(bytes.size())) {
      throw LoadError("truncated BMP");
    }
  }
}

// --- PNG: the header chunk, then every chunk up to the end chunk ----------------

void screenPng(std::span<const unsigned char> bytes) {
  constexpr std::uint32_t kHeader = 0x49484452, kData = 0x49444154, kEnd = 0x49454E44;  // IHDR IDAT IEND
  constexpr std::uint32_t kLargestChunk = 0x7FFFFFFF;
  ByteReader reader(bytes, kPngSignature.size());
  if (reader.be32() != 13 || reader.be32() != kHeader) throw LoadError("corrupt PNG");
  const std::int64_t width = reader.be32();
  const std::int64_t height = reader.be32();
  checkSides(width, height);
  reader.skip(5 + 4);  // the rest of the header, its checksum
  bool sawData = false;
  for (;;) {
    const std::uint32_t length = reader.be32();
    if (length > kLargestChunk) throw LoadError("corrupt PNG");
    const std::uint32_t type = reader.be32();
    reader.skip(std::size_t{length} + 4);  // data and checksum: a chunk cut short is a truncated file
    if (type == kData) sawData = true;
    if (type == kEnd) break;
  }
  if (!sawData) throw LoadError("PNG without image data");
}

// --- ICO and CUR: every image the directory points at ----------------------------

void screenIconImages(std::span<const unsigned char> bytes) {
  const IconDirectory directory = readIconDirectory(bytes);
  for (const IconDirectoryEntry& entry : directory.entries) {
    const auto image = bytes.subspan(entry.offset, entry.byteCount);
    if (startsWith(image, kPngSignature)) {
      screenPng(image);
      continue;
    }
    ByteReader reader(image, 4);  // past the bitmap header's size
    const std::int64_t width = static_cast<std::int32_t>(reader.le32());
    // The stored height covers the colour bitmap and the mask below it.
    const std::int64_t doubleHeight = static_cast<std::int32_t>(reader.le32());
    checkSides(width, std::abs(doubleHeight) / 2);
  }
}

}  // namespace

PictureFormat screenPicture(std::span<const unsigned char> bytes) {
  static constexpr std::array<unsigned char, 3> kJpegStart{0xFF, 0xD8, 0xFF};
  if (startsWith(bytes, kJpegStart)) {
    screenJpeg(bytes);
    return PictureFormat::Jpeg;
  }
  if (startsWith(bytes, "GIF87a") || startsWith(bytes, "GIF89a")) {
    screenGif(bytes);
    return PictureFormat::Gif;
  }
  if (startsWith(bytes, "BM")) {
    screenBmp(bytes);
    return PictureFormat::Bmp;
  }
  if (startsWith(bytes, kPngSignature)) {
    screenPng(bytes);
    return PictureFormat::Png;
  }
  if (looksLikeIconDirectory(bytes)) {
    screenIconImages(bytes);
    return bytes[2] == 2 ? PictureFormat::Cursor : PictureFormat::Icon;
  }
  throw LoadError(bytes.empty() ? "empty file" : "not a picture");
}

}  // namespace vellumo
