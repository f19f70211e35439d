// Screening WAV files before they are decoded: what the decoder is handed,
// and what is refused because it is not whole, not known or far too long.

#include "platform/WavSound.h"

#include <gtest/gtest.h>

#include "SoundTestFiles.h"
#include "platform/LoadError.h"

namespace vellumo {
namespace {

using test::Bytes;
using test::shapedWav;
using test::WavShape;

void putLittle32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Another chunk of `length` bytes, padded to an even length, just before the format.
Bytes withChunkFirst(Bytes wav, std::uint32_t length) {
  Bytes chunk = {'L', 'I', 'S', 'T', 0, 0, 0, 0};
  putLittle32(chunk, 4, length);
  chunk.resize(chunk.size() + length + length % 2, 'x');
  wav.insert(wav.begin() + 12, chunk.begin(), chunk.end());
  putLittle32(wav, 4, static_cast<std::uint32_t>(wav.size() - 8));
  return wav;
}

TEST(WavScreening, PassesWholeFilesInTheCodingsTheDecoderKnows) {
  const struct {
    const char* what;
    Bytes bytes;
  } passed[] = {
      {"16-bit stereo", shapedWav({})},
      {"8-bit mono at 8 kHz", shapedWav({.channels = 1, .rate = 8000, .bits = 8})},
      {"32-bit float", shapedWav({.coding = 3, .bits = 32})},
      {"mu-law", shapedWav({.coding = 7, .channels = 1, .bits = 8})},
      {"eight channels", shapedWav({.channels = 8})},
      {"another chunk of odd length first", withChunkFirst(shapedWav({}), 3)},
      {"exactly the longest sound", shapedWav({.channels = 1, .rate = 1000, .bits = 8, .dataBytes = 20'000})},
  };
  for (const auto& file : passed) {
    SCOPED_TRACE(file.what);
    EXPECT_NO_THROW(screenWav(file.bytes));
  }
}

TEST(WavScreening, RefusesWhatIsNotWholeKnownOrShort) {
  Bytes hugeRiff = shapedWav({});
  putLittle32(hugeRiff, 4, 0x7FFFFFF0);
  Bytes hugeData = shapedWav({});
  putLittle32(hugeData, 40, 0x7FFFFFF0);
  Bytes cut = shapedWav({});
  cut.resize(cut.size() - 1);
  Bytes shortFormat = shapedWav({});
  putLittle32(shortFormat, 16, 8);
  Bytes notWave = shapedWav({});
  notWave[8] = 'A';

  const struct {
    const char* what;
    Bytes bytes;
  } refused[] = {
      {"nothing", {}},
      {"another kind of file", Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96}},
      {"a RIFF file of another form", notWave},
      {"a RIFF size past the end", hugeRiff},
      {"a sound chunk past the end", hugeData},
      {"a cut-off file", cut},
      {"a format chunk too short", shortFormat},
      {"no format", withChunkFirst(Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'}, 4)},
      {"no sound", shapedWav({.dataBytes = 0})},
      {"an unknown coding", shapedWav({.coding = 0x99})},
      {"12-bit samples", shapedWav({.bits = 12})},
      {"no channels", shapedWav({.channels = 0})},
      {"nine channels", shapedWav({.channels = 9, .dataBytes = 3600})},
      {"no sample rate", shapedWav({.rate = 0})},
      {"a sample rate that makes a second last hours", shapedWav({.rate = 7})},
      {"a little longer than the longest sound",
       shapedWav({.channels = 1, .rate = 1000, .bits = 8, .dataBytes = 20'001})},
  };
  for (const auto& file : refused) {
    SCOPED_TRACE(file.what);
    EXPECT_THROW(screenWav(file.bytes), LoadError);
  }
}

}  // namespace
}  // namespace vellumo
