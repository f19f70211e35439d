#include "canvas/Wipe.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/PrivateAppFolder.h"
#include "tests/support/RunningForm.h"
#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

constexpr Colour kWhite = rgb(255, 255, 255);

TEST(WipePatternChooser, FirstWipeOfARunIsPatternSixThenAllAreEquallyLikely) {
  EXPECT_EQ(WipePatternChooser().choose(123.456), 6);
  EXPECT_EQ(WipePatternChooser().choose(0.5), 6) << "whatever the clock";

  WipePatternChooser chooser;
  int counts[9] = {};
  const int draws = 16000;
  for (int i = 0; i < draws; ++i) ++counts[chooser.choose(1000.0 + i * 0.7331)];
  EXPECT_EQ(counts[0], 0);
  for (int p = 1; p <= 8; ++p) EXPECT_NEAR(counts[p], draws / 8, draws / 8 / 5) << "pattern " << p;
}

TEST(Sweeps, StepOrders) {
  // Every whole-canvas sweep visits each pixel exactly once; the even-rows
  // sweep visits the even rows and then as many steps below the canvas.
  for (Sweep sweep : {Sweep::RowsDown, Sweep::ColumnsRight, Sweep::ColumnsLeft, Sweep::RowsUp}) {
    std::vector<int> visits(kSweepSteps, 0);
    for (int i = 0; i < kSweepSteps; ++i) {
      const SweepStep s = sweepStep(sweep, i);
      ASSERT_TRUE(s.x >= 0 && s.x < 750 && s.y >= 0 && s.y < 600);
      ++visits[s.y * 750 + s.x];
    }
    EXPECT_EQ(std::count(visits.begin(), visits.end(), 1), kSweepSteps);
  }
  struct Case {
    Sweep sweep;
    int step, x, y;
  } const cases[] = {
      {Sweep::RowsDown, 0, 0, 0},        {Sweep::RowsDown, 750, 0, 1},
      {Sweep::ColumnsRight, 1, 0, 1},    {Sweep::ColumnsRight, 600, 1, 0},
      {Sweep::ColumnsLeft, 0, 749, 0},   {Sweep::ColumnsLeft, kSweepSteps - 1, 0, 599},
      {Sweep::RowsUp, 0, 749, 599},      {Sweep::RowsUp, kSweepSteps - 1, 0, 0},
      {Sweep::EvenRows, 750, 0, 2},      {Sweep::EvenRows, 224999, 749, 598},
      {Sweep::EvenRows, 225000, 0, 600}, {Sweep::EvenRows, kSweepSteps - 1, 749, 1198},
  };
  for (const Case& c : cases) {
    const SweepStep s = sweepStep(c.sweep, c.step);
    EXPECT_EQ(s.x, c.x) << static_cast<int>(c.sweep) << " step " << c.step;
    EXPECT_EQ(s.y, c.y) << static_cast<int>(c.sweep) << " step " << c.step;
  }
  EXPECT_TRUE(kWipePatterns[6].twoSweeps);
  EXPECT_EQ(kWipePatterns[6].first, Sweep::EvenRows);
  EXPECT_EQ(kWipePatterns[6].second, Sweep::RowsDown);
}

class WipeTest : public test::RunningForm {};

