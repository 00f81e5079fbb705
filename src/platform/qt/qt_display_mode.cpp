#include "platform/qt/qt_display_mode.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QWindow>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/linux/stop_signals.h"
#include "platform/qt/qt_main_form.h"
#include "platform/qt/qt_toolkit.h"
#include "platform/qt/qt_x11.h"
#include "show/display_form_entry.h"

namespace corvanta::qt {
namespace {

// The event loop ends on SIGTERM or SIGINT; see platform/linux/stop_signals.h.
class StopOnSignals {
 public:
  StopOnSignals() {
    const int fd = linux_services::StopSignalFd();
    if (fd < 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [] {
      linux_services::TakeStopSignals();
      QCoreApplication::exit(0);
    });
  }

 private:
  std::unique_ptr<QSocketNotifier> notifier_;
};

x11::XWindow RootOf(x11::XWindow window) {
  xcb_connection_t* c = x11::Connection();
  if (!c) return 0;
  xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
  const x11::XWindow root = g ? g->root : 0;
  std::free(g);
  return root;
}

void LowerToBottom(x11::XWindow window) {
  xcb_connection_t* c = x11::Connection();
  if (!c) return;
  const std::uint32_t below = XCB_STACK_MODE_BELOW;
  xcb_configure_window(c, window, XCB_CONFIG_WINDOW_STACK_MODE, &below);
  xcb_flush(c);
}

}  // namespace

int RunDisplayMode(const DisplayOptions& options) {
  StopOnSignals stop;
  QtToolkit kit("");
  const Picture sheet = DecodeBmp(SpriteSheetFile());
  QtMainForm form(kit, sheet);
  QWidget* widget = form.Widget();
  const auto own = static_cast<x11::XWindow>(widget->winId());
  // Input falls through to the host, and focus never comes to us: the daemon decides when
  // the race ends, not a key or a pointer over it.
  widget->setMouseTracking(false);
  widget->setFocusPolicy(Qt::NoFocus);
  if (QWindow* window = widget->windowHandle()) {
    window->setFlags(window->flags() | Qt::WindowTransparentForInput |
                     Qt::WindowDoesNotAcceptFocus);
  }

  // The root may also come by its id, as "--window-id" of a desktop background: the same
  // backdrop then, never a window over the user's.
  const x11::XWindow root = RootOf(own);
  const x11::XWindow host = options.window ? *options.window : root;
  const bool on_root = host == root;
  // On the root, a window manager would frame us; we are a backdrop, not an application.
  if (on_root) x11::SetOverrideRedirect(own, true);

  kit.Watch().IgnoreHostUnmaps();

  // Ids past 31 bits name no X window; as handles they turn negative, which names none either.
  const auto handle = static_cast<Hwnd>(host);
  const auto main_form = NewDisplayForm(kit, form.Controls(), handle, options.speed);
  if (!main_form) {
    std::fprintf(stderr, "corvanta: there is no window 0x%lx (%lu) to draw in\n",
                 static_cast<unsigned long>(host), static_cast<unsigned long>(host));
    return 1;
  }
  form.Bind(*main_form);
  // On the root we are the backdrop that display modes draw on the root window itself: under
  // every other window, never over one.
  if (on_root) LowerToBottom(own);
  return QApplication::exec();
}

}  // namespace corvanta::qt
