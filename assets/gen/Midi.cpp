#include "Midi.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "TextSource.h"

// The notation, one entry per line (indented lines continue an entry):
//   title "text"            tempo N (beats a minute)     time N/M
//   division N (ticks a beat)
//   def NAME tokens...      a named phrase, expanded where $NAME appears
//   track NAME tokens...    one MIDI track
// Tokens: c5 f#4 bb3 (note; duration after ':' in beats, 1 when absent,
// e.g. g5:2 or e5:1/2), c4+e4+g4:2 (chord), n42 (note by number, for drums),
// r:4 (rest), | (bar line: checked to fall on a bar boundary), $NAME or
// $NAME*3 (phrase, repeated), and settings that hold from there on:
// ch=N (channel 1-16), prog=N (GM program 1-128), v=N (velocity),
// vol=N pan=N rev=N cho=N (controllers 7, 10, 91, 93), tr=N (transpose by
// N semitones), gate=F (the part of each duration a note sounds).

namespace assetgen {
namespace {

struct Event {
  std::uint32_t tick;
  int order;  // note-offs first, then settings, then note-ons at one tick
  Bytes data;
};

struct TrackState {
  std::string name;
  int channel = 0;
  int velocity = 90;
  int transpose = 0;
  double gate = 0.9;
  std::uint32_t tick = 0;
  std::vector<Event> events;
};

struct Song {
  std::string title;
  double tempo = 120;
  int beatsPerBar = 4, beatUnit = 4;
  int division = 480;
  std::map<std::string, std::vector<std::string>> phrases;
  std::vector<TrackState> tracks;
};

int parseInt(const std::string& s, const std::string& where) {
  try {
    std::size_t used = 0;
    const int v = std::stoi(s, &used);
    if (used != s.size()) throw std::invalid_argument(s);
    return v;
  } catch (const std::exception&) {
    throw std::runtime_error(where + ": not a whole number: '" + s + "'");
  }
}

double parseBeats(const std::string& s, const std::string& where) {
  const std::size_t slash = s.find('/');
  try {
    if (slash != std::string::npos) return std::stod(s.substr(0, slash)) / std::stod(s.substr(slash + 1));
    return std::stod(s);
  } catch (const std::exception&) {
    throw std::runtime_error(where + ": bad duration '" + s + "'");
  }
}

int noteNumber(const std::string& name, const std::string& where) {
  if (name.size() >= 2 && name[0] == 'n') return parseInt(name.substr(1), where);
  static const std::map<char, int> semis{{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5}, {'g', 7}, {'a', 9}, {'b', 11}};
  const auto it = semis.find(name.empty() ? ' ' : name[0]);
  if (it == semis.end() || name.size() < 2) throw std::runtime_error(where + ": bad note '" + name + "'");
  int semitone = it->second;
  std::size_t pos = 1;
  if (name[pos] == '#') {
    ++semitone;
    ++pos;
  } else if (name[pos] == 'b' && pos + 1 < name.size()) {
    --semitone;
    ++pos;
  }
  const int n = 12 * (parseInt(name.substr(pos), where) + 1) + semitone;
  if (n < 0 || n > 127) throw std::runtime_error(where + ": note out of range '" + name + "'");
  return n;
}

void addEvent(TrackState& t, std::uint32_t tick, int order, std::initializer_list<int> bytes) {
  Event e{tick, order, {}};
  for (int b : bytes) e.data.push_back(static_cast<std::uint8_t>(b));
  t.events.push_back(std::move(e));
}

void play(Song& song, TrackState& t, const std::vector<std::string>& tokens, const std::string& where, int depth) {
  if (depth > 16) throw std::runtime_error(where + ": phrases nest too deep");
  const std::uint32_t barTicks = static_cast<std::uint32_t>(song.division * song.beatsPerBar * 4 / song.beatUnit);
  for (const std::string& tok : tokens) {
    if (tok == "|") {
      if (t.tick % barTicks != 0)
        throw std::runtime_error(where + ": track " + t.name + ": bar line at beat " +
                                 std::to_string(static_cast<double>(t.tick) / song.division) +
                                 ", not on a bar boundary");
      continue;
    }
    if (tok[0] == '$') {
      std::string name = tok.substr(1);
      int times = 1;
      if (const auto star = name.find('*'); star != std::string::npos) {
        times = parseInt(name.substr(star + 1), where);
        name.resize(star);
      }
      const auto it = song.phrases.find(name);
      if (it == song.phrases.end()) throw std::runtime_error(where + ": unknown phrase $" + name);
      for (int i = 0; i < times; ++i) play(song, t, it->second, where + " in $" + name, depth + 1);
      continue;
    }
    if (const auto eq = tok.find('='); eq != std::string::npos) {
      const std::string key = tok.substr(0, eq), value = tok.substr(eq + 1);
      const int ch = t.channel;
      if (key == "ch") {
        t.channel = parseInt(value, where) - 1;
        if (t.channel < 0 || t.channel > 15) throw std::runtime_error(where + ": channel is 1 to 16");
      } else if (key == "prog") {
        addEvent(t, t.tick, 1, {0xC0 | ch, parseInt(value, where) - 1});
      } else if (key == "v") {
        t.velocity = parseInt(value, where);
      } else if (key == "vol") {
        addEvent(t, t.tick, 1, {0xB0 | ch, 7, parseInt(value, where)});
      } else if (key == "pan") {
        addEvent(t, t.tick, 1, {0xB0 | ch, 10, parseInt(value, where)});
      } else if (key == "rev") {
        addEvent(t, t.tick, 1, {0xB0 | ch, 91, parseInt(value, where)});
      } else if (key == "cho") {
        addEvent(t, t.tick, 1, {0xB0 | ch, 93, parseInt(value, where)});
      } else if (key == "tr") {
        t.transpose = parseInt(value, where);
      } else if (key == "gate") {
        t.gate = parseBeats(value, where);
      } else {
        throw std::runtime_error(where + ": unknown setting " + key);
      }
      continue;
    }
    std::string body = tok;
    double beats = 1;
    if (const auto colon = body.find(':'); colon != std::string::npos) {
      beats = parseBeats(body.substr(colon + 1), where);
      body.resize(colon);
    }
    const auto length = static_cast<std::uint32_t>(std::lround(beats * song.division));
    if (body != "r") {
      const auto sounding = static_cast<std::uint32_t>(std::max<long>(1, std::lround(length * t.gate)));
      std::size_t pos = 0;
      while (pos <= body.size()) {
        const std::size_t plus = body.find('+', pos);
        const std::string name = body.substr(pos, plus - pos);
        const int n = noteNumber(name, where) + (t.channel == 9 ? 0 : t.transpose);
        if (n < 0 || n > 127) throw std::runtime_error(where + ": transposed note out of range " + name);
        addEvent(t, t.tick, 2, {0x90 | t.channel, n, t.velocity});
        addEvent(t, t.tick + sounding, 0, {0x80 | t.channel, n, 0});
        if (plus == std::string::npos) break;
        pos = plus + 1;
      }
    }
    t.tick += length;
  }
}

void putVarLen(Bytes& out, std::uint32_t v) {
  std::uint8_t buf[5];
  int n = 0;
  buf[n++] = static_cast<std::uint8_t>(v & 0x7F);
  while (v >>= 7) buf[n++] = static_cast<std::uint8_t>(0x80 | (v & 0x7F));
  while (n > 0) out.push_back(buf[--n]);
}

void putBE(Bytes& out, std::uint32_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF));
}

