#pragma once
// What the idle watch asks of a desktop's idle monitor, whichever it is: to be told each time
// the user has left the machine alone for the delay, and to start a delay over. Every source
// reports from the GLib main loop, on its bus's or compositor's messages only: no timers.

#include <functional>
#include <memory>
#include <string>

namespace corvanta::idle {

struct IdleEvents {
  std::function<void()> idle;                     // no input for a whole delay
  std::function<void(const std::string&)> lost;  // the monitor went away: one line, why
};

class IdleSource {
 public:
  virtual ~IdleSource() = default;
  // Starts watching: idle comes after every stretch of delay_ms without input, once each.
  virtual bool Start(unsigned delay_ms, std::string& error) = 0;
  // The next idle comes no sooner than a whole delay from now, however long the user has
  // already been away (an inhibitor has just gone).
  virtual void Restart() = 0;
  // From now on the delay is delay_ms (the desktop's own timing changed).
  virtual void SetDelay(unsigned delay_ms) = 0;
  // A word for the log: which monitor this is.
  virtual const char* Name() const = 0;
};

}  // namespace corvanta::idle
