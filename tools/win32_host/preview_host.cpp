// A stand-in for the system's screen-saver settings page: a window whose 152 x 112 client area
// takes the preview. It writes what it sees to a report file, one "key value" per line:
//   host <hwnd>                 as soon as the window exists (start the preview with it)
//   child <hwnd> pid <pid> client <w>x<h> style_child <0|1> visible <0|1>
//                               once a window of another process has become its child
//   saver_exit_ms <n>|timeout   with --destroy: how long the preview process lived on after
//                               the host destroyed its window
// Usage: preview_host <report> [--destroy]. Without --destroy it waits to be killed (and gives
// up by itself after a minute, so that it never lingers).

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kClientW = 152;
constexpr int kClientH = 112;
constexpr UINT_PTR kPollTimer = 1;
constexpr DWORD kLifetimeMs = 60000;
constexpr DWORD kSettleMs = 500;  // let the preview finish its set-up before destroying

std::string g_report;
std::string g_text;
bool g_destroy = false;
HWND g_child = nullptr;
DWORD g_child_pid = 0;
DWORD g_child_seen_at = 0;
DWORD g_started = 0;

void WriteReport(const std::string& line) {
  // Written whole and renamed into place, so that a reader never sees half a line.
  g_text += line + "\n";
  const std::string tmp = g_report + ".tmp";
  if (FILE* f = std::fopen(tmp.c_str(), "wb")) {
    std::fwrite(g_text.data(), 1, g_text.size(), f);
    std::fclose(f);
    MoveFileExA(tmp.c_str(), g_report.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
}

BOOL CALLBACK FindForeignChild(HWND hwnd, LPARAM lp) {
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != GetCurrentProcessId() && GetAncestor(hwnd, GA_PARENT) == reinterpret_cast<HWND>(lp)) {
    g_child = hwnd;
    g_child_pid = pid;
    return FALSE;
  }
  return TRUE;
}

void Poll(HWND host) {
  if (GetTickCount() - g_started > kLifetimeMs) {
    PostQuitMessage(1);
    return;
  }
  if (g_child == nullptr) {
    EnumChildWindows(host, FindForeignChild, reinterpret_cast<LPARAM>(host));
    if (g_child == nullptr) return;
    g_child_seen_at = GetTickCount();
    return;
  }
  if (g_child_seen_at == 0 || GetTickCount() - g_child_seen_at < kSettleMs) return;
  g_child_seen_at = 0;
  RECT rc{};
  GetClientRect(g_child, &rc);
  const LONG style = GetWindowLongA(g_child, GWL_STYLE);
  char line[256];
  std::snprintf(line, sizeof line, "child %ld pid %lu client %ldx%ld style_child %d visible %d",
                static_cast<long>(reinterpret_cast<LONG_PTR>(g_child)),
                static_cast<unsigned long>(g_child_pid), static_cast<long>(rc.right),
                static_cast<long>(rc.bottom), (style & WS_CHILD) ? 1 : 0,
                (style & WS_VISIBLE) ? 1 : 0);
  WriteReport(line);
  if (!g_destroy) return;
  HANDLE saver = OpenProcess(SYNCHRONIZE, FALSE, g_child_pid);
  const DWORD before = GetTickCount();
  DestroyWindow(host);
  if (saver == nullptr) {
    WriteReport("saver_exit_ms unknown");
    return;
  }
  // Keep answering messages while waiting, as a real host does: the preview's window may
  // still talk to its parent while it goes.
  DWORD waited = WAIT_TIMEOUT;
  while (GetTickCount() - before < 5000) {
    waited = MsgWaitForMultipleObjects(1, &saver, FALSE, 5000 - (GetTickCount() - before),
                                       QS_ALLINPUT);
    if (waited != WAIT_OBJECT_0 + 1) break;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message != WM_QUIT) DispatchMessageA(&msg);
    }
  }
  const DWORD ms = GetTickCount() - before;
  CloseHandle(saver);
  WriteReport(waited == WAIT_OBJECT_0 ? "saver_exit_ms " + std::to_string(ms)
                                      : std::string("saver_exit_ms timeout"));
  PostQuitMessage(0);  // the one the window's destruction posted was taken while waiting
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      Poll(hwnd);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd, msg, wp, lp);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 2;
  g_report = __argv[1];
  g_destroy = __argc > 2 && std::string(__argv[2]) == "--destroy";
  g_started = GetTickCount();

  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  wc.lpszClassName = "CorvantaPreviewHost";
  RegisterClassA(&wc);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
  RECT r{0, 0, kClientW, kClientH};
  AdjustWindowRect(&r, style, FALSE);
  HWND host = CreateWindowA("CorvantaPreviewHost", "Preview Host", style, 40, 40,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance,
                            nullptr);
  ShowWindow(host, SW_SHOW);
  WriteReport("host " + std::to_string(reinterpret_cast<LONG_PTR>(host)));
  SetTimer(host, kPollTimer, 20, nullptr);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return static_cast<int>(msg.wParam);
}
