#pragma once
// One seat's pointer and keyboard, reduced to what ends a show: key presses, button presses,
// wheel turns and pointer motion, each with the surface it happened over. Keys already held
// when the keyboard arrives are not presses, and a pointer entering a surface has not moved.

#include <cstdint>

struct wl_keyboard;
struct wl_pointer;
struct wl_seat;
struct wl_surface;

namespace corvanta::wayland {

class InputSink {
 public:
  // Positions are surface-local, in logical units. Shift and Button as the handlers take them:
  // bit 1 Shift or left, 2 Ctrl or right, 4 Alt or middle.
  virtual void PointerEntered(wl_pointer* pointer, std::uint32_t serial) = 0;
  virtual void Key(wl_surface* focus, std::int16_t key, std::int16_t shift) = 0;
  virtual void Button(wl_surface* over, double x, double y, std::int16_t button,
                      std::int16_t shift) = 0;
  virtual void Motion(wl_surface* over, double x, double y, std::int16_t buttons,
                      std::int16_t shift) = 0;

 protected:
  ~InputSink() = default;
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
  // A surface that goes is no longer under the pointer or focused.
  void Forget(wl_surface* surface);

  // For the listeners.
  void Capabilities(std::uint32_t caps);
  void PointerEnter(std::uint32_t serial, wl_surface* surface, double x, double y);
  void PointerLeave(wl_surface* surface);
  void PointerMotion(double x, double y);
  void PointerButton(std::uint32_t button, bool pressed);
  void Wheel();
  void KeyboardEnter(wl_surface* surface) { focus_ = surface; }
  void KeyboardLeave() { focus_ = nullptr; }
  void KeyPress(std::uint32_t key);
  void Modifiers(std::uint32_t depressed, std::uint32_t latched);

 private:
  wl_seat* seat_;
  std::uint32_t name_;
  InputSink& sink_;
  wl_pointer* pointer_ = nullptr;
  wl_keyboard* keyboard_ = nullptr;
  wl_surface* over_ = nullptr;
  std::uint32_t enter_serial_ = 0;
  wl_surface* focus_ = nullptr;
  double x_ = 0, y_ = 0;
  std::int16_t buttons_ = 0;
  std::int16_t shift_ = 0;
};

}  // namespace corvanta::wayland
