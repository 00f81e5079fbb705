#include "platform/wayland/wayland_seat.h"

#include <linux/input-event-codes.h>
#include <unistd.h>
#include <wayland-client.h>

#include "layout/input_bits.h"

namespace corvanta::wayland {
namespace {

Seat& SeatFrom(void* data) { return *static_cast<Seat*>(data); }

// The modifier bits of the usual XKB keymaps, which every compositor sends: Shift, Lock,
// Control, Mod1 (Alt).
constexpr std::uint32_t kXkbShift = 1u << 0, kXkbControl = 1u << 2, kXkbAlt = 1u << 3;

void ReportCapabilities(void* data, wl_seat*, uint32_t caps) {
  SeatFrom(data).SetCapabilities(caps);
}
void ReportSeatName(void*, wl_seat*, const char*) {}
constexpr wl_seat_listener kSeatListener = {.capabilities = ReportCapabilities,
                                            .name = ReportSeatName};

void EnterPointer(void* data, wl_pointer*, uint32_t serial, wl_surface* surface, wl_fixed_t x,
                  wl_fixed_t y) {
  SeatFrom(data).PointerEnter(serial, surface, wl_fixed_to_double(x), wl_fixed_to_double(y));
}
void LeavePointer(void* data, wl_pointer*, uint32_t, wl_surface*) { SeatFrom(data).PointerLeave(); }
void MovePointer(void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
  SeatFrom(data).PointerMotion(wl_fixed_to_double(x), wl_fixed_to_double(y));
}
void PressButton(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t button, uint32_t state) {
  SeatFrom(data).PointerButton(button, state == WL_POINTER_BUTTON_STATE_PRESSED);
}
void TurnWheel(void* data, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) { SeatFrom(data).Wheel(); }
void EndPointerFrame(void*, wl_pointer*) {}
void ReportAxisSource(void*, wl_pointer*, uint32_t) {}
void StopAxis(void*, wl_pointer*, uint32_t, uint32_t) {}
void StepAxis(void*, wl_pointer*, uint32_t, int32_t) {}
void StepAxis120(void*, wl_pointer*, uint32_t, int32_t) {}
constexpr wl_pointer_listener kPointerListener = {.enter = EnterPointer,
                                                  .leave = LeavePointer,
                                                  .motion = MovePointer,
                                                  .button = PressButton,
                                                  .axis = TurnWheel,
                                                  .frame = EndPointerFrame,
                                                  .axis_source = ReportAxisSource,
                                                  .axis_stop = StopAxis,
                                                  .axis_discrete = StepAxis,
                                                  .axis_value120 = StepAxis120};

void TakeKeymap(void*, wl_keyboard*, uint32_t, int32_t fd, uint32_t) { close(fd); }
// The keys held at enter are ignored on purpose: they were pressed before the show.
void EnterKeyboard(void* data, wl_keyboard*, uint32_t, wl_surface* surface, wl_array*) {
  SeatFrom(data).KeyboardEnter(surface);
}
void LeaveKeyboard(void* data, wl_keyboard*, uint32_t, wl_surface*) {
  SeatFrom(data).KeyboardLeave();
}
void PressKey(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state) {
  if (state == WL_KEYBOARD_KEY_STATE_PRESSED) SeatFrom(data).KeyPress(key);
}
void ChangeModifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched,
                     uint32_t, uint32_t) {
  SeatFrom(data).SetModifiers(depressed, latched);
}
void ReportRepeat(void*, wl_keyboard*, int32_t, int32_t) {}
constexpr wl_keyboard_listener kKeyboardListener = {.keymap = TakeKeymap,
                                                    .enter = EnterKeyboard,
                                                    .leave = LeaveKeyboard,
                                                    .key = PressKey,
                                                    .modifiers = ChangeModifiers,
                                                    .repeat_info = ReportRepeat};

// release, the destructor that tells the compositor, came with version 3 of the seat.
template <typename Device>
void Drop(Device* device, void (*release)(Device*), void (*destroy)(Device*)) {
  (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(device)) >= 3 ? release : destroy)(device);
}
void Drop(wl_pointer* p) { Drop(p, &wl_pointer_release, &wl_pointer_destroy); }
void Drop(wl_keyboard* k) { Drop(k, &wl_keyboard_release, &wl_keyboard_destroy); }

void Listen(wl_pointer* p, void* seat) { wl_pointer_add_listener(p, &kPointerListener, seat); }
void Listen(wl_keyboard* k, void* seat) { wl_keyboard_add_listener(k, &kKeyboardListener, seat); }

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

std::int16_t HeldKeys::ButtonBit(std::uint32_t button) {
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

std::int16_t HeldKeys::Press(std::uint32_t button, bool pressed) {
  const std::int16_t bit = ButtonBit(button);
  buttons_ = static_cast<std::int16_t>(pressed ? buttons_ | bit : buttons_ & ~bit);
  return bit;
}

void HeldKeys::SetModifiers(std::uint32_t depressed, std::uint32_t latched) {
  const std::uint32_t m = depressed | latched;
  shift_ =
      static_cast<std::int16_t>((m & kXkbShift ? kShiftMask : 0) |
                                (m & kXkbControl ? kCtrlMask : 0) | (m & kXkbAlt ? kAltMask : 0));
}

Seat::Seat(wl_seat* seat, std::uint32_t name, InputSink& sink)
    : seat_(seat), name_(name), sink_(sink) {
  wl_seat_add_listener(seat_, &kSeatListener, this);
}

Seat::~Seat() {
  if (pointer_) Drop(pointer_);
  if (keyboard_) Drop(keyboard_);
  if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(seat_)) >= WL_SEAT_RELEASE_SINCE_VERSION) {
    wl_seat_release(seat_);
  } else {
    wl_seat_destroy(seat_);
  }
}

void Seat::SetCapabilities(std::uint32_t caps) {
  if (Follow(caps & WL_SEAT_CAPABILITY_POINTER, pointer_, &wl_seat_get_pointer, seat_, this))
    over_ = 0;
  if (Follow(caps & WL_SEAT_CAPABILITY_KEYBOARD, keyboard_, &wl_seat_get_keyboard, seat_, this))
    focus_ = 0;
}

void Seat::PointerEnter(std::uint32_t serial, wl_surface* surface, double x, double y) {
  over_ = LayerSurface::IdOf(surface);
  enter_serial_ = serial;
  x_ = x, y_ = y;
  sink_.PointerEntered(pointer_, serial);
}

void Seat::HideCursor() {
  if (pointer_ && over_) wl_pointer_set_cursor(pointer_, enter_serial_, nullptr, 0, 0);
}

void Seat::PointerMotion(double x, double y) {
  x_ = x, y_ = y;
  if (over_) sink_.Motion(over_, x, y, held_.Buttons(), held_.Shift());
}

void Seat::PointerButton(std::uint32_t button, bool pressed) {
  const std::int16_t bit = held_.Press(button, pressed);
  if (pressed && over_) sink_.Button(over_, x_, y_, bit, held_.Shift());
}

// A wheel turn is a press of no button.
void Seat::Wheel() {
  if (over_) sink_.Button(over_, x_, y_, 0, held_.Shift());
}

void Seat::KeyPress(std::uint32_t key) {
  if (focus_) sink_.Key(focus_, static_cast<std::int16_t>(key & 0x7FFF), held_.Shift());
}

}  // namespace corvanta::wayland
