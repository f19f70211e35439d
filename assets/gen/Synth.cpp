#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>

#include "TextSource.h"

namespace assetgen {
namespace {

struct Partial {
  double ratio;
  double amplitude;
};

struct Voice {
  std::vector<Partial> partials{{1, 1}};
  double attack = 0.005;    // seconds of linear rise
  double decay = 0;         // exponential time constant of the fundamental, 0 = held
  double release = 0.02;    // seconds of fade at the note's end
  double glide = 0;         // semitones travelled over the note
  double vibratoRate = 0;   // Hz
  double vibratoDepth = 0;  // semitones
};

struct Note {
  double frequency;
  double start;
  double length;  // 0: to the end of the sound
  double gain;
};

struct Sound {
  std::string name;
  std::string voice;
  double length = 0.5;
  std::vector<Note> notes;
};

double parseNumber(const std::string& s, const std::string& where) {
  try {
    std::size_t used = 0;
    const double v = std::stod(s, &used);
    if (used != s.size()) throw std::invalid_argument(s);
    return v;
  } catch (const std::exception&) {
    throw std::runtime_error(where + ": not a number: '" + s + "'");
  }
}

std::vector<std::string> split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::size_t pos = 0;
  while (true) {
    const std::size_t next = s.find(sep, pos);
    parts.push_back(s.substr(pos, next - pos));
    if (next == std::string::npos) return parts;
    pos = next + 1;
  }
}

// "A4" = 440 Hz; names c d e f g a b, '#' or 's' sharp, 'b' flat after the letter.
double noteFrequency(const std::string& name, const std::string& where) {
  static const std::map<char, int> semis{{'c', 0}, {'d', 2}, {'e', 4}, {'f', 5}, {'g', 7}, {'a', 9}, {'b', 11}};
  if (name.size() < 2) throw std::runtime_error(where + ": bad note '" + name + "'");
  const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
  const auto it = semis.find(letter);
  if (it == semis.end()) throw std::runtime_error(where + ": bad note '" + name + "'");
  int semitone = it->second;
  std::size_t pos = 1;
  if (name[pos] == '#' || name[pos] == 's') {
    ++semitone;
    ++pos;
  } else if (name[pos] == 'b' && pos + 1 < name.size()) {
    --semitone;
    ++pos;
  }
  const int octave = static_cast<int>(parseNumber(name.substr(pos), where));
  const int midi = 12 * (octave + 1) + semitone;
  return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

std::vector<double> render(const Sound& sound, const Voice& voice, int rate) {
  const std::size_t total = static_cast<std::size_t>(std::lround(sound.length * rate));
  std::vector<double> out(total, 0.0);
  for (const Note& note : sound.notes) {
    const double length = note.length > 0 ? note.length : sound.length - note.start;
    const std::size_t first = static_cast<std::size_t>(std::lround(note.start * rate));
    const std::size_t count = static_cast<std::size_t>(std::lround(length * rate));
    std::vector<double> phase(voice.partials.size(), 0.0);
    for (std::size_t i = 0; i < count && first + i < total; ++i) {
      const double t = static_cast<double>(i) / rate;
      double env = voice.attack > 0 ? std::min(1.0, t / voice.attack) : 1.0;
      const double fromEnd = length - t;
      if (voice.release > 0 && fromEnd < voice.release) env *= std::max(0.0, fromEnd / voice.release);
      double semis = voice.glide * (t / length);
      if (voice.vibratoRate > 0)
        semis += voice.vibratoDepth * std::sin(2 * std::numbers::pi * voice.vibratoRate * t) * std::min(1.0, t / 0.1);
      const double f = note.frequency * std::pow(2.0, semis / 12.0);
      double v = 0;
      for (std::size_t k = 0; k < voice.partials.size(); ++k) {
        const Partial& p = voice.partials[k];
        phase[k] += 2 * std::numbers::pi * f * p.ratio / rate;
        double a = p.amplitude;
        if (voice.decay > 0) a *= std::exp(-t * std::sqrt(p.ratio) / voice.decay);
        v += a * std::sin(phase[k]);
      }
      out[first + i] += note.gain * env * v;
    }
  }
  // A short fade at the very end so no sound stops on a click.
  const std::size_t fade = std::min<std::size_t>(total, static_cast<std::size_t>(rate / 100));
  for (std::size_t i = 0; i < fade; ++i) out[total - 1 - i] *= static_cast<double>(i) / fade;
  return out;
}

// The loudest 50 ms window's RMS: what the ear takes as the sound's level.
double shortTermLoudness(const std::vector<double>& s, int rate) {
  const std::size_t window = static_cast<std::size_t>(rate / 20);
  double best = 0, sum = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    sum += s[i] * s[i];
    if (i >= window) sum -= s[i - window] * s[i - window];
    best = std::max(best, sum);
  }
  return std::sqrt(std::max(best, 0.0) / static_cast<double>(window));
}

void put16(Bytes& out, unsigned v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void put32(Bytes& out, std::uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

}  // namespace

Bytes encodeWav16Mono(const std::vector<std::int16_t>& samples, int rate) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  Bytes out{'R', 'I', 'F', 'F'};
  put32(out, 36 + dataBytes);
  for (char c : std::string("WAVEfmt ")) out.push_back(static_cast<std::uint8_t>(c));
  put32(out, 16);
  put16(out, 1);  // PCM
  put16(out, 1);  // mono
  put32(out, static_cast<std::uint32_t>(rate));
  put32(out, static_cast<std::uint32_t>(rate * 2));
  put16(out, 2);
  put16(out, 16);
  for (char c : std::string("data")) out.push_back(static_cast<std::uint8_t>(c));
  put32(out, dataBytes);
  for (std::int16_t s : samples) put16(out, static_cast<std::uint16_t>(s));
  return out;
}

std::vector<SoundFile> synthesiseSounds(const std::string& descriptionPath) {
  int rate = 44100;
  double loudnessDb = -16, peakDb = -1.5;
  std::map<std::string, Voice> voices;
  std::vector<Sound> sounds;

  for (const SourceLine& line : readEntries(descriptionPath)) {
    const std::string where = descriptionPath + ":" + std::to_string(line.number);
    const std::vector<std::string> words = splitWords(line.text);
    if (words.size() < 2) throw std::runtime_error(where + ": expected a keyword and a value");
    if (words[0] == "rate") {
      rate = static_cast<int>(parseNumber(words[1], where));
    } else if (words[0] == "loudness") {
      loudnessDb = parseNumber(words[1], where);
    } else if (words[0] == "peak") {
      peakDb = parseNumber(words[1], where);
    } else if (words[0] == "voice") {
      Voice v;
      for (std::size_t i = 2; i < words.size(); ++i) {
        const std::size_t eq = words[i].find('=');
        if (eq == std::string::npos) throw std::runtime_error(where + ": expected key=value: " + words[i]);
        const std::string key = words[i].substr(0, eq), value = words[i].substr(eq + 1);
        if (key == "partials") {
          v.partials.clear();
          for (const std::string& p : split(value, ',')) {
            const auto ra = split(p, ':');
            if (ra.size() != 2) throw std::runtime_error(where + ": partial is ratio:amplitude: " + p);
            v.partials.push_back({parseNumber(ra[0], where), parseNumber(ra[1], where)});
          }
        } else if (key == "attack") {
          v.attack = parseNumber(value, where);
        } else if (key == "decay") {
          v.decay = parseNumber(value, where);
        } else if (key == "release") {
          v.release = parseNumber(value, where);
        } else if (key == "glide") {
          v.glide = parseNumber(value, where);
        } else if (key == "vibrato") {
          const auto rd = split(value, ':');
          if (rd.size() != 2) throw std::runtime_error(where + ": vibrato is rate:depth");
          v.vibratoRate = parseNumber(rd[0], where);
          v.vibratoDepth = parseNumber(rd[1], where);
        } else {
          throw std::runtime_error(where + ": unknown voice setting " + key);
        }
      }
      voices[words[1]] = v;
    } else if (words[0] == "sound") {
      Sound s;
      s.name = words[1];
      for (std::size_t i = 2; i < words.size(); ++i) {
        const std::size_t eq = words[i].find('=');
        if (eq == std::string::npos) throw std::runtime_error(where + ": expected key=value: " + words[i]);
        const std::string key = words[i].substr(0, eq), value = words[i].substr(eq + 1);
        if (key == "voice") {
          s.voice = value;
        } else if (key == "length") {
          s.length = parseNumber(value, where);
        } else if (key == "notes") {
          // NOTE@start[/length][*gain], comma separated
          for (const std::string& n : split(value, ',')) {
            Note note{0, 0, 0, 1};
            std::string rest = n;
            if (const auto star = rest.find('*'); star != std::string::npos) {
              note.gain = parseNumber(rest.substr(star + 1), where);
              rest.resize(star);
            }
            if (const auto slash = rest.find('/'); slash != std::string::npos) {
              note.length = parseNumber(rest.substr(slash + 1), where);
              rest.resize(slash);
            }
            const auto at = rest.find('@');
            if (at == std::string::npos) throw std::runtime_error(where + ": note needs @start: " + n);
            note.start = parseNumber(rest.substr(at + 1), where);
            note.frequency = noteFrequency(rest.substr(0, at), where);
            s.notes.push_back(note);
          }
        } else {
          throw std::runtime_error(where + ": unknown sound setting " + key);
        }
      }
      if (!voices.count(s.voice)) throw std::runtime_error(where + ": unknown voice '" + s.voice + "'");
      if (s.notes.empty()) throw std::runtime_error(where + ": sound without notes");
      sounds.push_back(s);
    } else {
      throw std::runtime_error(where + ": unknown keyword " + words[0]);
    }
  }

  const double targetLoudness = std::pow(10.0, loudnessDb / 20.0);
  const double peakLimit = std::pow(10.0, peakDb / 20.0);
  std::vector<SoundFile> files;
  for (const Sound& s : sounds) {
    std::vector<double> wave = render(s, voices.at(s.voice), rate);
    const double loud = shortTermLoudness(wave, rate);
    if (loud <= 0) throw std::runtime_error(s.name + ": the sound is silent");
    double scale = targetLoudness / loud;
    double peak = 0;
    for (double v : wave) peak = std::max(peak, std::abs(v));
    if (peak * scale > peakLimit)
      throw std::runtime_error(s.name + ": at the common loudness its peak would be " +
                               std::to_string(20 * std::log10(peak * scale)) +
                               " dBFS, above the limit; soften its partials or lower 'loudness'");
    std::vector<std::int16_t> samples(wave.size());
    for (std::size_t i = 0; i < wave.size(); ++i)
      samples[i] = static_cast<std::int16_t>(std::lround(wave[i] * scale * 32767.0));
    files.push_back({s.name, encodeWav16Mono(samples, rate), static_cast<double>(wave.size()) / rate, peak * scale});
  }
  return files;
}

}  // namespace assetgen
