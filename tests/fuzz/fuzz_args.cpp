// Any command line, with or without another instance and a marker on the clipboard, through
// start-up, dispatch, the handle reader and a few seconds of show and input; and as a display
// mode's arguments, through the option reader and a race in a window of any small size.

#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "fake/fake_main.h"
#include "layout/numbers.h"
#include "platform/linux/display_options.h"
#include "show/module1.h"

namespace {

std::size_t SlowLongestTail(std::string_view s) {
  for (std::size_t start = 0; start < s.size(); ++start) {
    if (corvanta::IsNumeric(s.substr(start))) return start;
  }
  return s.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::string command(reinterpret_cast<const char*>(data + 1), size - 1);

  // The fast tail reader must agree with trying every tail, and a handle is a handle.
  if (command.size() <= 64 && LongestNumericTail(command) != SlowLongestTail(command)) {
    std::abort();
  }
  const std::int32_t hwnd = GetPreviewHwnd(command);

  static const Picture sheet = [] {
    Picture p{329, 290, std::vector<std::uint32_t>(329 * 290, 0xFF808080u)};
    return p;
  }();
  fake::FakeToolkit kit;
  kit.command = command;
  kit.another_instance = flags & 1;
  if (flags & 2) kit.clipboard = "Priview";
  // Small screens and a small host: the command line takes the same paths on any size, and
  // clearing and stretching big surfaces under the sanitizers cost most of each run.
  kit.screen_w_px = 64 + (flags >> 2) * 2;
  kit.screen_h_px = 48 + (flags >> 4) * 2;
  kit.host_windows[hwnd] = {0, 0, 38, 28};
  kit.dialog_action = fake::DialogAction::kOk;
  fake::FakeMain m(kit, sheet);
  m.Load();
  m.RaceTick(20);
  m.FrameTick(12);
  m.MoveTo(static_cast<float>(flags) * 1000, 3);
  m.Key();
  // Every ending shows the cursor again; the show hid it exactly once.
  if (m.form.unloaded && kit.cursor_count != (m.main.strMode == "/S" ? 0 : 1)) std::abort();

  // The same text as a display mode's arguments, split at blanks, with or without the
  // daemon's variable.
  std::vector<std::string> args;
  for (std::size_t at = 0; at < command.size();) {
    const std::size_t end = std::min(command.find(' ', at), command.size());
    if (end > at) args.push_back(command.substr(at, end - at));
    at = end + 1;
  }
  std::optional<HostWindowText> env;
  if (flags & 0x80) env = HostWindowText{"XSCREENSAVER_WINDOW", args.empty() ? "" : args.back()};
  const DisplayOptions o = ParseDisplayOptions(args, env);
  if (o.action == DisplayOptions::Action::kError &&
      (o.error.empty() || o.error.size() > 200 || o.error.find('\n') != std::string::npos)) {
    std::abort();
  }
  if (o.action == DisplayOptions::Action::kRun && o.window) {
    if (*o.window == 0) std::abort();
    fake::FakeToolkit dk;
    const auto host = static_cast<Hwnd>(*o.window);
    dk.host_windows[host] = {0, 0, 1 + (flags & 0x3F), 1 + (flags >> 2)};
    fake::FakeMain d(dk, sheet);
    if (!d.main.DisplayLoad(host, o.speed)) std::abort();
    d.RaceTick(20);
    d.FrameTick(12);
    d.Key();
    if (d.form.unloaded || dk.cursor_count != 0) std::abort();
  }
  return 0;
}
