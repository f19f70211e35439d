#pragma once
// Grows an encoded JPEG or GIF to an exact byte size without changing the
// picture it decodes to. The asset check compares file sizes, so every
// picture is written at the size pinned for it.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

// Raised when an encoding is already larger than its pin.
class TooLargeError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// JPEG: inserts comment (COM) segments of at most 65535 length bytes each
// after the JFIF header; a remainder of 1 to 3 bytes, which no COM segment
// can take (the smallest is 4 bytes), becomes 0xFF fill bytes before the EOI
// marker, which the JPEG standard allows before any marker.
Bytes padJpeg(Bytes jpeg, std::size_t target, const std::string& name);

// GIF: a comment extension before the trailer takes 5 bytes or more; a
// remainder of 1 to 4 bytes splits image-data sub-blocks in two, each split
// adding one length byte.
Bytes padGif(Bytes gif, std::size_t target, const std::string& name);

}  // namespace assetgen
