#include "layout/timer_grid.h"

#include <algorithm>

namespace corvanta {

TimerGrid::TimerGrid(std::initializer_list<int> intervals_ms) {
  for (const int ms : intervals_ms) intervals_.push_back(Micros{std::max(ms, 1)} * 1000);
  deadlines_.assign(intervals_.size(), 0);
}

void TimerGrid::Start(Micros now) {
  for (std::size_t i = 0; i < intervals_.size(); ++i) deadlines_[i] = now + intervals_[i];
  running_ = true;
}

void TimerGrid::Stop() { running_ = false; }

bool TimerGrid::Due(std::size_t i, Micros now, Micros limit) const {
  return running_ && deadlines_[i] <= now && deadlines_[i] <= limit;
}

std::optional<TimerGrid::Micros> TimerGrid::NextWake(Micros limit) const {
  if (!running_ || deadlines_.empty()) return std::nullopt;
  const Micros next = *std::min_element(deadlines_.begin(), deadlines_.end());
  if (next > limit) return std::nullopt;
  return next;
}

void TimerGrid::Advance(std::size_t i, Micros now) {
  const Micros step = intervals_[i];
  deadlines_[i] += step;
  if (deadlines_[i] <= now) deadlines_[i] += (now - deadlines_[i]) / step * step + step;
}

}  // namespace corvanta
