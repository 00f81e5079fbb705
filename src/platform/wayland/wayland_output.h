#pragma once
// One output of the compositor and everything drawn on it. The record owns the wl_output, its
// xdg-output, and the surfaces on it (the race's, covers, a backdrop and its race window): it
// is the one place they are destroyed when the output goes, so an unplugged monitor is one
// code path. Its description is taken whole at the description's end, never half told.

#include <cstdint>
#include <memory>
#include <vector>

struct wl_output;
struct zxdg_output_v1;

namespace corvanta::wayland {

class Globals;
class LayerSurface;
class RaceWindow;

// Where an output stands and what it shows, as told by its last full description.
struct OutputLayout {
  int scale = 1;                        // wl_output's integer scale
  int mode_width = 0, mode_height = 0;  // the current mode, in the output's pixels
  // The output's place in the desktop's layout, in logical units.
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const OutputLayout&) const = default;
};

// What the compositor says about an output, piece by piece: nothing of it counts until the
// description's end (wl_output.done, or xdg-output's own done from compositors older than its
// version 3), so that an output moved with others is never seen half moved.
class OutputDescription {
 public:
  void SetMode(int width, int height) { told_.mode_width = width, told_.mode_height = height; }
  void SetScale(int factor) { told_.scale = factor < 1 ? 1 : factor; }
  void SetLogicalPosition(int x, int y) { told_.x = x, told_.y = y, told_logical_ = true; }
  void SetLogicalSize(int width, int height) {
    logical_width_ = width, logical_height_ = height, told_logical_ = true;
  }
  // The description ended. asked_xdg: its place was asked of xdg-output, so the description is
  // whole only once xdg-output has told it. True when what the owners see changed.
  bool End(bool asked_xdg);

  // Described in full at least once, with a size.
  bool Ready() const { return ready_; }
  const OutputLayout& Layout() const { return layout_; }

 private:
  OutputLayout told_;
  int logical_width_ = 0, logical_height_ = 0;
  bool told_logical_ = false;
  OutputLayout layout_;
  bool ready_ = false;
};

struct Output {
  Output(Globals& globals, std::uint32_t name, wl_output* output);
  ~Output();
  Output(const Output&) = delete;
  Output& operator=(const Output&) = delete;

  // Asks xdg-output for the output's place, once a manager is known.
  void AskPlace();

  Globals& globals;
  const std::uint32_t name;  // the registry's
  wl_output* const output;
  zxdg_output_v1* xdg = nullptr;
  OutputDescription description;
  // The surfaces drawn on it; destroyed after the race window that draws on one of them.
  std::vector<std::unique_ptr<LayerSurface>> surfaces;
  // The backdrop's race on this output, when the program runs one.
  std::unique_ptr<RaceWindow> backdrop;
};

}  // namespace corvanta::wayland
