#pragma once
// The show as a child process: this very program started again with "/S", so that the watch
// itself never loads a toolkit or makes a window, and the show's memory goes when it ends.
// Implements: starting, ending and reaping the child on the GLib main loop.

#include <glib.h>
#include <sys/types.h>

#include <functional>
#include <string>

namespace corvanta::idle {

class ShowChild {
 public:
  // program: the path to start; ended is told, from the loop, how the show ended: a line for
  // the log, empty when it ended well.
  ShowChild(std::string program, std::function<void(const std::string&)> ended);
  ~ShowChild();
  ShowChild(const ShowChild&) = delete;
  ShowChild& operator=(const ShowChild&) = delete;

  // Starts the show; false, with one line in error, when it cannot be started at all.
  bool Start(std::string& error);
  bool Running() const { return pid_ > 0; }
  // Asks a running show to end (SIGTERM), as an idle daemon does.
  void Stop();

 private:
  static void Exited(GPid pid, gint status, gpointer self);

  std::string program_;
  std::function<void(const std::string&)> ended_;
  pid_t pid_ = 0;
  unsigned watch_ = 0;
  bool stopped_ = false;
};

}  // namespace corvanta::idle
