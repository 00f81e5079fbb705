// Reports the windows of a running program, for the end-to-end tests: finds the top-level
// window with the given title and writes one line per window, itself first, then every
// descendant in creation order:
//   <class>|<id>|<visible 0|1>|<x>,<y>,<w>,<h>|<selected index or ->|<text>
// with x, y relative to the top-level window's client area; for the top-level window itself,
// its client area's place on screen and size. Exit code 1 if no such window.
// Usage: window_probe <report> <title> [--wait-caption <ms>]
//   --wait-caption: first wait up to <ms> for a visible label child that has text, and report
//   then (the show's winner caption appears only for a while).

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Walk {
  HWND top;
  std::string out;
  bool caption_shown = false;
};

std::string Text(HWND hwnd) {
  char buf[512] = {};
  DWORD_PTR n = 0;
  // WM_GETTEXT also answers for a drop-down list (its selection), unlike GetWindowText across
  // processes; the timeout keeps a hung program from hanging the test.
  SendMessageTimeoutA(hwnd, WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf), SMTO_BLOCK,
                      2000, &n);
  return buf;
}

void Describe(Walk& w, HWND hwnd) {
  char cls[64] = {};
  GetClassNameA(hwnd, cls, sizeof cls);
  RECT r{};
  GetWindowRect(hwnd, &r);
  POINT p{r.left, r.top};
  ScreenToClient(w.top, &p);
  if (hwnd == w.top) {
    // The top-level window is given by its client area on screen, the origin of the rest.
    GetClientRect(hwnd, &r);
    p = {0, 0};
    ClientToScreen(hwnd, &p);
    r = {p.x, p.y, p.x + r.right, p.y + r.bottom};
  }
  const bool visible = (GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
  std::string selected = "-";
  if (std::string(cls) == "ComboBox") {
    DWORD_PTR sel = 0;
    SendMessageTimeoutA(hwnd, CB_GETCURSEL, 0, 0, SMTO_BLOCK, 2000, &sel);
    selected = std::to_string(static_cast<long>(static_cast<LONG_PTR>(sel)));
  }
  const std::string text = Text(hwnd);
  if (hwnd != w.top && std::string(cls) == "Static" && visible && !text.empty()) {
    w.caption_shown = true;
  }
  char line[1024];
  std::snprintf(line, sizeof line, "%s|%d|%d|%ld,%ld,%ld,%ld|%s|%s\n", cls,
                GetDlgCtrlID(hwnd), visible ? 1 : 0, static_cast<long>(p.x),
                static_cast<long>(p.y), static_cast<long>(r.right - r.left),
                static_cast<long>(r.bottom - r.top), selected.c_str(), text.c_str());
  w.out += line;
}

BOOL CALLBACK Child(HWND hwnd, LPARAM lp) {
  Describe(*reinterpret_cast<Walk*>(lp), hwnd);
  return TRUE;
}

Walk Survey(HWND top) {
  Walk w{top, {}};
  Describe(w, top);
  EnumChildWindows(top, Child, reinterpret_cast<LPARAM>(&w));
  return w;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  const char* report = __argv[1];
  HWND top = FindWindowA(nullptr, __argv[2]);
  if (top == nullptr) return 1;
  Walk w = Survey(top);
  if (__argc > 4 && std::string(__argv[3]) == "--wait-caption") {
    const DWORD limit = static_cast<DWORD>(std::stoul(__argv[4]));
    const DWORD start = GetTickCount();
    while (!w.caption_shown && GetTickCount() - start < limit && IsWindow(top)) {
      Sleep(10);
      w = Survey(top);
    }
    if (!w.caption_shown) return 3;
  }
  FILE* f = std::fopen(report, "wb");
  if (f == nullptr) return 2;
  std::fwrite(w.out.data(), 1, w.out.size(), f);
  std::fclose(f);
  return 0;
}
