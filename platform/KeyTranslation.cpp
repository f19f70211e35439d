#include "platform/KeyTranslation.h"

#include <array>

namespace vellumo {

namespace {

struct KeyCode {
  SDL_Scancode scancode;
  std::uint32_t virtualKey;
};

// Keys by their place on a full keyboard. Letters are not here: they follow
// the layout (see virtualKeyCode).
// Laid out by hand, a row of the keyboard to a line.
// clang-format off
constexpr std::array kKeysByPlace = std::to_array<KeyCode>({
    {SDL_SCANCODE_1, '1'}, {SDL_SCANCODE_2, '2'}, {SDL_SCANCODE_3, '3'}, {SDL_SCANCODE_4, '4'},
    {SDL_SCANCODE_5, '5'}, {SDL_SCANCODE_6, '6'}, {SDL_SCANCODE_7, '7'}, {SDL_SCANCODE_8, '8'},
    {SDL_SCANCODE_9, '9'}, {SDL_SCANCODE_0, '0'},

    {SDL_SCANCODE_BACKSPACE, 8}, {SDL_SCANCODE_TAB, 9}, {SDL_SCANCODE_RETURN, 13},
    {SDL_SCANCODE_PAUSE, 19}, {SDL_SCANCODE_CAPSLOCK, 20}, {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_SPACE, 32},

    {SDL_SCANCODE_PAGEUP, 33}, {SDL_SCANCODE_PAGEDOWN, 34}, {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_HOME, 36}, {SDL_SCANCODE_LEFT, 37}, {SDL_SCANCODE_UP, 38},
    {SDL_SCANCODE_RIGHT, 39}, {SDL_SCANCODE_DOWN, 40}, {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_INSERT, 45}, {SDL_SCANCODE_DELETE, 46},

    {SDL_SCANCODE_LGUI, 91}, {SDL_SCANCODE_RGUI, 92}, {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_SLEEP, 95},

    {SDL_SCANCODE_KP_0, 96}, {SDL_SCANCODE_KP_1, 97}, {SDL_SCANCODE_KP_2, 98},
    {SDL_SCANCODE_KP_3, 99}, {SDL_SCANCODE_KP_4, 100}, {SDL_SCANCODE_KP_5, 101},
    {SDL_SCANCODE_KP_6, 102}, {SDL_SCANCODE_KP_7, 103}, {SDL_SCANCODE_KP_8, 104},
    {SDL_SCANCODE_KP_9, 105}, {SDL_SCANCODE_KP_MULTIPLY, 106}, {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_MINUS, 109}, {SDL_SCANCODE_KP_PERIOD, 110}, {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_KP_ENTER, 13},  // the hook tells it from Enter only by its extended flag

    {SDL_SCANCODE_F1, 112}, {SDL_SCANCODE_F2, 113}, {SDL_SCANCODE_F3, 114},
    {SDL_SCANCODE_F4, 115}, {SDL_SCANCODE_F5, 116}, {SDL_SCANCODE_F6, 117},
    {SDL_SCANCODE_F7, 118}, {SDL_SCANCODE_F8, 119}, {SDL_SCANCODE_F9, 120},
    {SDL_SCANCODE_F10, 121}, {SDL_SCANCODE_F11, 122}, {SDL_SCANCODE_F12, 123},
    {SDL_SCANCODE_F13, 124}, {SDL_SCANCODE_F14, 125}, {SDL_SCANCODE_F15, 126},
    {SDL_SCANCODE_F16, 127}, {SDL_SCANCODE_F17, 128}, {SDL_SCANCODE_F18, 129},
    {SDL_SCANCODE_F19, 130}, {SDL_SCANCODE_F20, 131}, {SDL_SCANCODE_F21, 132},
    {SDL_SCANCODE_F22, 133}, {SDL_SCANCODE_F23, 134}, {SDL_SCANCODE_F24, 135},

    {SDL_SCANCODE_NUMLOCKCLEAR, 144}, {SDL_SCANCODE_SCROLLLOCK, 145},

    // The hook reports each modifier by its side, never the generic codes.
    {SDL_SCANCODE_LSHIFT, 160}, {SDL_SCANCODE_RSHIFT, 161}, {SDL_SCANCODE_LCTRL, 162},
    {SDL_SCANCODE_RCTRL, 163}, {SDL_SCANCODE_LALT, 164}, {SDL_SCANCODE_RALT, 165},

    {SDL_SCANCODE_AC_BACK, 166}, {SDL_SCANCODE_AC_FORWARD, 167}, {SDL_SCANCODE_AC_REFRESH, 168},
    {SDL_SCANCODE_AC_STOP, 169}, {SDL_SCANCODE_AC_SEARCH, 170}, {SDL_SCANCODE_AC_BOOKMARKS, 171},
    {SDL_SCANCODE_AC_HOME, 172}, {SDL_SCANCODE_MUTE, 173}, {SDL_SCANCODE_VOLUMEDOWN, 174},
    {SDL_SCANCODE_VOLUMEUP, 175}, {SDL_SCANCODE_AUDIONEXT, 176}, {SDL_SCANCODE_AUDIOPREV, 177},
    {SDL_SCANCODE_AUDIOSTOP, 178}, {SDL_SCANCODE_AUDIOPLAY, 179}, {SDL_SCANCODE_AUDIOMUTE, 173},
    {SDL_SCANCODE_MAIL, 180}, {SDL_SCANCODE_MEDIASELECT, 181}, {SDL_SCANCODE_COMPUTER, 182},
    {SDL_SCANCODE_CALCULATOR, 183},

    // Punctuation, named by the keys of a US layout.
    {SDL_SCANCODE_SEMICOLON, 186}, {SDL_SCANCODE_EQUALS, 187}, {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189}, {SDL_SCANCODE_PERIOD, 190}, {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192}, {SDL_SCANCODE_LEFTBRACKET, 219}, {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_NONUSHASH, 220}, {SDL_SCANCODE_RIGHTBRACKET, 221}, {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_NONUSBACKSLASH, 226},
});
// clang-format on

constexpr auto kCodeByScancode = [] {
  std::array<std::uint32_t, SDL_NUM_SCANCODES> codes{};
  for (const KeyCode& key : kKeysByPlace) codes[key.scancode] = key.virtualKey;
  for (int letter = 0; letter < 26; ++letter) codes[SDL_SCANCODE_A + letter] = 'A' + letter;
  return codes;
}();

// Which side-specific modifier bit the key itself is, so its own press can be
// counted as held and its own release as let go.
Uint16 ownModifier(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_LSHIFT: return KMOD_LSHIFT;
    case SDL_SCANCODE_RSHIFT: return KMOD_RSHIFT;
    case SDL_SCANCODE_LCTRL: return KMOD_LCTRL;
    case SDL_SCANCODE_RCTRL: return KMOD_RCTRL;
    case SDL_SCANCODE_LALT: return KMOD_LALT;
    case SDL_SCANCODE_RALT: return KMOD_RALT;
    default: return 0;
  }
}

}  // namespace

std::uint32_t virtualKeyCode(SDL_Scancode scancode, SDL_Keycode keycode) {
  if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + (keycode - SDLK_a);
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
  return kCodeByScancode[scancode];
}

std::optional<InputEvent> translateKeyEvent(const SDL_KeyboardEvent& key) {
  const std::uint32_t code = virtualKeyCode(key.keysym.scancode, key.keysym.sym);
  if (code == 0) return std::nullopt;

  const bool pressed = key.type == SDL_KEYDOWN;
  Uint16 held = key.keysym.mod;
  if (pressed) {
    held |= ownModifier(key.keysym.scancode);
  } else {
    held &= ~ownModifier(key.keysym.scancode);
  }

  InputEvent event;
  event.kind = pressed ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
  event.vkCode = code;
  event.flags = (held & KMOD_ALT) ? kAltDownFlag : 0;
  event.shift = ((held & KMOD_SHIFT) ? kShiftMask : 0) | ((held & KMOD_CTRL) ? kCtrlMask : 0) |
                ((held & KMOD_ALT) ? kAltMask : 0);
  event.repeat = pressed && key.repeat != 0;
  return event;
}

}  // namespace vellumo
