#include "settings/frm_settings.h"

#include <string>

#include "settings/ball_speed.h"
#include "settings/settings_form_entry.h"

namespace corvanta {

std::unique_ptr<SettingsFormEvents> NewSettingsForm(Toolkit& kit, std::int16_t& ball_speed) {
  return std::make_unique<frmSettings>(kit, ball_speed);
}

void frmSettings::Form_Load() {
  const std::int16_t v = iBallSpeed_;
  // Written whatever the design says, so the dialog can never claim another version.
  const Version app = kit_.App();
  c_->Label6.SetCaption("Version " + std::to_string(app.Major) + "." + std::to_string(app.Minor) +
                        "." + std::to_string(app.Revision));
  // A stored code the list does not have shows as Fast.
  c_->Combo1.SetListIndex(v >= kSpeedFast && v <= kSpeedSlow ? v : kSpeedFast);
}

void frmSettings::btnOK_Click() {
  SaveBallSpeed();
  c_->form.Unload();
}

void frmSettings::btnCancel_Click() { c_->form.Unload(); }

void frmSettings::SaveBallSpeed() {
  std::int16_t index = c_->Combo1.ListIndex();
  if (index < kSpeedFast || index > kSpeedSlow) index = kSpeedFast;
  iBallSpeed_ = index;
  if (!WriteBallSpeed(kit_.Store(), index)) iBallSpeed_ = kSpeedFast;
}

}  // namespace corvanta
