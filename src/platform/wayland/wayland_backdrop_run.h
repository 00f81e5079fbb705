#pragma once
// The display mode on one compositor connection ("--root"): a race window on the backdrop of
// every output, held by the output's record, for as long as the output is there.

#include <cstdint>
#include <optional>

#include "platform/wayland/wayland_loop.h"
#include "platform/wayland/wayland_stage.h"

struct wl_display;

namespace corvanta::wayland {

class BackdropRun final : private Loop::Work {
 public:
  // Learns the compositor's globals and outputs; blocks for two round trips. speed: this run's
  // ball speed; nullopt keeps the stored one.
  BackdropRun(wl_display* display, std::optional<std::int16_t> speed);
  ~BackdropRun();

  // Runs until a stop signal or the compositor's end; the exit code.
  int Run();

 private:
  void Update(Loop::Micros now) override;
  bool Done() const override { return false; }
  std::optional<Loop::Micros> NextWake() const override;

  Stage stage_;
  std::optional<std::int16_t> speed_;
  Loop loop_;
};

}  // namespace corvanta::wayland
