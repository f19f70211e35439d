// Music through the real SDL_mixer and FluidSynth on SDL's dummy audio
// driver, listened to with a post-mix hook.

#include "platform/MidiMusicOutput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "MixTap.h"
#include "SoundTestFiles.h"
#include "TestFiles.h"
#include "platform/EffectChannel.h"
#include "platform/LoadError.h"
#include "platform/MixerDevice.h"
#include "platform/MusicPiece.h"

namespace vellumo {
namespace {

using test::allAre;
using test::Samples;

constexpr const char* kShippedPiece = VELLUMO_APP_DIR "/MUSIC/001.MID";
// FluidSynth dithers its output, so even silent music wavers by a step.
constexpr int kDither = 2;
// Loud enough to be the piece, not the dither.
constexpr int kAudible = 100;

class MusicOnTheMixer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NO_THROW(music.open());
    tap.emplace();
  }

  // Plays the piece and returns the first `seconds` of what was heard.
  Samples firstHeardOf(const MusicPiecePtr& piece, double seconds) {
    const std::size_t start = tap->sizeOnceMixed();
    music.play(piece);
    return tap->waitForFrames(start, static_cast<std::size_t>(seconds * test::kMixRate));
  }

  test::TempDir dir;
  std::shared_ptr<MixerDevice> device = std::make_shared<MixerDevice>();
  EffectChannel effects{device};
  MidiMusicOutput music{device};
  std::optional<test::MixTap> tap;  // last: unhooked before anything closes the device
};

TEST_F(MusicOnTheMixer, ShippedPiecePlaysUntilStopped) {
  const MusicPiecePtr piece = music.load(kShippedPiece);
  const std::size_t start = tap->sizeOnceMixed();
  music.play(piece);
  ASSERT_TRUE(tap->waitForSound(start, kAudible));
  EXPECT_TRUE(music.playing());

  music.stop();
  EXPECT_FALSE(music.playing());
  EXPECT_TRUE(allAre(tap->waitForFrames(tap->sizeOnceMixed(), test::kMixRate / 4), 0));
}

TEST_F(MusicOnTheMixer, APiecePlaysOnceForItsOwnLengthAndAgainWhenPlayedAgain) {
  // Half a second of a note and two of rest; the synthesiser would go on
  // for seconds after that if it were left to say when the piece is over.
  constexpr std::size_t kPieceFrames = test::kMixRate * 5 / 2;
  constexpr std::size_t kOneMix = 1024;
  const MusicPiecePtr piece = music.load(dir.write("note.mid", test::oneNoteMidi(2)));
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    const std::size_t start = tap->sizeOnceMixed();
    music.play(piece);
    EXPECT_TRUE(music.playing());
    ASSERT_TRUE(test::eventually([&] { return !music.playing(); })) << "the piece never ended";
    // Counted in mixed frames: the end came once the piece had been heard whole.
    const std::size_t heard = tap->size() - start;
    EXPECT_GE(heard, kPieceFrames);
    EXPECT_LT(heard, kPieceFrames + test::kMixRate / 2 + kOneMix);
    EXPECT_EQ(test::soundsIn(tap->heardFrom(start), kAudible), 1);
  }
}

TEST_F(MusicOnTheMixer, APieceStoppedPartWayStartsFromItsBeginningWhenPlayedAgain) {
  // The note opens the piece; stopped in the long rest after it, a piece that
  // carried on from there would be silent.
  const MusicPiecePtr piece = music.load(dir.write("note-and-rest.mid", test::oneNoteMidi(60)));
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    const std::size_t start = tap->sizeOnceMixed();
    music.play(piece);
    tap->waitForWholeSound(start, kDither);
    EXPECT_TRUE(music.playing());
    music.stop();
  }
}

TEST_F(MusicOnTheMixer, GainScalesTheMusicLinearly) {
  const MusicPiecePtr piece = music.load(dir.write("note.mid", test::oneNoteMidi(2)));
  const int full = test::peak(firstHeardOf(piece, 0.5));
  ASSERT_GT(full, 1000);

  const struct {
    double gain;
    double lowest, highest;  // the peak heard, as a share of the peak at full gain
  } cases[] = {
      {0.25, 0.2, 0.3}, {-1.0, 0.0, 0.0}, {7.0, 0.9, 1.1}, {std::numeric_limits<double>::quiet_NaN(), 0.0, 0.0},
      {0.0, 0.0, 0.0},
  };
  for (const auto& level : cases) {
    SCOPED_TRACE(level.gain);
    music.stop();
    music.setGain(level.gain);
    const int heard = test::peak(firstHeardOf(piece, 0.5));
    EXPECT_TRUE(music.playing());
    EXPECT_GE(heard, std::floor(level.lowest * full));
    EXPECT_LE(heard, std::ceil(level.highest * full) + kDither);
  }
}

