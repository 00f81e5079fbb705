#include "platform/qt/qt_instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

namespace corvanta::qt {

InstanceLock::InstanceLock() {
  QByteArray dir = qgetenv("XDG_RUNTIME_DIR");
  if (dir.isEmpty() || !QFileInfo(QString::fromLocal8Bit(dir)).isDir()) dir = "/tmp";
  const QByteArray path = dir + "/corvanta-" + QByteArray::number(getuid()) + ".lock";
  // The descriptor stays open, and so the lock held, until the process ends.
  const int fd = open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  // A lock file we cannot open tells nothing about other instances: assume none.
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    another_ = true;
    close(fd);
  }
}

}  // namespace corvanta::qt
