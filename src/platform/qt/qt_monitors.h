#pragma once
// The monitors on Qt: QGuiApplication's screens (RandR monitors on X) and its screen signals.
// Covers are black override-redirect windows, painted once by Qt's backing store on expose.
// The show window keeps the keyboard and pointer grab, so pointer input over a cover reaches
// the show window; an application event filter hands any that lies outside the window it
// reached, over a cover, to the covers' listener in desktop pixels.
// Depends on Qt 6 Widgets on xcb, and qt_x11 for override-redirect and the task bar hint.

#include <QObject>
#include <QPoint>
#include <QTimer>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "layout/monitors.h"

namespace corvanta::qt {

class QtMonitors final : public QObject, public MonitorService {
 public:
  QtMonitors();
  ~QtMonitors() override;

  std::vector<Monitor> List() const override;
  CoverId MakeCover(const Monitor& area) override;
  void RemoveCover(CoverId cover) override;
  void Listen(CoverEvents* events) override;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool OverCover(QPoint global) const;

  CoverEvents* listener_ = nullptr;
  std::map<CoverId, std::unique_ptr<QWidget>> covers_;
  // Removed covers, hidden, kept until no event of theirs can be running: a cover is often
  // removed from inside its own event, and deleteLater would leak it once the loop has ended.
  std::vector<std::unique_ptr<QWidget>> retired_;
  CoverId next_ = 1;
  // Qt sends several signals for one change, some before its screen list is up to date:
  // one look at the list once they have all been delivered.
  QTimer changed_;
};

}  // namespace corvanta::qt
