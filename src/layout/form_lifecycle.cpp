#include "layout/form_lifecycle.h"

namespace corvanta {

FormLifecycle::FormLifecycle(WindowCount& windows, Native& native)
    : windows_(windows), native_(native) {
  windows_.Opened();
}

void FormLifecycle::Unload() {
  if (state_ != State::kLive) return;
  state_ = State::kUnloading;
  std::int16_t cancel = 0;
  if (events_ != nullptr) events_->Form_Unload(cancel);
  if (cancel != 0) {
    state_ = State::kLive;
    return;
  }
  state_ = State::kGone;
  native_.Destroy();
  windows_.Closed();
}

void FormLifecycle::Destroyed() {
  if (state_ == State::kGone) return;
  state_ = State::kGone;
  windows_.Closed();
}

}  // namespace corvanta
