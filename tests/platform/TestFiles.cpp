#include "TestFiles.h"

#include <stdlib.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace vellumo::test {

namespace {

void put16(Bytes& out, std::uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void put32(Bytes& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

void putText(Bytes& out, const char* text) {
  for (; *text; ++text) out.push_back(static_cast<unsigned char>(*text));
}

// Packs variable-width codes least significant bit first, as GIF does.
class CodeWriter {
 public:
  void put(std::uint32_t code, int width) {
    pending_ |= code << pendingBits_;
    pendingBits_ += width;
    while (pendingBits_ >= 8) {
      bytes_.push_back(pending_ & 0xFF);
      pending_ >>= 8;
      pendingBits_ -= 8;
    }
  }
  Bytes finish() {
    if (pendingBits_ > 0) bytes_.push_back(pending_ & 0xFF);
    return bytes_;
  }

 private:
  Bytes bytes_;
  std::uint32_t pending_ = 0;
  int pendingBits_ = 0;
};

}  // namespace

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vellumo-platform-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::string TempDir::write(const std::string& name, const Bytes& bytes) const {
  const std::string file = path(name);
  writeFile(file, bytes);
  return file;
}

Bytes readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

Bytes bmp24(const Picture& picture, bool topDown) {
  const std::uint32_t rowBytes = (picture.width * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * picture.height;
  Bytes out;
  putText(out, "BM");
  put32(out, 54 + pixelBytes);
  put32(out, 0);
  put32(out, 54);  // pixel data offset
  put32(out, 40);  // BITMAPINFOHEADER
  put32(out, picture.width);
  put32(out, topDown ? -picture.height : picture.height);
  put16(out, 1);
  put16(out, 24);
  put32(out, 0);  // uncompressed
  put32(out, pixelBytes);
  put32(out, 2835);
  put32(out, 2835);
  put32(out, 0);
  put32(out, 0);
  for (int row = 0; row < picture.height; ++row) {
    const int y = topDown ? row : picture.height - 1 - row;
    for (int x = 0; x < picture.width; ++x) {
      const Colour c = picture.at(x, y);
      out.push_back((c >> 16) & 0xFF);
      out.push_back((c >> 8) & 0xFF);
      out.push_back(c & 0xFF);
    }
    out.resize(out.size() + rowBytes - picture.width * 3, 0);
  }
  return out;
}

Bytes gif4(int width, int height, const std::array<Colour, 4>& palette, const std::vector<std::uint8_t>& indices,
           bool interlaced) {
  Bytes out;
  putText(out, "GIF89a");
  put16(out, width);
  put16(out, height);
  out.push_back(0x81);  // global colour table of 2^(1+1) entries
  out.push_back(0);
  out.push_back(0);
  for (Colour c : palette) {
    out.push_back(c & 0xFF);
    out.push_back((c >> 8) & 0xFF);
    out.push_back((c >> 16) & 0xFF);
  }
  out.push_back(0x2C);
  put16(out, 0);
  put16(out, 0);
  put16(out, width);
  put16(out, height);
  out.push_back(interlaced ? 0x40 : 0);
  std::vector<int> rows;
  for (int y = 0; y < height; ++y) rows.push_back(y);
  if (interlaced) {
    rows.clear();
    constexpr std::pair<int, int> kPasses[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};  // first row, step
    for (const auto& [first, step] : kPasses) {
      for (int y = first; y < height; y += step) rows.push_back(y);
    }
  }
  std::vector<std::uint8_t> stored;
  for (const int y : rows) stored.insert(stored.end(), indices.begin() + y * width, indices.begin() + (y + 1) * width);
  constexpr int kMinCodeSize = 2, kClear = 4, kEnd = 5, kMaxCodeWidth = 12;
  out.push_back(kMinCodeSize);
  // One clear code, then every pixel as a code of its own: no compression,
  // but any decoder reads it. The decoder adds a table entry for each code
  // after the first and reads one bit more once the entries fill the width;
  // a full table is kept as it is.
  CodeWriter codes;
  int codeWidth = kMinCodeSize + 1, nextEntry = kEnd + 1;
  codes.put(kClear, codeWidth);
  for (std::size_t i = 0; i < stored.size(); ++i) {
    codes.put(stored[i], codeWidth);
    if (i > 0 && nextEntry < (1 << kMaxCodeWidth)) ++nextEntry;
    if (nextEntry == (1 << codeWidth) && codeWidth < kMaxCodeWidth) ++codeWidth;
  }
  codes.put(kEnd, codeWidth);
  const Bytes data = codes.finish();
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t size = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<unsigned char>(size));
    out.insert(out.end(), data.begin() + at, data.begin() + at + size);
  }
  out.push_back(0);
  out.push_back(0x3B);
  return out;
}

Bytes iconFile(bool cursor, const std::vector<IconImage>& images) {
  Bytes out;
  put16(out, 0);
  put16(out, cursor ? 2 : 1);
  put16(out, images.size());
  std::vector<Bytes> bitmaps;
  for (const IconImage& image : images) {
    Bytes bitmap;
    put32(bitmap, 40);
    put32(bitmap, image.side);
    put32(bitmap, image.side * 2);  // colour bitmap and mask
    put16(bitmap, 1);
    put16(bitmap, 32);
    for (int i = 0; i < 6; ++i) put32(bitmap, 0);
    for (int i = 0; i < image.side * image.side; ++i) put32(bitmap, image.argb);
    const int maskRowBytes = (image.side + 31) / 32 * 4;
    bitmap.resize(bitmap.size() + maskRowBytes * image.side, 0);
    bitmaps.push_back(std::move(bitmap));
  }
  std::uint32_t offset = 6 + 16 * images.size();
  for (std::size_t i = 0; i < images.size(); ++i) {
    const IconImage& image = images[i];
    out.push_back(image.side == 256 ? 0 : image.side);
    out.push_back(image.side == 256 ? 0 : image.side);
    out.push_back(image.colourCountByte);
    out.push_back(0);
    put16(out, cursor ? image.hotSpotX : 1);   // planes for an icon
    put16(out, cursor ? image.hotSpotY : 32);  // bit count for an icon
    put32(out, bitmaps[i].size());
    put32(out, offset);
    offset += bitmaps[i].size();
  }
  for (const Bytes& bitmap : bitmaps) out.insert(out.end(), bitmap.begin(), bitmap.end());
  return out;
}

Bytes wavFile() {
  constexpr std::uint32_t kSamples = 800;
  Bytes out;
  putText(out, "RIFF");
  put32(out, 36 + kSamples * 2);
  putText(out, "WAVEfmt ");
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, 8000);
  put32(out, 16000);
  put16(out, 2);
  put16(out, 16);
  putText(out, "data");
  put32(out, kSamples * 2);
  for (std::uint32_t i = 0; i < kSamples; ++i) put16(out, (i % 20) * 1000);
  return out;
}

}  // namespace vellumo::test
