// The desktop on a real X server: what the screen shows, where the windows
// stand, the display mode switch and its way back (or the display covered
// where the mode is missing), the mouse captured while a
// button is held, the keyboard grab and the keys it delivers, and a
// termination signal waking a blocked wait.
//
// Starts an Xvfb server of its own (1024x768x24, the one mode it offers) and
// drives it with xdotool; skips when Xvfb is not installed.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>
#include <vector>

#include "XScreenProbe.h"
#include "XvfbServer.h"
#include "platform/SdlDesktop.h"

namespace vellumo {
namespace {

using Kind = InputEvent::Kind;

class SdlDesktopOnX11 : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = new test::XvfbServer;
    if (!server_->start()) return;
    ::setenv("DISPLAY", server_->display().c_str(), 1);
    ::setenv("SDL_VIDEODRIVER", "x11", 1);
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

  void SetUp() override {
    if (server_->display().empty()) GTEST_SKIP() << "Xvfb could not be started";
    desktop_ = createSdlDesktop();
    screen_.emplace();
  }

  // Handles events until none has come for half a second; returns them.
  std::vector<InputEvent> settle() {
    std::vector<InputEvent> events;
    while (std::optional<InputEvent> event = desktop_->waitEvent(0.5)) events.push_back(*event);
    return events;
  }

  static void xdotool(const std::string& arguments) {
    ASSERT_EQ(std::system(("xdotool " + arguments).c_str()), 0) << arguments;
  }