TEST_F(MusicOnTheMixer, MusicAndEffectsDoNotCutEachOther) {
  music.play(music.load(kShippedPiece));
  ASSERT_TRUE(tap->waitForSound(0, kAudible));
  effects.play(dir.write("level.wav", test::levelWav(1000, 10 * test::kMixRate)));
  EXPECT_TRUE(music.playing());

  // Once the music stops, the sound effect is heard on its own, unchanged.
  music.stop();
  EXPECT_TRUE(allAre(tap->waitForFrames(tap->sizeOnceMixed(), test::kMixRate / 4), 1000));
}

TEST_F(MusicOnTheMixer, ABadFileIsRefusedUntilTheGoodOneIsBack) {
  test::FileVersions midi{test::oneNoteMidi(), test::oneNoteMidi(), test::levelWav(1000, 1000)};
  midi.hugeDeclaredSize[18] = 0x7F;  // the high byte of the track's length
  const std::string path = dir.path("piece.mid");
  for (const auto& bad : test::kBadFiles) {
    SCOPED_TRACE(bad.what);
    test::putBadFile(path, bad.kind, midi);
    if (bad.kind == test::BadFile::Unreadable && test::readsEverything()) {
      EXPECT_NO_THROW(music.load(path));
    } else {
      EXPECT_THROW(music.load(path), LoadError);
    }
    test::putGoodFile(path, midi);
    const std::size_t start = tap->sizeOnceMixed();
    music.play(music.load(path));
    EXPECT_TRUE(tap->waitForSound(start, kAudible)) << "the good file back plays again";
    music.stop();
  }
}

TEST_F(MusicOnTheMixer, RefusesAPieceTooDenseToPlay) {
  // Half a million notes at the first tick: the synthesiser would take
  // minutes over them.
  EXPECT_THROW(music.load(dir.write("dense.mid", test::manyNotesMidi(499'975))), LoadError);
}

TEST_F(MusicOnTheMixer, ClosedOutputIsSilentAndRefusesUntilOpenedAgain) {
  const MusicPiecePtr piece = music.load(kShippedPiece);
  music.play(piece);
  ASSERT_TRUE(tap->waitForSound(0, kAudible));

  music.close();
  EXPECT_FALSE(music.playing());
  EXPECT_TRUE(allAre(tap->waitForFrames(tap->sizeOnceMixed(), test::kMixRate / 4), 0));
  EXPECT_THROW(music.load(kShippedPiece), LoadError);
  EXPECT_THROW(music.play(piece), LoadError);

  music.open();
  music.open();  // already open: nothing happens
  music.play(piece);
  EXPECT_TRUE(music.playing());
  EXPECT_THROW(music.play(nullptr), LoadError);
  EXPECT_THROW(music.play(std::make_shared<MusicPiece>()), LoadError);
}

TEST(MusicWithoutSoundFont, CannotOpenWhileSoundEffectsStillPlay) {
  test::TempDir dir;
  const struct {
    const char* what;
    std::string path;
  } missing[] = {
      {"no file", dir.path("missing.sf2")},
      {"not a soundfont", dir.write("text.sf2", {'n', 'o', 'n', 'e'})},
  };
  for (const auto& soundFont : missing) {
    SCOPED_TRACE(soundFont.what);
    auto device = std::make_shared<MixerDevice>();
    EffectChannel effects(device);
    MidiMusicOutput music(device, soundFont.path);
    EXPECT_THROW(music.open(), LoadError);
    EXPECT_FALSE(music.playing());

    ASSERT_TRUE(device->open());
    test::MixTap tap;
    const std::size_t start = tap.size();
    effects.play(dir.write("level.wav", test::levelWav(1000, test::kMixRate / 20)));
    EXPECT_TRUE(allAre(tap.waitForWholeSound(start), 1000));
  }
}

}  // namespace
}  // namespace vellumo
