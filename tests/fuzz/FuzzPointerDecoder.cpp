// Any bytes at all, as an icon or cursor file: a pointer image, or a
// LoadError.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/LoadError.h"
#include "platform/PointerDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    vellumo::decodePointerBytes(std::span<const unsigned char>(data, size));
  } catch (const vellumo::LoadError&) {
  }
  return 0;
}
