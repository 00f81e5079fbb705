#include "fake/fake_main.h"

#include "layout/designs.h"

namespace corvanta::fake {

FakeMain::FakeMain(FakeToolkit& k, const Picture& sheet)
    : kit(k),
      form(k.calls, kOwnHwnd),
      picBox(k.tpp_x, k.tpp_y, kMainDesign.Control("picBox").width,
             kMainDesign.Control("picBox").height),
      tmrDown(kMainDesign.Control("tmrDown").interval_ms),
      tmrRight(kMainDesign.Control("tmrRight").interval_ms),
      main(k, MainControls{form, sheet, picBox, Label1, tmrDown, tmrRight}),
      lifecycle(k.windows, form) {
  form.lifecycle = &lifecycle;
  lifecycle.Bind(events);
}

void FakeMain::Load() {
  lifecycle.Deliver([](MainFormEvents& e) { e.Form_Load(); });
}
void FakeMain::RaceTick(int n) {
  for (int i = 0; i < n; ++i) lifecycle.Deliver([](MainFormEvents& e) { e.tmrRight_Timer(); });
}
void FakeMain::FrameTick(int n) {
  for (int i = 0; i < n; ++i) lifecycle.Deliver([](MainFormEvents& e) { e.tmrDown_Timer(); });
}
void FakeMain::Key() {
  std::int16_t code = 65, shift = 0;
  lifecycle.Deliver([&](MainFormEvents& e) { e.Form_KeyDown(code, shift); });
}
void FakeMain::Click() {
  std::int16_t button = 1, shift = 0;
  float x = 100, y = 100;
  lifecycle.Deliver([&](MainFormEvents& e) { e.Form_MouseDown(button, shift, x, y); });
}
void FakeMain::MoveTo(float x, float y) {
  std::int16_t button = 0, shift = 0;
  lifecycle.Deliver([&](MainFormEvents& e) { e.Form_MouseMove(button, shift, x, y); });
}

}  // namespace corvanta::fake
