#include "core/InputRouter.h"

#include <gtest/gtest.h>

namespace vellumo {
namespace {

class InputRouterTest : public ::testing::Test {
 protected:
  Elements elements;
  InputRouter router{elements};
};

TEST_F(InputRouterTest, MovesGoToTheTopmostEnabledElementInItsOwnPixels) {
  const MouseTarget t = router.move(30 + 10, 29 + 20);
  EXPECT_EQ(t.element, ElementId::Slika);
  EXPECT_EQ(t.x, 10);
  EXPECT_EQ(t.y, 20);
  EXPECT_EQ(router.move(260, 700).element, std::nullopt) << "bare background goes to the window";
  elements.disable(ElementId::Slika);
  const MouseTarget w = router.move(40, 49);
  EXPECT_EQ(w.element, std::nullopt) << "a disabled element's moves go to the window";
  EXPECT_EQ(w.x, 40);
}

TEST_F(InputRouterTest, APressCapturesUntilEveryButtonIsUp) {
  EXPECT_EQ(router.press(100, 100).element, ElementId::Slika);
  const MouseTarget outside = router.move(-50, 900);
  EXPECT_EQ(outside.element, ElementId::Slika);
  EXPECT_EQ(outside.x, -80);
  EXPECT_EQ(outside.y, 871);
  EXPECT_EQ(router.press(900, 300).element, ElementId::Slika) << "a second button joins the capture";
  router.release(900, 300, kRightButton);
  EXPECT_EQ(router.move(900, 300).element, ElementId::Slika) << "still held";
  router.release(900, 300, 0);
  EXPECT_EQ(router.move(900, 300).element, ElementId::MoreImages);
}

TEST_F(InputRouterTest, CaptureEndsWhenItsElementIsDisabledOrHidden) {
  for (const bool hide : {false, true}) {
    SCOPED_TRACE(hide ? "hidden" : "disabled");
    Elements local;
    InputRouter r{local};
    EXPECT_EQ(r.press(100, 100).element, ElementId::Slika);
    hide ? local.hide(ElementId::Slika) : local.disable(ElementId::Slika);
    EXPECT_EQ(r.move(100, 110).element, std::nullopt) << "the window receives what the canvas no longer takes";
    EXPECT_EQ(r.move(900, 300).element, ElementId::MoreImages) << "the capture is over";
    EXPECT_EQ(r.press(900, 300).element, ElementId::MoreImages) << "another button starts a capture of its own";
    hide ? local.show(ElementId::Slika) : local.enable(ElementId::Slika);
    EXPECT_EQ(r.move(100, 100).element, ElementId::MoreImages);
  }
}

TEST_F(InputRouterTest, FocusFollowsClicksAndLeavesElementsThatCannotTakeIt) {
  router.resetFocus();
  EXPECT_EQ(router.keyTarget(), ElementId::Slika);
  router.press(900, 300);
  router.release(900, 300, 0);
  EXPECT_EQ(router.keyTarget(), ElementId::MoreImages);
  elements.hide(ElementId::MoreImages);
  EXPECT_EQ(router.keyTarget(), std::nullopt) << "a hidden element gives the keys to the window";
  router.moveFocus(false);
  EXPECT_EQ(router.focus(), ElementId::Slika) << "Tab from the window starts at the first in tab order";
  router.moveFocus(false);
  EXPECT_EQ(router.focus(), ElementId::MusicOn);
  router.moveFocus(false);
  router.moveFocus(false);
  EXPECT_EQ(router.focus(), ElementId::PaletaCrvena) << "the hidden tab 3 is skipped";
  router.moveFocus(true);
  EXPECT_EQ(router.focus(), ElementId::MuteWave);
}

}  // namespace
}  // namespace vellumo
