#include "platform/DefaultSound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string_view>

namespace vellumo {

namespace {

constexpr int kSampleRate = 44100;
constexpr double kSeconds = 0.2;
// Well below full scale: a child hears this often, next to the real sounds.
constexpr double kPeak = 0.25;
constexpr double kPitchHz = 1318.5;  // E6, a bell-like pitch
constexpr double kOvertoneLevel = 0.3;
// A few milliseconds of rise and a short fade at the end keep the edges free
// of clicks; in between it decays like a struck bell.
constexpr double kAttackSeconds = 0.003;
constexpr double kDecaySeconds = 0.05;
constexpr double kFadeSeconds = 0.01;

void put16(std::vector<unsigned char>& out, std::uint16_t value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>(value >> 8));
}

void put32(std::vector<unsigned char>& out, std::uint32_t value) {
  put16(out, static_cast<std::uint16_t>(value & 0xFFFF));
  put16(out, static_cast<std::uint16_t>(value >> 16));
}

void putText(std::vector<unsigned char>& out, std::string_view text) {
  out.insert(out.end(), text.begin(), text.end());
}

double dingAt(double t) {
  const double rise = std::min(1.0, t / kAttackSeconds);
  const double fall = std::min(1.0, (kSeconds - t) / kFadeSeconds);
  const double envelope = rise * fall * std::exp(-t / kDecaySeconds);
  const double phase = 2 * std::numbers::pi * kPitchHz * t;
  const double tone = (std::sin(phase) + kOvertoneLevel * std::sin(2 * phase)) / (1 + kOvertoneLevel);
  return kPeak * envelope * tone;
}

}  // namespace

std::vector<unsigned char> defaultSoundWav() {
  constexpr auto kFrames = static_cast<std::uint32_t>(kSampleRate * kSeconds);
  constexpr std::uint32_t kDataBytes = kFrames * 2;
  std::vector<unsigned char> wav;
  wav.reserve(44 + kDataBytes);
  putText(wav, "RIFF");
  put32(wav, 36 + kDataBytes);
  putText(wav, "WAVEfmt ");
  put32(wav, 16);
  put16(wav, 1);  // PCM
  put16(wav, 1);  // mono
  put32(wav, kSampleRate);
  put32(wav, kSampleRate * 2);
  put16(wav, 2);  // bytes per frame
  put16(wav, 16);
  putText(wav, "data");
  put32(wav, kDataBytes);
  for (std::uint32_t i = 0; i < kFrames; ++i) {
    const double sample = std::round(dingAt(static_cast<double>(i) / kSampleRate) * 32767);
    put16(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)));
  }
  return wav;
}

}  // namespace vellumo
