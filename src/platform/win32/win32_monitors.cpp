#include "win32_monitors.h"

#include "win32_input_state.h"

namespace corvanta::win32 {
namespace {

constexpr char kCoverClass[] = "CorvantaCoverWindow";

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoA(monitor, &info)) {
    const RECT& r = info.rcMonitor;
    reinterpret_cast<std::vector<Monitor>*>(data)->push_back(
        {r.left, r.top, r.right - r.left, r.bottom - r.top,
         (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  }
  return TRUE;
}

// The pointer of a mouse message, in virtual-screen pixels.
POINT DesktopPoint(HWND hwnd, LPARAM lp) {
  POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  ClientToScreen(hwnd, &p);
  return p;
}

}  // namespace

Win32Monitors::~Win32Monitors() {
  for (const auto& [id, hwnd] : covers_) DestroyWindow(hwnd);
  covers_.clear();
  Listen(nullptr);
}

std::vector<Monitor> Win32Monitors::List() const {
  std::vector<Monitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

HWND Win32Monitors::Create(DWORD ex_style, const char* title, const Monitor& area) {
  if (!registered_) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &Win32Monitors::Proc;
    wc.hInstance = instance_;
    wc.hCursor = nullptr;  // the cursor is hidden over a cover, whatever the display count
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kCoverClass;
    registered_ = RegisterClassExA(&wc) != 0;
  }
  return CreateWindowExA(ex_style, kCoverClass, title, WS_POPUP, area.left,
                         area.top, area.width, area.height, nullptr, nullptr, instance_, this);
}

CoverId Win32Monitors::MakeCover(const Monitor& area) {
  HWND hwnd = Create(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "Screen Saver cover", area);
  if (hwnd == nullptr) return 0;
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd);
  const CoverId id = next_++;
  covers_[id] = hwnd;
  return id;
}

void Win32Monitors::RemoveCover(CoverId cover) {
  const auto it = covers_.find(cover);
  if (it == covers_.end()) return;
  // Also from inside the cover's own message: nothing of it is touched after this.
  DestroyWindow(it->second);
  covers_.erase(it);
}

void Win32Monitors::Listen(CoverEvents* events) {
  listener_ = events;
  if (listener_ != nullptr && watch_ == nullptr) {
    // Never shown: it is here only to hear display changes, which reach top-level windows.
    watch_ = Create(WS_EX_TOOLWINDOW, "Screen Saver monitor watch", Monitor{0, 0, 1, 1});
  } else if (listener_ == nullptr && watch_ != nullptr) {
    DestroyWindow(watch_);
    watch_ = nullptr;
  }
}

LRESULT CALLBACK Win32Monitors::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = OwnerOf<Win32Monitors>(hwnd, msg, lp);
  if (self == nullptr) return DefWindowProcA(hwnd, msg, wp, lp);
  return self->Handle(hwnd, msg, wp, lp);
}

LRESULT Win32Monitors::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  CoverEvents* to = listener_;
  switch (msg) {
    case WM_DISPLAYCHANGE:
      if (hwnd == watch_ && to != nullptr) to->Monitors_Changed();
      return 0;
    case WM_SETCURSOR:
      SetCursor(nullptr);
      return TRUE;
    case WM_MOUSEACTIVATE:
      // The show window keeps the keyboard; a click here ends the show all the same.
      return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      if (to != nullptr) {
        const POINT p = DesktopPoint(hwnd, lp);
        to->Cover_MouseMove(ButtonState(wp), ShiftState(), p.x, p.y);
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
      if (to != nullptr) {
        const POINT p = DesktopPoint(hwnd, lp);
        to->Cover_MouseDown(PressedButton(msg), ShiftState(), p.x, p.y);
      }
      return msg == WM_XBUTTONDOWN ? TRUE : 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (to != nullptr) to->Cover_KeyDown(static_cast<std::int16_t>(wp & 0xFF), ShiftState());
      return 0;
    case WM_CLOSE:
      return 0;  // covers go with the show, not on their own
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace corvanta::win32
