#include "platform/linux/idle/at_login.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/linux/atomic_file.h"
#include "platform/linux/idle/watch_program.h"
#include "platform/linux/instance_lock.h"

namespace corvanta::idle {
namespace {

// The program's path as one argument of an Exec key: quoted when it holds anything but the
// plain characters of a path, with the escapes the desktop entry format asks for (a quoted
// argument's own backslash escapes, then the string value's doubling of each backslash).
std::string ExecArgument(const std::string& path) {
  if (path.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789/._+-") ==
      std::string::npos) {
    return path;
  }
  std::string quoted = "\"";
  for (const char c : path) {
    if (c == '\\') {
      quoted += "\\\\\\\\";
      continue;
    }
    if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
    if (c == '%') quoted += '%';
    quoted += c;
  }
  return quoted + "\"";
}

// The process id the running watch left in its lock, when one runs; 0 when none does.
pid_t RunningWatch() {
  const std::string path = linux_services::InstanceLockPath(kWatchLockName);
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
  if (fd < 0) return 0;
  pid_t pid = 0;
  if (flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
    char text[32] = {};
    if (read(fd, text, sizeof text - 1) > 0) pid = static_cast<pid_t>(std::atoi(text));
  }
  close(fd);
  return pid;
}

// Starts the watch in a session of its own, so that the terminal it was turned on from may
// close; its lines still go where this program's stderr goes. A watch already running is
// ended first: the one asked for now may have another delay, or the desktop's may have changed.
void StartWatch(const std::string& program, std::optional<unsigned> seconds) {
  if (const pid_t running = RunningWatch(); running > 0) {
    kill(running, SIGTERM);
    // It lets go of its lock as it ends, within a moment; the new one needs the lock.
    for (int i = 0; i < 100 && RunningWatch() > 0; ++i) usleep(20000);
  }
  const pid_t child = fork();
  if (child != 0) return;
  setsid();
  const int null = open("/dev/null", O_RDWR);
  if (null >= 0) {
    dup2(null, STDIN_FILENO);
    dup2(null, STDOUT_FILENO);
  }
  const std::string delay = seconds ? std::to_string(*seconds) : "";
  execl(program.c_str(), program.c_str(), "--watch-idle", seconds ? delay.c_str() : nullptr,
        nullptr);
  _exit(127);
}

}  // namespace

std::string AutostartPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config && config[0] == '/') {
    folder = config;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    folder = std::string(home) + "/.config";
  }
  return folder.empty() ? "" : folder + "/autostart/corvanta-watch-idle.desktop";
}

std::string AutostartEntry(const std::string& program, std::optional<unsigned> seconds) {
  std::string entry =
      "[Desktop Entry]\n"
      "Type=Application\n"
      "Name=Corvanta Screen Saver idle watch\n"
      "Comment=Starts the pool-ball race when the desktop has been idle for a while\n"
      "TryExec=";
  // A program removed (the package uninstalled) leaves an entry the desktop then skips.
  for (const char c : program) {
    if (c == '\\') entry += '\\';
    entry += c;
  }
  entry += "\nExec=";
  entry += ExecArgument(program);
  entry += " --watch-idle";
  if (seconds) entry.append(" ").append(std::to_string(*seconds));
  entry +=
      "\nIcon=corvanta\n"
      "NoDisplay=true\n"
      "Terminal=false\n"
      "X-GNOME-Autostart-enabled=true\n";
  return entry;
}

int EnableAtLogin(std::optional<unsigned> seconds) {
  const std::string path = AutostartPath();
  const std::string program = ThisProgram();
  if (path.empty() || !linux_services::MakeFolders(path.substr(0, path.rfind('/'))) ||
      !linux_services::ReplaceFile(path, AutostartEntry(program, seconds))) {
    std::fprintf(stderr, "corvanta: cannot write %s\n", path.empty() ? "the autostart entry" : path.c_str());
    return 1;
  }
  StartWatch(program, seconds);
  std::printf("corvanta: the idle watch is on, now and at every login (%s)\n", path.c_str());
  return 0;
}

int DisableAtLogin() {
  const std::string path = AutostartPath();
  if (!path.empty() && unlink(path.c_str()) != 0 && errno != ENOENT) {
    std::fprintf(stderr, "corvanta: cannot remove %s: %s\n", path.c_str(), std::strerror(errno));
    return 1;
  }
  if (const pid_t pid = RunningWatch(); pid > 0) kill(pid, SIGTERM);
  std::printf("corvanta: the idle watch is off, and no longer starts at login\n");
  return 0;
}

}  // namespace corvanta::idle
