#include "platform/wayland/wayland_seat.h"

#include <linux/input-event-codes.h>
#include <unistd.h>
#include <wayland-client.h>

#include "layout/input_bits.h"

namespace corvanta::wayland {
namespace {

Seat& Of(void* data) { return *static_cast<Seat*>(data); }

// The modifier bits of the usual XKB keymaps, which every compositor sends: Shift, Lock,
// Control, Mod1 (Alt).
constexpr std::uint32_t kXkbShift = 1u << 0, kXkbControl = 1u << 2, kXkbAlt = 1u << 3;

std::int16_t ButtonBit(std::uint32_t button) {
  switch (button) {
    case BTN_LEFT:
      return kLeftButton;
    case BTN_RIGHT:
      return kRightButton;
    case BTN_MIDDLE:
      return kMiddleButton;
    default:
      return 0;
  }
}

void OnCapabilities(void* data, wl_seat*, uint32_t caps) { Of(data).Capabilities(caps); }
void OnSeatName(void*, wl_seat*, const char*) {}
const wl_seat_listener kSeat = {&OnCapabilities, &OnSeatName};

void OnEnter(void* data, wl_pointer*, uint32_t serial, wl_surface* s, wl_fixed_t x, wl_fixed_t y) {
  Of(data).PointerEnter(serial, s, wl_fixed_to_double(x), wl_fixed_to_double(y));
}
void OnLeave(void* data, wl_pointer*, uint32_t, wl_surface* s) { Of(data).PointerLeave(s); }
void OnMotion(void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
  Of(data).PointerMotion(wl_fixed_to_double(x), wl_fixed_to_double(y));
}
void OnButton(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t button, uint32_t state) {
  Of(data).PointerButton(button, state == WL_POINTER_BUTTON_STATE_PRESSED);
}
void OnAxis(void* data, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) { Of(data).Wheel(); }
void OnFrame(void*, wl_pointer*) {}
void OnAxisSource(void*, wl_pointer*, uint32_t) {}
void OnAxisStop(void*, wl_pointer*, uint32_t, uint32_t) {}
void OnAxisDiscrete(void*, wl_pointer*, uint32_t, int32_t) {}
const wl_pointer_listener kPointer = {&OnEnter,        &OnLeave,       &OnMotion,     &OnButton,
                                      &OnAxis,         &OnFrame,       &OnAxisSource, &OnAxisStop,
                                      &OnAxisDiscrete, &OnAxisDiscrete};

void OnKeymap(void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t) { close(fd); }
// The keys held at enter are ignored on purpose: they were pressed before the show.
void OnKeyEnter(void* data, wl_keyboard*, uint32_t, wl_surface* s, wl_array*) {
  Of(data).KeyboardEnter(s);
}
void OnKeyLeave(void* data, wl_keyboard*, uint32_t, wl_surface*) { Of(data).KeyboardLeave(); }
void OnKey(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state) {
  if (state == WL_KEYBOARD_KEY_STATE_PRESSED) Of(data).KeyPress(key);
}
void OnModifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched, uint32_t,
                 uint32_t) {
  Of(data).Modifiers(depressed, latched);
}
void OnRepeat(void*, wl_keyboard*, int32_t, int32_t) {}
const wl_keyboard_listener kKeyboard = {&OnKeymap, &OnKeyEnter,  &OnKeyLeave,
                                        &OnKey,    &OnModifiers, &OnRepeat};

// release, the destructor that tells the compositor, came with version 3 of the seat.
template <typename Device>
void Drop(Device* device, void (*release)(Device*), void (*destroy)(Device*)) {
  (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(device)) >= 3 ? release : destroy)(device);
}
void Drop(wl_pointer* p) { Drop(p, &wl_pointer_release, &wl_pointer_destroy); }
void Drop(wl_keyboard* k) { Drop(k, &wl_keyboard_release, &wl_keyboard_destroy); }

void Listen(wl_pointer* p, void* seat) { wl_pointer_add_listener(p, &kPointer, seat); }
void Listen(wl_keyboard* k, void* seat) { wl_keyboard_add_listener(k, &kKeyboard, seat); }

// Takes the device when the seat gains it and drops it when the seat loses it; true on a loss.
template <typename Device>
bool Follow(bool has, Device*& device, Device* (*get)(wl_seat*), wl_seat* seat, void* data) {
  if (has && !device) {
    device = get(seat);
    Listen(device, data);
  } else if (!has && device) {
    Drop(device);
    device = nullptr;
    return true;
  }
  return false;
}

}  // namespace

Seat::Seat(wl_seat* seat, std::uint32_t name, InputSink& sink)
    : seat_(seat), name_(name), sink_(sink) {
  wl_seat_add_listener(seat_, &kSeat, this);
}

Seat::~Seat() {
  if (pointer_) Drop(pointer_);
  if (keyboard_) Drop(keyboard_);
}

void Seat::Capabilities(std::uint32_t caps) {
  if (Follow(caps & WL_SEAT_CAPABILITY_POINTER, pointer_, &wl_seat_get_pointer, seat_, this))
    over_ = nullptr;
  if (Follow(caps & WL_SEAT_CAPABILITY_KEYBOARD, keyboard_, &wl_seat_get_keyboard, seat_, this))
    focus_ = nullptr;
}

void Seat::Forget(wl_surface* surface) {
  if (over_ == surface) over_ = nullptr;
  if (focus_ == surface) focus_ = nullptr;
}

void Seat::PointerEnter(std::uint32_t serial, wl_surface* surface, double x, double y) {
  over_ = surface;
  enter_serial_ = serial;
  x_ = x, y_ = y;
  sink_.PointerEntered(pointer_, serial);
}

void Seat::HideCursor() {
  if (pointer_ && over_) wl_pointer_set_cursor(pointer_, enter_serial_, nullptr, 0, 0);
}

void Seat::PointerLeave(wl_surface* surface) {
  if (over_ == surface) over_ = nullptr;
}

void Seat::PointerMotion(double x, double y) {
  x_ = x, y_ = y;
  if (over_) sink_.Motion(over_, x, y, buttons_, shift_);
}

void Seat::PointerButton(std::uint32_t button, bool pressed) {
  const std::int16_t bit = ButtonBit(button);
  buttons_ = static_cast<std::int16_t>(pressed ? buttons_ | bit : buttons_ & ~bit);
  if (pressed && over_) sink_.Button(over_, x_, y_, bit, shift_);
}

// A wheel turn is a press of no button.
void Seat::Wheel() {
  if (over_) sink_.Button(over_, x_, y_, 0, shift_);
}

void Seat::KeyPress(std::uint32_t key) {
  if (focus_) sink_.Key(focus_, static_cast<std::int16_t>(key & 0x7FFF), shift_);
}

void Seat::Modifiers(std::uint32_t depressed, std::uint32_t latched) {
  const std::uint32_t m = depressed | latched;
  shift_ = static_cast<std::int16_t>((m & kXkbShift ? kShiftMask : 0) |
                                     (m & kXkbControl ? kCtrlMask : 0) |
                                     (m & kXkbAlt ? kAltMask : 0));
}

}  // namespace corvanta::wayland
