// Any bytes at all, as a picture: decoded, or refused with a LoadError.
// Anything else (a crash, a hang, a leak, another exception) is a fault.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/LoadError.h"
#include "platform/PictureDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    vellumo::decodePictureBytes(std::span<const unsigned char>(data, size));
  } catch (const vellumo::LoadError&) {
  }
  return 0;
}
