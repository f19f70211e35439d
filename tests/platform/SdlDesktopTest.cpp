// The desktop on SDL's display-less driver: what can be checked without a
// screen (the display mode's refusals, the lock's handles, pointers, the
// termination signals and timeouts of the event wait).

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "TestFiles.h"
#include "platform/LoadError.h"
#include "platform/PointerShape.h"
#include "platform/SdlDesktop.h"

namespace vellumo {
namespace {

class SdlDesktopWithoutScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    // The dummy driver has one display mode, 1024x768 at 32 bits.
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    desktop = createSdlDesktop();
  }
  void TearDown() override { desktop.reset(); }

  std::unique_ptr<Desktop> desktop;
};

TEST_F(SdlDesktopWithoutScreen, ModesItCannotHaveCoverTheDisplayInstead) {
  const struct {
    int width, height, bitsPerPixel;
  } unavailable[] = {{800, 600, 32}, {1280, 1024, 32}, {1024, 768, 16}, {1024, 768, 7}};
  for (const auto& mode : unavailable) {
    SCOPED_TRACE(std::to_string(mode.width) + "x" + std::to_string(mode.height) + "x" +
                 std::to_string(mode.bitsPerPixel));
    EXPECT_NO_THROW(desktop->setExclusiveDisplayMode(mode.width, mode.height, mode.bitsPerPixel));
    desktop->present(Picture(kScreenWidth, kScreenHeight));
    desktop->restoreDisplayMode();
  }
  EXPECT_NO_THROW(desktop->setExclusiveDisplayMode(kScreenWidth, kScreenHeight, 32));
  desktop->restoreDisplayMode();
  desktop->restoreDisplayMode();  // nothing left to restore
}

TEST_F(SdlDesktopWithoutScreen, KeyboardLockHandles) {
  const std::uint32_t handle = desktop->installKeyboardLock();
  EXPECT_NE(handle, 0u);
  EXPECT_EQ(desktop->installKeyboardLock(), handle);
  desktop->removeKeyboardLock(0);
  desktop->removeKeyboardLock(handle + 1);
  desktop->removeKeyboardLock(handle);
  desktop->removeKeyboardLock(handle);
  const std::uint32_t again = desktop->installKeyboardLock();
  EXPECT_NE(again, 0u);
  EXPECT_NE(again, handle);
}

TEST_F(SdlDesktopWithoutScreen, PointersFromFilesKeepTheirHotSpot) {
  // This driver cannot show pointers: the shapes are still made, not refused.
  const PointerShapePtr cursor =
      desktop->pointerFromBytes(test::iconFile(true, {test::IconImage{.side = 32, .hotSpotX = 12, .hotSpotY = 1}}));
  EXPECT_EQ(cursor->hotSpotX, 12);
  EXPECT_EQ(cursor->hotSpotY, 1);
  desktop->setPointer(cursor);
  desktop->setPointer(desktop->systemPointer(SystemPointer::Arrow));
  EXPECT_EQ(desktop->systemPointer(SystemPointer::Hourglass)->system, SystemPointer::Hourglass);
  EXPECT_THROW(desktop->pointerFromBytes(test::bmp24(Picture(32, 32))), LoadError);
}

TEST_F(SdlDesktopWithoutScreen, TerminationSignalBecomesCloseRequested) {
  ASSERT_EQ(std::raise(SIGTERM), 0);
  // A generous bound that only a lost signal would reach.
  for (int i = 0; i < 100; ++i) {
    const std::optional<InputEvent> event = desktop->waitEvent(30);
    ASSERT_TRUE(event.has_value());
    if (event->kind == InputEvent::Kind::CloseRequested) return;
  }
  FAIL() << "no CloseRequested";
}

TEST_F(SdlDesktopWithoutScreen, WaitReturnsNothingWhenNothingHappens) {
  while (desktop->waitEvent(0)) {
  }
  EXPECT_FALSE(desktop->waitEvent(0.05).has_value());
  const double start = desktop->now();
  EXPECT_GE(desktop->now(), start);
}

TEST_F(SdlDesktopWithoutScreen, WindowsTakePicturesOfAnySize) {
  desktop->setMainWindowLook("Vellumo", Picture(32, 32, rgb(1, 2, 3)));
  desktop->setMainWindowLook("Vellumo", Picture());
  desktop->showSplash(Picture(200, 250));
  desktop->showSplash(Picture(400, 10));
  desktop->hideSplash();
  desktop->present(Picture(kScreenWidth, kScreenHeight));
  desktop->present(Picture(5, 5));
  desktop->present(Picture());
  desktop->showMainWindow();
}

TEST(SdlDesktopStart, WithoutADisplayItSaysSo) {
  const char* savedDisplay = std::getenv("DISPLAY");
  const std::string saved = savedDisplay ? savedDisplay : "";
  ::setenv("SDL_VIDEODRIVER", "x11", 1);
  ::setenv("DISPLAY", ":65000", 1);  // no server there
  EXPECT_THROW(createSdlDesktop(), DisplayUnavailable);
  if (savedDisplay) {
    ::setenv("DISPLAY", saved.c_str(), 1);
  } else {
    ::unsetenv("DISPLAY");
  }
}

TEST(SdlDesktopEnd, EndsAtOnceWithTheStatusAndRunsNoMoreHandlers) {
  const test::TempDir dir;
  static std::string marker;
  marker = dir.path("exit handler ran");
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    std::atexit([] { std::ofstream{marker} << "ran"; });
    createSdlDesktop()->endProcess(7);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  EXPECT_FALSE(std::filesystem::exists(marker));
}

}  // namespace
}  // namespace vellumo
