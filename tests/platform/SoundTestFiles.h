#pragma once
// Sound and music files for the audio tests, written byte by byte.

#include <cstdint>
#include <string>
#include <vector>

#include "TestFiles.h"

namespace vellumo::test {

// A WAV in the mixer's own format (16-bit stereo at its rate) whose every
// sample is `level`: nothing converts it, so at full volume it reaches the
// device unchanged and each of its samples can be told apart in the mix from
// those of another level.
Bytes levelWav(std::int16_t level, int frames);

// The header fields of a WAV file, for files the decoder should refuse.
struct WavShape {
  std::uint16_t coding = 1;  // PCM
  std::uint16_t channels = 2;
  std::uint32_t rate = 44100;
  std::uint16_t bits = 16;
  std::uint32_t dataBytes = 4000;
};
// A WAV of that shape holding silence.
Bytes shapedWav(const WavShape& shape);

// Appends a MIDI variable-length quantity: seven bits a byte, most
// significant first.
void putVariable(Bytes& out, std::uint32_t value);

// A Standard MIDI File of the given tracks, each its events with their delta
// times and, last, the delta time of its end-of-track, which is added here.
Bytes midiFile(std::uint16_t format, std::uint16_t division, std::vector<Bytes> tracks);

// A Standard MIDI File of one piano note, half a second long, then
// `restSeconds` of nothing before the piece ends.
Bytes oneNoteMidi(int restSeconds = 0);

// `notePairs` piano notes, each struck and released `ticksApart` ticks (at
// 960 a second) after the one before; at 0 all at the very first tick, a
// valid Standard MIDI File far too dense to play.
Bytes manyNotesMidi(int notePairs, int ticksApart = 0);

// The ways a file the program reads can go bad while it runs.
enum class BadFile {
  Missing,
  Empty,
  Truncated,         // the first half of the good file
  RandomBytes,       // as many as the good file has
  HugeDeclaredSize,  // the good file claiming far more than it holds
  OtherFormat,
  NamedPipe,  // with no writer: reading it would wait for ever
  Directory,
  SymlinkToDevZero,
  Unreadable,  // the good file without read permission; root reads it all the same
};
struct BadFileCase {
  BadFile kind;
  const char* what;
};
inline constexpr BadFileCase kBadFiles[] = {
    {BadFile::Missing, "a missing file"},
    {BadFile::Empty, "zero bytes"},
    {BadFile::Truncated, "a truncated file"},
    {BadFile::RandomBytes, "random bytes"},
    {BadFile::HugeDeclaredSize, "a huge declared size"},
    {BadFile::OtherFormat, "another format"},
    {BadFile::NamedPipe, "a named pipe"},
    {BadFile::Directory, "a directory"},
    {BadFile::SymlinkToDevZero, "a symlink to /dev/zero"},
    {BadFile::Unreadable, "no read permission"},
};

// A file and what it turns into when it goes bad.
struct FileVersions {
  Bytes good;
  Bytes hugeDeclaredSize;
  Bytes otherFormat;
};

// Puts the bad kind of file at `path` in place of whatever is there.
void putBadFile(const std::string& path, BadFile kind, const FileVersions& versions);
// Puts the good file back at `path`, in place of whatever is there.
void putGoodFile(const std::string& path, const FileVersions& versions);

// Whether this process reads files whatever their permissions say.
bool readsEverything();

}  // namespace vellumo::test
