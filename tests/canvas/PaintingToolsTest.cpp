#include <gtest/gtest.h>

#include "tests/support/RunningForm.h"
#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

using test::canvasX;
using test::canvasY;

constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kRed = rgb(255, 0, 0);

class PaintingTools : public test::RunningForm {
 protected:
  // A blank canvas with a 40x40 box at (100,100) whose border has the given colour.
  void boxOf(Colour border) {
    std::fill(canvas().pixels.begin(), canvas().pixels.end(), kWhite);
    for (int i = 100; i < 140; ++i)
      canvas().at(i, 100) = canvas().at(i, 139) = canvas().at(100, i) = canvas().at(139, i) = border;
  }
};

TEST_F(PaintingTools, TheFillRefusesOnlyTheOutlineBlack) {
  struct Case {
    Colour clicked;
    bool fills;
  } const cases[] = {
      {rgb(0, 0, 0), false}, {rgb(9, 0, 0), false}, {rgb(5, 0, 0), false},   {rgb(10, 0, 0), true},
      {rgb(0, 0, 1), true},  {rgb(0, 1, 0), true},  {rgb(30, 30, 30), true},  // the palette's black stays fillable
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clicked);
    boxOf(rgb(0, 0, 0));
    for (int y = 101; y < 139; ++y)
      for (int x = 101; x < 139; ++x) canvas().at(x, y) = c.clicked;
    click(canvasX(120), canvasY(120));
    EXPECT_EQ(canvas().at(101, 101), c.fills ? kRed : c.clicked);
    EXPECT_EQ(canvas().at(50, 50), kWhite) << "the outline bounds the fill";
    EXPECT_EQ(soundsPlayed(), c.fills ? std::vector<std::string>{"/SOUND/SVPLAVA.WAV"} : std::vector<std::string>{});
  }
}

TEST_F(PaintingTools, PressesWithTheFillTool) {
  boxOf(rgb(0, 0, 0));
  press(canvasX(120), canvasY(120), kRightButton);
  release(canvasX(120), canvasY(120), kRightButton);
  EXPECT_EQ(canvas().at(120, 120), kWhite) << "a right press fills nothing";
  EXPECT_EQ(soundsPlayed(), std::vector<std::string>{"/SOUND/SVPLAVA.WAV"}) << "but sounds";

  form.state().CurrentColor = kWhite;
  click(canvasX(120), canvasY(120));
  EXPECT_EQ(soundsPlayed(), std::vector<std::string>{"/SOUND/SVPLAVA.WAV"}) << "a region already of the colour sounds";

  form.state().SoundEffectsOn = 0;
  form.state().CurrentColor = kRed;
  click(canvasX(120), canvasY(120));
  EXPECT_EQ(canvas().at(120, 120), kRed);
  EXPECT_TRUE(soundsPlayed().empty());

  const Picture before = canvas();
  press(canvasX(120), canvasY(120), kRightButton);
  release(canvasX(120), canvasY(120), kRightButton);
  EXPECT_SAME_PICTURE(canvas(), before);
  EXPECT_TRUE(soundsPlayed().empty()) << "muted, a right press does nothing at all";
}

TEST_F(PaintingTools, ThePencilDrawsOnlyWithTheLeftButtonAlone) {
  click(ElementId::olovka);
  EXPECT_EQ(form.state().FillMode, 0);
  std::fill(canvas().pixels.begin(), canvas().pixels.end(), kWhite);
  const Picture blank = canvas();

  press(canvasX(200), canvasY(200));
  release(canvasX(200), canvasY(200));
  EXPECT_SAME_PICTURE(canvas(), blank) << "a press without moving leaves no mark";
  EXPECT_TRUE(soundsPlayed().empty()) << "the pencil is silent";

  move(canvasX(300), canvasY(200));
  EXPECT_SAME_PICTURE(canvas(), blank) << "no button held";

  press(canvasX(200), canvasY(300));
  press(canvasX(200), canvasY(300), kRightButton, kLeftButton | kRightButton);
  move(canvasX(300), canvasY(300), kLeftButton | kRightButton);
  EXPECT_SAME_PICTURE(canvas(), blank) << "left and right held together draw nothing";
  release(canvasX(300), canvasY(300), kRightButton, kLeftButton);
  release(canvasX(300), canvasY(300), kLeftButton, 0);

  press(canvasX(100), canvasY(100));
  move(canvasX(140), canvasY(100), kLeftButton);
  move(canvasX(140), canvasY(140), kLeftButton);
  release(canvasX(140), canvasY(140));
  for (int x = 100; x <= 140; ++x) EXPECT_EQ(canvas().at(x, 100), kRed) << x;
  for (int y = 100; y <= 140; ++y) EXPECT_EQ(canvas().at(140, y), kRed) << y;
  EXPECT_EQ(canvas().at(120, 102), kWhite) << "three pixels wide";
  EXPECT_EQ(canvas().at(120, 101), kRed);
}

TEST_F(PaintingTools, ADragLeavingTheCanvasKeepsDrawingClipped) {
  click(ElementId::olovka);
  std::fill(canvas().pixels.begin(), canvas().pixels.end(), kWhite);
  press(canvasX(700), canvasY(50));
  move(canvasX(800), canvasY(50), kLeftButton);  // over the buttons beside the canvas
  move(canvasX(800), canvasY(150), kLeftButton);
  move(-5000, canvasY(150), kLeftButton);         // far outside the window
  move(canvasX(100), canvasY(550), kLeftButton);  // back in, from the outside point
  release(canvasX(100), canvasY(550));
  EXPECT_EQ(canvas().at(749, 50), kRed) << "clipped at the edge";
  EXPECT_EQ(canvas().at(0, 150), kRed) << "the segment outside crosses the canvas";
  EXPECT_EQ(form.state().LastX, 100);
  EXPECT_EQ(form.state().LastY, 550);
}

TEST_F(PaintingTools, ToolButtonsSwitchLooksAndPointerOnly) {
  form.state().CurrentColor = rgb(1, 2, 3);
  click(ElementId::olovka);
  click(ElementId::olovka);
  EXPECT_EQ(form.state().FillMode, 0);
  EXPECT_TRUE(shows(ElementId::olovka, "/PICTURE/OLOVKA1.JPG"));
  EXPECT_TRUE(shows(ElementId::kapljica, "/PICTURE/KAPLJICA2.JPG"));
  EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(),
                       "pointerFromIconFile " + form.state().AssetRoot + "/PICTURE/CETKA.ICO"),
            2);
  click(ElementId::kapljica);
  EXPECT_EQ(form.state().FillMode, -1);
  EXPECT_TRUE(shows(ElementId::olovka, "/PICTURE/OLOVKA2.JPG"));
  EXPECT_TRUE(shows(ElementId::kapljica, "/PICTURE/KAPLJICA1.JPG"));
  EXPECT_EQ(desktop.calls.back(), "pointerFromIconFile " + form.state().AssetRoot + "/PICTURE/KANTICA8.ICO");
  EXPECT_EQ(form.state().CurrentColor, rgb(1, 2, 3)) << "a tool keeps the colour";
  EXPECT_TRUE(soundsPlayed().empty());
}

}  // namespace
}  // namespace vellumo
