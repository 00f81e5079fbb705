#include "win32_toolkit.h"

#include <utility>
#include <vector>

#include "layout/twips.h"
#include "win32_settings_dialog.h"

namespace corvanta::win32 {
namespace {

// Often enough to notice a vanished host well within a second, rarely enough to cost nothing.
constexpr UINT kHostWatchMs = 200;

}  // namespace

Metrics ReadMetrics() {
  Metrics m;
  HDC screen = GetDC(nullptr);
  const int dpi_x = GetDeviceCaps(screen, LOGPIXELSX);
  const int dpi_y = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (dpi_x > 0) m.tpp_x = TwipsPerPixelAt(dpi_x);
  if (dpi_y > 0) {
    m.tpp_y = TwipsPerPixelAt(dpi_y);
    m.dpi_y = dpi_y;
  }
  m.screen_w_px = GetSystemMetrics(SM_CXSCREEN);
  m.screen_h_px = GetSystemMetrics(SM_CYSCREEN);
  return m;
}

std::string ArgumentText(const char* command_line) {
  if (command_line == nullptr) return {};
  const char* p = command_line;
  if (*p == '"') {
    ++p;
    while (*p != '\0' && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p != '\0' && *p != ' ' && *p != '\t') ++p;
  }
  if (*p == ' ' || *p == '\t') ++p;
  return std::string(p);
}

bool ClaimInstance() {
  // Deliberately leaked: the handle must live as long as the process, and the system closes it.
  CreateMutexA(nullptr, FALSE, "Local\\Corvanta Screen Saver.instance");
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

Win32Toolkit::Win32Toolkit(HINSTANCE instance, std::string command, bool another_instance)
    : instance_(instance),
      command_(std::move(command)),
      another_instance_(another_instance),
      metrics_(ReadMetrics()) {}

Twips Win32Toolkit::ScreenWidth() const {
  return PixelsToTwips(metrics_.screen_w_px, metrics_.tpp_x);
}
Twips Win32Toolkit::ScreenHeight() const {
  return PixelsToTwips(metrics_.screen_h_px, metrics_.tpp_y);
}

Version Win32Toolkit::App() const {
  Version v;
  char path[MAX_PATH] = {};
  if (GetModuleFileNameA(nullptr, path, MAX_PATH) == 0) return v;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  if (size == 0) return v;
  std::vector<char> info(size);
  if (!GetFileVersionInfoA(path, 0, size, info.data())) return v;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  if (!VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &len) ||
      len < sizeof(VS_FIXEDFILEINFO)) {
    return v;
  }
  v.Major = HIWORD(fixed->dwFileVersionMS);
  v.Minor = LOWORD(fixed->dwFileVersionMS);
  v.Revision = HIWORD(fixed->dwFileVersionLS);
  return v;
}

bool Win32Toolkit::OpenClipboardBriefly() {
  // Another program may hold the clipboard for a moment; wait a little, never long.
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(main_hwnd_)) return true;
    Sleep(10);
  }
  return false;
}

void Win32Toolkit::ClipboardClear() {
  if (!OpenClipboardBriefly()) return;
  EmptyClipboard();
  CloseClipboard();
}

std::string Win32Toolkit::ClipboardGetText() {
  std::string text;
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboardBriefly()) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
      // Bounded by the block's size: clipboard text from another program need not end in NUL.
      const SIZE_T limit = GlobalSize(data);
      SIZE_T n = 0;
      while (n < limit && chars[n] != '\0') ++n;
      text.assign(chars, n);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void Win32Toolkit::ClipboardSetText(std::string_view text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block == nullptr) return;
  char* chars = static_cast<char*>(GlobalLock(block));
  if (chars == nullptr) {
    GlobalFree(block);
    return;
  }
  text.copy(chars, text.size());
  chars[text.size()] = '\0';
  GlobalUnlock(block);
  if (!OpenClipboardBriefly()) {
    GlobalFree(block);
    return;
  }
  // Only the clipboard's owner may put data on it; opening it with our window and emptying it
  // makes us the owner. The system owns the block once it is accepted.
  EmptyClipboard();
  if (SetClipboardData(CF_TEXT, block) == nullptr) GlobalFree(block);
  CloseClipboard();
}

void Win32Toolkit::Beep() { MessageBeep(MB_OK); }

std::int32_t Win32Toolkit::SetWindowPos(Hwnd hwnd, Hwnd insert_after, std::int32_t x,
                                        std::int32_t y, std::int32_t cx, std::int32_t cy,
                                        std::int32_t flags) {
  return ::SetWindowPos(ToHwnd(hwnd), ToHwnd(insert_after), x, y, cx, cy,
                        static_cast<UINT>(flags));
}

std::int32_t Win32Toolkit::GetWindowLongA(Hwnd hwnd, std::int32_t index) {
  return ::GetWindowLongA(ToHwnd(hwnd), index);
}

std::int32_t Win32Toolkit::SetWindowLongA(Hwnd hwnd, std::int32_t index, std::int32_t value) {
  if (index == user32::GWL_HWNDPARENT) {
    // The owner is a pointer-sized slot: 64-bit headers offer it only through the Ptr call.
    return static_cast<std::int32_t>(
        ::SetWindowLongPtrA(ToHwnd(hwnd), GWLP_HWNDPARENT, static_cast<LONG_PTR>(value)));
  }
  return ::SetWindowLongA(ToHwnd(hwnd), index, value);
}

Hwnd Win32Toolkit::SetParent(Hwnd child, Hwnd new_parent) {
  const HWND previous = ::SetParent(ToHwnd(child), ToHwnd(new_parent));
  const HWND parent = ToHwnd(new_parent);
  if (ToHwnd(child) == main_hwnd_ && parent != nullptr && IsWindow(parent) && host_watch_ == 0) {
    host_ = parent;
    host_watch_ = SetTimer(nullptr, 0, kHostWatchMs, nullptr);
  }
  return FromHwnd(previous);
}

bool Win32Toolkit::IsHostWatch(const MSG& msg) const {
  return host_watch_ != 0 && msg.hwnd == nullptr && msg.message == WM_TIMER &&
         msg.wParam == host_watch_;
}

bool Win32Toolkit::HostGone() const { return host_ != nullptr && !IsWindow(host_); }

std::int32_t Win32Toolkit::GetClientRect(Hwnd hwnd, Rect32& rect) {
  // Handle 0 names no window: refuse it before the system is asked anything about it.
  const HWND h = ToHwnd(hwnd);
  if (h == nullptr || !IsWindow(h)) return 0;
  RECT r{};
  if (!::GetClientRect(h, &r)) return 0;
  rect = {r.left, r.top, r.right, r.bottom};
  return 1;
}

std::int32_t Win32Toolkit::ShowCursor(std::int32_t show) { return ::ShowCursor(show != 0); }

void Win32Toolkit::ShowSettingsModal(SettingsFormEvents& events) {
  RunSettingsDialog(instance_, main_hwnd_, metrics_, events);
}

}  // namespace corvanta::win32
