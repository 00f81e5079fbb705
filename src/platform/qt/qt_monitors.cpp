#include "platform/qt/qt_monitors.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>

#include "platform/qt/qt_input_state.h"
#include "platform/qt/qt_x11.h"

namespace corvanta::qt {
namespace {

QRect ToQRect(const Monitor& m) { return QRect(m.left, m.top, m.width, m.height); }

}  // namespace

QtMonitors::QtMonitors() {
  changed_.setSingleShot(true);
  changed_.setInterval(0);
  QObject::connect(&changed_, &QTimer::timeout, [this] {
    if (listener_) listener_->Monitors_Changed();
  });
  const auto watch = [this](QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, &changed_, qOverload<>(&QTimer::start));
  };
  for (QScreen* screen : QGuiApplication::screens()) watch(screen);
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  QObject::connect(app, &QGuiApplication::screenAdded, this, [this, watch](QScreen* screen) {
    watch(screen);
    changed_.start();
  });
  QObject::connect(app, &QGuiApplication::screenRemoved, &changed_, qOverload<>(&QTimer::start));
  QObject::connect(app, &QGuiApplication::primaryScreenChanged, &changed_,
                   qOverload<>(&QTimer::start));
}

QtMonitors::~QtMonitors() {
  Listen(nullptr);
  retired_.clear();
}

std::vector<Monitor> QtMonitors::List() const {
  std::vector<Monitor> monitors;
  const QScreen* primary = QGuiApplication::primaryScreen();
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect g = screen->geometry();
    monitors.push_back({g.x(), g.y(), g.width(), g.height(), screen == primary});
  }
  return monitors;
}

CoverId QtMonitors::MakeCover(const Monitor& area) {
  retired_.clear();
  auto cover = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
  cover->setObjectName("cover");
  cover->setWindowTitle("Screen Saver cover");
  QPalette palette = cover->palette();
  palette.setColor(QPalette::Window, Qt::black);
  cover->setPalette(palette);
  cover->setAutoFillBackground(true);
  cover->setCursor(Qt::BlankCursor);
  cover->setAttribute(Qt::WA_ShowWithoutActivating);
  cover->setGeometry(ToQRect(area));
  const auto id = static_cast<x11::XWindow>(cover->winId());
  x11::SetOverrideRedirect(id, true);
  x11::SkipTaskbar(id);
  cover->show();
  x11::RaiseToTop(id);
  x11::Flush();
  const CoverId cover_id = next_++;
  covers_[cover_id] = std::move(cover);
  return cover_id;
}

void QtMonitors::RemoveCover(CoverId cover) {
  const auto it = covers_.find(cover);
  if (it == covers_.end()) return;
  it->second->hide();
  retired_.push_back(std::move(it->second));
  covers_.erase(it);
  x11::Flush();
}

void QtMonitors::Listen(CoverEvents* events) {
  if (events && !listener_) QCoreApplication::instance()->installEventFilter(this);
  if (!events && listener_) QCoreApplication::instance()->removeEventFilter(this);
  listener_ = events;
  if (!listener_) changed_.stop();
}

bool QtMonitors::OverCover(QPoint global) const {
  for (const auto& [id, cover] : covers_) {
    if (cover->geometry().contains(global)) return true;
  }
  return false;
}

bool QtMonitors::eventFilter(QObject* watched, QEvent* event) {
  // Sees every event of the process, the race's timer ticks among them: the cheap test first.
  const QEvent::Type type = event->type();
  const bool input = type == QEvent::KeyPress || type == QEvent::MouseMove ||
                     type == QEvent::MouseButtonPress;
  if (!input || !listener_) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !widget->isWindow()) return false;
  bool is_cover = false;
  for (const auto& [id, cover] : covers_) is_cover = is_cover || cover.get() == widget;
  if (type == QEvent::KeyPress && is_cover) {
    const auto* e = static_cast<QKeyEvent*>(event);
    listener_->Cover_KeyDown(static_cast<std::int16_t>(e->key() & 0x7FFF),
                             ShiftState(e->modifiers()));
    return true;
  }
  if (type != QEvent::MouseMove && type != QEvent::MouseButtonPress) return false;
  const auto* e = static_cast<QMouseEvent*>(event);
  const QPoint global = e->globalPosition().toPoint();
  // Over the window the event reached, it is that window's own input.
  if (!is_cover && (widget->geometry().contains(global) || !OverCover(global))) return false;
  const std::int16_t shift = ShiftState(e->modifiers());
  if (type == QEvent::MouseMove) {
    listener_->Cover_MouseMove(ButtonState(e->buttons()), shift, global.x(), global.y());
  } else {
    listener_->Cover_MouseDown(ButtonState(e->button()), shift, global.x(), global.y());
  }
  return true;
}

}  // namespace corvanta::qt
