// The Linux program: reads its command line once, learns once what the desktop offers, and
// hands the run to the backend the choice table names. Each backend built in has its row
// below; one left out of the build refuses in one line.

#include <cstdio>
#include <string>
#include <vector>

#include "platform/linux/backend_choice.h"
#include "platform/linux/display_options.h"
#include "platform/linux/display_sockets.h"
#if CORVANTA_HAVE_IDLE
#include "platform/linux/idle/idle_watch.h"
#endif
#if CORVANTA_HAVE_QT
#include "platform/qt/qt_run.h"
#endif
#if CORVANTA_HAVE_WAYLAND
#include "platform/wayland/wayland_entry.h"
#endif

namespace {

using corvanta::DisplayOptions;
using corvanta::linux_services::Backend;

// The argument text as a shell hands it over: the arguments after the program's name, each
// separated by one blank.
std::string ArgumentText(const std::vector<std::string>& args) {
  std::string text;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (i > 0) text += ' ';
    text += args[i];
  }
  return text;
}

// What one start is made of, for whichever backend takes it.
struct Start {
  std::string command;
  DisplayOptions display;
#if CORVANTA_HAVE_WAYLAND
  corvanta::wayland::ConnectionPtr wayland;
#endif
};

corvanta::linux_services::Session ProbeSession(Start& start) {
  corvanta::linux_services::Session session;
  session.x = corvanta::linux_services::XServerAnswers();
  if (!corvanta::linux_services::WaylandCompositorAnswers()) return session;
#if CORVANTA_HAVE_WAYLAND
  start.wayland = corvanta::wayland::Connect();
  session.wayland = start.wayland != nullptr;
  if (session.wayland) {
    session.wayland_lacks = corvanta::wayland::LayerShellLacks(*start.wayland);
    session.layer_shell = session.wayland_lacks.empty();
    session.full_screen_windows =
        !session.layer_shell && corvanta::wayland::OffersFullScreenWindows(*start.wayland);
  }
#else
  // Without the backend there is no layer shell of ours to use, but the dialog still opens
  // through Qt's own Wayland platform.
  (void)start;
  session.wayland = true;
  session.wayland_lacks = "layer shell support in this build";
#endif
  return session;
}

struct BackendRun {
  Backend backend;
  int (*run)(Start& start);
};

constexpr BackendRun kRuns[] = {
#if CORVANTA_HAVE_WAYLAND
    {Backend::kWaylandShow,
     [](Start& s) { return corvanta::wayland::RunShow(std::move(s.wayland), s.command); }},
    {Backend::kWaylandBackdrop,
     [](Start& s) { return corvanta::wayland::RunBackdrop(std::move(s.wayland), s.display.speed); }},
#endif
#if CORVANTA_HAVE_QT
    {Backend::kQtOnX,
     [](Start& s) { return corvanta::qt::Run(corvanta::qt::Platform::kX, s.command, s.display); }},
    {Backend::kQtOnWayland,
     [](Start& s) {
       return corvanta::qt::Run(corvanta::qt::Platform::kWayland, s.command, s.display);
     }},
#endif
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
#if CORVANTA_HAVE_IDLE
  // The idle watch stays small: it connects to no display of its own beyond the idle
  // protocols, makes no toolkit, and starts the show as a child.
  if (const auto watch = corvanta::idle::ParseWatchIdle(args)) {
    return corvanta::idle::RunIdleWatch(*watch);
  }
#endif
  Start start;
  start.command = ArgumentText(args);
  start.display = corvanta::ParseDisplayOptions(args, corvanta::SaverWindowFromEnvironment());
  switch (start.display.action) {
    case DisplayOptions::Action::kHelp:
      std::fputs(corvanta::DisplayUsage().c_str(), stdout);
      return 0;
    case DisplayOptions::Action::kVersion:
      std::puts(corvanta::VersionLine().c_str());
      return 0;
    case DisplayOptions::Action::kError:
      std::fprintf(stderr, "corvanta: %s\n", start.display.error.c_str());
      return 2;
    case DisplayOptions::Action::kNotDisplayMode:
    case DisplayOptions::Action::kRun:
      break;
  }
  const corvanta::linux_services::Session session = ProbeSession(start);
  const corvanta::linux_services::Choice choice = corvanta::linux_services::PickBackend(
      corvanta::linux_services::RequestOf(start.display, start.command), session);
#if CORVANTA_HAVE_WAYLAND
  // A backend of another window system connects on its own; ours goes first.
  if (choice.backend != Backend::kWaylandShow && choice.backend != Backend::kWaylandBackdrop) {
    start.wayland.reset();
  }
#endif
  for (const BackendRun& run : kRuns) {
    if (run.backend == choice.backend) return run.run(start);
  }
  if (choice.backend != Backend::kEnd) {
    std::fputs("corvanta: this build has no backend for this desktop\n", stderr);
    return 1;
  }
  if (!choice.line.empty()) std::fprintf(stderr, "corvanta: %s\n", choice.line.c_str());
  return choice.exit_code;
}