  static test::XvfbServer* server_;
  std::unique_ptr<Desktop> desktop_;
  std::optional<test::XScreenProbe> screen_;
};

test::XvfbServer* SdlDesktopOnX11::server_ = nullptr;

bool contains(const std::vector<InputEvent>& events, Kind kind, int x, int y, int button, int buttons) {
  for (const InputEvent& e : events) {
    if (e.kind == kind && e.x == x && e.y == y && e.button == button && e.buttons == buttons) return true;
  }
  return false;
}

struct Key {
  Kind kind;
  std::uint32_t vkCode;
  std::uint32_t flags;
  int shift;
  bool operator==(const Key&) const = default;
};

std::vector<Key> keysOf(const std::vector<InputEvent>& events) {
  std::vector<Key> keys;
  for (const InputEvent& e : events) {
    if (e.kind == Kind::KeyDown || e.kind == Kind::KeyUp) keys.push_back({e.kind, e.vkCode, e.flags, e.shift});
  }
  return keys;
}

Picture markedFrame(Colour fill) {
  Picture frame(kScreenWidth, kScreenHeight, fill);
  frame.at(0, 0) = rgb(200, 0, 0);
  frame.at(1022, 765) = rgb(0, 200, 0);
  return frame;
}

constexpr Colour kFill = rgb(10, 20, 30);

TEST_F(SdlDesktopOnX11, MainWindowShowsTheFrameFromTheTopLeftCorner) {
  desktop_->present(markedFrame(kFill));
  desktop_->showMainWindow();
  const std::vector<InputEvent> events = settle();
  EXPECT_EQ(screen_->pixel(0, 0), rgb(200, 0, 0));
  EXPECT_EQ(screen_->pixel(1022, 765), rgb(0, 200, 0));
  EXPECT_EQ(screen_->pixel(512, 300), kFill);
  // Column 1023 and rows 766-767 lie outside the client area.
  EXPECT_NE(screen_->pixel(1023, 100), kFill);
  EXPECT_NE(screen_->pixel(100, 766), kFill);
  EXPECT_TRUE(contains(events, Kind::Exposed, 0, 0, 0, 0));
}

TEST_F(SdlDesktopOnX11, SplashIsCentredWithAStripOfBackgroundRightAndBelow) {
  const Colour green = rgb(0, 160, 80);
  desktop_->showSplash(Picture(200, 250, green));
  settle();
  const int left = (kScreenWidth - 201) / 2, top = (kScreenHeight - 251) / 2;
  const Colour background = rgb(240, 240, 240);
  EXPECT_EQ(screen_->pixel(left, top), green);
  EXPECT_EQ(screen_->pixel(left + 199, top + 249), green);
  EXPECT_EQ(screen_->pixel(left + 200, top + 100), background);
  EXPECT_EQ(screen_->pixel(left + 100, top + 250), background);
  EXPECT_NE(screen_->pixel(left - 1, top), green);
  EXPECT_NE(screen_->pixel(left + 201, top), background);

  desktop_->hideSplash();
  settle();
  EXPECT_NE(screen_->pixel(left + 5, top + 5), green);
}

TEST_F(SdlDesktopOnX11, ExclusiveModeFillsTheScreenAndGivesTheDesktopBack) {
  const Picture frame = markedFrame(kFill);
  desktop_->present(frame);
  desktop_->showMainWindow();
  settle();

  desktop_->setExclusiveDisplayMode(kScreenWidth, kScreenHeight, 32);
  settle();
  desktop_->present(frame);
  settle();
  EXPECT_EQ(screen_->pixel(1023, 767), kFill);

  desktop_->restoreDisplayMode();
  settle();
  desktop_->present(frame);
  settle();
  EXPECT_EQ(screen_->pixel(1022, 765), rgb(0, 200, 0));
  EXPECT_NE(screen_->pixel(1023, 767), kFill);

  // A mode the display does not have: the window covers the display in its
  // own mode instead (here the frame's size, so unscaled), and gives it back.
  desktop_->setExclusiveDisplayMode(800, 600, 32);
  settle();
  desktop_->present(frame);
  settle();
  EXPECT_EQ(screen_->pixel(1023, 767), kFill);
  desktop_->restoreDisplayMode();
  settle();
  desktop_->present(frame);
  settle();
  EXPECT_EQ(screen_->pixel(1022, 765), rgb(0, 200, 0));
  EXPECT_NE(screen_->pixel(1023, 767), kFill);
}

TEST_F(SdlDesktopOnX11, HeldButtonKeepsMovesComingFromOutsideTheWindow) {
  desktop_->showMainWindow();
  xdotool("mousemove 500 400");
  settle();
  xdotool("mousedown 1 mousemove 1023 767 mouseup 1");
  const std::vector<InputEvent> events = settle();
  EXPECT_TRUE(contains(events, Kind::MouseDown, 500, 400, kLeftButton, kLeftButton));
  EXPECT_TRUE(contains(events, Kind::MouseMove, 1023, 767, 0, kLeftButton));
  EXPECT_TRUE(contains(events, Kind::MouseUp, 1023, 767, kLeftButton, 0));
}

TEST_F(SdlDesktopOnX11, KeyboardLockHoldsOnWhicheverWindowIsShown) {
  const std::uint32_t lock = desktop_->installKeyboardLock();
  desktop_->showSplash(Picture(200, 250));
  settle();
  EXPECT_TRUE(screen_->keyboardGrabbedElsewhere());

  desktop_->hideSplash();
  desktop_->showMainWindow();
  settle();
  EXPECT_TRUE(screen_->keyboardGrabbedElsewhere());

  xdotool("keydown alt key Tab keyup alt keydown ctrl key p keyup ctrl");
  const std::vector<Key> expected{
      {Kind::KeyDown, 164, kAltDownFlag, kAltMask},
      {Kind::KeyDown, 9, kAltDownFlag, kAltMask},
      {Kind::KeyUp, 9, kAltDownFlag, kAltMask},
      {Kind::KeyUp, 164, 0, 0},
      {Kind::KeyDown, 162, 0, kCtrlMask},
      {Kind::KeyDown, 80, 0, kCtrlMask},
      {Kind::KeyUp, 80, 0, kCtrlMask},
      {Kind::KeyUp, 162, 0, 0},
  };
  EXPECT_EQ(keysOf(settle()), expected);

  desktop_->removeKeyboardLock(lock);
  settle();
  EXPECT_FALSE(screen_->keyboardGrabbedElsewhere());
}

TEST_F(SdlDesktopOnX11, TerminationSignalWakesABlockedWait) {
  desktop_->showMainWindow();
  settle();
  std::thread sender([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ::kill(::getpid(), SIGTERM);
  });
  std::optional<InputEvent> event;
  do {
    event = desktop_->waitEvent(30);  // a bound only a lost signal would reach
  } while (event && event->kind != Kind::CloseRequested);
  sender.join();
  ASSERT_TRUE(event.has_value());
}

}  // namespace
}  // namespace vellumo
