// Which video drivers the program asks SDL for, from the environment.

#include "platform/VideoDriverChoice.h"

#include <gtest/gtest.h>

namespace vellumo {
namespace {

TEST(VideoDriverChoice, WaylandFirstOnAWaylandSessionUnlessADriverIsNamed) {
  const struct {
    const char* sdlVideoDriver;
    const char* waylandDisplay;
    const char* expected;
  } cases[] = {
      {nullptr, "wayland-0", "wayland,x11"},  // a Wayland session, XWayland beside it
      {nullptr, "/run/user/1000/wayland-1", "wayland,x11"},
      {nullptr, nullptr, ""},  // X11 alone: SDL's own order
      {nullptr, "", ""},       // set but empty is no session
      {"x11", "wayland-0", "x11"},
      {"offscreen", nullptr, "offscreen"},
      {"", "wayland-0", "wayland,x11"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.sdlVideoDriver ? c.sdlVideoDriver : "(unset)") + " / " +
                 (c.waylandDisplay ? c.waylandDisplay : "(unset)"));
    EXPECT_EQ(videoDriversToTry(c.sdlVideoDriver, c.waylandDisplay), c.expected);
  }
}

}  // namespace
}  // namespace vellumo
