#pragma once
// The show window on Win32: a borderless black popup off the task bar, built from the main
// design with its picture box, caption label and two window timers, all from creation. It turns
// window messages into the form's events one at a time and, after each, presents what the
// picture box changed. Unload runs the unload handler, then destroys the window; a window
// destroyed from outside (the preview host going away) ends the program without more events.
// Depends on user32 and gdi32.

#include <memory>
#include <optional>

#include "layout/designs.h"
#include "layout/form_lifecycle.h"
#include "layout/forms.h"
#include "win32_common.h"
#include "win32_controls.h"

namespace corvanta::win32 {

class MainWindow final : public Window, private FormLifecycle::Native {
 public:
  MainWindow(HINSTANCE instance, const Metrics& m, const FormDesign& design,
             WindowCount& windows);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  Win32PictureBox& picBox() { return *pic_box_; }
  Win32Label& Label1() { return *label1_; }
  FixedTimer& tmrDown() { return tmr_down_; }
  FixedTimer& tmrRight() { return tmr_right_; }

  void Bind(MainFormEvents& events) { lifecycle_.Bind(events); }
  // Runs the load handler, then shows what it drew.
  void Load();
  bool Alive() const { return !lifecycle_.Gone(); }
  // The preview host vanished without telling us: end without further events.
  void HostGone();

  void SetCaption(std::string_view text) override;
  Hwnd hWnd() const override { return FromHwnd(hwnd_); }
  void SetMaximized() override;
  void Move(Twips left, Twips top, Twips width, Twips height) override;
  void Show() override;
  void Refresh() override;
  void Unload() override;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void MouseDown(std::int16_t button, LPARAM lp);
  void Present() override { pic_box_->Present(); }
  void Destroy() override;

  HWND hwnd_ = nullptr;
  Metrics m_;
  std::optional<Win32PictureBox> pic_box_;
  std::optional<Win32Label> label1_;
  HFONT label_font_ = nullptr;
  HBRUSH back_brush_ = nullptr;
  FixedTimer tmr_down_;
  FixedTimer tmr_right_;
  bool maximized_ = false;
  FormLifecycle lifecycle_;
};

}  // namespace corvanta::win32
