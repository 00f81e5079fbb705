// Gives the headless compositor's seat a pointer for as long as it runs: a headless sway has
// no input device, so its seat offers clients no pointer and "swaymsg seat seat0 cursor ..."
// reaches none of them. With this device plugged in, those commands reach the surface under
// the cursor as any mouse would. Prints "ready" once the compositor has the device. Where the
// compositor has no commands of its own to move the cursor (phoc), it takes one command a line
// from standard input and prints "done" when the compositor has taken it in:
//   move DX DY      the pointer moved by DX DY logical pixels
//   button CODE     a button pressed and released (evdev code, e.g. 272 for the left)
//   wheel STEPS     the vertical wheel turned, in scroll steps of 15
// Ends when its standard input closes.

#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

namespace {

struct Globals {
  wl_seat* seat = nullptr;
  zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
  auto* g = static_cast<Globals*>(data);
  if (std::strcmp(interface, wl_seat_interface.name) == 0 && !g->seat) {
    g->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
  } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
    g->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
        wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
  }
}
void OnGlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistry = {.global = &OnGlobal, .global_remove = &OnGlobalRemove};

uint32_t Now() {
  using std::chrono::duration_cast;
  using std::chrono::milliseconds;
  return static_cast<uint32_t>(
      duration_cast<milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count());
}

bool Run(zwlr_virtual_pointer_v1* pointer, const char* line) {
  unsigned code = 0;
  double x = 0;
  double y = 0;
  if (std::sscanf(line, "move %lf %lf", &x, &y) == 2) {
    zwlr_virtual_pointer_v1_motion(pointer, Now(), wl_fixed_from_double(x), wl_fixed_from_double(y));
  } else if (std::sscanf(line, "button %u", &code) == 1) {
    zwlr_virtual_pointer_v1_button(pointer, Now(), code, WL_POINTER_BUTTON_STATE_PRESSED);
    zwlr_virtual_pointer_v1_frame(pointer);
    zwlr_virtual_pointer_v1_button(pointer, Now(), code, WL_POINTER_BUTTON_STATE_RELEASED);
  } else if (std::sscanf(line, "wheel %lf", &x) == 1) {
    zwlr_virtual_pointer_v1_axis(pointer, Now(), WL_POINTER_AXIS_VERTICAL_SCROLL, wl_fixed_from_double(15 * x));
  } else {
    return false;
  }
  zwlr_virtual_pointer_v1_frame(pointer);
  return true;
}

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    std::fputs("virtual_pointer: no compositor\n", stderr);
    return 1;
  }
  Globals g;
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistry, &g);
  wl_display_roundtrip(display);
  if (!g.seat || !g.manager) {
    std::fputs("virtual_pointer: the compositor offers no virtual pointer\n", stderr);
    return 1;
  }
  zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(g.manager, g.seat);
  wl_display_roundtrip(display);
  std::puts("ready");
  std::fflush(stdout);
  char line[128];
  while (std::fgets(line, sizeof line, stdin)) {
    if (!Run(pointer, line)) {
      std::fprintf(stderr, "virtual_pointer: what is \"%s\"?\n", line);
      return 2;
    }
    if (wl_display_roundtrip(display) < 0) {
      std::fputs("virtual_pointer: the compositor went\n", stderr);
      return 1;
    }
    std::puts("done");
    std::fflush(stdout);
  }
  zwlr_virtual_pointer_v1_destroy(pointer);
  zwlr_virtual_pointer_manager_v1_destroy(g.manager);
  wl_seat_destroy(g.seat);
  wl_registry_destroy(registry);
  wl_display_roundtrip(display);
  wl_display_disconnect(display);
  return 0;
}
