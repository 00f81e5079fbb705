#pragma once
// "Is another instance of this program running?" for one user: an exclusive lock on a file in
// the user's runtime folder. The kernel drops the lock when its process ends, however it ends,
// so a crashed instance never blocks the next.
// Implements: the single-instance check of every Linux backend, on flock(2).

#include <optional>
#include <string>
#include <string_view>

namespace corvanta::linux_services {

// Where the lock of the given name lies for this user.
std::string InstanceLockPath(std::string_view name);

class InstanceLock {
 public:
  // Takes the lock if no one holds it; the lock is then held for the life of the process.
  // name tells apart locks of different roles: the show's, the idle watch's.
  explicit InstanceLock(std::string_view name = "corvanta");
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when another process held the lock at start.
  bool AnotherInstance() const { return another_; }
  // The lock file's descriptor while this process holds it, else -1.
  int Descriptor() const { return fd_; }

 private:
  bool another_ = false;
  int fd_ = -1;
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
