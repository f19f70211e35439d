#include "Gif.h"

#include <algorithm>
#include <stdexcept>

namespace assetgen {
namespace {

// Packs variable-width codes least significant bit first, as GIF wants.
class BitPacker {
 public:
  void put(unsigned code, int width) {
    acc_ |= static_cast<std::uint32_t>(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
      out_.push_back(static_cast<std::uint8_t>(acc_ & 0xFF));
      acc_ >>= 8;
      bits_ -= 8;
    }
  }
  Bytes finish() {
    if (bits_ > 0) out_.push_back(static_cast<std::uint8_t>(acc_ & 0xFF));
    acc_ = 0;
    bits_ = 0;
    return std::move(out_);
  }

 private:
  Bytes out_;
  std::uint32_t acc_ = 0;
  int bits_ = 0;
};

Bytes lzwCompress(const std::vector<std::uint8_t>& indices, int minCodeSize) {
  const unsigned alphabet = 1u << minCodeSize;
  const unsigned clearCode = alphabet;
  const unsigned eoiCode = alphabet + 1;
  constexpr unsigned kMaxCodes = 4096;
  // child[code * alphabet + symbol]: the code of string(code)+symbol, 0 = none.
  std::vector<std::uint16_t> child(static_cast<std::size_t>(kMaxCodes) * alphabet, 0);

  BitPacker packer;
  int codeSize = minCodeSize + 1;
  unsigned lastCode = eoiCode;  // the highest code assigned so far
  packer.put(clearCode, codeSize);
  if (indices.empty()) {
    packer.put(eoiCode, codeSize);
    return packer.finish();
  }

  unsigned current = indices[0];
  for (std::size_t i = 1; i < indices.size(); ++i) {
    const unsigned symbol = indices[i];
    const std::uint16_t next = child[static_cast<std::size_t>(current) * alphabet + symbol];
    if (next != 0) {
      current = next;
      continue;
    }
    packer.put(current, codeSize);
    ++lastCode;
    child[static_cast<std::size_t>(current) * alphabet + symbol] = static_cast<std::uint16_t>(lastCode);
    if (lastCode >= (1u << codeSize) && codeSize < 12) ++codeSize;
    if (lastCode == kMaxCodes - 1) {
      packer.put(clearCode, codeSize);
      std::fill(child.begin(), child.end(), 0);
      codeSize = minCodeSize + 1;
      lastCode = eoiCode;
    }
    current = symbol;
  }
  packer.put(current, codeSize);
  // The decoder adds one more entry on reading that last code; when that
  // fills the current width it reads the next code one bit wider.
  if (lastCode + 1 == (1u << codeSize) && codeSize < 12) ++codeSize;
  packer.put(eoiCode, codeSize);
  return packer.finish();
}

void put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

}  // namespace

Bytes encodeGif(const std::vector<std::uint8_t>& indices, int width, int height,
                const std::vector<std::array<std::uint8_t, 3>>& palette) {
  int depth = 1;
  while ((1u << depth) < palette.size()) ++depth;
  if ((1u << depth) != palette.size() || depth > 8)
    throw std::invalid_argument("GIF palette size must be a power of two up to 256");
  if (indices.size() != static_cast<std::size_t>(width) * height)
    throw std::invalid_argument("GIF index count does not match the size");
  for (std::uint8_t i : indices)
    if (i >= palette.size()) throw std::invalid_argument("GIF index outside the palette");

  Bytes out{'G', 'I', 'F', '8', '9', 'a'};
  put16(out, static_cast<unsigned>(width));
  put16(out, static_cast<unsigned>(height));
  out.push_back(static_cast<std::uint8_t>(0x80 | ((depth - 1) << 4) | (depth - 1)));
  out.push_back(0);  // background colour index
  out.push_back(0);  // no aspect ratio
  for (const auto& c : palette) out.insert(out.end(), c.begin(), c.end());

  out.push_back(0x2C);  // image descriptor
  put16(out, 0);
  put16(out, 0);
  put16(out, static_cast<unsigned>(width));
  put16(out, static_cast<unsigned>(height));
  out.push_back(0);  // no local colour table, not interlaced

  const int minCodeSize = depth < 2 ? 2 : depth;
  out.push_back(static_cast<std::uint8_t>(minCodeSize));
  const Bytes data = lzwCompress(indices, minCodeSize);
  for (std::size_t pos = 0; pos < data.size(); pos += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - pos);
    out.push_back(static_cast<std::uint8_t>(n));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(pos),
               data.begin() + static_cast<std::ptrdiff_t>(pos + n));
  }
  out.push_back(0);     // block terminator
  out.push_back(0x3B);  // trailer
  return out;
}

}  // namespace assetgen
