#include "platform/MidiFile.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "platform/ByteReader.h"
#include "platform/LoadError.h"

namespace vellumo {

namespace {

constexpr std::uint32_t kDefaultMicrosPerBeat = 500'000;  // 120 beats a minute
constexpr std::int64_t kTenthOfASecond = 100'000;

[[noreturn]] void refuse(const std::string& why) { throw LoadError("MIDI file: " + why); }

// How the file counts time: ticks a beat, or SMPTE frames a second and ticks a frame.
struct Division {
  bool smpte = false;
  double ticksPerBeat = 0;
  double ticksPerSecond = 0;
};

Division divisionOf(std::uint16_t word) {
  Division division;
  if ((word & 0x8000) == 0) {
    if (word == 0) refuse("no ticks a beat");
    division.ticksPerBeat = word;
    return division;
  }
  const int framesPerSecond = -static_cast<std::int8_t>(word >> 8);
  const int ticksPerFrame = word & 0xFF;
  if ((framesPerSecond != 24 && framesPerSecond != 25 && framesPerSecond != 29 && framesPerSecond != 30) ||
      ticksPerFrame == 0)
    refuse("unknown time code");
  division.smpte = true;
  division.ticksPerSecond = (framesPerSecond == 29 ? 29.97 : framesPerSecond) * ticksPerFrame;
  return division;
}

// Events and tempo changes still counted in ticks, with the order they had
// in the file to keep events of one tick in their order.
struct TickedEvent {
  std::uint64_t tick;
  MidiEvent event;
};
struct TempoChange {
  std::uint64_t tick;
  std::uint32_t microsPerBeat;
};

struct Tracks {
  std::vector<TickedEvent> events;
  std::vector<TempoChange> tempos;
  std::uint64_t lastTick = 0;

  void countOne() {
    if (events.size() + tempos.size() >= static_cast<std::size_t>(kMostEvents)) refuse("too many events");
  }
};

// A variable-length quantity: seven bits a byte, at most four bytes.
std::uint32_t variableLength(ByteReader& in) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const std::uint8_t byte = in.u8();
    value = value << 7 | (byte & 0x7F);
    if ((byte & 0x80) == 0) return value;
  }
  refuse("a number longer than four bytes");
}

std::uint8_t dataByte(ByteReader& in) {
  const std::uint8_t byte = in.u8();
  if (byte & 0x80) refuse("a status byte where data belongs");
  return byte;
}

// One track chunk's events. A track may end at its end-of-track event or,
// leniently, with its chunk.
void readTrack(std::span<const unsigned char> chunk, Tracks& tracks) {
  ByteReader in(chunk);
  std::uint64_t tick = 0;
  int atThisTick = 0;  // messages so far at the same tick: too many is too dense whatever the tempo
  std::uint8_t runningStatus = 0;
  while (!in.atEnd()) {
    const std::uint32_t delta = variableLength(in);
    tick += delta;
    atThisTick = delta == 0 ? atThisTick : 0;
    std::uint8_t status = in.u8();
    if (status < 0x80) {
      if (runningStatus == 0) refuse("data without a status");
      status = runningStatus;
      in.seek(in.position() - 1);
    }
    if (status < 0xF0) {
      runningStatus = status;
      MidiEvent event{0, status, dataByte(in), 0};
      const std::uint8_t kind = status & 0xF0;
      if (kind != 0xC0 && kind != 0xD0) event.data2 = dataByte(in);
      if (++atThisTick > kMostEventsInATenthOfASecond) refuse("too dense to play");
      tracks.countOne();
      tracks.events.push_back({tick, event});
      continue;
    }
    // System exclusive and meta events cancel the running status.
    runningStatus = 0;
    if (status == 0xF0 || status == 0xF7) {
      in.skip(variableLength(in));  // nothing the synthesiser needs
      continue;
    }
    if (status != 0xFF) refuse("a real-time or common message in a file");
    const std::uint8_t type = in.u8();
    const std::uint32_t length = variableLength(in);
    if (type == 0x2F) break;  // end of track
    if (type == 0x51 && length == 3) {
      const std::uint32_t high = in.u8(), middle = in.u8(), low = in.u8();
      const std::uint32_t micros = high << 16 | middle << 8 | low;
      if (micros == 0) continue;  // a tempo at which time stands still means nothing
      tracks.countOne();
      tracks.tempos.push_back({tick, micros});
      continue;
    }
    in.skip(length);
  }
  tracks.lastTick = std::max(tracks.lastTick, tick);
}

