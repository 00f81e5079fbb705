#pragma once
// frmMain on Qt: a borderless black top-level widget built from the design, with the drawing
// surface picBox (input passes through it), the caption Label1 inside picBox and the two
// timers, ticking from creation. Input and ticks go to the
// bound handlers; after each, only what the surface records as changed is repainted.

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <utility>

#include "layout/form_lifecycle.h"
#include "layout/emulated_window.h"
#include "layout/forms.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_font_warmup.h"
#include "platform/qt/qt_picture_view.h"
#include "platform/qt/qt_timer.h"

namespace corvanta::qt {

class QtToolkit;

class QtMainForm final : public Window, private FormLifecycle::Native {
 public:
  QtMainForm(QtToolkit& kit, const Picture& sheet);
  ~QtMainForm() override;

  MainControls Controls();
  void Bind(MainFormEvents& events) { lifecycle_.Bind(events); }

  void SetCaption(std::string_view text) override;
  Hwnd hWnd() const override;
  void SetMaximized() override;
  void Move(Twips left, Twips top, Twips width, Twips height) override;
  void Show() override;
  void Refresh() override;
  void Unload() override;

  // For the window calls.
  QWidget* Widget() const { return widget_.get(); }
  void SetTopmost(bool on);
  WindowLongs longs;

  // Runs a handler unless the window is gone, then repaints what it changed.
  template <typename Handler>
  void Deliver(Handler&& handler) {
    lifecycle_.Deliver(std::forward<Handler>(handler));
  }

 private:
  void Present() override { picBox_->Present(); }
  void Destroy() override;
  void GrabInput();

  QtToolkit& kit_;
  const Picture& sheet_;
  std::unique_ptr<QWidget> widget_;
  std::unique_ptr<QtPictureBox> picBox_;
  std::unique_ptr<QtLabel> label1_;
  std::unique_ptr<FontWarmUp> caption_font_;
  QtTimer tmrDown_;
  QtTimer tmrRight_;
  bool topmost_ = false;
  // A topmost window as a full-screen one the window manager manages: see SetTopmost.
  bool managed_fullscreen_ = false;
  QTimer grab_retry_;
  int grab_tries_ = 0;
  FormLifecycle lifecycle_;
};

}  // namespace corvanta::qt
