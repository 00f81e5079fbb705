#pragma once
// The controls a window is built with, as the program's code sees them. A backend implements
// each for its toolkit; the fake under tests/ implements them in memory.

#include <cstdint>
#include <string_view>

#include "layout/basic_types.h"
#include "layout/picture_box.h"

namespace corvanta {

class Window {
 public:
  virtual ~Window() = default;
  virtual void SetCaption(std::string_view text) = 0;
  virtual Hwnd hWnd() const = 0;
  virtual void SetMaximized() = 0;
  virtual void Move(Twips left, Twips top, Twips width, Twips height) = 0;
  virtual void Show() = 0;
  // An immediate repaint of the window from the persistent images of its picture boxes.
  virtual void Refresh() = 0;
  // Runs the window's unload handler, then destroys the window, its controls and timers.
  // The program ends when no window is left. The caller touches nothing of the window after.
  virtual void Unload() = 0;
};

class Label {
 public:
  virtual ~Label() = default;
  virtual void SetCaption(std::string_view text) = 0;
  virtual void SetLeft(Twips left) = 0;
  virtual void SetTop(Twips top) = 0;
  virtual void SetVisible(bool visible) = 0;
};

class Timer {
 public:
  virtual ~Timer() = default;
  virtual std::int32_t Interval() const = 0;  // milliseconds
};

// A timer that is only its interval, for a backend that drives the ticks itself (a frame
// pacer, the window's own timer messages) and keeps nothing else per timer.
class FixedTimer final : public Timer {
 public:
  explicit FixedTimer(std::int32_t interval_ms) : interval_ms_(interval_ms) {}
  std::int32_t Interval() const override { return interval_ms_; }

 private:
  std::int32_t interval_ms_;
};

class ComboBox {
 public:
  virtual ~ComboBox() = default;
  virtual std::int16_t ListIndex() const = 0;  // -1 when nothing is selected
  virtual void SetListIndex(std::int16_t index) = 0;
};

}  // namespace corvanta
