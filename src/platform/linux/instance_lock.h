#pragma once
// "Is another instance of this program running?" for one user: an exclusive lock on a file in
// the user's runtime folder. The kernel drops the lock when its process ends, however it ends,
// so a crashed instance never blocks the next.
// Implements: the single-instance check of every Linux backend, on flock(2).

#include <optional>

namespace corvanta::linux_services {

class InstanceLock {
 public:
  // Takes the lock if no one holds it; the lock is then held for the life of the process.
  InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when another process held the lock at start.
  bool AnotherInstance() const { return another_; }

 private:
  bool another_ = false;
};

// The lock taken at the first question, not before: a run that never asks (a display mode)
// never holds it, and so never blocks the show nor is blocked by it.
class OnDemandInstanceLock {
 public:
  bool AnotherInstance() const {
    if (!lock_) lock_.emplace();
    return lock_->AnotherInstance();
  }

 private:
  mutable std::optional<InstanceLock> lock_;
};

}  // namespace corvanta::linux_services
