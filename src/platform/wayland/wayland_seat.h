#pragma once
// One seat's pointer and keyboard, reduced to what ends a show: key presses, button presses,
// wheel turns and pointer motion, each with the surface it happened over. Keys already held
// when the keyboard arrives are not presses, and a pointer entering a surface has not moved.
// Surfaces are named by their id, so that one destroyed meanwhile is nobody's.

#include <cstdint>

#include "platform/wayland/wayland_layer_surface.h"

struct wl_keyboard;
struct wl_pointer;
struct wl_seat;

namespace corvanta::wayland {

class InputSink {
 public:
  // Positions are surface-local, in logical units. Shift and Button as the handlers take them
  // (layout/input_bits.h).
  virtual void PointerEntered(wl_pointer* pointer, std::uint32_t serial) = 0;
  virtual void Key(SurfaceId focus, std::int16_t key, std::int16_t shift) = 0;
  virtual void Button(SurfaceId over, double x, double y, std::int16_t button,
                      std::int16_t shift) = 0;
  virtual void Motion(SurfaceId over, double x, double y, std::int16_t buttons,
                      std::int16_t shift) = 0;

 protected:
  ~InputSink() = default;
};

// The buttons held and the modifiers in force, as the handlers count them.
class HeldKeys {
 public:
  // A button's bit (layout/input_bits.h); 0 for a button the handlers have no name for.
  static std::int16_t ButtonBit(std::uint32_t button);
  // The button's bit, after taking its press or release into account.
  std::int16_t Press(std::uint32_t button, bool pressed);
  // The keyboard's modifiers (XKB's depressed and latched masks of the usual keymaps).
  void SetModifiers(std::uint32_t depressed, std::uint32_t latched);
  std::int16_t Buttons() const { return buttons_; }
  std::int16_t Shift() const { return shift_; }

 private:
  std::int16_t buttons_ = 0;
  std::int16_t shift_ = 0;
};

class Seat {
 public:
  Seat(wl_seat* seat, std::uint32_t name, InputSink& sink);
  ~Seat();
  Seat(const Seat&) = delete;
  Seat& operator=(const Seat&) = delete;

  std::uint32_t Name() const { return name_; }
  // Hides the cursor over the surface the pointer is over now.
  void HideCursor();

  // For the listeners.
  void SetCapabilities(std::uint32_t caps);
  void PointerEnter(std::uint32_t serial, wl_surface* surface, double x, double y);
  void PointerLeave() { over_ = 0; }
  void PointerMotion(double x, double y);
  void PointerButton(std::uint32_t button, bool pressed);
  void Wheel();
  void KeyboardEnter(wl_surface* surface) { focus_ = LayerSurface::IdOf(surface); }
  void KeyboardLeave() { focus_ = 0; }
  void KeyPress(std::uint32_t key);
  void SetModifiers(std::uint32_t depressed, std::uint32_t latched) {
    held_.SetModifiers(depressed, latched);
  }

 private:
  wl_seat* seat_;
  std::uint32_t name_;
  InputSink& sink_;
  wl_pointer* pointer_ = nullptr;
  wl_keyboard* keyboard_ = nullptr;
  SurfaceId over_ = 0;
  std::uint32_t enter_serial_ = 0;
  SurfaceId focus_ = 0;
  double x_ = 0, y_ = 0;
  HeldKeys held_;
};

}  // namespace corvanta::wayland
