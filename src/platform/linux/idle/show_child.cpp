#include "platform/linux/idle/show_child.h"

#include <csignal>
#include <cstring>

namespace corvanta::idle {

ShowChild::ShowChild(std::string program, std::function<void(const std::string&)> ended)
    : program_(std::move(program)), ended_(std::move(ended)) {}

ShowChild::~ShowChild() {
  if (watch_) g_source_remove(watch_);
}

bool ShowChild::Start(std::string& error) {
  char show[] = "/S";
  char* argv[] = {program_.data(), show, nullptr};
  GError* e = nullptr;
  GPid pid = 0;
  // Every descriptor but the standard three is closed in the child: the bus, the compositor
  // connection and the watch's lock stay the watch's.
  if (!g_spawn_async(nullptr, argv, nullptr, G_SPAWN_DO_NOT_REAP_CHILD, nullptr, nullptr, &pid,
                     &e)) {
    error = std::string("cannot start the show: ") + e->message;
    g_error_free(e);
    return false;
  }
  pid_ = pid;
  stopped_ = false;
  watch_ = g_child_watch_add(pid, Exited, this);
  return true;
}

void ShowChild::Stop() {
  if (pid_ <= 0) return;
  stopped_ = true;
  kill(pid_, SIGTERM);
}

void ShowChild::Exited(GPid pid, gint status, gpointer data) {
  auto* self = static_cast<ShowChild*>(data);
  g_spawn_close_pid(pid);
  self->pid_ = 0;
  self->watch_ = 0;
  std::string line;
  if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
    line = std::string("the show ended with exit code ").append(std::to_string(WEXITSTATUS(status)));
  } else if (WIFSIGNALED(status) && !(self->stopped_ && WTERMSIG(status) == SIGTERM)) {
    line = std::string("the show was killed by signal ") + sigabbrev_np(WTERMSIG(status));
  }
  self->ended_(line);
}

}  // namespace corvanta::idle
