// Sound effects through the real SDL_mixer on SDL's dummy audio driver,
// listened to with a post-mix hook.

#include "platform/EffectChannel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>

#include "MixTap.h"
#include "SoundTestFiles.h"
#include "TestFiles.h"
#include "platform/LoadError.h"
#include "platform/MidiMusicOutput.h"
#include "platform/MixerDevice.h"

namespace vellumo {
namespace {

using test::allAre;
using test::Samples;

class EffectsOnTheMixer : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(device->open()) << device->failure();
    tap.emplace();
  }

  // Plays the file and returns what was heard of it, silence around it cut off.
  Samples heardOf(const std::string& path) {
    const std::size_t start = tap->size();
    effects.play(path);
    return tap->waitForWholeSound(start);
  }

  test::TempDir dir;
  std::shared_ptr<MixerDevice> device = std::make_shared<MixerDevice>();
  EffectChannel effects{device};
  std::optional<test::MixTap> tap;  // last: unhooked before anything closes the device
};

TEST_F(EffectsOnTheMixer, AWavIsHeardSampleForSample) {
  constexpr int kFrames = test::kMixRate / 10;
  const Samples heard = heardOf(dir.write("level.wav", test::levelWav(1000, kFrames)));
  EXPECT_EQ(heard.size(), static_cast<std::size_t>(kFrames));
  EXPECT_TRUE(allAre(heard, 1000));
}

TEST_F(EffectsOnTheMixer, ShippedSoundIsHeard) {
  const Samples heard = heardOf(VELLUMO_APP_DIR "/SOUND/ZUTA.WAV");
  EXPECT_GT(heard.size(), static_cast<std::size_t>(test::kMixRate / 10));
  EXPECT_GT(test::peak(heard), 1000);
}

TEST_F(EffectsOnTheMixer, ANewSoundCutsOffTheOneStillPlaying) {
  constexpr int kShortFrames = test::kMixRate / 10;
  const std::string longSound = dir.write("long.wav", test::levelWav(1000, 10 * test::kMixRate));
  const std::string shortSound = dir.write("short.wav", test::levelWav(3000, kShortFrames));

  const std::size_t start = tap->size();
  effects.play(longSound);
  ASSERT_TRUE(tap->waitForSound(start));
  effects.play(shortSound);
  const Samples heard = tap->waitForWholeSound(start);

  // The long sound, then the short one alone: never both at once, and
  // nothing of the long one after it.
  const auto cut = std::find(heard.begin(), heard.end(), 3000);
  ASSERT_NE(cut, heard.end());
  EXPECT_TRUE(allAre(Samples(heard.begin(), cut), 1000));
  EXPECT_TRUE(allAre(Samples(cut, heard.end()), 3000));
  EXPECT_EQ(heard.end() - cut, kShortFrames);
}

TEST_F(EffectsOnTheMixer, FilesThatCannotBePlayedGiveTheDefaultSound) {
  const Samples ding = heardOf(dir.path("missing.wav"));
  // A short, soft sound of its own, not silence and not a level from a file.
  EXPECT_GT(ding.size(), static_cast<std::size_t>(test::kMixRate / 10));
  EXPECT_LT(ding.size(), static_cast<std::size_t>(test::kMixRate / 2));
  EXPECT_GT(test::peak(ding), 1000);
  EXPECT_LT(test::peak(ding), 16384);
  EXPECT_GT(std::set<std::int16_t>(ding.begin(), ding.end()).size(), 100u);

  test::Bytes unknownCoding = test::levelWav(1000, 1000);
  unknownCoding[20] = 0x99;  // format tag of no codec
  const struct {
    const char* what;
    std::string path;
  } unplayable[] = {
      {"text", dir.write("text.wav", {'n', 'o', 't', ' ', 'a', ' ', 's', 'o', 'u', 'n', 'd'})},
      {"a WAV in no known coding", dir.write("unknown.wav", unknownCoding)},
      // Decoded to the device's rate, these few bytes would be minutes of sound.
      {"a WAV at seven samples a second", dir.write("slow.wav", test::shapedWav({.rate = 7}))},
  };
  for (const auto& file : unplayable) {
    SCOPED_TRACE(file.what);
    EXPECT_EQ(heardOf(file.path), ding);
  }
}

TEST_F(EffectsOnTheMixer, ABadFileGivesTheDefaultSoundUntilTheGoodOneIsBack) {
  constexpr int kFrames = test::kMixRate / 20;
  test::FileVersions wav{test::levelWav(1000, kFrames), test::levelWav(1000, kFrames), test::oneNoteMidi()};
  for (std::size_t at : {7, 43})
    wav.hugeDeclaredSize[at] = 0x7F;  // the high bytes of the RIFF's and the sound's lengths
  const Samples ding = heardOf(dir.path("missing.wav"));
  const std::string path = dir.path("sound.wav");
  for (const auto& bad : test::kBadFiles) {
    SCOPED_TRACE(bad.what);
    test::putBadFile(path, bad.kind, wav);
    const bool stillGood = bad.kind == test::BadFile::Unreadable && test::readsEverything();
    if (stillGood) {
      EXPECT_TRUE(allAre(heardOf(path), 1000));
    } else {
      EXPECT_EQ(heardOf(path), ding);
    }
    test::putGoodFile(path, wav);
    EXPECT_TRUE(allAre(heardOf(path), 1000)) << "the good file back plays again";
  }
}

TEST_F(EffectsOnTheMixer, AChangedFileIsReadAgainAndARemovedOneGivesTheDefault) {
  constexpr int kFrames = test::kMixRate / 20;
  const std::string path = dir.write("changing.wav", test::levelWav(1000, kFrames));
  EXPECT_TRUE(allAre(heardOf(path), 1000));
  dir.write("changing.wav", test::levelWav(2000, kFrames));  // same size, in place
  EXPECT_TRUE(allAre(heardOf(path), 2000));
  std::filesystem::remove(path);
  EXPECT_EQ(heardOf(path), heardOf(dir.path("never-there.wav")));
}

TEST(EffectsWithoutAudioDevice, PlayNothingWithoutFailing) {
  const char* before = std::getenv("SDL_AUDIODRIVER");
  const std::string saved = before ? before : "";
  ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  {
    test::TempDir dir;
    auto device = std::make_shared<MixerDevice>();
    EffectChannel effects(device);
    MidiMusicOutput music(device);
    effects.play(dir.write("level.wav", test::levelWav(1000, 100)));
    effects.play(dir.path("missing.wav"));
    EXPECT_FALSE(device->open());
    EXPECT_THROW(music.open(), LoadError);
  }
  if (before) {
    ::setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
  } else {
    ::unsetenv("SDL_AUDIODRIVER");
  }
}

}  // namespace
}  // namespace vellumo
