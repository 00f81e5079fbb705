#pragma once
// The compositor's globals the show uses, kept up to date as they come and go: the compositor,
// shared memory, the layer shell, the outputs with their desktop positions (xdg-output), and the
// seats. Outputs and seats that appear or vanish during the show are the normal case.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct wl_compositor;
struct wl_display;
struct wl_output;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct zwlr_layer_shell_v1;
struct zxdg_output_manager_v1;
struct zxdg_output_v1;

namespace corvanta::wayland {

class Globals;

struct Output {
  Globals* globals = nullptr;
  std::uint32_t name = 0;  // the registry's
  wl_output* output = nullptr;
  zxdg_output_v1* xdg = nullptr;
  int scale = 1;
  int mode_width = 0, mode_height = 0;  // the current mode, in the output's pixels
  // The output's place in the desktop's layout, in logical units.
  int x = 0, y = 0, width = 0, height = 0;
  bool logical = false;  // xdg-output told the place
  bool ready = false;    // described in full at least once
  // What the compositor is telling now; it holds from the description's end.
  struct {
    int scale = 1, mode_width = 0, mode_height = 0, x = 0, y = 0, width = 0, height = 0;
    bool logical = false;
  } next;
};

class Globals {
 public:
  struct Callbacks {
    std::function<void()> outputs_changed;
    std::function<void(Output&)> output_going;  // before it is destroyed
    std::function<void(wl_seat*, std::uint32_t name)> seat_added;
    std::function<void(std::uint32_t name)> seat_removed;
  };

  explicit Globals(wl_display* display);
  ~Globals();
  Globals(const Globals&) = delete;
  Globals& operator=(const Globals&) = delete;

  void SetCallbacks(Callbacks callbacks) { callbacks_ = std::move(callbacks); }

  wl_compositor* Compositor() const { return compositor_; }
  wl_shm* Shm() const { return shm_; }
  zwlr_layer_shell_v1* LayerShell() const { return layer_shell_; }
  // The outputs described in full; the others are still being described.
  std::vector<Output*> Outputs() const;
  Output* Find(wl_output* output) const;

  // For the listeners.
  void Added(std::uint32_t name, const char* interface, std::uint32_t version);
  void Removed(std::uint32_t name);
  void Described(Output& o);

 private:
  void DescribeWithXdg(Output& o);

  wl_display* display_;
  wl_registry* registry_ = nullptr;
  wl_compositor* compositor_ = nullptr;
  wl_shm* shm_ = nullptr;
  zwlr_layer_shell_v1* layer_shell_ = nullptr;
  zxdg_output_manager_v1* xdg_outputs_ = nullptr;
  std::vector<std::unique_ptr<Output>> outputs_;
  std::vector<std::pair<std::uint32_t, wl_seat*>> seats_;
  Callbacks callbacks_;
};

}  // namespace corvanta::wayland