Bytes trackChunk(std::vector<Event> events, std::uint32_t endTick) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  Bytes body;
  std::uint32_t last = 0;
  for (const Event& e : events) {
    putVarLen(body, e.tick - last);
    last = e.tick;
    body.insert(body.end(), e.data.begin(), e.data.end());
  }
  putVarLen(body, endTick - last);
  body.insert(body.end(), {0xFF, 0x2F, 0x00});
  Bytes chunk{'M', 'T', 'r', 'k'};
  putBE(chunk, static_cast<std::uint32_t>(body.size()), 4);
  chunk.insert(chunk.end(), body.begin(), body.end());
  return chunk;
}

Event metaText(int type, const std::string& text) {
  Event e{0, 0, {0xFF, static_cast<std::uint8_t>(type)}};
  putVarLen(e.data, static_cast<std::uint32_t>(text.size()));
  e.data.insert(e.data.end(), text.begin(), text.end());
  return e;
}

}  // namespace

MidiSong compileMidi(const std::string& notationPath) {
  Song song;
  for (const SourceLine& line : readEntries(notationPath)) {
    const std::string where = notationPath + ":" + std::to_string(line.number);
    std::vector<std::string> words = splitWords(line.text);
    if (words.size() < 2) throw std::runtime_error(where + ": expected a keyword and a value");
    const std::string& kw = words[0];
    if (kw == "title") {
      song.title = words[1];
    } else if (kw == "tempo") {
      song.tempo = parseBeats(words[1], where);
    } else if (kw == "division") {
      song.division = parseInt(words[1], where);
    } else if (kw == "time") {
      const auto slash = words[1].find('/');
      if (slash == std::string::npos) throw std::runtime_error(where + ": time is N/M");
      song.beatsPerBar = parseInt(words[1].substr(0, slash), where);
      song.beatUnit = parseInt(words[1].substr(slash + 1), where);
    } else if (kw == "def") {
      song.phrases[words[1]] = std::vector<std::string>(words.begin() + 2, words.end());
    } else if (kw == "track") {
      TrackState t;
      t.name = words[1];
      t.events.push_back(metaText(0x03, t.name));
      play(song, t, std::vector<std::string>(words.begin() + 2, words.end()), where, 0);
      song.tracks.push_back(std::move(t));
    } else {
      throw std::runtime_error(where + ": unknown keyword " + kw);
    }
  }
  if (song.tracks.empty()) throw std::runtime_error(notationPath + ": no tracks");

  std::uint32_t end = 0;
  for (const TrackState& t : song.tracks) end = std::max(end, t.tick);
  for (const TrackState& t : song.tracks)
    if (t.tick != end)
      throw std::runtime_error(notationPath + ": track " + t.name + " lasts " +
                               std::to_string(static_cast<double>(t.tick) / song.division) + " beats, the longest " +
                               std::to_string(static_cast<double>(end) / song.division));

  std::vector<Event> conductor;
  conductor.push_back(metaText(0x03, song.title));
  const auto usPerBeat = static_cast<std::uint32_t>(std::lround(60'000'000.0 / song.tempo));
  Event tempo{0, 0, {0xFF, 0x51, 0x03}};
  putBE(tempo.data, usPerBeat, 3);
  conductor.push_back(tempo);
  int unitPower = 0;
  while ((1 << unitPower) < song.beatUnit) ++unitPower;
  conductor.push_back(Event{
      0,
      0,
      {0xFF, 0x58, 0x04, static_cast<std::uint8_t>(song.beatsPerBar), static_cast<std::uint8_t>(unitPower), 24, 8}});

  MidiSong result;
  result.bytes = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
  putBE(result.bytes, static_cast<std::uint32_t>(song.tracks.size() + 1), 2);
  putBE(result.bytes, static_cast<std::uint32_t>(song.division), 2);
  const Bytes c = trackChunk(conductor, end);
  result.bytes.insert(result.bytes.end(), c.begin(), c.end());
  for (TrackState& t : song.tracks) {
    const Bytes chunk = trackChunk(std::move(t.events), end);
    result.bytes.insert(result.bytes.end(), chunk.begin(), chunk.end());
  }
  result.seconds = static_cast<double>(end) / song.division * 60.0 / song.tempo;
  result.tracks = static_cast<int>(song.tracks.size());
  return result;
}

}  // namespace assetgen
