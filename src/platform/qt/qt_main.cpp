// The Linux program: builds frmMain on Qt, runs its load handler, then the event loop.

#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/linux/idle/idle_watch.h"
#include "platform/linux/stop_signals.h"
#include "platform/qt/qt_display_mode.h"
#include "platform/qt/qt_main_form.h"
#include "platform/qt/qt_platform_choice.h"
#include "platform/qt/qt_server_loss.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_x11.h"
#include "show/display_options.h"
#include "show/main_form_entry.h"
#ifdef CORVANTA_WAYLAND
#include "platform/wayland/wayland_root.h"
#include "platform/wayland/wayland_show.h"
#endif

namespace {

// The argument text as a shell hands it over: the arguments after the program's name, each
// separated by one blank.
std::string ArgumentText(int argc, char** argv) {
  std::string text;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) text += ' ';
    text += argv[i];
  }
  return text;
}

// Qt's accessibility bridge asks the session bus at start-up and waits for the answer. With no
// bus to find, the D-Bus library would run dbus-launch to start one for the display: a screen
// saver has no business starting session daemons, and the attempt held up the first frame by
// 60 ms. An address of no known kind makes the library give up at once.
void NoBusLaunch() {
  if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) return;
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && access((runtime + "/bus").constData(), F_OK) == 0) return;
  qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

}  // namespace

int main(int argc, char** argv) {
  // The idle watch stays small: it never makes Qt, and starts the show as a child.
  if (const auto watch =
          corvanta::idle::ParseWatchIdle(std::vector<std::string>(argv + 1, argv + argc))) {
    return corvanta::idle::RunIdleWatch(*watch);
  }
  const std::string command = ArgumentText(argc, argv);
  using Action = corvanta::DisplayOptions::Action;
  const corvanta::DisplayOptions display =
      corvanta::ParseDisplayOptions(std::vector<std::string>(argv + 1, argv + argc),
                                    corvanta::qt::SaverWindowFromEnvironment());
  switch (display.action) {
    case Action::kHelp:
      std::fputs(corvanta::DisplayUsage().c_str(), stdout);
      return 0;
    case Action::kVersion:
      std::puts(corvanta::VersionLine().c_str());
      return 0;
    case Action::kError:
      std::fprintf(stderr, "corvanta: %s\n", display.error.c_str());
      return 2;
    default:
      break;
  }
#ifdef CORVANTA_WAYLAND
  // The show goes to a Wayland desktop's layer shell when there is one, before Qt is made.
  if (display.action == Action::kNotDisplayMode) {
    if (const auto rc = corvanta::wayland::ShowOnWayland(command)) return *rc;
  }
  // So does "--root" with no host window: a backdrop on every output.
  if (const auto rc = corvanta::wayland::RootOnWayland(display)) return *rc;
#endif
  if (display.action == Action::kRun) corvanta::linux_services::CatchStopSignals();
  // Window ids from a screen-saver host are X ids, so X it is, under Wayland too (XWayland).
  // A display mode is handed an X window whatever platform the desktop asks Qt for. The
  // settings dialog is the one window of ours a Wayland compositor shows natively.
  const std::optional<std::string> platform = corvanta::qt::QtPlatformFor(
      display.action == Action::kRun, command, corvanta::qt::CurrentSession());
  if (!platform) return 0;
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || display.action == Action::kRun) {
    qputenv("QT_QPA_PLATFORM", platform->c_str());
  }
  // Without an X server Qt aborts, dumping core after a page of advice. A screen saver that
  // cannot reach the screen just ends with exit code 1, as it does when the server goes away
  // during the show.
  const bool on_x = qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("xcb");
  xcb_connection_t* const probe = on_x ? corvanta::qt::ConnectProbe() : nullptr;
  if (on_x && !probe) {
    // Someone asked for a display mode by name, so they are told; the switches stay silent.
    if (display.action == Action::kRun) std::fputs("corvanta: cannot reach the X server\n", stderr);
    return 1;
  }
  // One pixel is one device pixel: the program scales by twips per pixel itself.
  if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  }
  NoBusLaunch();
  std::optional<corvanta::qt::LeaveOnServerLoss> leave;
  if (on_x) leave.emplace(probe);
  // Qt sees no argument of ours: "-display" or "-reverse" mean nothing to a screen saver.
  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  QApplication app(qt_argc, qt_argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const corvanta::qt::ServerLossWatch watch(corvanta::qt::x11::Connection());
  if (display.action == Action::kRun) return corvanta::qt::RunDisplayMode(display);

  corvanta::qt::QtToolkit kit(command);
  const corvanta::Picture sheet = corvanta::DecodeBmp(corvanta::SpriteSheetFile());
  corvanta::qt::QtMainForm form(kit, sheet);
  const auto main_form = corvanta::NewMainForm(kit, form.Controls());
  form.Bind(*main_form);
  form.Deliver([](corvanta::MainFormEvents& events) { events.Form_Load(); });
  if (kit.Windows().Left() == 0) return 0;
  return QApplication::exec();
}
