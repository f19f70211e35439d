// Another client that keeps trying to take the keyboard, as a window
// manager's shortcut or any other program would. Every INTERVAL seconds it
// tries XGrabKeyboard on the root window, lets go again at once when it
// succeeded, and writes one line per try to standard output:
//
//     <seconds since the probe started> taken|refused
//
// "refused" means another client holds the keyboard (AlreadyGrabbed or
// GrabFrozen). Runs until killed, or for DURATION seconds when given.
//
// With "hold" it is the other client that has the keyboard first: it takes
// it (waiting while someone else holds it), says "held", keeps it for
// SECONDS and lets go.
//
// Usage: keyboard_grab_probe INTERVAL [DURATION]
//        keyboard_grab_probe hold SECONDS

#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace {

int grabKeyboard(Display* display) {
  return XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync, CurrentTime);
}

int hold(Display* display, double seconds) {
  while (grabKeyboard(display) != GrabSuccess) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::printf("held\n");
  std::fflush(stdout);
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  XUngrabKeyboard(display, CurrentTime);
  XSync(display, False);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s INTERVAL [DURATION] | hold SECONDS\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "keyboard_grab_probe: cannot open the display\n");
    return 1;
  }
  if (std::string_view(argv[1]) == "hold") return hold(display, argc > 2 ? std::atof(argv[2]) : 1);
  const double interval = std::atof(argv[1]);
  const double duration = argc > 2 ? std::atof(argv[2]) : -1;
  using Clock = std::chrono::steady_clock;
  const Clock::time_point start = Clock::now();
  Clock::time_point next = start;
  for (;;) {
    const int result = grabKeyboard(display);
    if (result == GrabSuccess) XUngrabKeyboard(display, CurrentTime);
    XSync(display, False);
    const double at = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%.3f %s\n", at, result == GrabSuccess ? "taken" : "refused");
    std::fflush(stdout);
    if (duration >= 0 && at >= duration) return 0;
    next += std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(interval));
    std::this_thread::sleep_until(next);
  }
}
