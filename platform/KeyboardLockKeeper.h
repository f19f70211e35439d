#pragma once
// Keeps the keyboard to the program while the lock is on: no other program
// (a window manager's shortcut, a launcher, anything) can take the keyboard
// at any moment, across the splash, the switch of windows and display modes,
// until the lock is taken off. Only while the main window is minimised (a
// website is open in the browser) is the keyboard left to the desktop; it is
// taken back when the window returns.
//
// On X11 the lock is an XInput2 grab of the keyboard made on SDL's own
// connection, so keys still reach the program's windows as ordinary events.
// SDL drops its own core grab on every focus change; a device grab is not
// touched by that, and it is renewed on a short timer and whenever a window
// changes, so a grab that was refused or lost comes back by itself. On the
// other platforms SDL's own keyboard grab is set on every program window. On
// Wayland the compositor is asked to keep its shortcuts off every program
// window from the moment it exists (WaylandShortcutInhibitor), which holds
// while one of them has the keyboard focus.

#include <SDL.h>

#include <memory>

namespace vellumo {

class WaylandShortcutInhibitor;

class KeyboardLockKeeper {
 public:
  explicit KeyboardLockKeeper(SDL_Window* mainWindow);
  ~KeyboardLockKeeper();
  KeyboardLockKeeper(const KeyboardLockKeeper&) = delete;
  KeyboardLockKeeper& operator=(const KeyboardLockKeeper&) = delete;

  // The splash window, once made; it holds the keyboard while it shows.
  void addSplash(SDL_Window* splash);

  void setOn(bool on);
  bool isOn() const { return on_; }
  // SDL's own grab and a Wayland compositor's shortcut inhibitor hold only
  // while a program window has the keyboard focus; the X11 grab holds
  // whichever window has it.
  bool holdsOnlyWithFocus() const { return !x11_; }

  // A program window is about to be hidden: the keyboard moves off it first,
  // so the hiding cannot let go of it even for a moment.
  void beforeHiding(SDL_Window* window);

  // Renews the grab when it is due, or at once after a window changed. Cheap
  // when nothing is due; call it after every event and at least every
  // kRenewSeconds while the lock is on.
  void keep(bool windowsChanged);

  // How long the wait for events may block while the lock is on.
  static constexpr double kRenewSeconds = 0.25;

 private:
  struct X11Grab;

  // Every program window, as far as it exists.
  void applyLock(bool on);

  bool wanted() const;
  void applySdlGrab(bool on);

  SDL_Window* main_;
  SDL_Window* splash_ = nullptr;
  bool on_ = false;
  std::unique_ptr<X11Grab> x11_;                       // nothing when the display is not X11
  std::unique_ptr<WaylandShortcutInhibitor> wayland_;  // nothing when it is not Wayland
  Uint64 nextRenewalMs_ = 0;
};

}  // namespace vellumo
