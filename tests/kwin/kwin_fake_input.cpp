// Input for a headless KWin, which has no input device: a fake input device of KWin's own
// protocol, plugged in for as long as this runs (KWin lets any client use it when started with
// KWIN_WAYLAND_NO_PERMISSION_CHECKS=1). Prints "ready" once KWin has the device, then reads one
// command a line from standard input and prints "done" when KWin has taken it in:
//   key CODE        a key pressed and released (evdev code, e.g. 30 for A)
//   button CODE     a pointer button pressed and released (evdev code, e.g. 272 for the left)
//   wheel STEPS     the vertical wheel turned, in scroll steps of 15
//   move DX DY      the pointer moved by DX DY logical pixels
//   to X Y          the pointer put at X Y of the whole layout
// Ends when its standard input closes.

#include <wayland-client.h>

#include <cstdio>
#include <cstring>

#include "fake-input-client-protocol.h"

namespace {

constexpr uint32_t kReleased = 0;
constexpr uint32_t kPressed = 1;
constexpr uint32_t kVerticalAxis = 0;

void OnGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
  if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4) {
    *static_cast<org_kde_kwin_fake_input**>(data) = static_cast<org_kde_kwin_fake_input*>(
        wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
  }
}
void OnGlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistry = {.global = &OnGlobal, .global_remove = &OnGlobalRemove};

bool Run(org_kde_kwin_fake_input* input, const char* line) {
  unsigned code = 0;
  double x = 0;
  double y = 0;
  if (std::sscanf(line, "key %u", &code) == 1) {
    org_kde_kwin_fake_input_keyboard_key(input, code, kPressed);
    org_kde_kwin_fake_input_keyboard_key(input, code, kReleased);
  } else if (std::sscanf(line, "button %u", &code) == 1) {
    org_kde_kwin_fake_input_button(input, code, kPressed);
    org_kde_kwin_fake_input_button(input, code, kReleased);
  } else if (std::sscanf(line, "wheel %lf", &x) == 1) {
    org_kde_kwin_fake_input_axis(input, kVerticalAxis, wl_fixed_from_double(15 * x));
  } else if (std::sscanf(line, "move %lf %lf", &x, &y) == 2) {
    org_kde_kwin_fake_input_pointer_motion(input, wl_fixed_from_double(x), wl_fixed_from_double(y));
  } else if (std::sscanf(line, "to %lf %lf", &x, &y) == 2) {
    org_kde_kwin_fake_input_pointer_motion_absolute(input, wl_fixed_from_double(x), wl_fixed_from_double(y));
  } else {
    return false;
  }
  return true;
}

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    std::fputs("kwin_fake_input: no compositor\n", stderr);
    return 1;
  }
  org_kde_kwin_fake_input* input = nullptr;
  wl_registry* registry = wl_display_get_registry(display);
  wl_registry_add_listener(registry, &kRegistry, &input);
  wl_display_roundtrip(display);
  if (!input) {
    std::fputs("kwin_fake_input: the compositor offers no fake input of version 4\n", stderr);
    return 1;
  }
  org_kde_kwin_fake_input_authenticate(input, "corvanta tests", "input for end-to-end tests");
  wl_display_roundtrip(display);
  std::puts("ready");
  std::fflush(stdout);
  char line[128];
  while (std::fgets(line, sizeof line, stdin)) {
    if (!Run(input, line)) {
      std::fprintf(stderr, "kwin_fake_input: what is \"%s\"?\n", line);
      return 2;
    }
    if (wl_display_roundtrip(display) < 0) {
      std::fputs("kwin_fake_input: the compositor went\n", stderr);
      return 1;
    }
    std::puts("done");
    std::fflush(stdout);
  }
  org_kde_kwin_fake_input_destroy(input);
  wl_registry_destroy(registry);
  wl_display_disconnect(display);
  return 0;
}
