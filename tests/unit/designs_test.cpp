// The window designs hold together: whole pixels at 96 dpi, one tab order, real containers.

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "layout/designs.h"
#include "layout/random_source.h"
#include "layout/version.h"

namespace corvanta {
namespace {

TEST(Designs, EveryPlaceIsAWholePixelAndEveryContainerExists) {
  for (const FormDesign* form : {&kMainDesign, &kSettingsDesign}) {
    EXPECT_EQ(std::fmod(form->client_width, 15.0f), 0) << form->name;
    for (const ControlDesign& c : form->controls) {
      for (const Twips v : {c.left, c.top, c.width, c.height}) {
        EXPECT_EQ(std::fmod(v, 15.0f), 0) << form->name << "." << c.name;
      }
      if (!c.container.empty()) {
        EXPECT_NE(form->Find(c.container), nullptr) << c.name;
      }
    }
  }
}

TEST(Designs, TheDialogsTabOrderRunsFromTheListToTheButtons) {
  std::set<int> order;
  for (const ControlDesign& c : kSettingsDesign.controls) {
    if (c.tab_index >= 0) {
      EXPECT_TRUE(order.insert(c.tab_index).second) << c.name;
    }
  }
  EXPECT_EQ(order.size(), 10u);
  EXPECT_EQ(*order.rbegin(), 9);
  // Made in tab order: a toolkit that tabs in the order of making (Win32) needs no more.
  int last = -1;
  for (const ControlDesign& c : kSettingsDesign.controls) {
    if (c.tab_index < 0) continue;
    EXPECT_GT(c.tab_index, last) << c.name;
    last = c.tab_index;
  }
  EXPECT_LT(kSettingsDesign.Find("Combo1")->tab_index, kSettingsDesign.Find("btnCancel")->tab_index);
  EXPECT_LT(kSettingsDesign.Find("btnCancel")->tab_index, kSettingsDesign.Find("btnOK")->tab_index);
  const auto entries = kSettingsDesign.Find("Combo1")->entries;
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], "Fast");
  EXPECT_EQ(entries[2], "Slow");
}

TEST(Designs, EveryControlTheCodeNamesExistsAndAWrongNameStopsTheProgram) {
  for (const char* name : {"picBox", "Label1", "tmrDown", "tmrRight"}) {
    EXPECT_EQ(kMainDesign.Control(name).name, name);
  }
  for (const char* name : {"Combo1", "Label6", "btnOK", "btnCancel"}) {
    EXPECT_EQ(kSettingsDesign.Control(name).name, name);
  }
  EXPECT_DEATH(kMainDesign.Control("Label6"), "frmMain has no control Label6");
}

TEST(Designs, TheDialogShowsThisProgramsVersion) {
  EXPECT_EQ(kSettingsDesign.Control("Label6").caption, "Version " CORVANTA_VERSION_TEXT);
}

TEST(RandomSource, UniformInTheHalfOpenUnitIntervalAndReplayable) {
  RandomSource a, b;
  double sum = 0;
  int low_half = 0;
  for (int i = 0; i < 1'000'000; ++i) {
    const float r = a.Next();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    ASSERT_EQ(r, b.Next());
    sum += r;
    low_half += r < 0.5f;
  }
  EXPECT_NEAR(sum / 1e6, 0.5, 0.002);
  EXPECT_NEAR(low_half / 1e6, 0.5, 0.002);
}

}  // namespace
}  // namespace corvanta
