#include "win32_main_window.h"

#include <string>

#include "layout/twips.h"
#include "win32_input_state.h"

namespace corvanta::win32 {
namespace {

constexpr char kMainClass[] = "CorvantaShowWindow";
constexpr UINT_PTR kDownTimerId = 1;
constexpr UINT_PTR kRightTimerId = 2;

COLORREF ToColorRef(std::optional<Colour> colour, COLORREF fallback) {
  if (!colour) return fallback;
  if (*colour & kSystemColourFlag) return GetSysColor(static_cast<int>(*colour & 0xFF));
  return static_cast<COLORREF>(*colour);  // both are 0x00BBGGRR
}

HFONT MakeFont(const FontDesign& f, int dpi_y) {
  // When the face is missing, the font mapper picks the nearest variable-pitch sans-serif face
  // of the same size and weight.
  return CreateFontA(-MulDiv(static_cast<int>(f.points * 100.0f + 0.5f), dpi_y, 7200), 0, 0, 0,
                     f.weight, f.italic, f.underline, f.strikeout,
                     static_cast<DWORD>(f.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, std::string(f.face).c_str());
}

float PointerTwips(WORD px, Twips tpp) { return PixelsToTwips(static_cast<short>(px), tpp); }

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, const Metrics& m, const FormDesign& design,
                       WindowCount& windows)
    : m_(m),
      tmr_down_(design.Control("tmrDown").interval_ms),
      tmr_right_(design.Control("tmrRight").interval_ms),
      lifecycle_(windows, *this) {
  back_brush_ = CreateSolidBrush(ToColorRef(design.back_colour, 0));
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &MainWindow::Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = back_brush_;
  wc.lpszClassName = kMainClass;
  if (design.has_icon) {
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
  }
  RegisterClassExA(&wc);

  // A tool window stays off the task bar; no frame and no title bar, so the window's size is
  // its client size.
  hwnd_ = CreateWindowExA(design.in_task_bar ? 0 : WS_EX_TOOLWINDOW, kMainClass,
                          std::string(design.caption).c_str(), WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                          m_.PxX(design.client_width), m_.PxY(design.client_height), nullptr,
                          nullptr, instance, this);

  // No window for Picture1, which is never seen: the sprite sheet reaches the form as a picture.
  const ControlDesign& pic = design.Control("picBox");
  pic_box_.emplace(m_, pic, hwnd_, instance);

  const ControlDesign& lab = design.Control("Label1");
  HWND label = CreateWindowExA(0, "STATIC", std::string(lab.caption).c_str(),
                               WS_CHILD | SS_LEFT | SS_NOPREFIX | (lab.visible ? WS_VISIBLE : 0),
                               m_.PxX(lab.left), m_.PxY(lab.top), m_.PxX(lab.width),
                               m_.PxY(lab.height), pic_box_->Handle(), nullptr, instance, nullptr);
  if (lab.font) {
    label_font_ = MakeFont(*lab.font, m_.dpi_y);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(label_font_), FALSE);
  }
  pic_box_->SetLabelColours(ToColorRef(lab.fore_colour, 0), ToColorRef(lab.back_colour, 0));
  label1_.emplace(label, m_);

  SetTimer(hwnd_, kDownTimerId, static_cast<UINT>(tmr_down_.Interval()), nullptr);
  SetTimer(hwnd_, kRightTimerId, static_cast<UINT>(tmr_right_.Interval()), nullptr);
}

MainWindow::~MainWindow() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (label_font_ != nullptr) DeleteObject(label_font_);
}

void MainWindow::Load() {
  lifecycle_.Deliver([](MainFormEvents& ev) { ev.Form_Load(); });
}

void MainWindow::SetCaption(std::string_view text) {
  SetWindowTextA(hwnd_, std::string(text).c_str());
}

void MainWindow::SetMaximized() {
  maximized_ = true;
  if (IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_MAXIMIZE);
}

void MainWindow::Move(Twips left, Twips top, Twips width, Twips height) {
  SetWindowPos(hwnd_, nullptr, m_.PxX(left), m_.PxY(top), m_.PxX(width), m_.PxY(height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::Show() {
  ShowWindow(hwnd_, maximized_ ? SW_SHOWMAXIMIZED : SW_SHOW);
  // Keys reach only the foreground window, and the show must hear the first one.
  SetForegroundWindow(hwnd_);
  SetFocus(hwnd_);
}

void MainWindow::Refresh() {
  pic_box_->Present();
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void MainWindow::Unload() { lifecycle_.Unload(); }

void MainWindow::Destroy() {
  KillTimer(hwnd_, kDownTimerId);
  KillTimer(hwnd_, kRightTimerId);
  DestroyWindow(hwnd_);
}

void MainWindow::HostGone() {
  lifecycle_.Destroyed();
  // Our window may already have gone with the host; either way the program is over.
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  PostQuitMessage(0);
}

void MainWindow::MouseDown(std::int16_t button, LPARAM lp) {
  std::int16_t shift = ShiftState();
  float x = PointerTwips(LOWORD(lp), m_.tpp_x), y = PointerTwips(HIWORD(lp), m_.tpp_y);
  lifecycle_.Deliver([&](MainFormEvents& ev) { ev.Form_MouseDown(button, shift, x, y); });
}

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kDownTimerId) lifecycle_.Deliver([](MainFormEvents& ev) { ev.tmrDown_Timer(); });
      if (wp == kRightTimerId) lifecycle_.Deliver([](MainFormEvents& ev) { ev.tmrRight_Timer(); });
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      std::int16_t key = static_cast<std::int16_t>(wp & 0xFF);
      std::int16_t shift = ShiftState();
      lifecycle_.Deliver([&](MainFormEvents& ev) { ev.Form_KeyDown(key, shift); });
      // System keys keep their usual meaning for as long as the window lives.
      if (msg == WM_SYSKEYDOWN && lifecycle_.Live()) break;
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: MouseDown(PressedButton(msg), lp); return 0;
    case WM_XBUTTONDOWN: MouseDown(PressedButton(msg), lp); return TRUE;
    case WM_MOUSEMOVE: {
      std::int16_t button = ButtonState(wp);
      std::int16_t shift = ShiftState();
      float x = PointerTwips(LOWORD(lp), m_.tpp_x), y = PointerTwips(HIWORD(lp), m_.tpp_y);
      lifecycle_.Deliver([&](MainFormEvents& ev) { ev.Form_MouseMove(button, shift, x, y); });
      return 0;
    }
    case WM_CLOSE:
      // Closed from outside (Alt+F4, the session ending): the same unload as any other close.
      Unload();
      return 0;
    default:
      break;
  }
  return DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK MainWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = OwnerOf<MainWindow>(hwnd, msg, lp);
  if (self == nullptr) return DefWindowProcA(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_GETMINMAXINFO: {
      // Maximised means the whole screen, task bar included, not the work area.
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMaxPosition = {0, 0};
      mm->ptMaxSize = {self->m_.screen_w_px, self->m_.screen_h_px};
      mm->ptMaxTrackSize = mm->ptMaxSize;
      return 0;
    }
    case WM_DESTROY:
      // Also when the preview host destroys its window, which takes ours with it.
      self->lifecycle_.Destroyed();
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      return DefWindowProcA(hwnd, msg, wp, lp);
    default:
      break;
  }
  // Before the form is bound, and after it is gone, no event reaches it.
  if (!self->lifecycle_.Live()) {
    return DefWindowProcA(hwnd, msg, wp, lp);
  }
  self->hwnd_ = hwnd;
  return self->Handle(msg, wp, lp);
}

}  // namespace corvanta::win32
