#pragma once
// The monitors in memory: a test sets the list, sees the covers made and removed, and delivers
// monitor changes and cover input through the listener the program registered.

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "layout/monitors.h"

namespace corvanta::fake {

class FakeMonitors : public MonitorService {
 public:
  explicit FakeMonitors(std::vector<std::string>& log) : log_(log) {}

  std::vector<Monitor> List() const override { return monitors; }
  CoverId MakeCover(const Monitor& area) override {
    const CoverId id = 0x3000 + made++;
    covers[id] = area;
    std::ostringstream call;
    call << "MakeCover(" << area.left << ", " << area.top << ", " << area.width << ", "
         << area.height << ")";
    log_.push_back(call.str());
    return id;
  }
  void RemoveCover(CoverId cover) override {
    covers.erase(cover);
    ++removed;
    log_.push_back("RemoveCover(" + std::to_string(cover) + ")");
  }
  void Listen(CoverEvents* events) override { listener = events; }

  std::vector<Monitor> monitors;      // empty: the platform offers no monitor list
  std::map<CoverId, Monitor> covers;  // the covers alive
  int made = 0, removed = 0;
  CoverEvents* listener = nullptr;

 private:
  std::vector<std::string>& log_;  // covers made and removed, among the window calls
};

}  // namespace corvanta::fake
