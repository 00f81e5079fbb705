#include "settings/frm_settings.h"

#include <string>

#include "settings/ball_speed.h"
#include "show/frm_main.h"

namespace corvanta {

void frmSettings::Form_Load() {
  const std::int16_t v = main_.iBallSpeed;
  // The version is shown whatever the stored speed: the design's placeholder text would
  // otherwise claim a version this program is not.
  const Version app = kit_.App();
  c_->Label6.SetCaption("Version " + std::to_string(app.Major) + "." + std::to_string(app.Minor) +
                        "." + std::to_string(app.Revision));
  c_->Combo1.SetListIndex(v >= 0 && v <= 2 ? v : 0);
}

void frmSettings::btnOK_Click() {
  SaveBallSpeed();
  c_->form.Unload();
}

void frmSettings::btnCancel_Click() { c_->form.Unload(); }

void frmSettings::SaveBallSpeed() {
  std::int16_t index = c_->Combo1.ListIndex();
  if (index < 0 || index > 2) index = 0;
  main_.iBallSpeed = index;
  if (!kit_.Store().SaveSetting(kAppName, kSettingsSection, kBallSpeedKey,
                                std::to_string(index))) {
    main_.iBallSpeed = 0;
  }
}

}  // namespace corvanta
