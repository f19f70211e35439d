#include "MixTap.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace vellumo::test {

namespace {

// Nothing in these tests takes nearly this long unless it is broken.
constexpr auto kPatience = std::chrono::seconds(30);
constexpr std::size_t kQuietFrames = kMixRate / 4;

}  // namespace

MixTap::MixTap() {
  int rate = 0, channels = 0;
  Uint16 format = 0;
  if (Mix_QuerySpec(&rate, &format, &channels) == 0) throw std::logic_error("the mixer is not open");
  if (rate != kMixRate || format != AUDIO_S16SYS || channels != 2) throw std::logic_error("unexpected mix format");
  Mix_SetPostMix(&MixTap::record, this);
}

MixTap::~MixTap() { Mix_SetPostMix(nullptr, nullptr); }

void MixTap::record(void* tap, std::uint8_t* stream, int bytes) {
  auto& self = *static_cast<MixTap*>(tap);
  const auto* frames = reinterpret_cast<const std::int16_t*>(stream);
  const std::lock_guard<std::mutex> hold(self.lock_);
  for (int i = 0; i < bytes / 4; ++i) self.heard_.push_back(frames[2 * i]);
}

std::size_t MixTap::size() const {
  const std::lock_guard<std::mutex> hold(lock_);
  return heard_.size();
}

std::size_t MixTap::sizeOnceMixed() const {
  // This asks under the mixer's lock, which the audio thread holds for the
  // whole of each mix.
  Mix_PlayingMusic();
  return size();
}

Samples MixTap::heardFrom(std::size_t start) const {
  const std::lock_guard<std::mutex> hold(lock_);
  if (start >= heard_.size()) return {};
  return Samples(heard_.begin() + static_cast<std::ptrdiff_t>(start), heard_.end());
}

Samples MixTap::waitForFrames(std::size_t start, std::size_t frames) const {
  EXPECT_TRUE(eventually([&] { return size() >= start + frames; })) << "the mixer stopped mixing";
  Samples got = heardFrom(start);
  got.resize(std::min(got.size(), frames));
  return got;
}

bool MixTap::waitForSound(std::size_t start, int threshold) const {
  return eventually([&] { return peak(heardFrom(start)) > threshold; });
}

Samples MixTap::waitForWholeSound(std::size_t start, int threshold) const {
  const auto loud = [threshold](std::int16_t s) { return std::abs(static_cast<int>(s)) > threshold; };
  Samples sound;
  const bool ended = eventually([&] {
    sound = heardFrom(start);
    const auto last = std::find_if(sound.rbegin(), sound.rend(), loud);
    return last != sound.rend() && static_cast<std::size_t>(last - sound.rbegin()) >= kQuietFrames;
  });
  EXPECT_TRUE(ended) << "no sound was heard, or it did not end";
  const auto first = std::find_if(sound.begin(), sound.end(), loud);
  const auto last = std::find_if(sound.rbegin(), sound.rend(), loud);
  if (first == sound.end()) return {};
  return Samples(first, last.base());
}

bool allAre(const Samples& samples, std::int16_t level) {
  return std::all_of(samples.begin(), samples.end(), [&](std::int16_t s) { return s == level; });
}

int peak(const Samples& samples) {
  int loudest = 0;
  for (std::int16_t s : samples) loudest = std::max(loudest, std::abs(static_cast<int>(s)));
  return loudest;
}

int soundsIn(const Samples& samples, int threshold) {
  int sounds = 0;
  std::size_t quiet = kQuietFrames;  // before the first sample counts as quiet
  for (std::int16_t s : samples) {
    if (std::abs(static_cast<int>(s)) <= threshold) {
      ++quiet;
      continue;
    }
    if (quiet >= kQuietFrames) ++sounds;
    quiet = 0;
  }
  return sounds;
}

bool eventually(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

}  // namespace vellumo::test
