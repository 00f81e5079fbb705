#include "platform/wayland/wayland_frame_pacer.h"

#include <algorithm>
#include <limits>

namespace corvanta::wayland {

FramePacer::FramePacer(std::initializer_list<int> intervals_ms) {
  for (const int ms : intervals_ms) intervals_.push_back(Micros{std::max(ms, 1)} * 1000);
  deadlines_.assign(intervals_.size(), 0);
}

void FramePacer::Start(Micros now) {
  for (std::size_t i = 0; i < intervals_.size(); ++i) deadlines_[i] = now + intervals_[i];
  running_ = true;
}

void FramePacer::Stop() { running_ = false; }

FramePacer::Micros FramePacer::Limit() const {
  return awaiting_ ? committed_at_ + kStall : std::numeric_limits<Micros>::max();
}

bool FramePacer::Due(std::size_t i, Micros now) const {
  return running_ && deadlines_[i] <= now && deadlines_[i] <= Limit();
}

std::optional<FramePacer::Micros> FramePacer::NextWake() const {
  if (!running_ || deadlines_.empty()) return std::nullopt;
  const Micros next = *std::min_element(deadlines_.begin(), deadlines_.end());
  if (next > Limit()) return std::nullopt;
  return next;
}

void FramePacer::Advance(std::size_t i, Micros now) {
  const Micros step = intervals_[i];
  deadlines_[i] += step;
  if (deadlines_[i] <= now) deadlines_[i] += (now - deadlines_[i]) / step * step + step;
}

void FramePacer::Committed(Micros now) {
  dirty_ = false;
  awaiting_ = true;
  committed_at_ = now;
}

}  // namespace corvanta::wayland
