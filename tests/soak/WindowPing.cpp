// vellumo_window_ping WINDOW SECONDS: whether a window's program still
// answers. Sends the window manager's ping to the window and waits for the
// program to send it back to the root window, which its toolkit does each
// time it takes its events from the X server: a program stuck in one
// handler does not. Exits 0 when answered within SECONDS, 1 when not, 2 on
// a usage or X error.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

bool isReplyTo(const XEvent& event, Atom protocols, Atom ping, long stamp) {
  return event.type == ClientMessage && event.xclient.message_type == protocols && event.xclient.format == 32 &&
         static_cast<Atom>(event.xclient.data.l[0]) == ping && event.xclient.data.l[1] == stamp;
}

// Pings the window and waits up to `seconds` for its answer.
bool answers(Display* display, Window window, double seconds) {
  const Window root = DefaultRootWindow(display);
  const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
  const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
  // The answer comes as an event sent to the root window for the window
  // manager; any client that listens there sees it.
  XSelectInput(display, root, SubstructureNotifyMask);

  // A stamp of our own tells this ping's answer from any other.
  const long stamp = static_cast<long>(std::chrono::steady_clock::now().time_since_epoch().count() & 0x7fffffff);
  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = window;
  message.xclient.message_type = protocols;
  message.xclient.format = 32;
  message.xclient.data.l[0] = static_cast<long>(ping);
  message.xclient.data.l[1] = stamp;
  message.xclient.data.l[2] = static_cast<long>(window);
  XSendEvent(display, window, False, NoEventMask, &message);
  XFlush(display);

  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (isReplyTo(event, protocols, ping, stamp)) return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(giveUp - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    poll(&connection, 1, static_cast<int>(left.count()));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s WINDOW SECONDS\n", argv[0]);
    return 2;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  const double seconds = std::atof(argv[2]);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fputs("cannot open the display\n", stderr);
    return 2;
  }
  const bool answered = answers(display, window, seconds);
  XCloseDisplay(display);
  return answered ? 0 : 1;
}
