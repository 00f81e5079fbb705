#pragma once
// Monitors and the black covers over the ones the show leaves uncovered. The backend lists the
// monitors and makes or removes plain windows; which monitors get a cover, and what input over
// a cover means, the show decides.

#include <cstdint>
#include <vector>

namespace corvanta {

// A monitor's rectangle in pixels, in the one coordinate space of the whole desktop. Monitors
// left of or above the primary have negative coordinates where the platform counts from the
// primary's corner.
struct Monitor {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  bool primary = false;

  friend bool operator==(const Monitor&, const Monitor&) = default;
};

using CoverId = std::int32_t;

// What the backend calls: changes to the set of monitors, and input that a cover saw. Pointer
// positions are desktop pixels, the coordinate space of Monitor.
class CoverEvents {
 public:
  virtual ~CoverEvents() = default;
  virtual void Monitors_Changed() = 0;
  virtual void Cover_KeyDown(std::int16_t KeyCode, std::int16_t Shift) = 0;
  virtual void Cover_MouseDown(std::int16_t Button, std::int16_t Shift, std::int32_t x,
                               std::int32_t y) = 0;
  virtual void Cover_MouseMove(std::int16_t Button, std::int16_t Shift, std::int32_t x,
                               std::int32_t y) = 0;
};

class MonitorService {
 public:
  virtual ~MonitorService() = default;
  // Every monitor as the platform reports it now, the primary marked.
  virtual std::vector<Monitor> List() const = 0;
  // A borderless black window over area: topmost, off the task bar, shown at once, painted
  // once, the cursor hidden over it. It reports its input to the listener.
  virtual CoverId MakeCover(const Monitor& area) = 0;
  // Safe from inside the cover's own input handler.
  virtual void RemoveCover(CoverId cover) = 0;
  // Where monitor changes and cover input go from now on; nullptr for nowhere.
  virtual void Listen(CoverEvents* events) = 0;
};

}  // namespace corvanta
