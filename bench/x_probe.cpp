// An X client that watches the screen for the benchmarks, without touching the program.
//
//   x_probe first-frame TIMEOUT -- PROGRAM ARGS...
//       starts the program, prints "pid N", then "first_frame_ms T": the time from the start
//       to the first drawing after which ball 1 shows in its lane at the start line
//   x_probe ticks SECONDS
//       prints "frames F racing_s R ticks_per_s T rects N area A max_gap_ms G" for SECONDS of
//       drawing; G is the longest time between two frames of a race, a stall of the show
//
// Ticks are counted from what reaches the screen. Every racing tick draws, and the drawing of
// one tick reaches the server as one burst of rectangles, so bursts are frames. The two-second
// holds between races draw nothing though the timer keeps ticking at the same pace, so the
// rate is measured over the racing stretches only: frames per second of racing time.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "x_client.hpp"

namespace {

using Clock = std::chrono::steady_clock;

// Damage within this many server milliseconds of the previous rectangle belongs to the same
// frame; ticks are ten apart.
constexpr unsigned long kBurstMs = 3;
// A gap longer than this ends a racing stretch: a hold, or a stall worth not averaging over.
constexpr unsigned long kHoldGapMs = 500;

int DamageEventBase(Display* d) {
  int event_base = 0, error_base = 0;
  if (!XDamageQueryExtension(d, &event_base, &error_base)) return -1;
  XDamageCreate(d, DefaultRootWindow(d), XDamageReportRawRectangles);
  XSync(d, False);
  return event_base;
}

// Waits up to ms for the connection to have something to read.
void WaitForEvents(Display* d, int ms) {
  pollfd p{ConnectionNumber(d), POLLIN, 0};
  poll(&p, 1, ms);
}

// Does ball 1's cell at the start line (its lane is an eleventh of the height down) show a
// pixel that is not black?
bool FirstBallShows(Display* d) {
  const int h = DisplayHeight(d, DefaultScreen(d));
  const int top = static_cast<int>(std::nearbyint(h / 11.0));
  XImage* img = XGetImage(d, DefaultRootWindow(d), 0, top, 32, 32, AllPlanes, ZPixmap);
  if (!img) return false;
  bool seen = false;
  for (int y = 0; y < 32 && !seen; ++y) {
    for (int x = 0; x < 32 && !seen; ++x) seen = (XGetPixel(img, x, y) & 0xFFFFFF) != 0;
  }
  XDestroyImage(img);
  return seen;
}

int FirstFrame(Display* d, double timeout_s, char** argv) {
  const int damage = DamageEventBase(d);
  if (damage < 0) return 2;
  if (FirstBallShows(d)) {
    std::fprintf(stderr, "x_probe: the screen shows a ball before the start\n");
    return 2;
  }
  const auto start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[0], argv);
    _exit(127);
  }
  std::printf("pid %d\n", static_cast<int>(pid));
  std::fflush(stdout);
  const auto end = start + std::chrono::duration<double>(timeout_s);
  while (Clock::now() < end) {
    bool drawn = false;
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      drawn = drawn || e.type == damage + XDamageNotify;
    }
    if (drawn && FirstBallShows(d)) {
      const std::chrono::duration<double, std::milli> ms = Clock::now() - start;
      std::printf("first_frame_ms %.1f\n", ms.count());
      return 0;
    }
    WaitForEvents(d, 5);
  }
  std::printf("first_frame_ms timeout\n");
  return 1;
}

int Ticks(Display* d, double seconds) {
  const int damage = DamageEventBase(d);
  if (damage < 0) return 2;
  std::vector<unsigned long> frames;  // server time of each frame's first rectangle
  frames.reserve(static_cast<std::size_t>(seconds * 200) + 16);
  unsigned long last = 0;
  long rects = 0;
  long long area = 0;
  const auto end = Clock::now() + std::chrono::duration<double>(seconds);
  while (Clock::now() < end) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type != damage + XDamageNotify) continue;
      const auto& ev = reinterpret_cast<const XDamageNotifyEvent&>(e);
      ++rects;
      area += static_cast<long long>(ev.area.width) * ev.area.height;
      if (frames.empty() || ev.timestamp - last > kBurstMs) frames.push_back(ev.timestamp);
      last = ev.timestamp;
    }
    WaitForEvents(d, 2);
  }
  // Racing stretches: runs of frames with no long gap; count the intervals inside them.
  long intervals = 0;
  unsigned long racing_ms = 0, max_gap = 0;
  for (std::size_t i = 1; i < frames.size(); ++i) {
    const unsigned long gap = frames[i] - frames[i - 1];
    if (gap <= kHoldGapMs) {
      ++intervals;
      racing_ms += gap;
      max_gap = std::max(max_gap, gap);
    }
  }
  const double racing_s = racing_ms / 1000.0;
  std::printf("frames %zu racing_s %.2f ticks_per_s %.1f rects %ld area %lld max_gap_ms %lu\n",
              frames.size(), racing_s, racing_s > 0 ? intervals / racing_s : 0.0, rects, area,
              max_gap);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cmd = argc > 1 ? argv[1] : "";
  return x_client::RunOnDisplay("x_probe", [&](Display* d) {
    if (cmd == "first-frame" && argc >= 5 && std::strcmp(argv[3], "--") == 0)
      return FirstFrame(d, std::atof(argv[2]), argv + 4);
    if (cmd == "ticks" && argc == 3) return Ticks(d, std::atof(argv[2]));
    std::fprintf(stderr, "usage: see the top of x_probe.cpp\n");
    return 2;
  });
}
