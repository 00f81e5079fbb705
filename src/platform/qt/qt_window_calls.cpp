// The window calls of the seam on X: own windows are the widgets this process made, any other
// id is a foreign X window, asked about through the X server.

#include <QCursor>
#include <QGuiApplication>
#include <QWindow>

#include "platform/qt/qt_main_form.h"
#include "platform/qt/qt_settings_dialog.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_x11.h"

namespace corvanta::qt {

using namespace user32;

QtMainForm* QtToolkit::Own(Hwnd hwnd) const {
  if (!main_form_ || hwnd == 0) return nullptr;
  return main_form_->hWnd() == hwnd ? main_form_ : nullptr;
}

std::int32_t QtToolkit::SetWindowPos(Hwnd hwnd, Hwnd insert_after, std::int32_t x, std::int32_t y,
                                     std::int32_t cx, std::int32_t cy, std::int32_t flags) {
  QtMainForm* form = Own(hwnd);
  if (!form) return 0;
  QWidget* w = form->Widget();
  if (!(flags & SWP_NOZORDER)) {
    if (insert_after == HWND_TOPMOST) {
      form->SetTopmost(true);
    } else if (insert_after == HWND_NOTOPMOST) {
      form->SetTopmost(false);
    } else if (insert_after == 0) {
      w->raise();
    }
  }
  if (!(flags & SWP_NOMOVE)) w->move(x, y);
  if (!(flags & SWP_NOSIZE)) w->resize(cx, cy);
  if (flags & SWP_SHOWWINDOW) {
    w->setAttribute(Qt::WA_ShowWithoutActivating, (flags & SWP_NOACTIVATE) != 0);
    w->show();
  }
  return 1;
}

std::int32_t QtToolkit::GetWindowLongA(Hwnd hwnd, std::int32_t index) {
  const QtMainForm* form = Own(hwnd);
  if (!form) return 0;
  return form->longs.Get(index, form->Widget()->isVisible());
}

std::int32_t QtToolkit::SetWindowLongA(Hwnd hwnd, std::int32_t index, std::int32_t value) {
  QtMainForm* form = Own(hwnd);
  // Recorded only: on X a window is a child by being re-parented (SetParent), and an owner
  // means nothing to a child window.
  return form ? form->longs.Set(index, value) : 0;
}

Hwnd QtToolkit::SetParent(Hwnd child, Hwnd new_parent) {
  QtMainForm* form = Own(child);
  if (!form) return 0;
  QWindow* window = form->Widget()->windowHandle();
  const Hwnd previous = host_ ? static_cast<Hwnd>(host_->winId()) : 0;
  if (new_parent == 0) {
    window->setParent(nullptr);
    host_.reset();
    return previous;
  }
  // Watched before Qt touches it, so a host that goes now or later ends the preview.
  if (!watch_.WatchHost(static_cast<x11::XWindow>(new_parent), static_cast<x11::XWindow>(child))) {
    EndProcess();
    return 0;
  }
  auto host = std::unique_ptr<QWindow>(QWindow::fromWinId(static_cast<WId>(new_parent)));
  window->setParent(host.get());
  host_ = std::move(host);
  return previous;
}

std::int32_t QtToolkit::GetClientRect(Hwnd hwnd, Rect32& rect) {
  if (const QtMainForm* form = Own(hwnd)) {
    rect = {0, 0, form->Widget()->width(), form->Widget()->height()};
    return 1;
  }
  if (hwnd <= 0) return 0;
  const auto size = x11::ClientSize(static_cast<x11::XWindow>(hwnd));
  if (!size) return 0;
  rect = {0, 0, size->width, size->height};
  return 1;
}

std::int32_t QtToolkit::ShowCursor(std::int32_t show) {
  const bool was_hidden = cursor_count_.Hidden();
  const std::int32_t count = cursor_count_.Change(show);
  const bool hidden = cursor_count_.Hidden();
  if (hidden && !was_hidden) QGuiApplication::setOverrideCursor(Qt::BlankCursor);
  if (!hidden && was_hidden) QGuiApplication::restoreOverrideCursor();
  return count;
}

void QtToolkit::ShowSettingsModal(SettingsFormEvents& events) {
  windows_.Opened();
  RunSettingsDialog(events, scale_);
  windows_.Closed();
}

}  // namespace corvanta::qt
