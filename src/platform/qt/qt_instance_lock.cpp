#include "platform/qt/qt_instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

namespace corvanta::qt {
namespace {

// In a shared folder such as /tmp anyone may have put something at our path first: a symlink
// to make us create or open a file elsewhere, or a file of their own, held locked to keep our
// show from starting. Only a plain file of ours that no one else may write is a lock.
bool OursAlone(int fd) {
  struct stat st {};
  return fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() &&
         (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace

InstanceLock::InstanceLock() {
  QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
  if (dir.isEmpty() || !QFileInfo(QString::fromLocal8Bit(dir)).isDir()) dir = "/tmp";
  const QByteArray path = dir + "/corvanta-" + QByteArray::number(getuid()) + ".lock";
  // The descriptor stays open, and so the lock held, until the process ends. Nothing is ever
  // written to it. O_NONBLOCK: a planted FIFO or device must not hang the open.
  const int fd = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
                      0600);
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
  }
}

}  // namespace corvanta::qt
