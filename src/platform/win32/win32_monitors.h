#pragma once
// The monitors on Win32: EnumDisplayMonitors and GetMonitorInfo, in virtual-screen pixels, which
// count from the primary's corner. Covers are black popups of a class of their own, topmost and
// off the task bar, painted by the class brush when shown and never again. A hidden window of
// the same class hears WM_DISPLAYCHANGE while someone listens, so a monitor plugged in with no
// cover yet is noticed too. Depends on user32 and gdi32.

#include <map>

#include "layout/monitors.h"
#include "win32_common.h"

namespace corvanta::win32 {

class Win32Monitors final : public MonitorService {
 public:
  explicit Win32Monitors(HINSTANCE instance) : instance_(instance) {}
  ~Win32Monitors() override;
  Win32Monitors(const Win32Monitors&) = delete;
  Win32Monitors& operator=(const Win32Monitors&) = delete;

  std::vector<Monitor> List() const override;
  CoverId MakeCover(const Monitor& area) override;
  void RemoveCover(CoverId cover) override;
  void Listen(CoverEvents* events) override;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND Create(DWORD ex_style, const char* title, const Monitor& area);

  HINSTANCE instance_;
  bool registered_ = false;
  CoverEvents* listener_ = nullptr;
  HWND watch_ = nullptr;
  std::map<CoverId, HWND> covers_;
  CoverId next_ = 1;
};

}  // namespace corvanta::win32
