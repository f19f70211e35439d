#include "audio/DirectMusic.h"

#include <algorithm>
#include <cmath>

#include "core/DirectX7.h"
#include "platform/LoadError.h"

namespace vellumo {

std::shared_ptr<DirectMusicSegment> DirectMusicLoader::LoadSegment(const std::string& path) {
  return std::make_shared<DirectMusicSegment>(desktop_.loadMusic(path));
}

void DirectMusicPerformance::Init(const void* /*sound*/, std::intptr_t /*window*/) {
  desktop_.openMusicOutput();
  ready_ = true;
}

void DirectMusicPerformance::SetPort(int port, int channelGroups) {
  if (!ready_) throw LoadError("the performance is not initialised");
  if (port != -1 || channelGroups < 1) throw LoadError("only the default port is supported");
}

void DirectMusicPerformance::SetMasterAutoDownload(bool /*enabled*/) {
  if (!ready_) throw LoadError("the performance is not initialised");
}

double DirectMusicPerformance::gainOf(std::int32_t hundredthsOfDecibel) {
  return std::min(1.0, std::pow(10.0, hundredthsOfDecibel / 2000.0));
}

void DirectMusicPerformance::SetMasterVolume(std::int32_t hundredthsOfDecibel) {
  if (!ready_) throw LoadError("the performance is not initialised");
  desktop_.setMusicGain(gainOf(hundredthsOfDecibel));
}

std::shared_ptr<DirectMusicSegmentState> DirectMusicPerformance::PlaySegment(const DirectMusicSegment& segment,
                                                                             int /*flags*/,
                                                                             std::int64_t /*startTime*/) {
  if (!ready_) throw LoadError("the performance is not initialised");
  if (!segment.standardMidiFile()) throw LoadError("the segment is not a standard MIDI file");
  desktop_.playMusic(segment.piece());
  return std::make_shared<DirectMusicSegmentState>();
}

bool DirectMusicPerformance::IsPlaying(const DirectMusicSegment& /*segment*/,
                                       const DirectMusicSegmentState* /*state*/) {
  return desktop_.musicPlaying();
}

// All performances play through the one music output, so any of them stops
// the piece playing now, whichever performance started it.
void DirectMusicPerformance::Stop(const DirectMusicSegment* /*segment*/, const DirectMusicSegmentState* /*state*/,
                                  std::int64_t /*time*/, int /*flags*/) {
  desktop_.stopMusic();
}

void DirectMusicPerformance::CloseDown() {
  desktop_.closeMusicOutput();
  ready_ = false;
}

std::shared_ptr<DirectMusicLoader> DirectX7::DirectMusicLoaderCreate() {
  return std::make_shared<DirectMusicLoader>(desktop_);
}

std::shared_ptr<DirectMusicPerformance> DirectX7::DirectMusicPerformanceCreate() {
  return std::make_shared<DirectMusicPerformance>(desktop_);
}

}  // namespace vellumo
