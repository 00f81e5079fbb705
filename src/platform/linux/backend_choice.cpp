#include "platform/linux/backend_choice.h"

#include "show/saver_switch.h"

namespace corvanta::linux_services {
namespace {

enum class When { kLayerShell, kFullScreenWindows, kX, kWayland, kAlways };

enum class Line { kNone, kNoLayerShell, kNoXServer };

struct Row {
  Request request;
  When when;
  Backend backend;
  int exit_code = 0;
  Line line = Line::kNone;
};

// The switches end silently where there is nothing to draw on, as a screen saver started by a
// host should; someone who typed a display mode or met a compositor we cannot serve is told.
constexpr Row kRows[] = {
    {Request::kShow, When::kLayerShell, Backend::kWaylandShow},
    // Without the layer shell (GNOME, weston) the show's surfaces are full-screen windows,
    // natively still: XWayland's windows get no keyboard from such compositors.
    {Request::kShow, When::kFullScreenWindows, Backend::kWaylandShow},
    {Request::kShow, When::kX, Backend::kQtOnX},
    {Request::kShow, When::kWayland, Backend::kEnd, 1, Line::kNoLayerShell},
    {Request::kShow, When::kAlways, Backend::kEnd, 1},
    {Request::kBackdrop, When::kLayerShell, Backend::kWaylandBackdrop},
    {Request::kBackdrop, When::kX, Backend::kQtOnX},
    {Request::kBackdrop, When::kWayland, Backend::kEnd, 1, Line::kNoLayerShell},
    {Request::kBackdrop, When::kAlways, Backend::kEnd, 1, Line::kNoXServer},
    // Window ids from a screen-saver host are X ids, under Wayland too (XWayland).
    {Request::kDisplayInWindow, When::kX, Backend::kQtOnX},
    {Request::kDisplayInWindow, When::kAlways, Backend::kEnd, 1, Line::kNoXServer},
    // The dialog is an ordinary window: the compositor's own where there is one, not through
    // XWayland, which many Wayland desktops no longer start.
    {Request::kSettings, When::kWayland, Backend::kQtOnWayland},
    {Request::kSettings, When::kX, Backend::kQtOnX},
    {Request::kSettings, When::kAlways, Backend::kEnd, 1},
    // A preview's host hands us an X window; a Wayland session without X has none to give.
    {Request::kPreview, When::kX, Backend::kQtOnX},
    {Request::kPreview, When::kWayland, Backend::kEnd, 0},
    {Request::kPreview, When::kAlways, Backend::kEnd, 1},
    {Request::kOtherSwitch, When::kX, Backend::kQtOnX},
    {Request::kOtherSwitch, When::kAlways, Backend::kEnd, 1},
};

bool Holds(When when, const Session& session) {
  switch (when) {
    case When::kLayerShell:
      return session.wayland && session.layer_shell;
    case When::kFullScreenWindows:
      return session.wayland && session.full_screen_windows;
    case When::kX:
      return session.x;
    case When::kWayland:
      return session.wayland;
    case When::kAlways:
      break;
  }
  return true;
}

std::string LineOf(Line line, const Session& session) {
  switch (line) {
    case Line::kNoLayerShell:
      return "the Wayland compositor offers no " + session.wayland_lacks +
             "; unset WAYLAND_DISPLAY to run the show on X";
    case Line::kNoXServer:
      return "cannot reach the X server";
    case Line::kNone:
      break;
  }
  return "";
}

}  // namespace

Request RequestOf(const DisplayOptions& options, std::string_view command) {
  if (options.action == DisplayOptions::Action::kRun) {
    return options.window ? Request::kDisplayInWindow : Request::kBackdrop;
  }
  switch (SwitchOf(command)) {
    case SaverSwitch::kShow:
      return Request::kShow;
    case SaverSwitch::kPreview:
      return Request::kPreview;
    case SaverSwitch::kSettings:
      return Request::kSettings;
    case SaverSwitch::kBeep:
    case SaverSwitch::kNone:
      break;
  }
  return Request::kOtherSwitch;
}

Choice PickBackend(Request request, const Session& session) {
  for (const Row& row : kRows) {
    if (row.request != request || !Holds(row.when, session)) continue;
    return {row.backend, row.exit_code, LineOf(row.line, session)};
  }
  return {Backend::kEnd, 1, ""};
}

}  // namespace corvanta::linux_services
