#pragma once
// frmMain on the fake backend, with its controls as the toolkit builds them before the load
// handler runs. Events go through the same lifecycle as on the real backends; a test reads the
// show state straight off frmMain.

#include "fake/fake_toolkit.h"
#include "show/frm_main.h"

namespace corvanta::fake {

// Passes every event on to frmMain, counting the runs of its unload handler.
class CountingEvents final : public MainFormEvents {
 public:
  explicit CountingEvents(frmMain& main) : main_(main) {}
  void Form_Load() override { main_.Form_Load(); }
  void Form_Unload(std::int16_t& c) override { ++unloads, main_.Form_Unload(c); }
  void Form_KeyDown(std::int16_t& k, std::int16_t& s) override { main_.Form_KeyDown(k, s); }
  void Form_MouseDown(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    main_.Form_MouseDown(b, s, x, y);
  }
  void Form_MouseMove(std::int16_t& b, std::int16_t& s, float& x, float& y) override {
    main_.Form_MouseMove(b, s, x, y);
  }
  void tmrRight_Timer() override { main_.tmrRight_Timer(); }
  void tmrDown_Timer() override { main_.tmrDown_Timer(); }
  int unloads = 0;

 private:
  frmMain& main_;
};

struct FakeMain {
  explicit FakeMain(FakeToolkit& kit, const Picture& sheet);

  FakeToolkit& kit;
  FakeWindow form;
  PictureBox picBox;
  FakeLabel Label1;
  FakeTimer tmrDown;
  FakeTimer tmrRight;
  frmMain main;
  CountingEvents events{main};
  FormLifecycle lifecycle;

  int UnloadHandlerRuns() const { return events.unloads; }
  void Load();
  void RaceTick(int n = 1);
  void FrameTick(int n = 1);
  void Key();
  void Click();
  void MoveTo(float x_twips, float y_twips);
};

}  // namespace corvanta::fake
