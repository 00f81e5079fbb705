#include "win32_controls.h"

#include <algorithm>
#include <cstring>

namespace corvanta::win32 {
namespace {

constexpr char kPictureClass[] = "CorvantaPictureBox";

void RegisterPictureClass(HINSTANCE instance) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  if (GetClassInfoExA(instance, kPictureClass, &wc)) return;
  wc.lpfnWndProc = DefWindowProcA;  // replaced per window once it knows its object
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;  // every pixel comes from the image
  wc.lpszClassName = kPictureClass;
  RegisterClassExA(&wc);
}

}  // namespace

void Win32Label::SetCaption(std::string_view text) { SetWindowTextA(hwnd_, std::string(text).c_str()); }

void Win32Label::SetLeft(Twips left) {
  left_ = left;
  ::SetWindowPos(hwnd_, nullptr, m_.PxX(left_), m_.PxY(top_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Label::SetTop(Twips top) {
  top_ = top;
  ::SetWindowPos(hwnd_, nullptr, m_.PxX(left_), m_.PxY(top_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Label::SetVisible(bool visible) { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }

std::int16_t Win32Combo::ListIndex() const {
  const LRESULT i = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
  return i == CB_ERR ? std::int16_t{-1} : static_cast<std::int16_t>(i);
}

void Win32Combo::SetListIndex(std::int16_t index) {
  SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

Win32PictureBox::Win32PictureBox(const Metrics& m, const ControlDesign& d, HWND parent,
                                 HINSTANCE instance)
    : PictureBox(m.tpp_x, m.tpp_y, d.width, d.height) {
  RegisterPictureClass(instance);
  // Disabled, so that keys and the mouse over it reach the form; clipping its children keeps
  // the caption label out of its own repaints.
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | (d.enabled ? 0 : WS_DISABLED);
  hwnd_ = CreateWindowExA(0, kPictureClass, "", style, m.PxX(d.left), m.PxY(d.top),
                          Image().Width(), Image().Height(), parent, nullptr, instance, nullptr);
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32PictureBox::Proc));
  dib_dc_ = CreateCompatibleDC(nullptr);
  MakeDib(Image().Width(), Image().Height());
  label_brush_ = CreateSolidBrush(0);
}

Win32PictureBox::~Win32PictureBox() {
  if (dib_dc_old_ != nullptr) SelectObject(dib_dc_, dib_dc_old_);
  if (dib_ != nullptr) DeleteObject(dib_);
  if (dib_dc_ != nullptr) DeleteDC(dib_dc_);
  if (label_brush_ != nullptr) DeleteObject(label_brush_);
}

void Win32PictureBox::SetLabelColours(COLORREF text, COLORREF back) {
  label_text_ = text;
  label_back_ = back;
  if (label_brush_ != nullptr) DeleteObject(label_brush_);
  label_brush_ = CreateSolidBrush(back);
}

void Win32PictureBox::Resized(int width_px, int height_px) {
  MakeDib(width_px, height_px);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, width_px, height_px,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32PictureBox::MakeDib(int width_px, int height_px) {
  if (dib_ != nullptr) {
    SelectObject(dib_dc_, dib_dc_old_);
    DeleteObject(dib_);
    dib_ = nullptr;
    dib_bits_ = nullptr;
  }
  dib_w_ = dib_h_ = 0;
  if (width_px <= 0 || height_px <= 0) return;
  // 32 bits per pixel, top row first: the same layout as the portable image, row for row.
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width_px;
  bi.bmiHeader.biHeight = -height_px;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dib_ = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib_ == nullptr) return;
  dib_bits_ = static_cast<std::uint32_t*>(bits);
  dib_w_ = width_px;
  dib_h_ = height_px;
  dib_dc_old_ = SelectObject(dib_dc_, dib_);
}

void Win32PictureBox::CopyToDib(const PixelRect& r) {
  const Surface& img = Image();
  const PixelRect clip = r.Intersect({0, 0, std::min(dib_w_, img.Width()),
                                      std::min(dib_h_, img.Height())});
  if (clip.Empty() || dib_bits_ == nullptr) return;
  GdiFlush();  // the DIB's memory is shared with GDI: let pending drawing finish first
  const std::uint32_t* src = img.Pixels().data();
  for (int y = clip.top; y < clip.bottom; ++y) {
    std::memcpy(dib_bits_ + static_cast<std::size_t>(y) * dib_w_ + clip.left,
                src + static_cast<std::size_t>(y) * img.Width() + clip.left,
                static_cast<std::size_t>(clip.Width()) * 4);
  }
}

void Win32PictureBox::Present() {
  for (const PixelRect& r : Image().Changed().Items()) {
    CopyToDib(r);
    RECT rc{r.left, r.top, r.right, r.bottom};
    InvalidateRect(hwnd_, &rc, FALSE);
  }
  Image().ClearChanged();
  UpdateWindow(hwnd_);
}

void Win32PictureBox::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  const RECT& r = ps.rcPaint;
  if (dib_ != nullptr) {
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, dib_dc_, r.left, r.top,
           SRCCOPY);
  } else {
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  EndPaint(hwnd_, &ps);
}

LRESULT CALLBACK Win32PictureBox::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<Win32PictureBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self != nullptr) {
    switch (msg) {
      case WM_PAINT:
        self->Paint();
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, self->label_text_);
        SetBkColor(dc, self->label_back_);
        SetBkMode(dc, OPAQUE);
        return reinterpret_cast<LRESULT>(self->label_brush_);
      }
      case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        break;
      default:
        break;
    }
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace corvanta::win32
