// Which runs the Wayland show takes, decided before any compositor is asked: only "/S" (the
// first two characters, any case) with $WAYLAND_DISPLAY set, and only when a compositor
// answers there; everything else is left to the X program.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/wayland/wayland_show.h"

namespace corvanta::wayland {
namespace {

// Sets a variable for one test and puts the old value back.
class Env {
 public:
  Env(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~Env() {
    if (had_) {
      setenv(name_, old_.c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

TEST(ShowOnWayland, LeavesToXWhatIsNotAShowOnAnAnsweringCompositor) {
  const Env runtime("XDG_RUNTIME_DIR", ::testing::TempDir().c_str());
  {
    const Env wayland("WAYLAND_DISPLAY", nullptr);
    EXPECT_EQ(ShowOnWayland("/S"), std::nullopt) << "no Wayland: X as ever";
  }
  const Env wayland("WAYLAND_DISPLAY", "corvanta-no-compositor-here");
  for (const char* other : {"/C", "/P 12", "/A", " /S", "", "--root"}) {
    EXPECT_EQ(ShowOnWayland(other), std::nullopt) << other;
  }
  // A show, but nobody answers on the socket: the X program has its say.
  for (const char* show : {"/S", "/s", "/Sxyz"}) EXPECT_EQ(ShowOnWayland(show), std::nullopt) << show;
}

}  // namespace
}  // namespace corvanta::wayland
