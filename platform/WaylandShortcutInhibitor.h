#pragma once
// The compositor's own shortcuts (Alt+Tab, Super, Alt+F4, workspace keys)
// kept off the program's Wayland windows: the keyboard-shortcuts-inhibit
// protocol, asked for on SDL's own connection. The compositor honours an
// inhibitor while its surface has the keyboard focus.
//
// SDL asks for one itself, but only once a window has the focus, so every
// change of focus between the program's windows (the splash giving way to
// the main window) left a moment in which the newly focused surface had none
// and a key went to the compositor. Here each window's inhibitor is asked for
// as soon as the window exists, before it is ever shown or focused. SDL's
// keyboard grab must then stay off on these windows: a second inhibitor for
// the same surface is a protocol error that ends the connection.

#include <SDL.h>

#include <map>
#include <memory>

struct wl_display;
struct wl_event_queue;
struct wl_seat;
struct zwp_keyboard_shortcuts_inhibit_manager_v1;
struct zwp_keyboard_shortcuts_inhibitor_v1;

namespace vellumo {

class WaylandShortcutInhibitor {
 public:
  // Nothing when the window is not a Wayland one or the compositor offers no
  // inhibitors.
  static std::unique_ptr<WaylandShortcutInhibitor> forDisplayOf(SDL_Window* window);
  ~WaylandShortcutInhibitor();
  WaylandShortcutInhibitor(const WaylandShortcutInhibitor&) = delete;
  WaylandShortcutInhibitor& operator=(const WaylandShortcutInhibitor&) = delete;

  // Shortcuts inhibited on the window's surface, or no longer.
  void set(SDL_Window* window, bool inhibited);

 private:
  WaylandShortcutInhibitor() = default;

  wl_display* display_ = nullptr;
  wl_event_queue* queue_ = nullptr;  // ours, so SDL's dispatching never sees our objects
  wl_seat* seat_ = nullptr;
  zwp_keyboard_shortcuts_inhibit_manager_v1* manager_ = nullptr;
  std::map<SDL_Window*, zwp_keyboard_shortcuts_inhibitor_v1*> inhibitors_;
};

}  // namespace vellumo
