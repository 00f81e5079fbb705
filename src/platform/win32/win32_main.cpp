// The Windows program's entry: reads the argument text, takes the instance mutex, builds the
// show window from its design, runs the load handler and then the message loop until the last
// window is gone. Lacks nothing the program uses. Depends on the rest of this folder and on
// comctl32 (themed controls in the settings dialog).

#include <cstdint>
#include <cstring>
#include <vector>

#include "layout/designs.h"
#include "layout/picture.h"
#include "show/main_form_entry.h"
#include "win32_common.h"

#include <commctrl.h>

#include "win32_main_window.h"
#include "win32_toolkit.h"

namespace corvanta::win32 {
namespace {

// A bitmap resource is a bitmap file without its 14-byte file header.
Picture LoadBitmapResource(HINSTANCE instance, const char* name) {
  HRSRC found = FindResourceA(instance, name, MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (found == nullptr) return {};
  const DWORD size = SizeofResource(instance, found);
  const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(instance, found)));
  if (data == nullptr || size < sizeof(BITMAPINFOHEADER)) return {};
  BITMAPINFOHEADER info;
  std::memcpy(&info, data, sizeof(info));
  const std::uint32_t colours =
      info.biBitCount <= 8 ? (info.biClrUsed != 0 ? info.biClrUsed : 1u << info.biBitCount)
                           : info.biClrUsed;
  const std::uint32_t offset = 14 + info.biSize + colours * 4;
  const std::uint32_t total = 14 + size;
  std::vector<std::uint8_t> file(total);
  const std::uint8_t header[14] = {'B',
                                   'M',
                                   static_cast<std::uint8_t>(total),
                                   static_cast<std::uint8_t>(total >> 8),
                                   static_cast<std::uint8_t>(total >> 16),
                                   static_cast<std::uint8_t>(total >> 24),
                                   0,
                                   0,
                                   0,
                                   0,
                                   static_cast<std::uint8_t>(offset),
                                   static_cast<std::uint8_t>(offset >> 8),
                                   static_cast<std::uint8_t>(offset >> 16),
                                   static_cast<std::uint8_t>(offset >> 24)};
  std::memcpy(file.data(), header, sizeof(header));
  std::memcpy(file.data() + 14, data, size);
  return DecodeBmp(file);
}

int Run(HINSTANCE instance) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  const bool another_instance = ClaimInstance();
  Win32Toolkit kit(instance, ArgumentText(GetCommandLineA()), another_instance);
  MainWindow form(instance, kit.Screen(), kMainDesign, kit.Windows());
  kit.SetMainWindow(form.Handle());
  const Picture sheet = LoadBitmapResource(instance, "SHEET");
  const auto main = NewMainForm(kit, MainControls{form, sheet, form.picBox(), form.Label1(),
                                                 form.tmrDown(), form.tmrRight()});
  form.Bind(*main);
  form.Load();
  if (!form.Alive()) return 0;

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (kit.IsHostWatch(msg)) {
      if (kit.HostGone()) form.HostGone();
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}

}  // namespace
}  // namespace corvanta::win32

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return corvanta::win32::Run(instance);
}
