#pragma once
// The one audio output that sound effects and music share, opened through
// SDL_mixer the first time either needs it. A machine without audio gets no
// device, and the sounds are then silent. Everything is called from the
// program's one thread; SDL_mixer mixes on its own audio thread and locks
// what it shares with it.

#include <string>

namespace vellumo {

class MixerDevice {
 public:
  MixerDevice() = default;
  ~MixerDevice();
  MixerDevice(const MixerDevice&) = delete;
  MixerDevice& operator=(const MixerDevice&) = delete;

  // Opens the device on the first call. Whether it is open; a device that
  // failed to open is not tried again, since each try can stall the caller.
  bool open();
  // Why the device could not be opened; empty while it is open or untried.
  const std::string& failure() const { return failure_; }

 private:
  enum class State { Untried, Open, Unavailable };

  State state_ = State::Untried;
  std::string failure_;
};

}  // namespace vellumo
