#include "platform/linux/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace corvanta::linux_services {
namespace {

bool IsFolder(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t wrote = write(fd, text.data(), text.size());
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    text.remove_prefix(static_cast<std::size_t>(wrote));
  }
  return true;
}

// A name beside the target that no one else uses; the descriptor, or -1.
int CreateBeside(const std::string& target, mode_t mode, std::string* name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    *name = target + ".new-" + std::to_string(getpid()) + '-' + std::to_string(attempt);
    const int fd = open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

bool MakeFolders(const std::string& path) {
  if (path.empty() || IsFolder(path)) return !path.empty();
  const std::size_t slash = path.find_last_of('/');
  if (slash != std::string::npos && slash > 0 && !MakeFolders(path.substr(0, slash))) return false;
  return (mkdir(path.c_str(), 0777) == 0 || errno == EEXIST) && IsFolder(path);
}

bool ReplaceFile(const std::string& path, std::string_view text) {
  std::string target = path;
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved)) target = resolved;
  struct stat st {};
  const bool exists = stat(target.c_str(), &st) == 0;
  if (exists && (!S_ISREG(st.st_mode) || access(target.c_str(), W_OK) != 0)) return false;

  std::string temporary;
  const int fd = CreateBeside(target, exists ? (st.st_mode & 07777) : 0666, &temporary);
  if (fd < 0) return false;
  // The umask may have taken bits the old file had.
  bool ok = !exists || fchmod(fd, st.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, text) && fsync(fd) == 0;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) unlink(temporary.c_str());
  return ok;
}

}  // namespace corvanta::linux_services
