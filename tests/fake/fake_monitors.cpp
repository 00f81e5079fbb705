#include "fake/fake_monitors.h"

#include <sstream>

namespace corvanta::fake {

CoverId FakeMonitors::MakeCover(const Monitor& area) {
  const CoverId id = 0x3000 + made++;
  covers[id] = area;
  std::ostringstream call;
  call << "MakeCover(" << area.left << ", " << area.top << ", " << area.width << ", "
       << area.height << ")";
  log_.push_back(call.str());
  return id;
}

void FakeMonitors::RemoveCover(CoverId cover) {
  covers.erase(cover);
  log_.push_back("RemoveCover(" + std::to_string(cover) + ")");
  ++removed;
}

}  // namespace corvanta::fake
