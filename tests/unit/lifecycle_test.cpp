// The form lifecycle every backend shares: events only while the window lives, each followed by
// a present; unload honouring Cancel; the program's end when the last window goes.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout/form_lifecycle.h"

namespace corvanta {
namespace {

struct Recorder : FormLifecycle::Native, MainFormEvents {
  void Present() override { log.push_back("present"); }
  void Destroy() override { log.push_back("destroy"); }
  void Form_Load() override { log.push_back("load"); }
  void Form_Unload(std::int16_t& Cancel) override {
    log.push_back("unload");
    Cancel = cancel;
    if (unload_again) life->Unload();
  }
  void Form_KeyDown(std::int16_t&, std::int16_t&) override { log.push_back("key"); }
  void Form_MouseDown(std::int16_t&, std::int16_t&, float&, float&) override {}
  void Form_MouseMove(std::int16_t&, std::int16_t&, float&, float&) override {}
  void tmrRight_Timer() override {
    log.push_back("tick");
    if (unload_on_tick) life->Unload();
  }
  void tmrDown_Timer() override {}

  std::vector<std::string> log;
  std::int16_t cancel = 0;
  bool unload_on_tick = false, unload_again = false;
  FormLifecycle* life = nullptr;
};

struct Window {
  Window() { life.Bind(rec); rec.life = &life; }
  void Tick() { life.Deliver([](MainFormEvents& e) { e.tmrRight_Timer(); }); }
  int ends = 0;
  WindowCount windows{[this] { ++ends; }};
  Recorder rec;
  FormLifecycle life{windows, rec};
};

using Log = std::vector<std::string>;

TEST(FormLifecycle, EachEventIsPresentedUnlessItUnloadedTheWindow) {
  Window w;
  w.life.Deliver([](MainFormEvents& e) { e.Form_Load(); });
  w.Tick();
  EXPECT_EQ(w.rec.log, (Log{"load", "present", "tick", "present"}));
  w.rec.log.clear();
  w.rec.unload_on_tick = true;
  w.Tick();
  EXPECT_EQ(w.rec.log, (Log{"tick", "unload", "destroy"}));
  w.Tick();
  EXPECT_EQ(w.rec.log.size(), 3u) << "a gone window hears nothing";
  EXPECT_TRUE(w.life.Gone());
}

TEST(FormLifecycle, CancelKeepsTheWindowAndItsEvents) {
  Window w;
  w.rec.cancel = 1;
  w.life.Unload();
  EXPECT_FALSE(w.life.Gone());
  EXPECT_TRUE(w.life.Live());
  EXPECT_EQ(w.windows.Left(), 1);
  w.rec.cancel = 0;
  w.life.Unload();
  EXPECT_EQ(w.rec.log, (Log{"unload", "unload", "destroy"}));
  EXPECT_EQ(w.ends, 1);
}

TEST(FormLifecycle, AnUnloadFromTheUnloadHandlerRunsNothingTwice) {
  Window w;
  w.rec.unload_again = true;
  w.life.Unload();
  w.life.Unload();
  EXPECT_EQ(w.rec.log, (Log{"unload", "destroy"}));
  EXPECT_EQ(w.ends, 1);
}

TEST(FormLifecycle, UnboundWindowsHearNothingButStillUnload) {
  int ends = 0;
  WindowCount windows([&] { ++ends; });
  Recorder rec;
  FormLifecycle life(windows, rec);
  life.Deliver([](MainFormEvents& e) { e.Form_Load(); });
  EXPECT_TRUE(rec.log.empty());
  life.Unload();
  EXPECT_EQ(rec.log, (Log{"destroy"}));
  EXPECT_EQ(ends, 1);
}

TEST(FormLifecycle, DestroyedFromOutsideEndsOnceWithoutTheHandler) {
  Window w;
  w.life.Destroyed();
  w.life.Destroyed();
  w.life.Unload();
  w.Tick();
  EXPECT_TRUE(w.rec.log.empty());
  EXPECT_EQ(w.ends, 1);
}

TEST(WindowCount, TheProgramEndsWithTheLastWindowOnly) {
  int ends = 0;
  WindowCount windows([&] { ++ends; });
  windows.Opened();
  windows.Opened();
  windows.Closed();
  EXPECT_EQ(ends, 0);
  windows.Closed();
  EXPECT_EQ(ends, 1);
  windows.Closed();
  EXPECT_EQ(ends, 1) << "closing more than was opened ends nothing again";
  EXPECT_EQ(windows.Left(), 0);
}

}  // namespace
}  // namespace corvanta
