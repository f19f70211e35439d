#pragma once
// The music side of the program's multimedia services: a loader, a
// performance, segments and segment states, through which the music button
// plays the MIDI piece. It stands on the desktop's music output; every call
// that cannot do its work throws LoadError.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Desktop.h"

namespace vellumo {

class DirectMusicSegment {
 public:
  explicit DirectMusicSegment(MusicPiecePtr piece) : piece_(std::move(piece)) {}
  // The piece is a Standard MIDI File; the only kind the program plays.
  void SetStandardMidiFile() { standardMidiFile_ = true; }
  const MusicPiecePtr& piece() const { return piece_; }
  bool standardMidiFile() const { return standardMidiFile_; }

 private:
  MusicPiecePtr piece_;
  bool standardMidiFile_ = false;
};

// One playing of a segment.
class DirectMusicSegmentState {};

class DirectMusicLoader {
 public:
  explicit DirectMusicLoader(Desktop& desktop) : desktop_(desktop) {}
  std::shared_ptr<DirectMusicSegment> LoadSegment(const std::string& path);

 private:
  Desktop& desktop_;
};

class DirectMusicPerformance {
 public:
  explicit DirectMusicPerformance(Desktop& desktop) : desktop_(desktop) {}

  // Makes the MIDI output ready; the program passes no sound object and no window.
  void Init(const void* sound, std::intptr_t window);
  // Port -1 is the default output.
  void SetPort(int port, int channelGroups);
  // Instruments load by themselves: the soundfont holds them all.
  void SetMasterAutoDownload(bool enabled);
  // Master volume in hundredths of a decibel; 0 is full scale, louder is capped there.
  void SetMasterVolume(std::int32_t hundredthsOfDecibel);
  // Plays the segment now, from its beginning (flags 0, start time 0).
  std::shared_ptr<DirectMusicSegmentState> PlaySegment(const DirectMusicSegment& segment, int flags,
                                                       std::int64_t startTime);
  bool IsPlaying(const DirectMusicSegment& segment, const DirectMusicSegmentState* state);
  // Ends the playing at once.
  void Stop(const DirectMusicSegment* segment, const DirectMusicSegmentState* state, std::int64_t time, int flags);
  // Releases the output.
  void CloseDown();

  // The gain a master volume stands for: 10^(v/2000), at most full scale.
  static double gainOf(std::int32_t hundredthsOfDecibel);

 private:
  Desktop& desktop_;
  bool ready_ = false;
};

}  // namespace vellumo
