#include "show/frm_main.h"

#include <cctype>

#include "race/race_geometry.h"
#include "settings/ball_speed.h"
#include "settings/settings_form_entry.h"
#include "show/main_form_entry.h"
#include "show/module1.h"
#include "show/saver_switch.h"

namespace corvanta {
namespace {

// Left on the clipboard by a running preview. A settings dialog opened beside the preview
// starts while that preview instance runs; finding the marker is how it is let through the
// instance guard, where any other second instance is refused.
constexpr std::string_view kPreviewMarker = "Priview";

std::string Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

std::string Cased(std::string s, int (*convert)(int)) {
  for (char& ch : s) ch = static_cast<char>(convert(static_cast<unsigned char>(ch)));
  return s;
}

}  // namespace

std::unique_ptr<MainFormEvents> NewMainForm(Toolkit& kit, const MainControls& controls) {
  return std::make_unique<frmMain>(kit, controls);
}

frmMain::frmMain(Toolkit& kit, const MainControls& controls) : kit_(kit), c_(controls) {}

void frmMain::Unload() { c_.form.Unload(); }

void frmMain::Form_Load() {
  LoadBallSpeed();
  SetBallStep();

  // Both are asked every time: the clipboard is read even when no other instance runs.
  const bool another_instance = kit_.PrevInstance();
  const bool no_preview_marker = kit_.ClipboardGetText() != kPreviewMarker;
  if (another_instance && no_preview_marker) {
    Unload();
    return;
  }

  strMode = SwitchText(kit_.Command());
  const SaverSwitch mode = SwitchOf(kit_.Command());

  if (mode == SaverSwitch::kPreview) {
    bPreview = kTrue;
    const std::string args = Cased(Trimmed(kit_.Command()), std::tolower);
    kit_.ClipboardClear();
    kit_.ClipboardSetText(kPreviewMarker);
    hwndPreview = GetPreviewHwnd(args);
    PreviewEmbedding();
  } else if (mode == SaverSwitch::kSettings) {
    const auto settings = NewSettingsForm(kit_, iBallSpeed);
    kit_.ShowSettingsModal(*settings);
    Unload();
  } else if (mode == SaverSwitch::kBeep) {
    kit_.Beep();
    Unload();
  } else if (mode == SaverSwitch::kShow) {
    // From here on a second instance finds no marker and is refused.
    kit_.ClipboardClear();
    FullScreenSetUp();
    sngFinish = FinishLine(kit_.ScreenWidth());
    ResetRace();
    DrawRace();
    FullScreenShowing();
  } else {
    Unload();
  }
}

void frmMain::LoadBallSpeed() { iBallSpeed = ReadBallSpeed(kit_.Store()); }

void frmMain::SetBallStep() {
  // Any code that is neither Slow nor Fast runs at Medium's step.
  if (iBallSpeed == kSpeedSlow) {
    sngStep = 100;
  } else if (iBallSpeed == kSpeedFast) {
    sngStep = 400;
  } else {
    sngStep = 200;
  }
}

}  // namespace corvanta
