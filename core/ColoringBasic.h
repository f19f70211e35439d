#pragma once
// The keyboard lock's test and the three-second pause.

#include <cstdint>

namespace vellumo {

class EventLoop;
class Desktop;

// Virtual-key codes the lock swallows, and the flag carried while Alt is held.
constexpr std::uint32_t VK_SHIFT = 16;
constexpr std::uint32_t VK_MENU = 18;
constexpr std::uint32_t VK_LWIN = 91;
constexpr std::uint32_t VK_RWIN = 92;
constexpr std::uint32_t VK_APPS = 93;
constexpr std::uint32_t LLKHF_ALTDOWN = 0x20;

// Whether the keyboard lock swallows a key press or release, so that it
// reaches no handler: anything with Alt held, the Windows and Applications
// keys, and the generic Shift and Alt codes.
bool KeyboardHookSwallows(std::uint32_t vkCode, std::uint32_t flags);

// A pause of three seconds of elapsed time during which events keep being
// handled; it blocks between events rather than spinning.
void WaitThreeSeconds(Desktop& desktop, EventLoop& loop);

}  // namespace vellumo
