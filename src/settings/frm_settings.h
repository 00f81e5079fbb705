#pragma once
// The settings dialog: preselects the current speed, stores a new one only on OK.

#include <cstdint>
#include <optional>

#include "layout/forms.h"
#include "layout/toolkit.h"

namespace corvanta {

class frmSettings final : public SettingsFormEvents {
 public:
  frmSettings(Toolkit& kit, std::int16_t& iBallSpeed) : kit_(kit), iBallSpeed_(iBallSpeed) {}

  void Attach(const SettingsControls& controls) override { c_.emplace(controls); }
  void Form_Load() override;
  void btnOK_Click() override;
  void btnCancel_Click() override;

  void SaveBallSpeed();

 private:
  Toolkit& kit_;
  // frmMain's, which the dialog reads and sets.
  std::int16_t& iBallSpeed_;
  std::optional<SettingsControls> c_;
};

}  // namespace corvanta