// Ticks to microseconds through the tempo map, which applies to all tracks.
class TempoMap {
 public:
  TempoMap(const Division& division, std::vector<TempoChange> tempos)
      : division_(division), tempos_(std::move(tempos)) {
    std::stable_sort(tempos_.begin(), tempos_.end(), [](const auto& a, const auto& b) { return a.tick < b.tick; });
  }

  // For ticks given in rising order.
  std::int64_t microsAt(std::uint64_t tick) {
    if (division_.smpte) return checked(static_cast<double>(tick) * 1e6 / division_.ticksPerSecond);
    while (next_ < tempos_.size() && tempos_[next_].tick <= tick) {
      segmentMicros_ += microsSince(tempos_[next_].tick);
      segmentTick_ = tempos_[next_].tick;
      microsPerBeat_ = tempos_[next_].microsPerBeat;
      ++next_;
    }
    return checked(segmentMicros_ + microsSince(tick));
  }

 private:
  double microsSince(std::uint64_t tick) const {
    return static_cast<double>(tick - segmentTick_) * microsPerBeat_ / division_.ticksPerBeat;
  }
  static std::int64_t checked(double micros) {
    if (micros > static_cast<double>(kLongestPieceMicros)) refuse("longer than an hour");
    return static_cast<std::int64_t>(micros);
  }

  Division division_;
  std::vector<TempoChange> tempos_;
  std::size_t next_ = 0;
  std::uint64_t segmentTick_ = 0;
  double segmentMicros_ = 0;
  double microsPerBeat_ = kDefaultMicrosPerBeat;
};

void refuseTooDense(const std::vector<MidiEvent>& events) {
  std::size_t windowStart = 0;
  for (std::size_t i = 0; i < events.size(); ++i) {
    while (events[i].atMicros - events[windowStart].atMicros >= kTenthOfASecond) ++windowStart;
    if (i - windowStart + 1 > static_cast<std::size_t>(kMostEventsInATenthOfASecond)) refuse("too dense to play");
  }
}

}  // namespace

MidiSequence readMidiFile(std::span<const unsigned char> bytes) {
  ByteReader in(bytes);
  char id[4];
  const auto readId = [&] {
    for (char& c : id) c = static_cast<char>(in.u8());
  };
  readId();
  if (std::memcmp(id, "MThd", 4) != 0) refuse("not a Standard MIDI File");
  const std::uint32_t headerLength = in.be32();
  if (headerLength < 6) refuse("a short header");
  const std::size_t headerEnd = in.position() + headerLength;
  const std::uint16_t format = in.be16();
  const std::uint16_t trackCount = in.be16();
  const Division division = divisionOf(in.be16());
  if (format > 2) refuse("an unknown format");
  if (trackCount == 0) refuse("no tracks");
  in.seek(headerEnd);

  // Chunks of other kinds are skipped, as the format asks; a chunk that runs
  // past the end of the file means the file stops short.
  Tracks tracks;
  for (int found = 0; found < trackCount;) {
    readId();
    const std::uint32_t length = in.be32();
    if (length > in.remaining()) refuse("a chunk that runs past the end of the file");
    if (std::memcmp(id, "MTrk", 4) == 0) {
      readTrack(bytes.subspan(in.position(), length), tracks);
      ++found;
    }
    in.skip(length);
  }

  std::stable_sort(tracks.events.begin(), tracks.events.end(),
                   [](const auto& a, const auto& b) { return a.tick < b.tick; });
  TempoMap tempoMap(division, std::move(tracks.tempos));
  MidiSequence sequence;
  sequence.events.reserve(tracks.events.size());
  for (const TickedEvent& ticked : tracks.events) {
    MidiEvent event = ticked.event;
    event.atMicros = tempoMap.microsAt(ticked.tick);
    sequence.events.push_back(event);
  }
  sequence.lengthMicros = tempoMap.microsAt(tracks.lastTick);
  refuseTooDense(sequence.events);
  return sequence;
}

}  // namespace vellumo
