#include "Icon.h"

#include <stdexcept>

namespace assetgen {
namespace {

void put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

int nearestIndex(Rgba p) {
  const auto& pal = windowsPalette16();
  int best = 0;
  long bestDist = -1;
  for (int i = 0; i < static_cast<int>(pal.size()); ++i) {
    const long dr = p.r - pal[i].r, dg = p.g - pal[i].g, db = p.b - pal[i].b;
    const long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
    if (bestDist < 0 || d < bestDist) {
      bestDist = d;
      best = i;
    }
  }
  return best;
}

void putBitmapInfoHeader(Bytes& out, int width, int height, int bitCount, std::uint32_t imageSize,
                         std::uint32_t coloursUsed) {
  put32(out, 40);
  put32(out, static_cast<std::uint32_t>(width));
  put32(out, static_cast<std::uint32_t>(height));
  put16(out, 1);
  put16(out, static_cast<unsigned>(bitCount));
  put32(out, 0);  // BI_RGB, uncompressed
  put32(out, imageSize);
  put32(out, 2835);  // 72 dpi
  put32(out, 2835);
  put32(out, coloursUsed);
  put32(out, 0);
}

// The 4-bit XOR image and the 1-bit AND mask of an icon entry, bottom row first.
Bytes iconEntry(const Image& image) {
  const int w = image.width, h = image.height;
  const std::size_t xorStride = static_cast<std::size_t>((w * 4 + 31) / 32) * 4;
  const std::size_t andStride = static_cast<std::size_t>((w + 31) / 32) * 4;
  Bytes xorBits(xorStride * h, 0), andBits(andStride * h, 0);
  for (int y = 0; y < h; ++y) {
    const std::size_t row = static_cast<std::size_t>(h - 1 - y);
    for (int x = 0; x < w; ++x) {
      const Rgba p = image.at(x, y);
      if (p.a < 128) {
        andBits[row * andStride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        continue;  // XOR index 0 (black) under a set mask bit is transparent
      }
      const int idx = nearestIndex(p);
      std::uint8_t& b = xorBits[row * xorStride + x / 2];
      b |= static_cast<std::uint8_t>(x % 2 == 0 ? idx << 4 : idx);
    }
  }
  Bytes out;
  putBitmapInfoHeader(out, w, h * 2, 4, static_cast<std::uint32_t>(xorBits.size() + andBits.size()), 16);
  for (const Rgba& c : windowsPalette16()) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
  out.insert(out.end(), xorBits.begin(), xorBits.end());
  out.insert(out.end(), andBits.begin(), andBits.end());
  return out;
}

Bytes iconFile(const Image& image, unsigned type, unsigned field1, unsigned field2) {
  if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256)
    throw std::invalid_argument("icon sides must be 1 to 256 pixels");
  const Bytes entry = iconEntry(image);
  Bytes out;
  put16(out, 0);
  put16(out, type);
  put16(out, 1);
  out.push_back(static_cast<std::uint8_t>(image.width & 0xFF));
  out.push_back(static_cast<std::uint8_t>(image.height & 0xFF));
  out.push_back(16);  // colours in the entry
  out.push_back(0);
  put16(out, field1);  // ICO: planes; CUR: hot spot x
  put16(out, field2);  // ICO: bits per pixel; CUR: hot spot y
  put32(out, static_cast<std::uint32_t>(entry.size()));
  put32(out, 6 + 16);
  out.insert(out.end(), entry.begin(), entry.end());
  return out;
}

}  // namespace

const std::vector<Rgba>& windowsPalette16() {
  static const std::vector<Rgba> palette{
      {0, 0, 0, 255},       {128, 0, 0, 255},   {0, 128, 0, 255},   {128, 128, 0, 255},
      {0, 0, 128, 255},     {128, 0, 128, 255}, {0, 128, 128, 255}, {192, 192, 192, 255},
      {128, 128, 128, 255}, {255, 0, 0, 255},   {0, 255, 0, 255},   {255, 255, 0, 255},
      {0, 0, 255, 255},     {255, 0, 255, 255}, {0, 255, 255, 255}, {255, 255, 255, 255},
  };
  return palette;
}

Bytes encodeIco(const Image& image) { return iconFile(image, 1, 1, 4); }

Bytes encodeCur(const Image& image, int hotX, int hotY) {
  return iconFile(image, 2, static_cast<unsigned>(hotX), static_cast<unsigned>(hotY));
}

Bytes encodeBmp24(const Image& image) {
  const int w = image.width, h = image.height;
  const std::size_t stride = static_cast<std::size_t>((w * 3 + 3) / 4) * 4;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * h);
  Bytes out{'B', 'M'};
  put32(out, 14 + 40 + imageSize);
  put32(out, 0);
  put32(out, 14 + 40);
  putBitmapInfoHeader(out, w, h, 24, imageSize, 0);
  for (int y = h - 1; y >= 0; --y) {
    std::size_t written = 0;
    for (int x = 0; x < w; ++x) {
      const Rgba p = image.at(x, y);
      auto overWhite = [&p](int c) { return static_cast<std::uint8_t>((c * p.a + 255 * (255 - p.a) + 127) / 255); };
      out.push_back(overWhite(p.b));
      out.push_back(overWhite(p.g));
      out.push_back(overWhite(p.r));
      written += 3;
    }
    for (; written < stride; ++written) out.push_back(0);
  }
  return out;
}

}  // namespace assetgen
