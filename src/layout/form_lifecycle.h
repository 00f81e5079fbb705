#pragma once
// What every backend does around the show window's handlers, written once: events reach the
// handlers one at a time and only while the window lives, each is followed by showing what it
// drew, an unload runs the unload handler and honours its Cancel, and the program ends when no
// window is left.

#include <cstdint>
#include <functional>
#include <utility>

#include "layout/forms.h"

namespace corvanta {

// The windows alive. The program ends when the last one goes.
class WindowCount {
 public:
  explicit WindowCount(std::function<void()> end_program) : end_(std::move(end_program)) {}
  void Opened() { ++left_; }
  void Closed() {
    if (left_ > 0 && --left_ == 0) end_();
  }
  int Left() const { return left_; }

 private:
  std::function<void()> end_;
  int left_ = 0;
};

class FormLifecycle {
 public:
  // The backend's part: the two things only the native window can do.
  class Native {
   public:
    // Brings the screen up to date with what the handler drew.
    virtual void Present() = 0;
    // Destroys the window with its controls and timers.
    virtual void Destroy() = 0;

   protected:
    ~Native() = default;
  };

  // The window counts as open from here on.
  FormLifecycle(WindowCount& windows, Native& native);
  FormLifecycle(const FormLifecycle&) = delete;
  FormLifecycle& operator=(const FormLifecycle&) = delete;

  void Bind(MainFormEvents& events) { events_ = &events; }

  // Handlers run only on a bound window that is neither gone nor unloading.
  bool Live() const { return events_ != nullptr && state_ == State::kLive; }
  bool Gone() const { return state_ == State::kGone; }

  template <typename Handler>
  void Deliver(Handler&& handler) {
    if (!Live()) return;
    handler(*events_);
    if (state_ == State::kLive) native_.Present();
  }

  // Runs Form_Unload; unless it cancels, destroys the window and counts it gone.
  void Unload();
  // The window was destroyed from outside (its host went away): no handler runs any more.
  void Destroyed();

 private:
  enum class State { kLive, kUnloading, kGone };

  WindowCount& windows_;
  Native& native_;
  MainFormEvents* events_ = nullptr;
  State state_ = State::kLive;
};

}  // namespace corvanta
