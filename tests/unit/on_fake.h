#pragma once
// The set-up every test on the fake backend shares: a toolkit the test arranges first (screen,
// store, instance, clipboard, host windows), then frmMain built on it and loaded with a command
// line. The show state is read straight off frmMain.

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "fake/fake_main.h"
#include "test_sheet.h"

namespace corvanta::testing {

class OnFake {
 public:
  using Arrange = std::function<void(fake::FakeToolkit&)>;

  OnFake() = default;
  explicit OnFake(std::string command, const Arrange& arrange = {}) {
    if (arrange) arrange(kit);
    Start(std::move(command));
  }
  OnFake(const OnFake&) = delete;
  OnFake& operator=(const OnFake&) = delete;

  // Builds frmMain with its controls and runs its load handler.
  void Start(std::string command) {
    kit.command = std::move(command);
    m.emplace(kit, sheet);
    m->Load();
  }
  void Screen(int width_px, int height_px, float tpp = 15) {
    kit.screen_w_px = width_px, kit.screen_h_px = height_px;
    kit.tpp_x = kit.tpp_y = tpp;
  }

  frmMain& main() { return m->main; }
  bool Closed() const { return m->form.unloaded; }

  Picture sheet = TestSheet();
  fake::FakeToolkit kit;
  std::optional<fake::FakeMain> m;
};

}  // namespace corvanta::testing
