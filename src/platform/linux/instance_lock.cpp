#include "platform/linux/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace corvanta::linux_services {
namespace {

// In a shared folder such as /tmp anyone may have put something at our path first: a symlink
// to make us create or open a file elsewhere, or a file of their own, held locked to keep our
// show from starting. Only a plain file of ours that no one else may write is a lock.
bool OursAlone(int fd) {
  struct stat st {};
  return fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() &&
         (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

std::string RuntimeDir() {
  const char* dir = std::getenv("XDG_RUNTIME_DIR");
  struct stat st {};
  if (dir && *dir && stat(dir, &st) == 0 && S_ISDIR(st.st_mode)) return dir;
  return "/tmp";
}

}  // namespace

std::string InstanceLockPath(std::string_view name) {
  return RuntimeDir() + "/" + std::string(name) + "-" + std::to_string(getuid()) + ".lock";
}

InstanceLock::InstanceLock(std::string_view name) {
  const std::string path = InstanceLockPath(name);
  // The descriptor stays open, and so the lock held, until the process ends. Nothing is ever
  // written to it but by a holder that wants to be found (the idle watch writes its process
  // id). O_NONBLOCK: a planted FIFO or device must not hang the open.
  const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  // A lock file we cannot open, or must not trust, tells nothing about other instances:
  // assume none.
  if (fd < 0) return;
  if (!OursAlone(fd)) {
    close(fd);
    return;
  }
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    another_ = true;
    close(fd);
    return;
  }
  fd_ = fd;
}

}  // namespace corvanta::linux_services
