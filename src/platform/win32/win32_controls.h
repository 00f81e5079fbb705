#pragma once
// Win32 controls behind the seam's Label, Timer, ComboBox and PictureBox. A label is a STATIC
// child; a timer is a window timer of its form; a picture box is a child window of our own class
// that shows the portable image through a DIB section, repainting only what changed.
// Lacks: nothing the program uses. Depends on user32 and gdi32.

#include <string>

#include "layout/controls.h"
#include "layout/designs.h"
#include "win32_common.h"

namespace corvanta::win32 {

class Win32Label final : public Label {
 public:
  Win32Label(HWND hwnd, const Metrics& m) : hwnd_(hwnd), m_(m) {}
  void SetCaption(std::string_view text) override;
  void SetLeft(Twips left) override;
  void SetTop(Twips top) override;
  void SetVisible(bool visible) override;
  HWND Handle() const { return hwnd_; }

 private:
  HWND hwnd_;
  Metrics m_;
  Twips left_ = 0, top_ = 0;
};

class Win32Combo final : public ComboBox {
 public:
  explicit Win32Combo(HWND hwnd) : hwnd_(hwnd) {}
  std::int16_t ListIndex() const override;
  void SetListIndex(std::int16_t index) override;

 private:
  HWND hwnd_;
};

class Win32PictureBox final : public PictureBox {
 public:
  Win32PictureBox(const Metrics& m, const ControlDesign& design, HWND parent, HINSTANCE instance);
  ~Win32PictureBox() override;
  HWND Handle() const { return hwnd_; }

  // Brings the screen up to date with the image: only the rectangles changed since last time.
  void Present();

  // The caption label is a child of the picture box and asks it for its colours.
  void SetLabelColours(COLORREF text, COLORREF back);

 protected:
  void Resized(int width_px, int height_px) override;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void MakeDib(int width_px, int height_px);
  void CopyToDib(const PixelRect& r);
  void Paint();

  HWND hwnd_ = nullptr;
  HDC dib_dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ dib_dc_old_ = nullptr;
  std::uint32_t* dib_bits_ = nullptr;
  int dib_w_ = 0, dib_h_ = 0;
  COLORREF label_text_ = 0, label_back_ = 0;
  HBRUSH label_brush_ = nullptr;
};

}  // namespace corvanta::win32
