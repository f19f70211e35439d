#include "core/ColoringBasic.h"

#include "core/EventLoop.h"

namespace vellumo {

bool KeyboardHookSwallows(std::uint32_t vkCode, std::uint32_t flags) {
  return (flags & LLKHF_ALTDOWN) != 0 || vkCode == VK_LWIN || vkCode == VK_RWIN || vkCode == VK_APPS ||
         vkCode == VK_MENU || vkCode == VK_SHIFT;
}

void WaitThreeSeconds(Desktop& desktop, EventLoop& loop) {
  // Measured on a monotonic clock, so a pause begun just before midnight
  // still lasts three seconds.
  loop.deliverUntil(desktop.now() + 3.0);
}

}  // namespace vellumo
