#include "HostileFiles.h"

#include "EncodedPictures.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>

namespace vellumo::test {

namespace {

void putBigEndian16(Bytes& out, std::uint32_t value) {
  out.push_back((value >> 8) & 0xFF);
  out.push_back(value & 0xFF);
}

void putBigEndian32(Bytes& out, std::uint32_t value) {
  putBigEndian16(out, value >> 16);
  putBigEndian16(out, value & 0xFFFF);
}

void putJpegSegment(Bytes& out, std::uint8_t marker, const Bytes& body) {
  out.insert(out.end(), {0xFF, marker});
  putBigEndian16(out, body.size() + 2);
  out.insert(out.end(), body.begin(), body.end());
}

}  // namespace

Bytes gifWithBadCodeStream() {
  return {'G',  'I',  'F',  '8',  '9',  'a',  7,    0,    6,    0,    0x00, 0,    0,    0x2C, 0,
          0,    0,    0,    7,    0,    6,    0,    0x00, 2,    16,   0x0A, 0x67, 0x71, 0x67, 0x67,
          0x67, 0x67, 0x67, 0x67, 0x67, 0x67, 0x67, 0x67, 0x67, 0x67, 0x0A, 0,    0x3B};
}

Bytes pngWithChunkPastTheEnd() {
  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const Bytes header{'I', 'H', 'D', 'R', 0, 0, 0, 131, 0, 0, 0, 122, 8, 2, 0, 0, 0};  // 131x122 RGB
  putBigEndian32(out, 13);
  out.insert(out.end(), header.begin(), header.end());
  putBigEndian32(out, crc32(0, header.data(), header.size()));
  putBigEndian32(out, 65536);
  out.insert(out.end(), {'g', 'A', 'M', 'A'});
  putBigEndian32(out, 45455);  // the first four of the 65536 bytes
  return out;
}

Bytes jpegScanBomb(std::size_t size) {
  Bytes frame;
  Bytes quantisation{0};
  quantisation.resize(65, 1);
  putJpegSegment(frame, 0xDB, quantisation);
  putJpegSegment(frame, 0xC2, {8, 0x10, 0x00, 0x10, 0x00, 1, 1, 0x11, 0});  // progressive, 4096x4096, grey
  // One DC and one AC table, each with a single one-bit code.
  Bytes tables{0x00, 1};
  tables.resize(tables.size() + 15, 0);
  tables.insert(tables.end(), {0, 0x10, 1});
  tables.resize(tables.size() + 15, 0);
  tables.push_back(0);
  putJpegSegment(frame, 0xC4, tables);
  putJpegSegment(frame, 0xDA, {1, 1, 0x00, 0, 0, 0x00});  // the DC scan

  // Start and end markers and a comment that makes up the size exactly.
  constexpr std::size_t kMarkers = 2 + 2, kCommentHeader = 4, kScanBytes = 10;
  const std::size_t scans = (size - kMarkers - kCommentHeader - frame.size()) / kScanBytes;
  const std::size_t commentBytes = size - kMarkers - kCommentHeader - frame.size() - scans * kScanBytes;
  Bytes out{0xFF, 0xD8};
  putJpegSegment(out, 0xFE, Bytes(commentBytes, ' '));
  out.insert(out.end(), frame.begin(), frame.end());
  for (std::size_t i = 0; i < scans; ++i) putJpegSegment(out, 0xDA, {1, 1, 0x00, 1, 63, 0x00});
  out.insert(out.end(), {0xFF, 0xD9});
  return out;
}

Bytes gifOfClearCodes(std::size_t clearCodes) {
  Bytes out{'G',  'I', 'F', '8', '9', 'a', 1, 0, 1, 0,    0x80, 0, 0, 0, 0, 0, 255, 255, 255,  // two colours
            0x2C, 0,   0,   0,   0,   1,   0, 1, 0, 0x00, 2};
  // Codes of three bits: clear (4) again and again, pixel 1, end (5).
  std::vector<unsigned> codes(clearCodes, 4);
  codes.insert(codes.end(), {1, 5});
  Bytes data;
  std::uint32_t bits = 0;
  int count = 0;
  for (const unsigned code : codes) {
    bits |= code << count;
    for (count += 3; count >= 8; count -= 8, bits >>= 8) data.push_back(bits & 0xFF);
  }
  if (count > 0) data.push_back(bits & 0xFF);
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t size = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<unsigned char>(size));
    out.insert(out.end(), data.begin() + at, data.begin() + at + size);
  }
  out.insert(out.end(), {0, 0x3B});
  return out;
}

