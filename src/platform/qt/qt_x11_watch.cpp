#include "platform/qt/qt_x11_watch.h"

#include <xcb/xcb.h>

#include <QCoreApplication>

namespace corvanta::qt {
namespace {

// A host hides its preview window for a moment when it rearranges itself; one that is still
// unmapped after this long has closed for good.
constexpr int kUnmappedGraceMs = 500;

}  // namespace

X11Watch::X11Watch(std::function<void()> end_process) : end_process_(std::move(end_process)) {
  unmapped_grace_.setSingleShot(true);
  unmapped_grace_.setInterval(kUnmappedGraceMs);
  QObject::connect(&unmapped_grace_, &QTimer::timeout, [this] { CheckHostStillMapped(); });
  QCoreApplication::instance()->installNativeEventFilter(this);
}

X11Watch::~X11Watch() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

bool X11Watch::WatchHost(x11::XWindow host, x11::XWindow own) {
  host_ = host;
  embedded_ = own;
  return x11::WatchStructure(host);
}

void X11Watch::KeepOnTop(x11::XWindow own) {
  topmost_ = own;
  x11::WatchVisibility(own);
}

void X11Watch::CheckHostStillMapped() {
  const x11::MapState state = x11::StateOf(host_);
  if (state == x11::MapState::kGone || state == x11::MapState::kUnmapped) end_process_();
}

bool X11Watch::nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) {
  if (type != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  switch (event->response_type & 0x7f) {
    case 0: {
      // Qt would only print these. Requests about a host that vanished mid-set-up, or about
      // our window that went with it, mean the preview is over.
      const auto* error = static_cast<const xcb_generic_error_t*>(message);
      const bool gone = error->error_code == XCB_WINDOW || error->error_code == XCB_DRAWABLE;
      if (host_ != 0 && gone && (error->resource_id == host_ || error->resource_id == embedded_)) {
        end_process_();
        return true;
      }
      return false;
    }
    case XCB_DESTROY_NOTIFY: {
      const auto* e = static_cast<const xcb_destroy_notify_event_t*>(message);
      if (host_ != 0 && (e->window == host_ || e->window == embedded_)) end_process_();
      return false;
    }
    case XCB_UNMAP_NOTIFY: {
      const auto* e = static_cast<const xcb_unmap_notify_event_t*>(message);
      if (host_ != 0 && e->window == host_ && !ignore_unmaps_) unmapped_grace_.start();
      return false;
    }
    case XCB_MAP_NOTIFY: {
      const auto* e = static_cast<const xcb_map_notify_event_t*>(message);
      if (host_ != 0 && e->window == host_) unmapped_grace_.stop();
      return false;
    }
    case XCB_VISIBILITY_NOTIFY: {
      const auto* e = static_cast<const xcb_visibility_notify_event_t*>(message);
      if (topmost_ != 0 && e->window == topmost_ && e->state != XCB_VISIBILITY_UNOBSCURED) {
        x11::RaiseToTop(topmost_);
      }
      return false;
    }
    default:
      return false;
  }
}

}  // namespace corvanta::qt
