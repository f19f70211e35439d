// Any bytes at all, as a colour's WAV file, through the sound effect channel
// that plays it: the file is read and decoded, and played or replaced by the
// built-in sound. The channel takes a file name, so each input is written to
// a scratch file first; a fresh channel per input keeps its cache of decoded
// files from answering for an earlier input.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ScratchFile.h"
#include "platform/EffectChannel.h"
#include "platform/MixerDevice.h"

namespace {

std::shared_ptr<vellumo::MixerDevice> device;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Decoding needs an open device, and nothing needs to be heard.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  device = std::make_shared<vellumo::MixerDevice>();
  if (!device->open()) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vellumo::fuzz::ScratchFile wav("CRVENA.WAV");
  vellumo::EffectChannel channel(device);
  channel.play(wav.holding(data, size));
  return 0;
}
