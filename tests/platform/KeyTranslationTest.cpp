// Keys as a low-level keyboard hook reports them: virtual-key codes, the Alt
// flag and the shift state the keyboard lock and the shortcuts test.

#include <gtest/gtest.h>

#include "platform/KeyTranslation.h"

namespace vellumo {
namespace {

TEST(KeyTranslation, VirtualKeyCodes) {
  const struct {
    SDL_Scancode scancode;
    SDL_Keycode keycode;
    std::uint32_t expected;
  } cases[] = {
      {SDL_SCANCODE_A, SDLK_a, 65},
      {SDL_SCANCODE_P, SDLK_p, 80},
      {SDL_SCANCODE_Z, SDLK_z, 90},
      {SDL_SCANCODE_Y, SDLK_z, 90},  // a layout where this key types z
      {SDL_SCANCODE_Q, 0x44F, 81},   // a letter key typing a non-Latin letter keeps its place
      {SDL_SCANCODE_1, SDLK_1, 49},
      {SDL_SCANCODE_0, SDLK_0, 48},
      {SDL_SCANCODE_1, SDLK_AMPERSAND, 49},  // the digit row of a layout that types symbols there
      {SDL_SCANCODE_F1, SDLK_F1, 112},
      {SDL_SCANCODE_F4, SDLK_F4, 115},
      {SDL_SCANCODE_F12, SDLK_F12, 123},
      {SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, 8},
      {SDL_SCANCODE_TAB, SDLK_TAB, 9},
      {SDL_SCANCODE_RETURN, SDLK_RETURN, 13},
      {SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, 27},
      {SDL_SCANCODE_SPACE, SDLK_SPACE, 32},
      {SDL_SCANCODE_LEFT, SDLK_LEFT, 37},
      {SDL_SCANCODE_UP, SDLK_UP, 38},
      {SDL_SCANCODE_RIGHT, SDLK_RIGHT, 39},
      {SDL_SCANCODE_DOWN, SDLK_DOWN, 40},
      {SDL_SCANCODE_LGUI, SDLK_LGUI, 91},
      {SDL_SCANCODE_RGUI, SDLK_RGUI, 92},
      {SDL_SCANCODE_APPLICATION, SDLK_APPLICATION, 93},
      // Modifiers by side, never the generic Shift (16) and Alt (18) codes.
      {SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, 160},
      {SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, 161},
      {SDL_SCANCODE_LCTRL, SDLK_LCTRL, 162},
      {SDL_SCANCODE_RCTRL, SDLK_RCTRL, 163},
      {SDL_SCANCODE_LALT, SDLK_LALT, 164},
      {SDL_SCANCODE_RALT, SDLK_RALT, 165},
      {SDL_SCANCODE_KP_5, SDLK_KP_5, 101},
      {SDL_SCANCODE_INTERNATIONAL1, SDLK_UNKNOWN, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(SDL_GetScancodeName(c.scancode));
    EXPECT_EQ(virtualKeyCode(c.scancode, c.keycode), c.expected);
  }
}

// The keycode a US layout gives; only letters matter to the translation.
SDL_Keycode usKeycode(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return SDLK_a + (scancode - SDL_SCANCODE_A);
  return SDL_SCANCODE_TO_KEYCODE(scancode);
}

SDL_KeyboardEvent keyEvent(Uint32 type, SDL_Scancode scancode, Uint16 modifiers, bool repeat = false) {
  SDL_KeyboardEvent key{};
  key.type = type;
  key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  key.repeat = repeat;
  key.keysym.scancode = scancode;
  key.keysym.sym = usKeycode(scancode);
  key.keysym.mod = modifiers;
  return key;
}

TEST(KeyTranslation, AltFlagAndShiftState) {
  using Kind = InputEvent::Kind;
  const struct {
    const char* name;
    SDL_KeyboardEvent key;
    Kind kind;
    std::uint32_t vkCode;
    std::uint32_t flags;
    int shift;
  } cases[] = {
      {"Alt's own press", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_LALT, KMOD_LALT), Kind::KeyDown, 164, kAltDownFlag,
       kAltMask},
      {"Alt's own press, modifiers not yet updated", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_RALT, KMOD_NONE), Kind::KeyDown,
       165, kAltDownFlag, kAltMask},
      {"Alt's own release", keyEvent(SDL_KEYUP, SDL_SCANCODE_LALT, KMOD_NONE), Kind::KeyUp, 164, 0, 0},
      {"Alt's own release, modifiers not yet updated", keyEvent(SDL_KEYUP, SDL_SCANCODE_LALT, KMOD_LALT), Kind::KeyUp,
       164, 0, 0},
      {"left Alt let go while right Alt is held", keyEvent(SDL_KEYUP, SDL_SCANCODE_LALT, KMOD_LALT | KMOD_RALT),
       Kind::KeyUp, 164, kAltDownFlag, kAltMask},
      {"Alt+Tab", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_TAB, KMOD_LALT), Kind::KeyDown, 9, kAltDownFlag, kAltMask},
      {"Tab released under Alt", keyEvent(SDL_KEYUP, SDL_SCANCODE_TAB, KMOD_RALT), Kind::KeyUp, 9, kAltDownFlag,
       kAltMask},
      {"Alt+F4", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_F4, KMOD_LALT), Kind::KeyDown, 115, kAltDownFlag, kAltMask},
      {"Ctrl+P", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_P, KMOD_LCTRL), Kind::KeyDown, 80, 0, kCtrlMask},
      {"right Ctrl+X", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_X, KMOD_RCTRL), Kind::KeyDown, 88, 0, kCtrlMask},
      {"Ctrl+Shift+R", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_R, KMOD_LCTRL | KMOD_RSHIFT), Kind::KeyDown, 82, 0,
       kCtrlMask | kShiftMask},
      {"Ctrl+Alt+P", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_P, KMOD_LCTRL | KMOD_LALT), Kind::KeyDown, 80, kAltDownFlag,
       kCtrlMask | kAltMask},
      {"P alone, Caps Lock on", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_P, KMOD_CAPS), Kind::KeyDown, 80, 0, 0},
      {"Ctrl's own press", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_RCTRL, KMOD_NONE), Kind::KeyDown, 163, 0, kCtrlMask},
      {"Shift's own press", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT, KMOD_LSHIFT), Kind::KeyDown, 160, 0, kShiftMask},
      {"right Shift let go, left still held", keyEvent(SDL_KEYUP, SDL_SCANCODE_RSHIFT, KMOD_LSHIFT | KMOD_RSHIFT),
       Kind::KeyUp, 161, 0, kShiftMask},
      {"Windows key", keyEvent(SDL_KEYDOWN, SDL_SCANCODE_LGUI, KMOD_LGUI), Kind::KeyDown, 91, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<InputEvent> event = translateKeyEvent(c.key);
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->kind, c.kind);
    EXPECT_EQ(event->vkCode, c.vkCode);
    EXPECT_EQ(event->flags, c.flags);
    EXPECT_EQ(event->shift, c.shift);
    EXPECT_FALSE(event->repeat);
  }
}

TEST(KeyTranslation, RepeatOnlyOnHeldKeyDowns) {
  EXPECT_TRUE(translateKeyEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_P, KMOD_LCTRL, true))->repeat);
  EXPECT_FALSE(translateKeyEvent(keyEvent(SDL_KEYUP, SDL_SCANCODE_P, KMOD_LCTRL, true))->repeat);
}

TEST(KeyTranslation, KeysWithoutACodeAreDropped) {
  EXPECT_FALSE(translateKeyEvent(keyEvent(SDL_KEYDOWN, SDL_SCANCODE_INTERNATIONAL1, KMOD_LALT)).has_value());
}

}  // namespace
}  // namespace vellumo
