#pragma once
// The settings dialog: preselects the current speed, stores a new one only on OK.

#include <optional>

#include "layout/controls.h"
#include "layout/toolkit.h"

namespace corvanta {

class frmMain;

// The dialog's controls the program touches; the rest are fixed by the design.
struct SettingsControls {
  Window& form;
  ComboBox& Combo1;
  Label& Label6;
};

class SettingsFormEvents {
 public:
  virtual ~SettingsFormEvents() = default;
  // The toolkit hands over the built controls before the load handler runs.
  virtual void Attach(const SettingsControls& controls) = 0;
  virtual void Form_Load() = 0;
  virtual void btnOK_Click() = 0;
  virtual void btnCancel_Click() = 0;
};

class frmSettings final : public SettingsFormEvents {
 public:
  frmSettings(Toolkit& kit, frmMain& main) : kit_(kit), main_(main) {}

  void Attach(const SettingsControls& controls) override { c_.emplace(controls); }
  void Form_Load() override;
  void btnOK_Click() override;
  void btnCancel_Click() override;

  void SaveBallSpeed();

 private:
  Toolkit& kit_;
  frmMain& main_;
  std::optional<SettingsControls> c_;
};

}  // namespace corvanta
