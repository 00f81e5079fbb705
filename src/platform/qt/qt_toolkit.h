#pragma once
// Qt 6 backend of the seam, for Linux on X11.
// Implements: the screen (twips per pixel = 1440 / logical DPI), process services (arguments,
//   the instance test, version), the X11 CLIPBOARD as plain text, the beep, the window calls
//   on X windows (including foreign ones, given as decimal X ids), the modal settings dialog,
//   and the monitors with their covers (qt_monitors.h). The INI store and the instance lock
//   are the shared Linux ones (src/platform/linux).
// Lacks: owners (GWL_HWNDPARENT) beyond recording them; window styles beyond recording them.
// Depends on: Qt 6 Widgets on the xcb platform, and libxcb for what Qt has no call for.

#include <QWindow>
#include <memory>
#include <optional>

#include "layout/form_lifecycle.h"
#include "layout/random_source.h"
#include "layout/emulated_window.h"
#include "layout/toolkit.h"
#include "platform/linux/ini_store.h"
#include "platform/linux/instance_lock.h"
#include "platform/qt/qt_design.h"
#include "platform/qt/qt_monitors.h"
#include "platform/qt/qt_x11_watch.h"

namespace corvanta::qt {

class QtMainForm;

class QtToolkit : public Toolkit {
 public:
  explicit QtToolkit(std::string command);
  ~QtToolkit() override;

  Twips ScreenWidth() const override;
  Twips ScreenHeight() const override;
  Twips TwipsPerPixelX() const override { return scale_.x; }
  Twips TwipsPerPixelY() const override { return scale_.y; }
  MonitorService* Monitors() override { return &monitors_; }

  std::string Command() const override { return command_; }
  bool PrevInstance() const override { return lock_.AnotherInstance(); }
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

  const Scale& Scaling() const { return scale_; }
  X11Watch& Watch() { return watch_; }

  // The windows alive: the program ends when the last one is unloaded.
  WindowCount& Windows() { return windows_; }
  // The show window, the one the window calls act on.
  void SetMainForm(QtMainForm* form) { main_form_ = form; }
  // Ends the event loop (now, or as soon as it runs) with exit code 0.
  static void EndProcess();

 private:
  QtMainForm* Own(Hwnd hwnd) const;

  std::string command_;
  Scale scale_;
  linux_services::OnDemandInstanceLock lock_;
  linux_services::IniStore store_;
  RandomSource random_;
  X11Watch watch_;
  QtMonitors monitors_;
  QtMainForm* main_form_ = nullptr;
  std::unique_ptr<QWindow> host_;  // the foreign parent of the preview
  WindowCount windows_;
  CursorCount cursor_count_;
};

}  // namespace corvanta::qt
