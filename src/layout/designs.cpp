#include "layout/designs.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "layout/version.h"

namespace corvanta {
namespace {

constexpr std::string_view kSpeeds[] = {"Fast", "Medium", "Slow"};

// The show window's hidden picture box Picture1 is no control here: nothing of it is ever
// seen, and the sprite sheet it holds reaches the handlers as a picture (MainControls). picBox
// has no colours: its surface is black until drawn on, whatever the toolkit.
const ControlDesign kMainControls[] = {
    {.name = "picBox", .kind = ControlKind::kPictureBox, .width = 1215, .height = 495,
     .enabled = false},
    {.name = "Label1", .kind = ControlKind::kLabel, .container = "picBox", .width = 1935,
     .height = 375, .caption = "Label1", .visible = false, .back_colour = 0x00000000,
     .fore_colour = 0x0080FFFF,
     .font = FontDesign{.face = "MS Sans Serif", .points = 12, .weight = 700}},
    {.name = "tmrDown", .kind = ControlKind::kTimer, .interval_ms = 40},
    {.name = "tmrRight", .kind = ControlKind::kTimer, .interval_ms = 10},
};

const ControlDesign kSettingsControls[] = {
    {.name = "Frame1", .kind = ControlKind::kFrame, .left = 195, .top = 105, .width = 6825,
     .height = 2880, .tab_index = 0},
    {.name = "Label1", .kind = ControlKind::kLabel, .container = "Frame1", .left = 225,
     .top = 480, .width = 1215, .height = 375, .caption = "Ball Speed:", .tab_index = 1,
     .align = Align::kRight},
    {.name = "Combo1", .kind = ControlKind::kDropDownList, .container = "Frame1", .left = 1500,
     .top = 420, .width = 1335, .height = 315, .tab_index = 2, .entries = kSpeeds},
    {.name = "btnCancel", .kind = ControlKind::kButton, .container = "Frame1", .left = 3795,
     .top = 375, .width = 900, .height = 405, .caption = "Cancel", .tab_index = 3},
    {.name = "btnOK", .kind = ControlKind::kButton, .container = "Frame1", .left = 5265,
     .top = 375, .width = 900, .height = 405, .caption = "OK", .tab_index = 4},
    {.name = "Label2", .kind = ControlKind::kLabel, .container = "Frame1", .left = 585,
     .top = 1095, .width = 5715, .height = 360,
     .caption = "Corvanta Screen Saver is freeware from Corvanta Software.", .tab_index = 5,
     .align = Align::kCentre},
    {.name = "Label3", .kind = ControlKind::kLabel, .container = "Frame1", .left = 585,
     .top = 1410, .width = 5640, .height = 390,
     .caption = "www.corvanta.example          support@corvanta.example", .tab_index = 6,
     .align = Align::kCentre},
    {.name = "Label4", .kind = ControlKind::kLabel, .container = "Frame1", .left = 1620,
     .top = 1950, .width = 4575, .height = 765,
     .caption = "Visit our web site for more free screen savers and the other programs "
                "we make.",
     .tab_index = 7, .word_wrap = true},
    {.name = "Image1", .kind = ControlKind::kImage, .container = "Frame1", .left = 555,
     .top = 2010, .width = 480, .height = 480, .picture = PictureId::kNineBall},
    {.name = "Label5", .kind = ControlKind::kLabel, .left = 1185, .top = 3150, .width = 3255,
     .height = 420, .caption = "(C) 2025-2026 Corvanta Software", .tab_index = 8},
    {.name = "Label6", .kind = ControlKind::kLabel, .left = 5055, .top = 3150, .width = 2115,
     .height = 390, .caption = "Version " CORVANTA_VERSION_TEXT, .tab_index = 9},
};

}  // namespace

const ControlDesign* FormDesign::Find(std::string_view control) const {
  for (const ControlDesign& c : controls) {
    if (c.name == control) return &c;
  }
  return nullptr;
}

const ControlDesign& FormDesign::Control(std::string_view control) const {
  if (const ControlDesign* c = Find(control)) return *c;
  // The designs are ours and fixed: the windows are built at start, so a wrong name stops the
  // first run of the program or its tests rather than leaving a control silently missing.
  std::fprintf(stderr, "%s has no control %s\n", std::string(name).c_str(),
               std::string(control).c_str());
  std::abort();
}

const FormDesign kMainDesign = {.name = "frmMain",
                                .caption = "",
                                .client_width = 4680,
                                .client_height = 3195,
                                .back_colour = 0x00000000,
                                .has_icon = true,
                                .controls = kMainControls};

const FormDesign kSettingsDesign = {.name = "frmSettings",
                                    .caption = "Corvanta Settings",
                                    .client_width = 7215,
                                    .client_height = 3510,
                                    .centred = true,
                                    .controls = kSettingsControls};

}  // namespace corvanta
