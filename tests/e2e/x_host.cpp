// A tiny X client for the end-to-end tests: a preview host window, a window manager's close,
// the cursor's visibility and a watch for windows being shown.
//
//   x_host window W H X Y   maps a W x H window at (X, Y), prints its id, then obeys stdin:
//                           "destroy", "unmap", "map"; ends at end of input
//   x_host close ID         asks a window to close, as a title bar's close button does
//   x_host cursor           prints "visible" or "hidden": does the current cursor show a pixel?
//   x_host maps SECONDS     prints "ready", then the number of windows mapped meanwhile
//   x_host grabs            prints whether another client holds the keyboard and the pointer
//   x_host damage SECONDS   prints how many rectangles of the screen were drawn in SECONDS,
//                           and the area of the largest

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>
#include <utility>

#include "x_client.hpp"

namespace {

int HostWindow(Display* d, int w, int h, int x, int y) {
  XSetWindowAttributes attrs{};
  attrs.background_pixel = 0x404040;
  attrs.override_redirect = True;  // placed exactly where asked, window manager or not
  const Window win = XCreateWindow(d, DefaultRootWindow(d), x, y, static_cast<unsigned>(w),
                                   static_cast<unsigned>(h), 0, CopyFromParent, InputOutput,
                                   CopyFromParent, CWBackPixel | CWOverrideRedirect, &attrs);
  XMapWindow(d, win);
  XSync(d, False);
  std::cout << win << std::endl;
  for (std::string line; std::getline(std::cin, line);) {
    if (line == "destroy") XDestroyWindow(d, win);
    if (line == "unmap") XUnmapWindow(d, win);
    if (line == "map") XMapWindow(d, win);
    XSync(d, False);
    std::cout << "done " << line << std::endl;
  }
  return 0;
}

int Close(Display* d, Window win) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = win;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(d, win, False, NoEventMask, &e);
  XSync(d, False);
  return 0;
}

int CursorShown(Display* d) {
  int event_base = 0, error_base = 0;
  if (!XFixesQueryExtension(d, &event_base, &error_base)) return 2;
  XFixesCursorImage* image = XFixesGetCursorImage(d);
  if (!image) return 2;
  bool visible = false;
  for (int i = 0; i < image->width * image->height; ++i) {
    if ((image->pixels[i] >> 24) & 0xFF) visible = true;
  }
  XFree(image);
  std::cout << (visible ? "visible" : "hidden") << std::endl;
  return 0;
}

int Maps(Display* d, double seconds) {
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  XSync(d, False);
  std::cout << "ready" << std::endl;
  int maps = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == MapNotify) ++maps;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  std::cout << maps << std::endl;
  return 0;
}

int Grabs(Display* d) {
  const Window root = DefaultRootWindow(d);
  const bool keyboard =
      XGrabKeyboard(d, root, False, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
  const bool pointer = XGrabPointer(d, root, False, 0, GrabModeAsync, GrabModeAsync, None, None,
                                    CurrentTime) == GrabSuccess;
  XUngrabKeyboard(d, CurrentTime);
  XUngrabPointer(d, CurrentTime);
  XSync(d, False);
  std::cout << "keyboard " << (keyboard ? "free" : "taken") << " pointer "
            << (pointer ? "free" : "taken") << std::endl;
  return 0;
}

int DamageReport(Display* d, double seconds) {
  int event_base = 0, error_base = 0;
  if (!XDamageQueryExtension(d, &event_base, &error_base)) return 2;
  // Raw rectangles: one report for every drawing request, as it reached the screen.
  XDamageCreate(d, DefaultRootWindow(d), XDamageReportRawRectangles);
  XSync(d, False);
  long rects = 0, largest = 0;
  // A new damage object first reports its whole drawable, once; that is not drawing.
  bool first = true;
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (std::chrono::steady_clock::now() < end) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type != event_base + XDamageNotify) continue;
      const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(e);
      if (std::exchange(first, false) && damage.area.width == damage.geometry.width &&
          damage.area.height == damage.geometry.height) {
        continue;
      }
      ++rects;
      largest = std::max(largest, static_cast<long>(damage.area.width) * damage.area.height);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  std::cout << rects << " " << largest << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string cmd = argc > 1 ? argv[1] : "";
  return x_client::RunOnDisplay("x_host", [&](Display* d) {
    if (cmd == "window" && argc == 6)
      return HostWindow(d, std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]),
                        std::atoi(argv[5]));
    if (cmd == "close" && argc == 3) return Close(d, std::strtoul(argv[2], nullptr, 0));
    if (cmd == "cursor") return CursorShown(d);
    if (cmd == "maps" && argc == 3) return Maps(d, std::atof(argv[2]));
    if (cmd == "grabs") return Grabs(d);
    if (cmd == "damage" && argc == 3) return DamageReport(d, std::atof(argv[2]));
    std::cerr << "usage: see the top of x_host.cpp\n";
    return 2;
  });
}
