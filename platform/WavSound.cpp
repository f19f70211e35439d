#include "platform/WavSound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <optional>
#include <string>

#include "platform/ByteReader.h"
#include "platform/LoadError.h"

namespace vellumo {

namespace {

constexpr std::uint16_t kPcm = 0x0001;
constexpr std::uint16_t kMsAdpcm = 0x0002;
constexpr std::uint16_t kFloat = 0x0003;
constexpr std::uint16_t kALaw = 0x0006;
constexpr std::uint16_t kMuLaw = 0x0007;
constexpr std::uint16_t kImaAdpcm = 0x0011;
constexpr std::uint16_t kExtensible = 0xFFFE;
constexpr int kMostChannels = 8;

[[noreturn]] void refuse(const std::string& why) { throw LoadError("WAV file: " + why); }

struct Format {
  std::uint16_t coding = 0;
  std::uint16_t channels = 0;
  std::uint32_t rate = 0;
  std::uint16_t bits = 0;
};

Format formatOf(std::span<const unsigned char> chunk) {
  ByteReader in(chunk);
  Format format;
  format.coding = in.le16();
  format.channels = in.le16();
  format.rate = in.le32();
  in.skip(6);  // bytes a second and a frame: the decoder works them out again
  format.bits = in.le16();
  if (format.coding == kExtensible) {
    in.skip(8);                 // extension size, valid bits, channel mask
    format.coding = in.le16();  // the first two bytes of the sub-format's identifier
  }
  return format;
}

// The bits each sample takes in the file, for the codings the decoder knows.
int bitsPerSample(const Format& format) {
  switch (format.coding) {
    case kPcm:
      if (format.bits == 8 || format.bits == 16 || format.bits == 24 || format.bits == 32) return format.bits;
      break;
    case kFloat:
      if (format.bits == 32 || format.bits == 64) return format.bits;
      break;
    case kALaw:
    case kMuLaw: return 8;
    case kMsAdpcm:
    case kImaAdpcm: return 4;
    default: break;
  }
  refuse("a coding the decoder does not know");
}

std::string chunkId(ByteReader& in) {
  std::string id(4, ' ');
  for (char& c : id) c = static_cast<char>(in.u8());
  return id;
}

}  // namespace

void screenWav(std::span<const unsigned char> bytes) {
  ByteReader in(bytes);
  if (chunkId(in) != "RIFF") refuse("not a RIFF file");
  const std::uint32_t riffLength = in.le32();
  if (chunkId(in) != "WAVE") refuse("not a WAV file");
  if (riffLength < 4 || riffLength - 4 > in.remaining()) refuse("the file stops short");
  const std::size_t end = in.position() + riffLength - 4;

  // The first format and sound chunks count; chunks of other kinds are skipped.
  std::optional<Format> format;
  std::optional<std::uint32_t> dataBytes;
  while (in.position() + 8 <= end && !(format && dataBytes)) {
    const std::string id = chunkId(in);
    const std::uint32_t length = in.le32();
    if (length > end - in.position()) refuse("a chunk that runs past the end of the file");
    if (id == "fmt " && !format) format = formatOf(bytes.subspan(in.position(), length));
    if (id == "data" && !dataBytes) dataBytes = length;
    in.skip(length);
    if (length % 2 == 1 && in.position() < end) in.skip(1);  // chunks are padded to even lengths
  }
  if (!format) refuse("no format");
  if (!dataBytes || *dataBytes == 0) refuse("no sound");
  if (format->channels == 0 || format->channels > kMostChannels) refuse("an unplayable number of channels");
  if (format->rate == 0) refuse("no sample rate");
  const double frames = *dataBytes * 8.0 / (bitsPerSample(*format) * format->channels);
  if (frames / format->rate > kLongestSoundSeconds) refuse("longer than a sound effect may be");
}

void SoundChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

SoundChunk decodeWav(std::span<const unsigned char> bytes) {
  try {
    screenWav(bytes);
  } catch (const LoadError&) {
    return nullptr;
  }
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (stream == nullptr) return nullptr;
  return SoundChunk(Mix_LoadWAV_RW(stream, SDL_TRUE));
}

}  // namespace vellumo
