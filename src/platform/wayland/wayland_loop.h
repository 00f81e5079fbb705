#pragma once
// The program's one loop: poll over the display's descriptor, the stop signals' pipe (SIGTERM,
// SIGINT) and the next deadline its owner names. After every dispatch the owner acts on what
// the listeners recorded; that is the only place anything is made, destroyed or drawn. It
// never spins: with no deadline it sleeps until the compositor or a signal says something.

#include <cstdint>
#include <optional>

struct wl_display;

namespace corvanta::wayland {

class Loop {
 public:
  using Micros = std::int64_t;
  enum class End { kDone, kSignal, kDisplayLost };

  // What the loop runs.
  class Work {
   public:
    // Acts on what the compositor said and on the deadlines that have come.
    virtual void Update(Micros now) = 0;
    // Leave the loop.
    virtual bool Done() const = 0;
    // The next deadline, if any.
    virtual std::optional<Micros> NextWake() const = 0;

   protected:
    ~Work() = default;
  };

  // Once the stop signals are caught (linux_services::CatchStopSignals), SIGTERM and SIGINT
  // end the loop.
  explicit Loop(wl_display* display) : display_(display) {}
  Loop(const Loop&) = delete;
  Loop& operator=(const Loop&) = delete;

  End Run(Work& work);

  static Micros Now();

 private:
  wl_display* display_;
};

}  // namespace corvanta::wayland
