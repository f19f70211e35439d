// A mouse plugged into a Wayland compositor, for the tests: a virtual pointer
// device on the compositor's seat, held until standard input closes. The
// compositor moves and clicks it itself (sway: `seat - cursor set X Y`,
// `seat - cursor press button1`), so the events reach the program as any
// mouse's would. A device made afresh for each click would not do: a client
// learns of a new pointer only after the compositor has told it, and the
// first events would go to nobody.
//
// Prints "ready" once the compositor has the device.

#include <wayland-client.h>

#include <unistd.h>
#include <cstdio>
#include <cstring>

#include "virtual-pointer-unstable-v1-client-protocol.h"

namespace {

struct Globals {
  wl_seat* seat = nullptr;
  zwlr_virtual_pointer_manager_v1* pointers = nullptr;
};

void announce(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
  auto* globals = static_cast<Globals*>(data);
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr) {
    globals->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
    globals->pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
  }
}
void withdraw(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistryListener{announce, withdraw};

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "virtual_pointer: no Wayland display\n");
    return 1;
  }
  Globals globals;
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistryListener, &globals);
  wl_display_roundtrip(display);
  if (globals.pointers == nullptr) {
    std::fprintf(stderr, "virtual_pointer: the compositor makes no virtual pointers\n");
    return 1;
  }
  zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.pointers, globals.seat);
  wl_display_roundtrip(display);
  std::printf("ready\n");
  std::fflush(stdout);

  char buffer[256];
  while (::read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
  }
  wl_display_disconnect(display);
  return 0;
}
