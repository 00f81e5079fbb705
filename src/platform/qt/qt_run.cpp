#include "platform/qt/qt_run.h"

#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/linux/stop_signals.h"
#include "platform/qt/qt_display_mode.h"
#include "platform/qt/qt_main_form.h"
#include "platform/qt/qt_server_loss.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_x11.h"
#include "show/main_form_entry.h"

namespace {

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

namespace corvanta::qt {

int Run(Platform platform, const std::string& command, const DisplayOptions& display) {
  const bool display_mode = display.action == DisplayOptions::Action::kRun;
  if (display_mode) linux_services::CatchStopSignals();
  // A user's own choice of Qt platform holds for the switches; a display mode is handed an X
  // window whatever the desktop asks Qt for.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || display_mode) {
    qputenv("QT_QPA_PLATFORM", platform == Platform::kWayland ? "wayland" : "xcb");
  }
  // Without an X server Qt aborts, dumping core after a page of advice. A screen saver that
  // cannot reach the screen just ends with exit code 1, as it does when the server goes away
  // during the show.
  const bool on_x = qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("xcb");
  xcb_connection_t* const probe = on_x ? ConnectProbe() : nullptr;
  if (on_x && !probe) {
    // Someone asked for a display mode by name, so they are told; the switches stay silent.
    if (display_mode) std::fputs("corvanta: cannot reach the X server\n", stderr);
    return 1;
  }
  // One pixel is one device pixel: the program scales by twips per pixel itself.
  if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  }
  NoBusLaunch();
  std::optional<LeaveOnServerLoss> leave;
  if (on_x) leave.emplace(probe);
  // Qt sees no argument of ours: "-display" or "-reverse" mean nothing to a screen saver.
  int qt_argc = 1;
  char program[] = "corvanta";
  char* qt_argv[] = {program, nullptr};
  QApplication app(qt_argc, qt_argv);
  QApplication::setQuitOnLastWindowClosed(false);
  const ServerLossWatch watch(x11::Connection());
  if (display_mode) return RunDisplayMode(display);

  QtToolkit kit(command);
  const Picture sheet = DecodeBmp(SpriteSheetFile());
  QtMainForm form(kit, sheet);
  const auto main_form = NewMainForm(kit, form.Controls());
  form.Bind(*main_form);
  form.Deliver([](MainFormEvents& events) { events.Form_Load(); });
  if (kit.Windows().Left() == 0) return 0;
  return QApplication::exec();
}

}  // namespace corvanta::qt
