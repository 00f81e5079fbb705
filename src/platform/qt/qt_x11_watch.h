#pragma once
// Watches the X events Qt sends no signal for: the preview host going away, and something
// covering the full-screen show.

#include <QAbstractNativeEventFilter>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_x11.h"

namespace corvanta::qt {

class X11Watch : public QAbstractNativeEventFilter {
 public:
  explicit X11Watch(std::function<void()> end_process);
  ~X11Watch() override;
  X11Watch(const X11Watch&) = delete;
  X11Watch& operator=(const X11Watch&) = delete;

  // From now on the process ends when host is destroyed, stays unmapped, or an X error says
  // that host or own (the window embedded in it) has gone. Returns false when host is
  // already gone.
  bool WatchHost(x11::XWindow host, x11::XWindow own);
  // A display mode's host may be hidden for a while (a locker showing its password prompt)
  // and shown again; only its destruction ends the program then.
  void IgnoreHostUnmaps() { ignore_unmaps_ = true; }
  // Raises own again whenever another window covers part of it.
  void KeepOnTop(x11::XWindow own);

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;

 private:
  void CheckHostStillMapped();

  std::function<void()> end_process_;
  x11::XWindow host_ = 0;
  x11::XWindow embedded_ = 0;
  x11::XWindow topmost_ = 0;
  QTimer unmapped_grace_;
  bool ignore_unmaps_ = false;
};

}  // namespace corvanta::qt
