#pragma once
// The seam on Win32: screen metrics, process services (argument text, instance mutex, version
// resource, clipboard, beep), the six user32 calls as they are, the registry store, the
// settings dialog and the monitors with their covers (win32_monitors.h). It also watches the
// preview host: when the host's process dies without destroying its window, no message reaches
// us, so a thread timer checks that it still exists.
// Depends on user32, kernel32, advapi32 and version.

#include <string>

#include "layout/form_lifecycle.h"
#include "layout/random_source.h"
#include "layout/toolkit.h"
#include "win32_common.h"
#include "win32_monitors.h"
#include "win32_registry_store.h"

namespace corvanta::win32 {

class Win32Toolkit final : public Toolkit {
 public:
  Win32Toolkit(HINSTANCE instance, std::string command, bool another_instance);

  // The show window: owner of the clipboard while we write it, and the child whose parent the
  // preview watch follows.
  void SetMainWindow(HWND hwnd) { main_hwnd_ = hwnd; }
  const Metrics& Screen() const { return metrics_; }
  // The windows alive: the message loop ends with the last one.
  WindowCount& Windows() { return windows_; }

  // True for the preview watch's timer message; then HostGone() says whether to end.
  bool IsHostWatch(const MSG& msg) const;
  bool HostGone() const;

  Twips ScreenWidth() const override;
  Twips ScreenHeight() const override;
  Twips TwipsPerPixelX() const override { return metrics_.tpp_x; }
  Twips TwipsPerPixelY() const override { return metrics_.tpp_y; }
  MonitorService* Monitors() override { return &monitors_; }

  std::string Command() const override { return command_; }
  bool PrevInstance() const override { return another_instance_; }
  Version App() const override;

  void ClipboardClear() override;
  std::string ClipboardGetText() override;
  void ClipboardSetText(std::string_view text) override;
  void Beep() override;
  float Rnd() override { return random_.Next(); }

  std::int32_t SetWindowPos(Hwnd hwnd, Hwnd insert_after, std::int32_t x, std::int32_t y,
                            std::int32_t cx, std::int32_t cy, std::int32_t flags) override;
  std::int32_t GetWindowLongA(Hwnd hwnd, std::int32_t index) override;
  std::int32_t SetWindowLongA(Hwnd hwnd, std::int32_t index, std::int32_t value) override;
  Hwnd SetParent(Hwnd child, Hwnd new_parent) override;
  std::int32_t GetClientRect(Hwnd hwnd, Rect32& rect) override;
  std::int32_t ShowCursor(std::int32_t show) override;

  SettingsStore& Store() override { return store_; }
  void ShowSettingsModal(SettingsFormEvents& events) override;

 private:
  bool OpenClipboardBriefly();

  HINSTANCE instance_;
  std::string command_;
  bool another_instance_;
  Metrics metrics_;
  RandomSource random_;
  RegistryStore store_;
  HWND main_hwnd_ = nullptr;
  HWND host_ = nullptr;
  UINT_PTR host_watch_ = 0;
  WindowCount windows_{[] { PostQuitMessage(0); }};
  Win32Monitors monitors_{instance_};
};

// The argument text: what follows the program's name on the command line and the one blank
// that separates them, untrimmed.
std::string ArgumentText(const char* command_line);

// True when another process of this program holds the instance mutex. The mutex is kept for
// the life of the process and the system releases it when the process ends, however it ends.
bool ClaimInstance();

}  // namespace corvanta::win32
