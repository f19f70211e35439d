#include <gtest/gtest.h>

#include "core/ColoringBasic.h"

namespace vellumo {
namespace {

TEST(KeyboardLock, SwallowsTheKeysThatSwitchAway) {
  struct Case {
    std::uint32_t vk, flags;
    bool swallowed;
    const char* what;
  } const cases[] = {
      {9, LLKHF_ALTDOWN, true, "Alt+Tab"},
      {115, LLKHF_ALTDOWN, true, "Alt+F4"},
      {80, LLKHF_ALTDOWN, true, "Ctrl+Alt+P"},
      {164, LLKHF_ALTDOWN, true, "the left Alt key itself"},
      {91, 0, true, "left Windows key"},
      {92, 0, true, "right Windows key"},
      {93, 0, true, "Applications key"},
      {18, 0, true, "generic Alt code"},
      {16, 0, true, "generic Shift code"},
      {160, 0, false, "left Shift keeps working"},
      {161, 0, false, "right Shift keeps working"},
      {162, 0, false, "left Ctrl"},
      {80, 0, false, "P"},
      {88, 0, false, "X"},
      {9, 0, false, "Tab alone"},
      {27, 0, false, "Esc"},
      {80, 0x01, false, "an extended-key flag is not the Alt flag"},
  };
  for (const Case& c : cases) EXPECT_EQ(KeyboardHookSwallows(c.vk, c.flags), c.swallowed) << c.what;
}

}  // namespace
}  // namespace vellumo
