#include "platform/WaylandShortcutInhibitor.h"

#include <SDL_syswm.h>
#include <wayland-client.h>

#include <cstring>
#include <optional>

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

namespace vellumo {

namespace {

struct Globals {
  wl_seat* seat = nullptr;
  zwp_keyboard_shortcuts_inhibit_manager_v1* manager = nullptr;
};

void announce(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
  auto* globals = static_cast<Globals*>(data);
  // The first seat is the one SDL takes its keyboard from.
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && globals->seat == nullptr) {
    globals->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0) {
    globals->manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(
        wl_registry_bind(registry, name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
  }
}
void withdraw(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistryListener{announce, withdraw};

std::optional<SDL_SysWMinfo> waylandInfoOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_WAYLAND)
    return std::nullopt;
  return info;
}

}  // namespace

std::unique_ptr<WaylandShortcutInhibitor> WaylandShortcutInhibitor::forDisplayOf(SDL_Window* window) {
  const std::optional<SDL_SysWMinfo> info = waylandInfoOf(window);
  if (!info) return nullptr;
  std::unique_ptr<WaylandShortcutInhibitor> inhibitor(new WaylandShortcutInhibitor);
  inhibitor->display_ = info->info.wl.display;
  inhibitor->queue_ = wl_display_create_queue(inhibitor->display_);
  wl_registry* registry = wl_display_get_registry(inhibitor->display_);
  wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(registry), inhibitor->queue_);
  Globals globals;
  wl_registry_add_listener(registry, &kRegistryListener, &globals);
  wl_display_roundtrip_queue(inhibitor->display_, inhibitor->queue_);
  wl_registry_destroy(registry);
  inhibitor->seat_ = globals.seat;
  inhibitor->manager_ = globals.manager;
  if (globals.manager == nullptr || globals.seat == nullptr)
    return nullptr;  // the destructor lets go of what was bound
  return inhibitor;
}

WaylandShortcutInhibitor::~WaylandShortcutInhibitor() {
  for (auto& [window, inhibitor] : inhibitors_) zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor);
  if (manager_ != nullptr) zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager_);
  if (seat_ != nullptr) wl_seat_destroy(seat_);
  wl_display_flush(display_);
  wl_event_queue_destroy(queue_);
}

void WaylandShortcutInhibitor::set(SDL_Window* window, bool inhibited) {
  const auto held = inhibitors_.find(window);
  if (inhibited && held == inhibitors_.end()) {
    const std::optional<SDL_SysWMinfo> info = waylandInfoOf(window);
    if (!info) return;
    inhibitors_[window] =
        zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager_, info->info.wl.surface, seat_);
  } else if (!inhibited && held != inhibitors_.end()) {
    zwp_keyboard_shortcuts_inhibitor_v1_destroy(held->second);
    inhibitors_.erase(held);
  } else {
    return;
  }
  // The compositor's answers (active, inactive) are of no use here; they
  // are read off the queue so it does not grow.
  wl_display_dispatch_queue_pending(display_, queue_);
  wl_display_flush(display_);
}

}  // namespace vellumo
