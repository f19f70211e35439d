#pragma once
// Reads little- and big-endian fields from a byte span, refusing to read past
// its end. Running out of bytes while a file's structure says more must follow
// is what a truncated file looks like, so it raises LoadError.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/LoadError.h"

namespace vellumo {

class ByteReader {
 public:
  explicit ByteReader(std::span<const unsigned char> bytes, std::size_t position = 0)
      : bytes_(bytes), position_(position) {}

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return position_ < bytes_.size() ? bytes_.size() - position_ : 0; }
  bool atEnd() const { return remaining() == 0; }

  void seek(std::size_t position) { position_ = position; }
  void skip(std::size_t count) {
    need(count);
    position_ += count;
  }

  std::uint8_t u8() {
    need(1);
    return bytes_[position_++];
  }
  std::uint16_t le16() {
    need(2);
    const std::uint16_t value = bytes_[position_] | (bytes_[position_ + 1] << 8);
    position_ += 2;
    return value;
  }
  std::uint32_t le32() {
    const std::uint32_t low = le16();
    return low | (std::uint32_t{le16()} << 16);
  }
  std::uint16_t be16() {
    need(2);
    const std::uint16_t value = (bytes_[position_] << 8) | bytes_[position_ + 1];
    position_ += 2;
    return value;
  }
  std::uint32_t be32() {
    const std::uint32_t high = be16();
    return (high << 16) | be16();
  }

 private:
  void need(std::size_t count) const {
    if (count > remaining()) throw LoadError("truncated file");
  }

  std::span<const unsigned char> bytes_;
  std::size_t position_;
};

}  // namespace vellumo
