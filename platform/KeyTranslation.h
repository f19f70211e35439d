#pragma once
// Keys as the program knows them: the virtual-key codes, Alt flag and shift
// state that a low-level keyboard hook on the original desktop reports. The
// keyboard lock's swallow test and the shortcut keys are written against
// these codes, so every key SDL reports is turned into one here.

#include <SDL.h>

#include <cstdint>
#include <optional>

#include "platform/Desktop.h"

namespace vellumo {

// The virtual-key code of a key, 0 for a key that has none. Letters follow
// the keyboard layout (the key that types 'z' is Z), as virtual-key codes
// do; every other key is named by its place on the keyboard.
std::uint32_t virtualKeyCode(SDL_Scancode scancode, SDL_Keycode keycode);

// A key press or release as the program receives it: KeyDown or KeyUp with
// the code, kAltDownFlag while Alt is held (its own press included, its own
// release not), the shift state and the repeat flag. Nothing for a key that
// has no code.
std::optional<InputEvent> translateKeyEvent(const SDL_KeyboardEvent& key);

}  // namespace vellumo
