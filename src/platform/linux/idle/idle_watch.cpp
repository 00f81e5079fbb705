#include "platform/linux/idle/idle_watch.h"

#include <glib-unix.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "platform/linux/idle/at_login.h"
#include "platform/linux/idle/gnome_idle_monitor.h"
#include "platform/linux/idle/gnome_inhibitors.h"
#include "platform/linux/idle/idle_delay.h"
#include "platform/linux/idle/show_child.h"
#include "platform/linux/idle/watch_program.h"
#include "platform/linux/idle/wayland_idle_sources.h"
#include "platform/linux/instance_lock.h"

namespace corvanta::idle {
namespace {

void Log(const std::string& line) { std::fprintf(stderr, "corvanta: %s\n", line.c_str()); }

class Watch {
 public:
  explicit Watch(const std::string& show_program)
      : loop_(g_main_loop_new(nullptr, FALSE)), show_(show_program, Ended()) {}
  ~Watch() {
    gnome_delay_.reset();
    inhibitors_.reset();
    source_.reset();
    if (bus_) g_object_unref(bus_);
    g_main_loop_unref(loop_);
  }

  // Finds the desktop's idle monitor and starts watching; false, said in one line, when
  // there is none.
  bool Begin(std::optional<unsigned> seconds) {
    const IdleEvents events{[this] { Idle(); }, [this](const std::string& why) { Lose(why); }};
    source_ = NewWaylandIdleSource(WaylandIdleConnection::Connect(), events);
    bus_ = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (bus_) {
      g_dbus_connection_set_exit_on_close(bus_, FALSE);
      g_signal_connect(bus_, "closed", G_CALLBACK(BusClosed), this);
    }
    bool gnome = false;
    if (!source_ && bus_ && GnomeIdleMonitorPresent(bus_)) {
      source_ = NewGnomeIdleMonitor(bus_, events);
      gnome = true;
    }
    if (!source_) {
      Log("no idle monitor here: the compositor offers neither ext-idle-notify-v1 nor "
          "org_kde_kwin_idle, and no GNOME idle monitor is on the session bus");
      return false;
    }
    if (bus_) {
      inhibitors_ = std::make_unique<GnomeInhibitors>(bus_, [this](bool on) { Inhibited(on); });
    }
    unsigned delay = seconds ? *seconds : kDefaultDelaySeconds;
    if (!seconds && gnome) {
      // The show keeps coming before GNOME blanks when the user changes when that is.
      gnome_delay_ = std::make_unique<GnomeIdleDelay>(
          [this](unsigned blank) { source_->SetDelay(DelayBeforeBlank(blank) * 1000); });
      delay = DelayBeforeBlank(gnome_delay_->Seconds());
    }
    std::string error;
    if (!source_->Start(delay * 1000, error)) {
      Log(std::string(source_->Name()) + ": " + error);
      return false;
    }
    g_unix_signal_add(SIGTERM, Stop, this);
    g_unix_signal_add(SIGINT, Stop, this);
    return true;
  }

  int Run() {
    g_main_loop_run(loop_);
    return rc_;
  }

 private:
  std::function<void(const std::string&)> Ended() {
    return [](const std::string& line) {
      if (!line.empty()) Log(line);
    };
  }

  void Idle() {
    if (show_.Running() || (inhibitors_ && inhibitors_->Inhibited())) return;
    std::string error;
    if (!show_.Start(error)) Log(error);
  }

  void Inhibited(bool on) {
    // The user may have been away all along: a whole delay from the inhibitor's end.
    if (!on && source_) source_->Restart();
  }

  void Lose(const std::string& why) {
    Log(why);
    rc_ = 1;
    g_main_loop_quit(loop_);
  }

  static void BusClosed(GDBusConnection*, gboolean, GError*, gpointer self) {
    static_cast<Watch*>(self)->Lose("the session bus has gone");
  }

  static gboolean Stop(gpointer data) {
    auto* self = static_cast<Watch*>(data);
    self->show_.Stop();
    g_main_loop_quit(self->loop_);
    return G_SOURCE_CONTINUE;
  }

  GMainLoop* loop_;
  ShowChild show_;
  GDBusConnection* bus_ = nullptr;
  std::unique_ptr<IdleSource> source_;
  std::unique_ptr<GnomeInhibitors> inhibitors_;
  std::unique_ptr<GnomeIdleDelay> gnome_delay_;
  int rc_ = 0;
};

}  // namespace

int RunIdleWatch(const WatchIdleRequest& request) {
  if (!request.error.empty()) {
    Log(request.error);
    return 2;
  }
  if (request.login == WatchIdleRequest::Login::kEnable) return EnableAtLogin(request.seconds);
  if (request.login == WatchIdleRequest::Login::kDisable) return DisableAtLogin();
  const std::string program = ThisProgram();
  ExecWatchProgram(program, request.seconds);
  return WatchUntilEnd(request.seconds, program);
}

int WatchUntilEnd(std::optional<unsigned> seconds, const std::string& show_program) {
  const linux_services::InstanceLock lock(kWatchLockName);
  if (lock.AnotherInstance()) {
    Log("the idle watch is already running");
    return 1;
  }
  // Found by --disable-at-login, which ends the running watch.
  if (lock.Descriptor() >= 0) {
    const std::string pid = std::to_string(getpid()) + "\n";
    if (ftruncate(lock.Descriptor(), 0) != 0 ||
        pwrite(lock.Descriptor(), pid.data(), pid.size(), 0) < 0) {
      // Not found by the switch then; the watch itself works all the same.
    }
  }
  Watch watch(show_program);
  if (!watch.Begin(seconds)) return 1;
  return watch.Run();
}

}  // namespace corvanta::idle
