#include "platform/MixerDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace vellumo {

namespace {

constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
// About 23 ms per mix: a click is heard at once, and a busy machine still
// keeps the device fed.
constexpr int kFramesPerMix = 1024;

}  // namespace

MixerDevice::~MixerDevice() {
  if (state_ != State::Open) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool MixerDevice::open() {
  if (state_ != State::Untried) return state_ == State::Open;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    failure_ = std::string("no audio: ") + SDL_GetError();
    state_ = State::Unavailable;
    return false;
  }
  if (Mix_OpenAudio(kSampleRate, AUDIO_S16SYS, kChannels, kFramesPerMix) != 0) {
    failure_ = std::string("no audio device: ") + Mix_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    state_ = State::Unavailable;
    return false;
  }
  state_ = State::Open;
  return true;
}

}  // namespace vellumo
