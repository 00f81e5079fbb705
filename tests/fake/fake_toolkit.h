#pragma once
// The fake backend: the seam in memory. It records the calls a test may want to see, holds
// pixels in the picture box's own image, and lets a test deliver events. No logic of its own.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fake/fake_monitors.h"
#include "layout/form_lifecycle.h"
#include "layout/random_source.h"
#include "layout/toolkit.h"
#include "layout/program_version.h"

namespace corvanta::fake {

// The show window's handle, as the window calls see it.
inline constexpr Hwnd kOwnHwnd = 0x1000;

class MemoryStore : public SettingsStore {
 public:
  std::string GetSetting(std::string_view app, std::string_view section, std::string_view key,
                         std::string_view default_text) override;
  bool SaveSetting(std::string_view app, std::string_view section, std::string_view key,
                   std::string_view value) override;

  std::map<std::string, std::string> entries;  // "app/section/key" -> text
  bool refuse_writes = false;
};

class FakeWindow : public Window, public FormLifecycle::Native {
 public:
  explicit FakeWindow(std::vector<std::string>& log, Hwnd hwnd) : log_(log), hwnd_(hwnd) {}
  void SetCaption(std::string_view text) override;
  Hwnd hWnd() const override { return hwnd_; }
  void SetMaximized() override;
  void Move(Twips left, Twips top, Twips width, Twips height) override;
  void Show() override;
  void Refresh() override;
  void Unload() override;
  void Present() override { ++presents; }
  void Destroy() override { unloaded = true; }

  FormLifecycle* lifecycle = nullptr;  // none: a dialog, which has no unload handler
  std::string caption;
  bool maximized = false, shown = false, unloaded = false;
  int refreshes = 0, presents = 0;
  Twips left = 0, top = 0, width = 0, height = 0;

 private:
  std::vector<std::string>& log_;
  Hwnd hwnd_;
};

class FakeLabel : public Label {
 public:
  void SetCaption(std::string_view text) override { caption = text; }
  void SetLeft(Twips v) override { left = v; }
  void SetTop(Twips v) override { top = v; }
  void SetVisible(bool v) override { visible = v; }

  std::string caption = "Label1";
  Twips left = 0, top = 0;
  bool visible = false;
};

class FakeTimer : public Timer {
 public:
  explicit FakeTimer(std::int32_t interval) : interval(interval) {}
  std::int32_t Interval() const override { return interval; }
  std::int32_t interval;
};

class FakeCombo : public ComboBox {
 public:
  std::int16_t ListIndex() const override { return index; }
  void SetListIndex(std::int16_t i) override { index = i; }
  std::int16_t index = -1;
};

// What the user does while the settings dialog is open.
enum class DialogAction { kNone, kOk, kCancel, kCloseBox };

class FakeToolkit : public Toolkit {
 public:
  Twips ScreenWidth() const override { return screen_w_px * tpp_x; }
  Twips ScreenHeight() const override { return screen_h_px * tpp_y; }
  Twips TwipsPerPixelX() const override { return tpp_x; }
  Twips TwipsPerPixelY() const override { return tpp_y; }
  MonitorService* Monitors() override { return &monitors; }
  std::string Command() const override { return command; }
  bool PrevInstance() const override;
  Version App() const override { return version; }
  void ClipboardClear() override;
  std::string ClipboardGetText() override;
  void ClipboardSetText(std::string_view text) override;
  void Beep() override { ++beeps; }
  float Rnd() override;
  std::int32_t SetWindowPos(Hwnd, Hwnd, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                            std::int32_t) override;
  std::int32_t GetWindowLongA(Hwnd hwnd, std::int32_t index) override;
  std::int32_t SetWindowLongA(Hwnd hwnd, std::int32_t index, std::int32_t value) override;
  Hwnd SetParent(Hwnd child, Hwnd new_parent) override;
  std::int32_t GetClientRect(Hwnd hwnd, Rect32& rect) override;
  std::int32_t ShowCursor(std::int32_t show) override;
  SettingsStore& Store() override { return store; }
  void ShowSettingsModal(SettingsFormEvents& events) override;

  Version version = kProgramVersion;
  int screen_w_px = 1024, screen_h_px = 768;
  float tpp_x = 15, tpp_y = 15;
  std::string command;
  bool another_instance = false;
  std::optional<std::string> clipboard;  // nullopt: holds no text
  int beeps = 0;
  int cursor_count = 0;
  std::map<Hwnd, Rect32> host_windows;  // windows that exist, with their client rectangles
  std::vector<std::string> calls;       // window calls, in order, with their arguments
  std::vector<float> scripted_rnd;      // drawn first, in order; then the real source
  int rnd_draws = 0;
  MemoryStore store;
  WindowCount windows{[this] { ended = true; }};
  bool ended = false;  // the last window went
  FakeMonitors monitors{calls};

  // The settings dialog: what the user picks in the list, then how the dialog is left.
  std::optional<std::int16_t> dialog_pick;
  DialogAction dialog_action = DialogAction::kNone;
  FakeCombo dialog_combo;
  FakeLabel dialog_label6;
  bool dialog_shown = false;

 private:
  RandomSource random_;
  std::size_t next_scripted_ = 0;
  std::int32_t own_style_ = 0x16000000;
};

}  // namespace corvanta::fake
