#include "platform/KeyboardLockKeeper.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <array>
#include <optional>

#include "platform/WaylandShortcutInhibitor.h"

namespace vellumo {

namespace {

constexpr Uint64 kRenewMs = static_cast<Uint64>(KeyboardLockKeeper::kRenewSeconds * 1000);

std::optional<SDL_SysWMinfo> systemWindowInfo(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE) return std::nullopt;
  return info;
}

// The X window behind an SDL window, or 0.
Window x11WindowOf(SDL_Window* window) {
  const std::optional<SDL_SysWMinfo> info = systemWindowInfo(window);
  return info && info->subsystem == SDL_SYSWM_X11 ? info->info.x11.window : 0;
}

// Xlib reports protocol errors to one process-wide handler, which has no
// context; while the extension is looked at, an error only means it cannot
// be used.
int gTrappedErrors = 0;
int countTrappedError(Display*, XErrorEvent*) {
  ++gTrappedErrors;
  return 0;
}

// The first master keyboard, or -1 when the server has no XInput2. SDL has
// asked for XInput2 on the same connection already; a client may not then ask
// for an older version, so this asks for the newest the headers know.
int masterKeyboard(Display* display) {
  int opcode = 0, event = 0, error = 0;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error)) return -1;
  XSync(display, False);
  gTrappedErrors = 0;
  const auto previous = XSetErrorHandler(countTrappedError);
  int keyboard = -1;
  int major = XI_2_Major, minor = XI_2_Minor;
  if (XIQueryVersion(display, &major, &minor) == Success) {
    int count = 0;
    XIDeviceInfo* devices = XIQueryDevice(display, XIAllMasterDevices, &count);
    for (int i = 0; i < count && keyboard < 0; ++i)
      if (devices[i].use == XIMasterKeyboard) keyboard = devices[i].deviceid;
    if (devices != nullptr) XIFreeDeviceInfo(devices);
  }
  XSync(display, False);
  XSetErrorHandler(previous);
  return gTrappedErrors == 0 ? keyboard : -1;
}

}  // namespace

// The keyboard grab on SDL's X connection. With owner events on, a key meant
// for one of the program's windows reaches it as usual; any other key is
// reported to the grab window, so nothing ever reaches another program.
struct KeyboardLockKeeper::X11Grab {
  Display* display = nullptr;
  Window root = 0;
  int keyboard = -1;  // XInput2 master keyboard; -1: a core grab instead
  Window holder = 0;  // the window the grab stands on; 0 while not held

  enum class Result { Held, NotViewable, Refused };

  Result grabOn(Window window) {
    int status;
    if (keyboard >= 0) {
      // No events are asked for the grab window itself: keys for the
      // program's windows arrive through their own event masks.
      std::array<unsigned char, XIMaskLen(XI_LASTEVENT)> bits{};
      XIEventMask mask{keyboard, static_cast<int>(bits.size()), bits.data()};
      status = XIGrabDevice(display, keyboard, window, CurrentTime, 0, XIGrabModeAsync, XIGrabModeAsync, True, &mask);
    } else {
      status = XGrabKeyboard(display, window, True, GrabModeAsync, GrabModeAsync, CurrentTime);
    }
    if (status == GrabSuccess) {
      holder = window;
      return Result::Held;
    }
    // A refused grab leaves any grab this client already held as it was.
    if (status == GrabNotViewable) return Result::NotViewable;
    holder = 0;
    return Result::Refused;
  }

  void release() {
    if (holder == 0) return;
    if (keyboard >= 0)
      XIUngrabDevice(display, keyboard, CurrentTime);
    else
      XUngrabKeyboard(display, CurrentTime);
    // The next program started (the browser) must find the keyboard free.
    XSync(display, False);
    holder = 0;
  }
};

KeyboardLockKeeper::KeyboardLockKeeper(SDL_Window* mainWindow) : main_(mainWindow) {
  const std::optional<SDL_SysWMinfo> info = systemWindowInfo(mainWindow);
  if (info && info->subsystem == SDL_SYSWM_WAYLAND) wayland_ = WaylandShortcutInhibitor::forDisplayOf(mainWindow);
  if (!info || info->subsystem != SDL_SYSWM_X11) return;
  x11_ = std::make_unique<X11Grab>();
  x11_->display = info->info.x11.display;
  x11_->root = DefaultRootWindow(x11_->display);
  x11_->keyboard = masterKeyboard(x11_->display);
}

KeyboardLockKeeper::~KeyboardLockKeeper() {
  if (x11_) x11_->release();
}

void KeyboardLockKeeper::addSplash(SDL_Window* splash) {
  splash_ = splash;
  if (!x11_) applyLock(on_);
}

void KeyboardLockKeeper::setOn(bool on) {
  on_ = on;
  if (!x11_) return applyLock(on);
  keep(true);
}

bool KeyboardLockKeeper::wanted() const {
  // Minimised, the window has handed the desktop back for the browser.
  return on_ && (SDL_GetWindowFlags(main_) & SDL_WINDOW_MINIMIZED) == 0;
}

void KeyboardLockKeeper::beforeHiding(SDL_Window* window) {
  if (x11_ && x11_->holder != 0 && x11_->holder == x11WindowOf(window)) x11_->grabOn(x11_->root);
}

void KeyboardLockKeeper::keep(bool windowsChanged) {
  if (!x11_) return;
  const Uint64 now = SDL_GetTicks64();
  if (!windowsChanged && now < nextRenewalMs_) return;
  nextRenewalMs_ = now + kRenewMs;
  if (!wanted()) return x11_->release();

  // The grab stands on the main window once it shows, else on the splash,
  // so keys reach the program wherever the pointer is; while neither shows,
  // on the screen itself. Renewing it on the same window changes nothing
  // for the program.
  const auto shown = [](SDL_Window* w) { return w != nullptr && (SDL_GetWindowFlags(w) & SDL_WINDOW_HIDDEN) == 0; };
  for (SDL_Window* candidate : {main_, splash_}) {
    if (!shown(candidate)) continue;
    switch (x11_->grabOn(x11WindowOf(candidate))) {
      case X11Grab::Result::Held: return;
      case X11Grab::Result::Refused: return;  // another client has it: try again at the next renewal
      case X11Grab::Result::NotViewable: break;
    }
  }
  x11_->grabOn(x11_->root);
}

void KeyboardLockKeeper::applyLock(bool on) {
  if (!wayland_) return applySdlGrab(on);
  wayland_->set(main_, on);
  if (splash_ != nullptr) wayland_->set(splash_, on);
}

void KeyboardLockKeeper::applySdlGrab(bool on) {
  const SDL_bool grab = on ? SDL_TRUE : SDL_FALSE;
  SDL_SetWindowKeyboardGrab(main_, grab);
  if (splash_ != nullptr) SDL_SetWindowKeyboardGrab(splash_, grab);
}

}  // namespace vellumo
