// The settings dialog's building steps, on widgets that only record what they are asked to do.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "fake/fake_toolkit.h"
#include "layout/settings_dialog_plan.h"

namespace corvanta {
namespace {

struct Made {
  std::string name;
  std::optional<std::size_t> container;
  Twips client_left, client_top;
};

class RecordingWidgets final : public SettingsDialogWidgets {
 public:
  RecordingWidgets(const FormDesign& design, std::vector<std::string>& log)
      : design_(design), log_(log), form_(log, 0x2000) {}

  PixelRect SizeClient(Twips width, Twips height) override {
    log_.push_back("SizeClient");
    // A frame of 8 pixels a side and a 30 pixel title bar, at 15 twips a pixel.
    return {0, 0, static_cast<int>(width / 15) + 16, static_cast<int>(height / 15) + 38};
  }
  PixelRect Screen() override { return screen; }
  void MoveTo(int x, int y) override { moved_to = {x, y}; }
  void Make(std::size_t index, const ControlDesign& design, std::optional<std::size_t> container,
            Twips client_left, Twips client_top) override {
    EXPECT_EQ(&design, &design_.controls[index]);
    if (container) {
      EXPECT_TRUE(made.count(*container)) << "container made after " << design.name;
    }
    made[index] = {std::string(design.name), container, client_left, client_top};
  }
  void TabAfter(std::size_t before, std::size_t after) override {
    if (tab_chain.empty()) tab_chain.push_back(Name(before));
    EXPECT_EQ(tab_chain.back(), Name(before));
    tab_chain.push_back(Name(after));
  }
  void OnClick(std::size_t button, Handler handler) override { clicks[Name(button)] = handler; }
  void Focus(std::size_t index) override { log_.push_back("Focus " + Name(index)); }
  SettingsControls Controls(std::size_t combo, std::size_t label6) override {
    EXPECT_EQ(Name(combo), "Combo1");
    EXPECT_EQ(Name(label6), "Label6");
    return {form_, combo_, label6_};
  }
  bool Unloaded() const override { return form_.unloaded; }

  std::string Name(std::size_t index) const { return std::string(design_.controls[index].name); }

  PixelRect screen{0, 0, 1024, 768};
  std::optional<std::pair<int, int>> moved_to;
  std::map<std::size_t, Made> made;
  std::vector<std::string> tab_chain;
  std::map<std::string, Handler> clicks;

 private:
  const FormDesign& design_;
  std::vector<std::string>& log_;
  fake::FakeWindow form_;
  fake::FakeCombo combo_;
  fake::FakeLabel label6_;
};

class RecordingEvents final : public SettingsFormEvents {
 public:
  explicit RecordingEvents(std::vector<std::string>& log) : log_(log) {}
  void Attach(const SettingsControls& c) override {
    log_.push_back("Attach");
    form_ = &c.form;
  }
  void Form_Load() override {
    log_.push_back("Form_Load");
    if (unload_on_load) form_->Unload();
  }
  void btnOK_Click() override { log_.push_back("btnOK_Click"); }
  void btnCancel_Click() override { log_.push_back("btnCancel_Click"); }
  bool unload_on_load = false;

