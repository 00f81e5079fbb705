#pragma once
// Win32 backend: what every file of it shares. The platform header is included here only, with
// the same macros everywhere, and window handles cross the seam as 32-bit values: user handles
// are 32 bits wide even in a 64-bit process, and sign extension restores the special ones
// (HWND_TOPMOST is -1).

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdint>

#include "layout/basic_types.h"
#include "layout/twips.h"

namespace corvanta::win32 {

inline HWND ToHwnd(Hwnd h) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(h)); }
inline Hwnd FromHwnd(HWND h) { return static_cast<Hwnd>(reinterpret_cast<LONG_PTR>(h)); }

// The screen's density, read once at start-up: the program's layout is in twips.
struct Metrics {
  Twips tpp_x = 15;
  Twips tpp_y = 15;
  int dpi_y = 96;
  int screen_w_px = 0;
  int screen_h_px = 0;

  int PxX(Twips t) const { return TwipsToPixels(t, tpp_x); }
  int PxY(Twips t) const { return TwipsToPixels(t, tpp_y); }
};

Metrics ReadMetrics();

// The object a window was created for (CreateWindowEx's last argument), kept in the window's
// user data from WM_NCCREATE on: a window procedure's way back to its object. Null for the few
// messages that come before, and after the object cleared it.
template <typename Owner>
Owner* OwnerOf(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  return reinterpret_cast<Owner*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace corvanta::win32
