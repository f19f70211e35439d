#include "SoundTestFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <utility>

#include "MixTap.h"

namespace vellumo::test {

namespace {

void putLittle(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putBig(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putText(Bytes& out, const char* text) {
  for (; *text; ++text) out.push_back(static_cast<unsigned char>(*text));
}

// At the default 120 beats a minute and 480 ticks a beat, a second is 960 ticks.
constexpr std::uint32_t kTicksPerSecond = 960;

}  // namespace

void putVariable(Bytes& out, std::uint32_t value) {
  Bytes groups{static_cast<unsigned char>(value & 0x7F)};
  for (value >>= 7; value != 0; value >>= 7) groups.push_back(static_cast<unsigned char>(0x80 | (value & 0x7F)));
  out.insert(out.end(), groups.rbegin(), groups.rend());
}

Bytes midiFile(std::uint16_t format, std::uint16_t division, std::vector<Bytes> tracks) {
  Bytes out;
  putText(out, "MThd");
  putBig(out, 6, 4);
  putBig(out, format, 2);
  putBig(out, static_cast<std::uint32_t>(tracks.size()), 2);
  putBig(out, division, 2);
  for (Bytes& track : tracks) {
    track.insert(track.end(), {0xFF, 0x2F, 0x00});  // end of track
    putText(out, "MTrk");
    putBig(out, static_cast<std::uint32_t>(track.size()), 4);
    out.insert(out.end(), track.begin(), track.end());
  }
  return out;
}

Bytes shapedWav(const WavShape& shape) {
  const std::uint32_t frameBytes = shape.channels * shape.bits / 8;
  Bytes out;
  putText(out, "RIFF");
  putLittle(out, 36 + shape.dataBytes, 4);
  putText(out, "WAVEfmt ");
  putLittle(out, 16, 4);
  putLittle(out, shape.coding, 2);
  putLittle(out, shape.channels, 2);
  putLittle(out, shape.rate, 4);
  putLittle(out, shape.rate * frameBytes, 4);
  putLittle(out, frameBytes, 2);
  putLittle(out, shape.bits, 2);
  putText(out, "data");
  putLittle(out, shape.dataBytes, 4);
  out.resize(out.size() + shape.dataBytes, 0);
  return out;
}

Bytes levelWav(std::int16_t level, int frames) {
  Bytes out = shapedWav({.rate = kMixRate, .dataBytes = static_cast<std::uint32_t>(frames) * 4});
  for (std::size_t at = 44; at < out.size(); at += 2) {
    out[at] = static_cast<unsigned char>(level & 0xFF);
    out[at + 1] = static_cast<unsigned char>(static_cast<std::uint16_t>(level) >> 8);
  }
  return out;
}

Bytes oneNoteMidi(int restSeconds) {
  Bytes track = {
      0x00, 0xC0, 0x00,        // piano
      0x00, 0x90, 0x3C, 0x64,  // middle C on
  };
  putVariable(track, kTicksPerSecond / 2);
  track.insert(track.end(), {0x80, 0x3C, 0x40});  // off
  putVariable(track, static_cast<std::uint32_t>(restSeconds) * kTicksPerSecond);
  return midiFile(0, kTicksPerSecond / 2, {std::move(track)});
}

Bytes manyNotesMidi(int notePairs, int ticksApart) {
  Bytes track;
  track.reserve(static_cast<std::size_t>(notePairs) * 8);
  for (int i = 0; i < notePairs; ++i) {
    putVariable(track, i == 0 ? 0 : static_cast<std::uint32_t>(ticksApart));
    track.insert(track.end(), {0x90, 0x3C, 0x64, 0x00, 0x80, 0x3C, 0x40});
  }
  track.push_back(0x00);
  return midiFile(0, kTicksPerSecond / 2, {std::move(track)});
}

void putBadFile(const std::string& path, BadFile kind, const FileVersions& versions) {
  std::filesystem::remove_all(path);
  switch (kind) {
    case BadFile::Missing: break;
    case BadFile::Empty: writeFile(path, {}); break;
    case BadFile::Truncated:
      writeFile(path, Bytes(versions.good.begin(), versions.good.begin() + versions.good.size() / 2));
      break;
    case BadFile::RandomBytes: {
      std::mt19937 random(7);
      Bytes noise(versions.good.size());
      for (unsigned char& byte : noise) byte = static_cast<unsigned char>(random());
      writeFile(path, noise);
      break;
    }
    case BadFile::HugeDeclaredSize: writeFile(path, versions.hugeDeclaredSize); break;
    case BadFile::OtherFormat: writeFile(path, versions.otherFormat); break;
    case BadFile::NamedPipe: ::mkfifo(path.c_str(), 0600); break;
    case BadFile::Directory: std::filesystem::create_directory(path); break;
    case BadFile::SymlinkToDevZero: std::filesystem::create_symlink("/dev/zero", path); break;
    case BadFile::Unreadable:
      writeFile(path, versions.good);
      ::chmod(path.c_str(), 0);
      break;
  }
}

void putGoodFile(const std::string& path, const FileVersions& versions) {
  std::filesystem::remove_all(path);
  writeFile(path, versions.good);
}

bool readsEverything() { return ::geteuid() == 0; }

}  // namespace vellumo::test
