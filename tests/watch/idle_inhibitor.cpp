// A client that holds off idle as a video player does: one small window, and an idle inhibitor
// (zwp_idle_inhibitor_v1) on its surface for as long as it runs. Prints "ready" once the
// window is shown with the inhibitor made; runs until a signal ends it.

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdio>
#include <cstring>

#include "idle-inhibit-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace {

struct Client {
  wl_compositor* compositor = nullptr;
  wl_shm* shm = nullptr;
  xdg_wm_base* wm = nullptr;
  zwp_idle_inhibit_manager_v1* inhibit = nullptr;
  bool configured = false;
};

void OnGlobal(void* data, wl_registry* r, uint32_t name, const char* interface, uint32_t) {
  auto* c = static_cast<Client*>(data);
  const auto bind = [&](const wl_interface* i, uint32_t v) { return wl_registry_bind(r, name, i, v); };
  if (std::strcmp(interface, wl_compositor_interface.name) == 0) {
    c->compositor = static_cast<wl_compositor*>(bind(&wl_compositor_interface, 4));
  } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
    c->shm = static_cast<wl_shm*>(bind(&wl_shm_interface, 1));
  } else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0) {
    c->wm = static_cast<xdg_wm_base*>(bind(&xdg_wm_base_interface, 1));
  } else if (std::strcmp(interface, zwp_idle_inhibit_manager_v1_interface.name) == 0) {
    c->inhibit = static_cast<zwp_idle_inhibit_manager_v1*>(bind(&zwp_idle_inhibit_manager_v1_interface, 1));
  }
}
void OnGlobalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener kRegistry = {&OnGlobal, &OnGlobalRemove};

const xdg_wm_base_listener kWm = {[](void*, xdg_wm_base* wm, uint32_t serial) { xdg_wm_base_pong(wm, serial); }};
const xdg_surface_listener kSurface = {[](void* data, xdg_surface* s, uint32_t serial) {
  xdg_surface_ack_configure(s, serial);
  static_cast<Client*>(data)->configured = true;
}};

// A grey buffer of the given size, in shared memory.
wl_buffer* GreyBuffer(wl_shm* shm, int w, int h) {
  const int fd = memfd_create("idle-inhibitor", MFD_CLOEXEC);
  if (fd < 0 || ftruncate(fd, w * h * 4) != 0) return nullptr;
  void* pixels = mmap(nullptr, w * h * 4, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  if (pixels == MAP_FAILED) return nullptr;
  std::memset(pixels, 0x80, w * h * 4);
  wl_shm_pool* pool = wl_shm_create_pool(shm, fd, w * h * 4);
  wl_buffer* buffer = wl_shm_pool_create_buffer(pool, 0, w, h, w * 4, WL_SHM_FORMAT_XRGB8888);
  wl_shm_pool_destroy(pool);
  close(fd);
  return buffer;
}

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) {
    std::fputs("idle_inhibitor: no compositor\n", stderr);
    return 1;
  }
  Client c;
  wl_registry_add_listener(wl_display_get_registry(display), &kRegistry, &c);
  wl_display_roundtrip(display);
  if (!c.compositor || !c.shm || !c.wm || !c.inhibit) {
    std::fputs("idle_inhibitor: the compositor offers no xdg-shell or idle inhibitor\n", stderr);
    return 1;
  }
  xdg_wm_base_add_listener(c.wm, &kWm, nullptr);
  wl_surface* surface = wl_compositor_create_surface(c.compositor);
  xdg_surface* xs = xdg_wm_base_get_xdg_surface(c.wm, surface);
  xdg_surface_add_listener(xs, &kSurface, &c);
  xdg_toplevel* top = xdg_surface_get_toplevel(xs);
  xdg_toplevel_set_app_id(top, "idle_inhibitor");
  xdg_toplevel_set_title(top, "idle_inhibitor");
  wl_surface_commit(surface);
  while (!c.configured && wl_display_dispatch(display) >= 0) {
  }
  zwp_idle_inhibit_manager_v1_create_inhibitor(c.inhibit, surface);
  wl_surface_attach(surface, GreyBuffer(c.shm, 200, 200), 0, 0);
  wl_surface_commit(surface);
  wl_display_roundtrip(display);
  std::puts("ready");
  std::fflush(stdout);
  // Keeps answering the compositor (pings, configures) until ended by a signal.
  while (wl_display_dispatch(display) >= 0) {
  }
  wl_display_disconnect(display);
  return 0;
}