TEST_F(WipeTest, TheFirstWipeIsWatchedEvenRowsFirstThenAllRows) {
  std::fill(canvas().pixels.begin(), canvas().pixels.end(), rgb(255, 0, 0));
  const double start = desktop.clock;
  std::vector<std::pair<double, Picture>> frames;
  desktop.onPresent = [&](const Picture& f) { frames.emplace_back(desktop.clock - start, f); };
  form.state().CurrentPicture = 7;
  click(ElementId::Rubber);

  EXPECT_EQ(soundsPlayed(), std::vector<std::string>{"/SOUND/LJUBICASTA.WAV"});
  EXPECT_NEAR(desktop.clock - start, 2 * kSweepSeconds, 0.05) << "two sweeps, paced";
  EXPECT_GT(frames.size(), 100u) << "the progress is shown as it goes";
  // A quarter of the way: even rows whitening from the top, odd rows untouched.
  const Picture* quarter = nullptr;
  for (const auto& [t, f] : frames)
    if (t >= 0.25 && !quarter) quarter = &f;
  ASSERT_NE(quarter, nullptr);
  EXPECT_EQ(quarter->at(30 + 10, 29 + 0), kWhite);
  EXPECT_EQ(quarter->at(30 + 10, 29 + 1), rgb(255, 0, 0));
  EXPECT_EQ(quarter->at(30 + 10, 29 + 598), rgb(255, 0, 0));
  // Three quarters of the way: the second sweep is whitening every row from the top.
  const Picture* late = nullptr;
  for (const auto& [t, f] : frames)
    if (t >= 1.5 && !late) late = &f;
  ASSERT_NE(late, nullptr);
  EXPECT_EQ(late->at(30 + 10, 29 + 1), kWhite);
  EXPECT_EQ(late->at(30 + 10, 29 + 599), rgb(255, 0, 0));

  const PicturePtr outline = decodePictureFile(form.state().AssetRoot + "/PICTURE/07.GIF");
  EXPECT_SAME_PICTURE(canvas(), *outline) << "the eraser brings back the current outline";
}

TEST_F(WipeTest, PaperLeavesTheBlankPageAndInputWaitsForTheWipe) {
  form.state().SoundEffectsOn = 0;
  InputEvent colourClick;
  colourClick.kind = InputEvent::Kind::MouseDown;
  colourClick.x = 20;  // over the red button
  colourClick.y = 700;
  colourClick.button = colourClick.buttons = kLeftButton;
  InputEvent up = colourClick;
  up.kind = InputEvent::Kind::MouseUp;
  up.buttons = 0;
  desktop.script.push_back({desktop.clock + 0.3, colourClick});
  desktop.script.push_back({desktop.clock + 0.4, up});

  click(ElementId::Papir);
  EXPECT_TRUE(soundsPlayed().empty());
  EXPECT_SAME_PICTURE(canvas(), Picture(750, 600, kWhite));
  EXPECT_EQ(form.state().ColorSelected[1], 0) << "a click given during the wipe waits for its end";
  form.loop().deliverUntil(desktop.clock + 0.1);
  EXPECT_EQ(form.state().ColorSelected[1], 1) << "and is handled afterwards";

  click(ElementId::Rubber);
  const PicturePtr outline = decodePictureFile(form.state().AssetRoot + "/PICTURE/01.GIF");
  EXPECT_SAME_PICTURE(canvas(), *outline) << "after a new page the eraser brings back picture 1";
  EXPECT_EQ(form.state().CurrentPicture, 1);
}

class DamagedWipeTest : public ::testing::Test, protected test::PrivateAppFolder {
 protected:
  DamagedWipeTest() : test::PrivateAppFolder("wipe") {}
};

TEST_F(DamagedWipeTest, WithoutTheBlankPageBothButtonsEndQuietly) {
  test::RecordingDesktop desktop;
  FormaMain form(desktop, folder());
  form.Form_Load();
  std::filesystem::remove(folder() + "/PICTURE/00.GIF");
  form.state().CurrentPicture = 3;
  for (ElementId button : {ElementId::Papir, ElementId::Rubber}) {
    std::fill(form.canvas().pixels().pixels.begin(), form.canvas().pixels().pixels.end(), rgb(0, 255, 0));
    form.window().present();
    test::clickElement(form, button);
    EXPECT_SAME_PICTURE(form.canvas().pixels(), Picture(750, 600, kWhite))
        << "the sweeps ran; neither the blank page nor the outline could follow";
  }
}

}  // namespace
}  // namespace vellumo