namespace {

// `bytes` with copies of `filler` inserted at `at` until no more fit in `size`.
Bytes grownWith(Bytes bytes, std::size_t at, const Bytes& filler, std::size_t size) {
  const std::size_t copies = (size - bytes.size()) / filler.size();
  Bytes fill;
  fill.reserve(copies * filler.size());
  for (std::size_t i = 0; i < copies; ++i) fill.insert(fill.end(), filler.begin(), filler.end());
  bytes.insert(bytes.begin() + at, fill.begin(), fill.end());
  return bytes;
}

}  // namespace

Bytes jpegOfManySegments(std::size_t size) {
  constexpr std::size_t kAfterStart = 2;
  return grownWith(jpegFile(Picture(8, 8)), kAfterStart, {0xFF, 0xFE, 0, 2}, size);  // empty comments
}

Bytes pngOfManyChunks(std::size_t size) {
  constexpr std::size_t kAfterHeader = 8 + 25;
  const Bytes emptyPrivateChunk{0, 0, 0, 0, 'v', 'l', 'M', 'o', 0xB6, 0x07, 0x5F, 0x99};
  return grownWith(pngFile(Picture(1, 1), PngKind::Rgb), kAfterHeader, emptyPrivateChunk, size);
}

Bytes gifOfManyExtensions(std::size_t size) {
  constexpr std::size_t kAfterColourTable = 13 + 12;
  const std::array<Colour, 4> palette{};
  return grownWith(gif4(1, 1, palette, {0}), kAfterColourTable, {0x21, 0xFE, 0}, size);  // empty comments
}

namespace {

constexpr std::uint32_t kHuge = 30000;

void setBigEndian(Bytes& bytes, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.at(at + i) = (value >> (8 * (size - 1 - i))) & 0xFF;
}
void setLittleEndian(Bytes& bytes, std::size_t at, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.at(at + i) = (value >> (8 * i)) & 0xFF;
}
std::uint32_t littleEndian32(const Bytes& bytes, std::size_t at) {
  return bytes.at(at) | bytes.at(at + 1) << 8 | bytes.at(at + 2) << 16 | std::uint32_t{bytes.at(at + 3)} << 24;
}

// Where the first image descriptor of a GIF starts, past the colour table
// and any extensions.
std::size_t gifImageDescriptorAt(const Bytes& gif) {
  std::size_t at = 13 + ((gif.at(10) & 0x80) ? 3u << ((gif[10] & 7) + 1) : 0);
  while (gif.at(at) == 0x21) {
    for (at += 2; gif.at(at) != 0; at += gif[at] + 1) {
    }
    ++at;
  }
  return at;
}

}  // namespace

Bytes claimingHugeSize(Bytes picture) {
  if (picture.at(0) == 0xFF) {  // JPEG: the frame header's height and width
    for (std::size_t at = 2; at + 8 < picture.size(); ++at) {
      if (picture[at] == 0xFF && picture[at + 1] >= 0xC0 && picture[at + 1] <= 0xC2) {
        setBigEndian(picture, at + 5, kHuge, 2);
        setBigEndian(picture, at + 7, kHuge, 2);
        return picture;
      }
    }
  } else if (picture.at(0) == 'G') {  // GIF: the first image's width and height
    const std::size_t at = gifImageDescriptorAt(picture);
    setLittleEndian(picture, at + 5, kHuge, 2);
    setLittleEndian(picture, at + 7, kHuge, 2);
    return picture;
  } else if (picture.at(0) == 'B') {
    setLittleEndian(picture, 18, kHuge, 4);
    setLittleEndian(picture, 22, kHuge, 4);
    return picture;
  } else if (picture.at(0) == 0x89) {  // PNG: the header chunk
    setBigEndian(picture, 16, kHuge, 4);
    setBigEndian(picture, 20, kHuge, 4);
    return picture;
  } else if (picture.at(0) == 0) {  // icon: the bitmap of its first entry, mask included
    const std::size_t bitmap = littleEndian32(picture, 6 + 12);
    setLittleEndian(picture, bitmap + 4, kHuge, 4);
    setLittleEndian(picture, bitmap + 8, 2 * kHuge, 4);
    return picture;
  }
  throw std::invalid_argument("not a picture this knows");
}

Bytes paddedTo(Bytes bytes, std::size_t size) {
  bytes.resize(size, 0);
  return bytes;
}

}  // namespace vellumo::test
