#include "platform/qt/qt_timer.h"

#include <glib.h>

#include <QAbstractEventDispatcher>

namespace corvanta::qt {

struct QtTimer::GlibSource {
  GSource base;
  QtTimer* owner;

  static gboolean Dispatch(GSource* s, GSourceFunc, gpointer) {
    reinterpret_cast<GlibSource*>(s)->owner->Fire();
    return G_SOURCE_CONTINUE;
  }
};

namespace {

GSourceFuncs kFuncs = {nullptr, nullptr, &QtTimer::GlibSource::Dispatch, nullptr, nullptr, nullptr};

// Qt's GLib dispatcher runs the main thread on GLib's default context; any other dispatcher
// would never look at a source attached there.
bool LoopIsGlib() {
  const QAbstractEventDispatcher* d = QAbstractEventDispatcher::instance();
  return d && d->inherits("QEventDispatcherGlib");
}

}  // namespace

QtTimer::QtTimer(int interval_ms, std::function<void()> handler)
    : interval_ms_(interval_ms), handler_(std::move(handler)) {
  if (LoopIsGlib()) {
    GSource* s = g_source_new(&kFuncs, sizeof(GlibSource));
    source_ = reinterpret_cast<GlibSource*>(s);
    source_->owner = this;
    g_source_attach(s, nullptr);
  } else {
    fallback_ = std::make_unique<QTimer>();
    // Precise: the race counts ticks, so coarse 5 % slop would show.
    fallback_->setTimerType(Qt::PreciseTimer);
    fallback_->setInterval(interval_ms);
    QObject::connect(fallback_.get(), &QTimer::timeout, [this] { handler_(); });
  }
  Start(g_get_monotonic_time());
}

QtTimer::~QtTimer() {
  if (source_) {
    g_source_destroy(&source_->base);
    g_source_unref(&source_->base);
  }
}

void QtTimer::StartTogether(std::initializer_list<QtTimer*> timers) {
  const std::int64_t now = g_get_monotonic_time();
  for (QtTimer* t : timers) t->Start(now);
}

void QtTimer::Start(std::int64_t now_us) {
  if (fallback_) {
    fallback_->start();
    return;
  }
  deadline_us_ = now_us + std::int64_t{interval_ms_} * 1000;
  g_source_set_ready_time(&source_->base, deadline_us_);
}

void QtTimer::Stop() {
  if (fallback_) fallback_->stop();
  if (source_) g_source_set_ready_time(&source_->base, -1);
}

bool QtTimer::Active() const {
  return fallback_ ? fallback_->isActive() : g_source_get_ready_time(&source_->base) >= 0;
}

void QtTimer::Fire() {
  // Due again before the handler runs: a handler that stops the timer has the last word.
  // Ticks missed while the loop was held up are skipped, not made up for, and the next stays
  // on the grid of the start: timers started together stay in step.
  const std::int64_t step = std::int64_t{interval_ms_} * 1000;
  const std::int64_t now = g_source_get_time(&source_->base);
  deadline_us_ += step;
  if (deadline_us_ <= now) deadline_us_ += (now - deadline_us_) / step * step + step;
  g_source_set_ready_time(&source_->base, deadline_us_);
  handler_();
}

}  // namespace corvanta::qt
