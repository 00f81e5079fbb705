#pragma once
// "Is another instance of this program running?" for one user: an exclusive lock on a file in
// the user's runtime folder. The kernel drops the lock when its process ends, however it ends,
// so a crashed instance never blocks the next.
// Implements: the single-instance check of every Linux backend, on flock(2).

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

}  // namespace corvanta::linux_services