 private:
  std::vector<std::string>& log_;
  Window* form_ = nullptr;
};

TEST(SettingsDialogPlan, ControlsGoIntoTheirContainersAtTheirPlaces) {
  std::vector<std::string> log;
  RecordingWidgets w(kSettingsDesign, log);
  RecordingEvents events(log);
  BuildSettingsDialog(kSettingsDesign, w, events);

  ASSERT_EQ(w.made.size(), kSettingsDesign.controls.size());
  const std::size_t frame = 0;
  ASSERT_EQ(w.made[frame].name, "Frame1");
  for (const auto& [index, m] : w.made) {
    const ControlDesign& c = kSettingsDesign.controls[index];
    const bool inside_frame = c.container == "Frame1";
    EXPECT_EQ(m.container, inside_frame ? std::optional<std::size_t>(frame) : std::nullopt)
        << m.name;
    EXPECT_EQ(m.client_left, c.left + (inside_frame ? 195 : 0)) << m.name;
    EXPECT_EQ(m.client_top, c.top + (inside_frame ? 105 : 0)) << m.name;
  }
  // Label1 of the dialog: 225 and 480 twips into the frame, which stands at 195, 105.
  EXPECT_EQ(w.made[1].client_left, 420);
  EXPECT_EQ(w.made[1].client_top, 585);
}

TEST(SettingsDialogPlan, TheWholeWindowIsCentredOnTheScreen) {
  std::vector<std::string> log;
  RecordingWidgets w(kSettingsDesign, log);
  w.screen = {1920, 100, 1920 + 1280, 100 + 1024};  // a second monitor, lower down
  RecordingEvents events(log);
  BuildSettingsDialog(kSettingsDesign, w, events);
  // 7215 x 3510 twips is 481 x 234 pixels; the frame makes 497 x 272.
  ASSERT_TRUE(w.moved_to);
  EXPECT_EQ(w.moved_to->first, 1920 + (1280 - 497) / 2);
  EXPECT_EQ(w.moved_to->second, 100 + (1024 - 272) / 2);

  FormDesign uncentred = kSettingsDesign;
  uncentred.centred = false;
  RecordingWidgets stays(uncentred, log);
  BuildSettingsDialog(uncentred, stays, events);
  EXPECT_FALSE(stays.moved_to) << "left where the toolkit puts it";
}

TEST(SettingsDialogPlan, TabOrderAndFirstFocusFollowTabIndexNotTheOrderOfMaking) {
  // Made in one order, tabbed in another; labels never take the focus.
  const ControlDesign controls[] = {
      {.name = "Combo1", .kind = ControlKind::kDropDownList, .tab_index = 3},
      {.name = "btnOK", .kind = ControlKind::kButton, .tab_index = 2},
      {.name = "Label6", .kind = ControlKind::kLabel, .tab_index = 0},
      {.name = "btnCancel", .kind = ControlKind::kButton, .tab_index = 1},
      {.name = "tmrAny", .kind = ControlKind::kTimer},
  };
  const FormDesign design{.name = "frmTabs", .controls = controls};
  std::vector<std::string> log;
  RecordingWidgets w(design, log);
  RecordingEvents events(log);
  BuildSettingsDialog(design, w, events);
  EXPECT_EQ(w.tab_chain, (std::vector<std::string>{"btnCancel", "btnOK", "Combo1"}));
  EXPECT_EQ(log, (std::vector<std::string>{"SizeClient", "Attach", "Form_Load", "Focus btnCancel"}));
  EXPECT_EQ(w.made.size(), 4u) << "a dialog makes no timer";

  // The real dialog starts in its list, Combo1 being the first control that takes the focus.
  log.clear();
  RecordingWidgets real(kSettingsDesign, log);
  BuildSettingsDialog(kSettingsDesign, real, events);
  EXPECT_EQ(log.back(), "Focus Combo1");
  EXPECT_EQ(real.tab_chain, (std::vector<std::string>{"Combo1", "btnCancel", "btnOK"}));
}

TEST(SettingsDialogPlan, OkAndCancelRunTheirHandlersAndAnUnloadedDialogTakesNoFocus) {
  std::vector<std::string> log;
  RecordingWidgets w(kSettingsDesign, log);
  RecordingEvents events(log);
  events.unload_on_load = true;
  BuildSettingsDialog(kSettingsDesign, w, events);
  for (const std::string& entry : log) {
    EXPECT_NE(entry.rfind("Focus", 0), 0u) << "no focus for a dialog that is gone";
  }
  EXPECT_NE(std::find(log.begin(), log.end(), "Form_Load"), log.end());

  ASSERT_EQ(w.clicks.size(), 2u);
  log.clear();
  (events.*w.clicks.at("btnOK"))();
  (events.*w.clicks.at("btnCancel"))();
  EXPECT_EQ(log, (std::vector<std::string>{"btnOK_Click", "btnCancel_Click"}));
}

}  // namespace
}  // namespace corvanta
