// Which backend each start goes to, row by row of the choice table, for every kind of desktop:
// X alone, Wayland with and without the layer shell, both, and nothing at all.

#include "platform/linux/backend_choice.h"

#include <gtest/gtest.h>

namespace corvanta::linux_services {
namespace {

Session Desktop(bool wayland, bool layer_shell, bool x) {
  Session s;
  s.wayland = wayland;
  s.layer_shell = layer_shell;
  if (wayland && !layer_shell) s.wayland_lacks = "layer shell (zwlr_layer_shell_v1)";
  s.x = x;
  return s;
}

const Session kNothing = Desktop(false, false, false);
const Session kX = Desktop(false, false, true);
const Session kLayerShell = Desktop(true, true, false);
const Session kLayerShellAndX = Desktop(true, true, true);
const Session kBareWayland = Desktop(true, false, false);
const Session kBareWaylandAndX = Desktop(true, false, true);

Request Of(const std::vector<std::string>& args) {
  std::string command;
  for (const auto& a : args) command += (command.empty() ? "" : " ") + a;
  return RequestOf(ParseDisplayOptions(args, std::nullopt), command);
}

TEST(BackendChoice, TheSwitchIsReadAsTheShowReadsIt) {
  EXPECT_EQ(Of({"/S"}), Request::kShow);
  EXPECT_EQ(Of({"/sXYZ"}), Request::kShow) << "two characters, any case";
  EXPECT_EQ(Of({" /S"}), Request::kOtherSwitch) << "nothing is trimmed";
  EXPECT_EQ(Of({"/p", "1234"}), Request::kPreview);
  EXPECT_EQ(Of({"/c:99"}), Request::kSettings);
  EXPECT_EQ(Of({"/A"}), Request::kOtherSwitch);
  EXPECT_EQ(Of({}), Request::kOtherSwitch);
  EXPECT_EQ(Of({"--root"}), Request::kBackdrop);
  EXPECT_EQ(Of({"--root", "--window-id", "0x400001"}), Request::kDisplayInWindow);
  EXPECT_EQ(RequestOf(ParseDisplayOptions({"-root"}, HostWindowText{"XSCREENSAVER_WINDOW", "7"}),
                      "-root"),
            Request::kDisplayInWindow)
      << "a host window in the environment is a window named";
}

TEST(BackendChoice, TheShowAndTheBackdropTakeTheLayerShellBeforeX) {
  for (const auto& [request, wayland] : {std::pair{Request::kShow, Backend::kWaylandShow},
                                         std::pair{Request::kBackdrop, Backend::kWaylandBackdrop}}) {
    EXPECT_EQ(PickBackend(request, kLayerShell).backend, wayland);
    EXPECT_EQ(PickBackend(request, kLayerShellAndX).backend, wayland);
    EXPECT_EQ(PickBackend(request, kX).backend, Backend::kQtOnX);
    EXPECT_EQ(PickBackend(request, kBareWaylandAndX).backend, Backend::kQtOnX)
        << "no layer shell: XWayland";
    const Choice refused = PickBackend(request, kBareWayland);
    EXPECT_EQ(refused.backend, Backend::kEnd);
    EXPECT_EQ(refused.exit_code, 1);
    EXPECT_NE(refused.line.find("zwlr_layer_shell_v1"), std::string::npos) << refused.line;
    EXPECT_NE(refused.line.find("unset WAYLAND_DISPLAY"), std::string::npos) << refused.line;
  }
  const Choice show = PickBackend(Request::kShow, kNothing);
  EXPECT_EQ(show.exit_code, 1);
  EXPECT_EQ(show.line, "") << "a switch ends silently with no display";
  EXPECT_EQ(PickBackend(Request::kBackdrop, kNothing).line, "cannot reach the X server");
}

TEST(BackendChoice, WithoutTheLayerShellTheShowIsFullScreenWindowsAndTheBackdropIsNot) {
  Session windows = kBareWayland;
  windows.full_screen_windows = true;
  Session windows_and_x = kBareWaylandAndX;
  windows_and_x.full_screen_windows = true;
  EXPECT_EQ(PickBackend(Request::kShow, windows).backend, Backend::kWaylandShow);
  EXPECT_EQ(PickBackend(Request::kShow, windows_and_x).backend, Backend::kWaylandShow)
      << "native before XWayland";
  EXPECT_EQ(PickBackend(Request::kBackdrop, windows_and_x).backend, Backend::kQtOnX);
  const Choice refused = PickBackend(Request::kBackdrop, windows);
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.line.find("zwlr_layer_shell_v1"), std::string::npos) << refused.line;
}

TEST(BackendChoice, HostWindowsAndPreviewsAreXWindows) {
  for (const Session& s : {kX, kLayerShellAndX, kBareWaylandAndX}) {
    EXPECT_EQ(PickBackend(Request::kDisplayInWindow, s).backend, Backend::kQtOnX);
    EXPECT_EQ(PickBackend(Request::kPreview, s).backend, Backend::kQtOnX);
  }
  const Choice in_window = PickBackend(Request::kDisplayInWindow, kLayerShell);
  EXPECT_EQ(in_window.backend, Backend::kEnd);
  EXPECT_EQ(in_window.line, "cannot reach the X server");
  const Choice preview = PickBackend(Request::kPreview, kLayerShell);
  EXPECT_EQ(preview.backend, Backend::kEnd);
  EXPECT_EQ(preview.exit_code, 0) << "no X host window can exist: nothing to do";
  EXPECT_EQ(PickBackend(Request::kPreview, kNothing).exit_code, 1);
}

TEST(BackendChoice, TheDialogIsTheCompositorsOwnWindowWhereThereIsOne) {
  for (const Session& s : {kLayerShell, kLayerShellAndX, kBareWayland, kBareWaylandAndX}) {
    EXPECT_EQ(PickBackend(Request::kSettings, s).backend, Backend::kQtOnWayland);
  }
  EXPECT_EQ(PickBackend(Request::kSettings, kX).backend, Backend::kQtOnX);
  EXPECT_EQ(PickBackend(Request::kSettings, kNothing).exit_code, 1);
  EXPECT_EQ(PickBackend(Request::kOtherSwitch, kBareWaylandAndX).backend, Backend::kQtOnX);
  const Choice beep = PickBackend(Request::kOtherSwitch, kLayerShell);
  EXPECT_EQ(beep.backend, Backend::kEnd);
  EXPECT_EQ(beep.exit_code, 1);
  EXPECT_EQ(beep.line, "");
}

}  // namespace
}  // namespace corvanta::linux_services
