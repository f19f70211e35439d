#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "audio/DirectMusic.h"
#include "tests/support/PrivateAppFolder.h"
#include "tests/support/RunningForm.h"

namespace vellumo {
namespace {

std::string gainCall(int hundredthsOfDecibel) {
  return "setMusicGain " + std::to_string(DirectMusicPerformance::gainOf(hundredthsOfDecibel));
}

// One test moves the music file away: each test has its own folder.
class MusicTest : private test::PrivateAppFolder, public test::RunningForm {
 protected:
  MusicTest() : test::PrivateAppFolder("music"), test::RunningForm(folder()) {}

  std::vector<std::string> musicCalls() {
    std::vector<std::string> calls;
    for (const std::string& c : desktop.calls)
      if (c.find("Music") != std::string::npos || c == "playMusic" || c == "stopMusic" ||
          c.starts_with("setMusicGain") || c.starts_with("loadMusic"))
        calls.push_back(c);
    desktop.calls.clear();
    return calls;
  }
  bool timerRunning() { return form.window().tmrRepeat.running; }
};

TEST(MusicVolume, HundredthsOfADecibelBecomeAGainCappedAtFullScale) {
  EXPECT_NEAR(DirectMusicPerformance::gainOf(-3000), std::pow(10.0, -1.5), 1e-12);
  EXPECT_DOUBLE_EQ(DirectMusicPerformance::gainOf(0), 1.0);
  EXPECT_DOUBLE_EQ(DirectMusicPerformance::gainOf(150), 1.0);
  EXPECT_NEAR(DirectMusicPerformance::gainOf(-2000), 0.1, 1e-12);
}

TEST_F(MusicTest, OnOffOnInTheirOrder) {
  click(ElementId::MusicOn);
  const std::string piece = "loadMusic " + form.state().AppDir + "/MUSIC/001.MID";
  EXPECT_EQ(musicCalls(),
            (std::vector<std::string>{"openMusicOutput", gainCall(-3000), piece, gainCall(150), "playMusic"}));
  EXPECT_EQ(form.state().MusicIsOff, 0);
  EXPECT_EQ(form.state().MusicPlaying, 1);
  EXPECT_TRUE(timerRunning());
  EXPECT_TRUE(shows(ElementId::MusicOn, "/PICTURE/MUSICOFF2.JPG")) << "the click changes no look";

  click(ElementId::MusicOn);
  EXPECT_EQ(musicCalls(), (std::vector<std::string>{"openMusicOutput", gainCall(-3000), "stopMusic"}));
  EXPECT_FALSE(desktop.musicPlaying()) << "silent at once";
  EXPECT_FALSE(timerRunning());
  EXPECT_EQ(form.state().MusicIsOff, 1);
  EXPECT_EQ(form.state().MusicPlaying, 0);

  click(ElementId::MusicOn);
  EXPECT_EQ(musicCalls().back(), "playMusic") << "from the beginning again";
}

TEST_F(MusicTest, TheTimerStartsThePieceAgainWhenItEnds) {
  desktop.pieceSeconds = 10;
  click(ElementId::MusicOn);
  musicCalls();
  form.loop().deliverUntil(desktop.clock + 9.9);
  EXPECT_TRUE(musicCalls().empty()) << "nothing while it plays";
  form.loop().deliverUntil(desktop.clock + 0.7);
  EXPECT_EQ(musicCalls(), std::vector<std::string>{"playMusic"}) << "within half a second of its end";
  EXPECT_EQ(desktop.waits < 60, true) << "the timer wakes the loop, it does not spin";
}

TEST_F(MusicTest, AMissingPieceOrOutputLeavesItSilent) {
  desktop.musicOutputFails = true;
  click(ElementId::MusicOn);
  EXPECT_EQ(form.state().MusicIsOff, 1) << "no output: the click stops before anything changes";
  desktop.musicOutputFails = false;

  std::filesystem::path moved = form.state().AppDir + "/MUSIC/001.MID";
  std::filesystem::rename(moved, moved.string() + ".away");
  click(ElementId::MusicOn);
  std::filesystem::rename(moved.string() + ".away", moved);
  EXPECT_EQ(form.state().MusicIsOff, 0);
  EXPECT_EQ(form.state().MusicPlaying, 1);
  EXPECT_FALSE(timerRunning());
  EXPECT_FALSE(desktop.musicPlaying());
  musicCalls();
  click(ElementId::MusicOn);
  EXPECT_EQ(musicCalls().back(), "stopMusic") << "the next click takes the stop branch";
  EXPECT_EQ(form.state().MusicIsOff, 1);
}

TEST_F(MusicTest, YesStopsTheMusicBeforeGivingTheDisplayBack) {
  click(ElementId::MusicOn);
  desktop.calls.clear();
  try {
    form.Da_Click();
  } catch (const test::ProcessEnded&) {
  }
  EXPECT_EQ(desktop.calls,
            (std::vector<std::string>{"stopMusic", "restoreDisplayMode", "removeKeyboardLock 7", "closeMusicOutput",
                                      "minimise", "openUrl https://vellumo.orvenko.example/", "removeKeyboardLock 7",
                                      "endProcess 0"}));
}

}  // namespace
}  // namespace vellumo
